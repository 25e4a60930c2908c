// The machine's serial ports, sorted for the port box.
#pragma once

#include <QByteArray>
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
    virtual void Close() {}
};

// The ports the machine publishes, each shown by its device path (/dev/ttyUSB0).
class TMachinePortSource : public TPortSource
{
  public:
    bool Open() override;
    bool Value(int index, QByteArray &name, QByteArray &data) override;

  private:
    QList<QByteArray> Names;
    QList<QByteArray> Paths;
};

// Tests put a source of their own in place of the machine's; nullptr restores it.
void SetPortSourceOverride(TPortSource *source);

// Replaces Target's content with the port names, sorted without regard to case.
void ListSerialPorts(QStringList &Target);
void ListSerialPorts(QStringList &Target, TPortSource &source);
