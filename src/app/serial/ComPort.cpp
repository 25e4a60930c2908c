#include "ComPort.h"

#include "LinkTexts.h"
#include "PortLocks.h"

#include <QScopeGuard>
#include <QTimer>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TComPort::TComPort(QObject *parent) : QObject(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &TComPort::readAll);
    connect(&port_, &QSerialPort::errorOccurred, this, &TComPort::onError);
}

namespace
{
// QSerialPort keeps only its own error kinds; the system's number for each.
int systemErrorNumber(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        return EACCES;
    case QSerialPort::OpenError:
        return EBUSY;
    case QSerialPort::UnsupportedOperationError:
        return ENOTTY;
    default:
        return EIO;
    }
}
} // namespace

bool TComPort::SetPort(const QString &name, QString &error)
{
    if (name == name_)
        return true;
    name_ = name;
    if (!port_.isOpen())
        return true;
    Close();
    return Open(error);
}

QString TComPort::OpenFailureText(int errorNumber, qint64 holderPid, const QString &systemText)
{
    switch (errorNumber) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return LinkText::PortMissing;
    case EBUSY:
        return holderPid > 0 ? LinkText::PortBusyBy.arg(holderPid) : LinkText::PortBusy;
    case EACCES:
    case EPERM:
        return LinkText::PortDenied;
    default:
        return systemText;
    }
}

bool TComPort::refuseOpen(int errorNumber, qint64 holderPid, const QString &systemText, QString &error)
{
    openErrorNumber_ = errorNumber;
    openHolderPid_ = holderPid;
    error = OpenFailureText(errorNumber, holderPid, systemText);
    return false;
}

bool TComPort::Open(QString &error)
{
    if (port_.isOpen())
        return true;
    openErrorNumber_ = 0;
    openHolderPid_ = 0;
    if (name_.isEmpty()) {
        error = QStringLiteral("nie wybrano portu");
        return false;
    }
#ifdef Q_OS_UNIX
    // A look of our own first: the system's answer tells a missing port, a
    // refused one and a busy one apart, and other programs' locks are seen
    // before the port is touched. Kept open until the port is, so the device
    // is not closed and opened once more than needed.
    const int probe = ::open(name_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) {
        const int number = errno;
        return refuseOpen(number, 0, qt_error_string(number), error);
    }
    const auto closeProbe = qScopeGuard([probe] { ::close(probe); });
    qint64 holder = 0;
    if (PortLocks::FlockHeld(probe, holder))
        return refuseOpen(EBUSY, holder, QString(), error);
    if (const qint64 pid = PortLocks::LockFileHolder(name_))
        return refuseOpen(EBUSY, pid, QString(), error);
#endif
    port_.setPortName(name_);
    port_.setBaudRate(BaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    opening_ = true;
    bool opened = port_.open(QIODevice::ReadWrite);
    if (opened) {
        // Not every device has these lines (a pseudo-terminal has none); the
        // refusal is no error for the link.
        port_.setDataTerminalReady(false);
        port_.setRequestToSend(false);
        port_.clearError();
#ifdef Q_OS_UNIX
        // Held for other programs to see; one that took it meanwhile wins.
        if (!PortLocks::TakeFlock(int(port_.handle()))) {
            port_.close();
            opened = false;
            openErrorNumber_ = EBUSY;
            error = OpenFailureText(EBUSY, 0, QString());
        }
#endif
    } else {
        openErrorNumber_ = systemErrorNumber(port_.error());
#ifdef Q_OS_UNIX
        // The device opened for the look above: what stopped the port is a
        // hold (another handle of this program, an exclusive open).
        if (port_.error() == QSerialPort::PermissionError)
            openErrorNumber_ = EBUSY;
#endif
        error = OpenFailureText(openErrorNumber_, 0, port_.errorString());
    }
    transientStreak_ = 0;
    opening_ = false;
    return opened;
}

void TComPort::Close()
{
    if (!port_.isOpen() || closing_)
        return;
    // Dropping the queues of a vanished device fails and reports an error
    // of its own, which must not start another close.
    closing_ = true;
    port_.clear();
    port_.close();
    closing_ = false;
}

bool TComPort::Write(const QByteArray &bytes, QString &error)
{
    if (!port_.isOpen()) {
        error = QStringLiteral("port zamknięty");
        return false;
    }
    if (port_.write(bytes) != bytes.size()) {
        error = port_.errorString();
        return false;
    }
    bytesOut_ += bytes.size();
    // Hand the bytes to the driver now rather than on the next pass of the
    // event loop: the module waits for every frame.
    port_.flush();
    if (!port_.isOpen()) {
        // The device failed while taking the bytes (see onError).
        error = lostReason_;
        return false;
    }
    return true;
}

void TComPort::readAll()
{
    if (!port_.isOpen())
        return;
    const QByteArray block = port_.readAll();
    bytesIn_ += block.size();
    if (!block.isEmpty()) {
        transientStreak_ = 0;
        emit BlockReceived(block);
    }
}

TComPort::LineState TComPort::LineStateFrom(short pollEvents, bool sameDeviceNode)
{
#ifdef Q_OS_UNIX
    if (pollEvents & POLLNVAL)
        return LineState::Closed;
    if (!(pollEvents & (POLLHUP | POLLERR)))
        return LineState::Up;
    // Hung up: a device whose node went (or is another device now) was
    // unplugged; one still there was closed at the other end.
    return sameDeviceNode ? LineState::Closed : LineState::Unplugged;
#else
    Q_UNUSED(pollEvents);
    Q_UNUSED(sameDeviceNode);
    return LineState::Unknown;
#endif
}

TComPort::LineState TComPort::lineState()
{
#ifdef Q_OS_UNIX
    const int fd = int(port_.handle());
    if (fd < 0)
        return LineState::Closed;
    pollfd pfd{fd, POLLIN, 0};
    if (::poll(&pfd, 1, 0) < 0)
        return LineState::Unknown;
    struct stat held = {};
    struct stat named = {};
    const bool same = ::fstat(fd, &held) == 0 && ::stat(name_.toLocal8Bit().constData(), &named) == 0 &&
                      named.st_rdev == held.st_rdev;
    return LineStateFrom(pfd.revents, same);
#else
    return LineState::Unknown;
#endif
}

void TComPort::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::UnsupportedOperationError: // DTR/RTS on a device without them
        return;
    default:
        break;
    }
    if (opening_ || closing_ || !port_.isOpen())
        return; // a failed open is reported by Open itself
    const LineState state = lineState();
    // A read that found nothing (another reader took the bytes), a write the
    // driver could not take yet, an interrupted call: the line is still up
    // and the run goes on. Reading again re-arms the port's read notifier,
    // which a failed read may have switched off. A line that keeps failing
    // while it looks up is given up on after a while.
    if (state == LineState::Up && ++transientStreak_ <= TransientLimit) {
        ++transientErrors_;
        port_.clearError();
        QTimer::singleShot(0, this, &TComPort::readAll);
        return;
    }
    switch (state) {
    case LineState::Unplugged:
        lostReason_ = LinkText::DeviceUnplugged;
        break;
    case LineState::Closed:
        lostReason_ = LinkText::LineClosed;
        break;
    default:
        lostReason_ = port_.errorString();
        break;
    }
    Close();
    emit DeviceLost(lostReason_);
}
