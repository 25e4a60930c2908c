// What the port really is on the wire once the link has opened it: the
// line settings the module expects and the port held for the program alone.
// Read back from the device itself, not from QSerialPort's own idea of it.
#include "ModuleLink.h"
#include "RecordingView.h"
#include "SimProcess.h"
#include "Udecl.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

Q_DECLARE_METATYPE(TLinkEnd)

namespace
{

constexpr int TestTimeout = 1000; // ms; the program's own is 6000

// An extra descriptor on the device, closed on leaving the scope.
class DeviceHandle
{
  public:
    explicit DeviceHandle(const QString &path)
        : fd_(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)), errno_(errno)
    {
    }
    ~DeviceHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    DeviceHandle(const DeviceHandle &) = delete;
    DeviceHandle &operator=(const DeviceHandle &) = delete;
    int fd() const { return fd_; }
    int openErrno() const { return errno_; }

  private:
    int fd_;
    int errno_;
};

// A descriptor of this process that is open on the device (the port's own).
int descriptorOf(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const QFileInfo &link : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        if (link.symLinkTarget() == canonical)
            return link.fileName().toInt();
    return -1;
}

} // namespace

class PortSettings : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { qRegisterMetaType<TLinkEnd>(); }

    // Both commands open the port their own way: programming reuses an open
    // port, read-back closes and reopens it.
    void lineSettings_data()
    {
        QTest::addColumn<bool>("readBack");
        QTest::newRow("programming") << false;
        QTest::newRow("read-back") << true;
    }

    void lineSettings()
    {
        QFETCH(bool, readBack);
        SimProcess sim({});
        QVERIFY(!sim.path().isEmpty());
        RecordingView view;
        TEepromImage image{};
        TModuleLink link(view, image);
        link.Timer1().SetInterval(TestTimeout);
        QSignalSpy finished(&link, &TModuleLink::SequenceFinished);
        TModuleSettings s{};
        SetDefaultSettings(s);
        s.UserNumber(1).setText("+48600100200");
        QVERIFY(readBack ? link.StartReadBack(sim.path()) : link.StartProgramming(sim.path(), s));
        QVERIFY(finished.wait(TestTimeout * 4));
        QCOMPARE(finished.first().first().value<TLinkEnd>(),
                 readBack ? TLinkEnd::ReadBack : TLinkEnd::Programmed);
        // The port stays open from command to command.
        QVERIFY(link.ComPort2().Connected());

        // Only root gets past the exclusive hold; anyone else is refused
        // with EBUSY, which is the hold itself, and reads the settings
        // through the port's own descriptor instead.
        DeviceHandle device(sim.path());
        int fd = device.fd();
        if (fd < 0) {
            QCOMPARE(device.openErrno(), EBUSY);
            fd = descriptorOf(sim.path());
        }
        QVERIFY(fd >= 0);
        termios tio{};
        QCOMPARE(::tcgetattr(fd, &tio), 0);
        QCOMPARE(::cfgetispeed(&tio), speed_t(B115200));
        QCOMPARE(::cfgetospeed(&tio), speed_t(B115200));
        QCOMPARE(tio.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(tio.c_cflag & PARENB, tcflag_t(0));
        QCOMPARE(tio.c_cflag & CSTOPB, tcflag_t(0));
        QCOMPARE(tio.c_cflag & CRTSCTS, tcflag_t(0));
        QCOMPARE(tio.c_iflag & (IXON | IXOFF), tcflag_t(0));
        // Received bytes reach the program unchanged: no parity marking, no
        // stripping to seven bits, no CR/LF translation, no line editing.
        QCOMPARE(tio.c_iflag & (INPCK | ISTRIP | ICRNL | INLCR | IGNCR), tcflag_t(0));
        QCOMPARE(tio.c_lflag & ICANON, tcflag_t(0));
        QVERIFY(tio.c_cflag & CREAD);

#ifdef TIOCGEXCL
        int exclusive = 0;
        QCOMPARE(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
        QVERIFY2(exclusive != 0, "the device is not held exclusively");
#endif
        QSerialPort second;
        second.setPortName(sim.path());
        QVERIFY2(!second.open(QIODevice::ReadWrite), "a second open of the held port succeeded");
        // The failed attempt leaves the program's port working.
        QVERIFY(link.ComPort2().Connected());
    }

    // Without a run nothing holds the device.
    void notHeldBeforeFirstCommand()
    {
        SimProcess sim({});
        QVERIFY(!sim.path().isEmpty());
        RecordingView view;
        TModuleLink link(view);
        QVERIFY(!link.ComPort2().Connected());
        QSerialPort other;
        other.setPortName(sim.path());
        QVERIFY(other.open(QIODevice::ReadWrite));
        other.close();
    }
};

QTEST_GUILESS_MAIN(PortSettings)
#include "test_port_settings.moc"
