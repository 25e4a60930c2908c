#include "ModuleLink.h"

#include "LinkRules.h"
#include "LinkTexts.h"

TModuleLink::TModuleLink(TLinkView &view, TEepromImage &image, QObject *parent)
    : QObject(parent), view_(view), image_(image), engine_(*this, image)
{
    connect(&port_, &TComPort::BlockReceived, this,
            [this](const QByteArray &block) { engine_.TakeBlock(block); });
    // Queued: the loss can be noticed inside a write the engine is making.
    connect(&port_, &TComPort::DeviceLost, this, &TModuleLink::deviceLost, Qt::QueuedConnection);
    connect(&timer_, &TLinkTimer::Timeout, this, [this] { engine_.Timer1Timer(); });
}

bool TModuleLink::CheckNumbersInternational(const QStringList &userNumbers)
{
    if (NumbersAreInternational(userNumbers))
        return true;
    LogLine(LinkText::NotInternational);
    return false;
}

bool TModuleLink::StartProgramming(const QString &portName, const TModuleSettings &settings)
{
    // A number past its slot would be cut in the image: refuse before anything is sent.
    if (!NumbersFitImageSlots(settings)) {
        LogLine(LinkText::NumberTooLong);
        return false;
    }
    view_.SetLinkBusy(true);
    SettingsToEeprom(settings, image_);
    if (!openPort(portName))
        return false;
    QString error;
    return commandSent(engine_.BeginProgramming(error), portName, error);
}

bool TModuleLink::StartReadBack(const QString &portName)
{
    // Busy like a programming run: a run started meanwhile would encode into
    // the image the read-back is filling and send the module a mixture.
    view_.SetLinkBusy(true);
    port_.Close();
    if (!openPort(portName))
        return false;
    QString error;
    return commandSent(engine_.BeginReadBack(error), portName, error);
}

void TModuleLink::Interrupt()
{
    engine_.Stop();
    port_.Close();
    view_.SetLinkBusy(false);
}

bool TModuleLink::commandSent(bool sent, const QString &portName, const QString &error)
{
    if (sent)
        return true;
    // The first command could not be written: nothing runs, the window is given back.
    port_.Close();
    view_.SetLinkBusy(false);
    view_.ShowLinkError(LinkText::CannotWritePort.arg(portName, error));
    return false;
}

bool TModuleLink::openPort(const QString &portName)
{
    QString error;
    if (port_.SetPort(portName, error) && port_.Open(error))
        return true;
    port_.Close();
    view_.SetLinkBusy(false);
    view_.ShowLinkError(LinkText::CannotOpenPort.arg(portName, error).arg(port_.OpenErrorNumber()));
    return false;
}

void TModuleLink::deviceLost(const QString &reason)
{
    // The port is closed already; the next command opens it afresh.
    if (engine_.Busy())
        engine_.Abort(LinkText::DeviceLost.arg(reason));
}

bool TModuleLink::WriteBytes(const QByteArray &bytes, QString &error)
{
    return port_.Write(bytes, error);
}

void TModuleLink::SetTimerEnabled(bool enabled)
{
    timer_.SetEnabled(enabled);
}

int TModuleLink::LogLine(const QString &text)
{
    view_.TrimLog();
    return view_.AddLogLine(text);
}

void TModuleLink::RewriteLine(int index, const QString &text)
{
    view_.SetLogLine(index, text);
}

bool TModuleLink::AcceptBadChecksum(std::uint8_t, std::uint8_t)
{
    return view_.AcceptBadChecksum();
}

void TModuleLink::ImageReceived()
{
    view_.ShowReceivedImage();
}

void TModuleLink::SequenceEnded(TLinkEnd end)
{
    if (end == TLinkEnd::Failed)
        port_.Close();
    view_.SetLinkBusy(false);
    emit SequenceFinished(end);
}
