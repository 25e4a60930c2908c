#include "PortTools.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <future>

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
    About.clear();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        Names << port.portName().toLocal8Bit();
#ifdef Q_OS_WIN
        // Windows users know their ports as COM names; the "\\.\" device path is an internal detail.
        Paths << port.portName().toLocal8Bit() + '\0';
#else
        Paths << port.systemLocation().toLocal8Bit() + '\0';
#endif
        QStringList lines;
        if (!port.description().isEmpty())
            lines << QStringLiteral("Opis: %1").arg(port.description());
        if (!port.manufacturer().isEmpty())
            lines << QStringLiteral("Producent: %1").arg(port.manufacturer());
        if (!port.serialNumber().isEmpty())
            lines << QStringLiteral("Numer seryjny: %1").arg(port.serialNumber());
        if (port.hasVendorIdentifier() && port.hasProductIdentifier())
            lines << QStringLiteral("VID:PID: %1:%2")
                         .arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                         .arg(port.productIdentifier(), 4, 16, QLatin1Char('0'));
        About << lines.join(QLatin1Char('\n'));
    }
    return !ports.isEmpty();
}

QString TMachinePortSource::Details(int index)
{
    return index >= 0 && index < About.size() ? About[index] : QString();
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
    Target.clear();
    for (const TPortEntry &entry : ListSerialPortEntries(source))
        Target << entry.Path;
}

QList<TPortEntry> ListSerialPortEntries(TPortSource &source)
{
    QList<TPortEntry> found;
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
            found.append({QString::fromLocal8Bit(end < 0 ? data : data.left(end)), source.Details(index)});
        }
        source.Close();
    }
    std::stable_sort(found.begin(), found.end(), [](const TPortEntry &a, const TPortEntry &b) {
        return lessCaseInsensitive(a.Path, b.Path);
    });
    return found;
}

bool IsUsbAdapterPort(const QString &path)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
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

QList<TPortEntry> ListSerialPortEntries()
{
    if (TPortSource *source = portSourceOverride())
        return ListSerialPortEntries(*source);
    TMachinePortSource machine;
    return ListSerialPortEntries(machine);
}

namespace
{
std::future<QList<TPortEntry>> &listedAhead()
{
    static std::future<QList<TPortEntry>> listed;
    return listed;
}
} // namespace

void BeginListingSerialPorts()
{
    if (listedAhead().valid() || portSourceOverride())
        return;
    listedAhead() = std::async(std::launch::async, [] {
        TMachinePortSource machine;
        return ListSerialPortEntries(machine);
    });
}

QList<TPortEntry> TakeListedSerialPorts()
{
    if (listedAhead().valid()) {
        QList<TPortEntry> listed = listedAhead().get();
        if (!portSourceOverride())
            return listed;
    }
    return ListSerialPortEntries();
}
