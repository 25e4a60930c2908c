#include "ComPort.h"

#include <cerrno>

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

bool TComPort::Open(QString &error)
{
    if (port_.isOpen())
        return true;
    if (name_.isEmpty()) {
        error = QStringLiteral("nie wybrano portu");
        return false;
    }
    port_.setPortName(name_);
    port_.setBaudRate(BaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    opening_ = true;
    const bool opened = port_.open(QIODevice::ReadWrite);
    if (opened) {
        // Not every device has these lines (a pseudo-terminal has none); the
        // refusal is no error for the link.
        port_.setDataTerminalReady(false);
        port_.setRequestToSend(false);
        port_.clearError();
    } else {
        error = port_.errorString();
        openErrorNumber_ = systemErrorNumber(port_.error());
    }
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
    const QByteArray block = port_.readAll();
    bytesIn_ += block.size();
    if (!block.isEmpty())
        emit BlockReceived(block);
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
    lostReason_ = port_.errorString();
    Close();
    emit DeviceLost(lostReason_);
}
