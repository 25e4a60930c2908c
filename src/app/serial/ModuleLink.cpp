#include "ModuleLink.h"

#include "LinkRules.h"
#include "LinkTexts.h"
#include "ModuleBackup.h"
#include "ModuleFields.h"
#include "Uplik.h"

#include <QDir>

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

bool TModuleLink::StartProgramming(const QString &portName, const TModuleSettings &settings,
                                   const TProgrammingOptions &options)
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
    options_ = options;
    portName_ = portName;
    programmed_ = settings;
    differing_.clear();
    backupWritten_.clear();
    QString error;
    if (!options.BackupFile.isEmpty()) {
        // Before "*2*1": what the module holds now is read into a spare image.
        phase_ = Phase::Backup;
        const bool sent = engine_.BeginReadBack(error, &spare_);
        if (!sent)
            phase_ = Phase::None;
        return commandSent(sent, portName, error);
    }
    phase_ = options.Verify ? Phase::Programming : Phase::None;
    const bool sent = engine_.BeginProgramming(error);
    if (!sent)
        phase_ = Phase::None;
    return commandSent(sent, portName, error);
}

void TModuleLink::backupRead(TLinkEnd end)
{
    if (end == TLinkEnd::Failed) {
        // The line is gone: there is nothing to program through.
        port_.Close();
        finish(TLinkEnd::BackupFailed);
        return;
    }
    if (end != TLinkEnd::ReadBack) {
        askProgramWithoutBackup(LinkText::BackupReadFailed);
        return;
    }
    try {
        SaveModuleBackup(spare_, options_.BackupFile);
    } catch (const SettingsFileError &error) {
        LogLine(error.Message);
        askProgramWithoutBackup(LinkText::BackupSaveFailed);
        return;
    }
    backupWritten_ = options_.BackupFile;
    LogLine(LinkText::BackupSaved.arg(QDir::toNativeSeparators(options_.BackupFile)));
    startProgrammingPhase();
}

void TModuleLink::askProgramWithoutBackup(const QString &question)
{
    if (view_.ProgramWithoutBackup(question))
        startProgrammingPhase();
    else
        finish(TLinkEnd::BackupFailed);
}

void TModuleLink::startProgrammingPhase()
{
    phase_ = Phase::Programming;
    QString error;
    laterCommandSent(engine_.BeginProgramming(error), error);
}

void TModuleLink::startVerify(TLinkEnd)
{
    phase_ = Phase::Verify;
    LogLine(LinkText::VerifyStarted);
    QString error;
    laterCommandSent(engine_.BeginReadBack(error, &spare_), error);
}

void TModuleLink::verifyRead(TLinkEnd end)
{
    // A stream whose checksum is wrong never counts as a match, but what it
    // holds still tells which fields the module got wrong.
    if (end == TLinkEnd::ReadBack || end == TLinkEnd::BadChecksum) {
        // Decoded over what was sent, so that only what the image carries can differ.
        TModuleSettings held = programmed_;
        EepromToSettings(spare_, held);
        differing_ = ::DifferingFields(programmed_, held);
        if (differing_.isEmpty() && end == TLinkEnd::ReadBack) {
            LogLine(LinkText::VerifyOk);
            finish(TLinkEnd::Programmed);
            return;
        }
        if (!differing_.isEmpty())
            LogLine(LinkText::VerifyMismatch + FieldListText(differing_));
    }
    if (end == TLinkEnd::Failed)
        port_.Close();
    view_.ShowLinkError(LinkText::NotAccepted);
    finish(TLinkEnd::NotVerified);
}

bool TModuleLink::laterCommandSent(bool sent, const QString &error)
{
    if (sent)
        return true;
    port_.Close();
    view_.ShowLinkError(LinkText::CannotWritePort.arg(portName_, error));
    finish(TLinkEnd::Failed);
    return false;
}

void TModuleLink::finish(TLinkEnd end)
{
    phase_ = Phase::None;
    if (end == TLinkEnd::Failed)
        port_.Close();
    view_.SetLinkBusy(false);
    emit SequenceFinished(end);
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
    phase_ = Phase::None;
    ++run_;
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
    // The steps of a run with options go on from the event loop: a question
    // or an error box must not open inside the splitter's hook.
    auto next = [this](void (TModuleLink::*step)(TLinkEnd), TLinkEnd e) {
        QMetaObject::invokeMethod(
            this,
            [this, step, e, run = run_] {
                if (run == run_)
                    (this->*step)(e);
            },
            Qt::QueuedConnection);
    };
    switch (phase_) {
    case Phase::Backup:
        next(&TModuleLink::backupRead, end);
        return;
    case Phase::Programming:
        if (end == TLinkEnd::Programmed && options_.Verify) {
            next(&TModuleLink::startVerify, end);
            return;
        }
        break;
    case Phase::Verify:
        next(&TModuleLink::verifyRead, end);
        return;
    case Phase::None:
        break;
    }
    finish(end);
}
