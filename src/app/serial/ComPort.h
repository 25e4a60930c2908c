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
    // Passing errors in a row without a byte received before the line is
    // taken for lost all the same.
    static constexpr int TransientLimit = 1000;

    explicit TComPort(QObject *parent = nullptr);

    // Stores the name; an open port under another name is reopened.
    bool SetPort(const QString &name, QString &error);
    QString Port() const { return name_; }
    // Does nothing when open; false with the cause and what to do about it
    // when the device cannot be opened. A port another program holds (its
    // lock file, flock, exclusive open) is busy and left alone.
    bool Open(QString &error);
    // The system's error number of the last failed open (ENOENT, EACCES, EBUSY...).
    int OpenErrorNumber() const { return openErrorNumber_; }
    // The process that holds the port, when the last open found one; else 0.
    qint64 OpenHolderPid() const { return openHolderPid_; }
    // The cause of a failed open in words, with what the user can do; the
    // system's own text for causes without advice.
    static QString OpenFailureText(int errorNumber, qint64 holderPid, const QString &systemText);

    // What an error while open means: the line still up (a passing error),
    // the device gone, or the line closed at the other end.
    enum class LineState { Up, Unplugged, Closed, Unknown };
    // From the port's poll events and whether its name still leads to the
    // device it opened.
    static LineState LineStateFrom(short pollEvents, bool sameDeviceNode);
    // Does nothing when closed; drops whatever waits in either direction.
    void Close();
    bool Connected() const { return port_.isOpen(); }
    // Queues the bytes in one write; false with the reason when the port refuses them.
    bool Write(const QByteArray &bytes, QString &error);
    // Read or write errors that passed (another reader took the bytes, an
    // interrupted call) and did not end anything.
    int TransientErrors() const { return transientErrors_; }
    // Bytes handed to the port and read from it since the program started.
    qint64 BytesOut() const { return bytesOut_; }
    qint64 BytesIn() const { return bytesIn_; }

  signals:
    // All bytes waiting in the driver, read in one go.
    void BlockReceived(const QByteArray &block);
    // The device vanished or the line was closed while open; the port is
    // closed by then and the reason names the cause. May come from inside
    // Write: listeners queue their reaction.
    void DeviceLost(const QString &reason);

  private:
    void readAll();
    void onError(QSerialPort::SerialPortError error);
    bool refuseOpen(int errorNumber, qint64 holderPid, const QString &systemText, QString &error);
    // What an error while open means: the line still up (a passing error),
    // the device gone, or the line closed.
    LineState lineState();

    QSerialPort port_;
    QString name_;
    bool opening_ = false;
    bool closing_ = false;
    int openErrorNumber_ = 0;
    qint64 openHolderPid_ = 0;
    int transientErrors_ = 0;
    int transientStreak_ = 0;
    QString lostReason_;
    qint64 bytesOut_ = 0;
    qint64 bytesIn_ = 0;
};
