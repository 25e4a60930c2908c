// The machine's serial ports, sorted for the port box.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where the port names come from: a numbered list of (name, data) values,
// each value's data being a port name. Reading stops at the first index the
// source cannot deliver.
class TPortSource
{
  public:
    virtual ~TPortSource() = default;
    // False when the machine publishes no ports at all.
    virtual bool Open() = 0;
    virtual bool Value(int index, QByteArray &name, QByteArray &data) = 0;
    // What the system knows of the adapter behind the value at `index`, for
    // the port box's tooltips; empty when nothing is known.
    virtual QString Details(int index)
    {
        Q_UNUSED(index)
        return {};
    }
    virtual void Close() {}
};

// The ports the machine publishes, each shown by its device path (/dev/ttyUSB0).
class TMachinePortSource : public TPortSource
{
  public:
    bool Open() override;
    bool Value(int index, QByteArray &name, QByteArray &data) override;
    // Description, manufacturer, serial number and VID:PID, one a line.
    QString Details(int index) override;

  private:
    QList<QByteArray> Names;
    QList<QByteArray> Paths;
    QStringList About;
};

// Tests put a source of their own in place of the machine's; nullptr restores it.
void SetPortSourceOverride(TPortSource *source);

// Replaces Target's content with the port names, sorted without regard to case.
void ListSerialPorts(QStringList &Target);
void ListSerialPorts(QStringList &Target, TPortSource &source);

// The same list, each name with what the system knows of its adapter.
struct TPortEntry {
    QString Path;
    QString Details;
};
QList<TPortEntry> ListSerialPortEntries();
QList<TPortEntry> ListSerialPortEntries(TPortSource &source);
// The machine's list read ahead on a thread of its own, so that start-up
// does not wait for it: walking the system's devices takes milliseconds on a
// machine with many terminals. BeginListingSerialPorts() starts it once;
// TakeListedSerialPorts() returns it, or reads the list now when nothing was
// begun or a test's own source is in place.
void BeginListingSerialPorts();
QList<TPortEntry> TakeListedSerialPorts();

// Whether the port is a USB adapter (ttyUSB*, ttyACM*) rather than a
// built-in serial port.
bool IsUsbAdapterPort(const QString &path);
