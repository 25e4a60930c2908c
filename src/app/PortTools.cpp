#include "PortTools.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace
{
// Room for a value's name and data, as the original enumeration provided;
// a value that does not fit ends the list.
constexpr int NameBufferSize = 256;
constexpr int DataBufferSize = 256;

bool lessCaseInsensitive(const QString &a, const QString &b)
{
    return QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded()) < 0;
}
} // namespace

bool TMachinePortSource::Open()
{
    Names.clear();
    Paths.clear();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        Names << port.portName().toLocal8Bit();
#ifdef Q_OS_WIN
        // Windows users know their ports as COM names; the "\\.\" device path is an internal detail.
        Paths << port.portName().toLocal8Bit() + '\0';
#else
        Paths << port.systemLocation().toLocal8Bit() + '\0';
#endif
    }
    return !ports.isEmpty();
}

bool TMachinePortSource::Value(int index, QByteArray &name, QByteArray &data)
{
    if (index < 0 || index >= Paths.size())
        return false;
    name = Names[index];
    data = Paths[index];
    return true;
}

void ListSerialPorts(QStringList &Target, TPortSource &source)
{
    QStringList found;
    if (source.Open()) {
        for (int index = 0;; ++index) {
            QByteArray name;
            QByteArray data;
            if (!source.Value(index, name, data))
                break;
            // The name needs room for its terminating zero; the data is stored with it.
            if (name.size() >= NameBufferSize || data.size() > DataBufferSize)
                break;
            const int end = data.indexOf('\0');
            found << QString::fromLocal8Bit(end < 0 ? data : data.left(end));
        }
        source.Close();
    }
    std::stable_sort(found.begin(), found.end(), lessCaseInsensitive);
    Target = found;
}

namespace
{
TPortSource *&portSourceOverride()
{
    static TPortSource *source = nullptr;
    return source;
}
} // namespace

void SetPortSourceOverride(TPortSource *source)
{
    portSourceOverride() = source;
}

void ListSerialPorts(QStringList &Target)
{
    if (TPortSource *source = portSourceOverride()) {
        ListSerialPorts(Target, *source);
        return;
    }
    TMachinePortSource machine;
    ListSerialPorts(Target, machine);
}
