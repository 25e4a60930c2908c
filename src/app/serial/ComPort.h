// The program's serial port: a thin layer over QSerialPort with the module's
// fixed settings (115200 8N1, no flow control, DTR and RTS inactive).
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>

class TComPort : public QObject
{
    Q_OBJECT
  public:
    static constexpr int BaudRate = 115200;

    explicit TComPort(QObject *parent = nullptr);

    // Stores the name; an open port under another name is reopened.
    bool SetPort(const QString &name, QString &error);
    QString Port() const { return name_; }
    // Does nothing when open; false with the reason when the device cannot be opened.
    bool Open(QString &error);
    // The system's error number of the last failed open (ENOENT, EACCES, EBUSY...).
    int OpenErrorNumber() const { return openErrorNumber_; }
    // Does nothing when closed; drops whatever waits in either direction.
    void Close();
    bool Connected() const { return port_.isOpen(); }
    // Queues the bytes in one write; false with the reason when the port refuses them.
    bool Write(const QByteArray &bytes, QString &error);
    // Bytes handed to the port and read from it since the program started.
    qint64 BytesOut() const { return bytesOut_; }
    qint64 BytesIn() const { return bytesIn_; }

  signals:
    // All bytes waiting in the driver, read in one go.
    void BlockReceived(const QByteArray &block);
    // The device failed while open (e.g. unplugged); the port is closed by
    // then. May come from inside Write: listeners queue their reaction.
    void DeviceLost(const QString &reason);

  private:
    void readAll();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString name_;
    bool opening_ = false;
    bool closing_ = false;
    int openErrorNumber_ = 0;
    QString lostReason_;
    qint64 bytesOut_ = 0;
    qint64 bytesIn_ = 0;
};
