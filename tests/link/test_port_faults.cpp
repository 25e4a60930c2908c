// Port faults told apart by cause, against tervala-sim on a pseudo-terminal:
// a second reader on the line does not end runs, a lost line names why, and
// a port that cannot be opened says what to do about it.
#include "ComPort.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "ModuleLink.h"
#include "PortLocks.h"
#include "RecordingView.h"
#include "SimProcess.h"
#include "Udecl.h"
#include "Uplik.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <poll.h>

Q_DECLARE_METATYPE(TLinkEnd)

namespace
{

constexpr int TestTimeout = 1000; // ms; the program's own is 6000

TModuleSettings settings()
{
    TModuleSettings s{};
    SetDefaultSettings(s);
    s.UserNumber(1).setText("+48600100200");
    s.SmsCentreNumber.setText("+48601000310");
    return s;
}

struct Run {
    RecordingView view;
    TEepromImage image{};
    TModuleLink link{view, image};
    Run() { link.Timer1().SetInterval(TestTimeout); }
    TLinkEnd wait(bool started)
    {
        if (!started)
            return TLinkEnd(-1);
        QSignalSpy spy(&link, &TModuleLink::SequenceFinished);
        if (!spy.wait(TestTimeout * 8))
            return TLinkEnd(-1);
        return spy.first().first().value<TLinkEnd>();
    }
    TLinkEnd program(const QString &port) { return wait(link.StartProgramming(port, settings())); }
    TLinkEnd read(const QString &port) { return wait(link.StartReadBack(port)); }
};

} // namespace

class PortFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void initTestCase()
    {
        qRegisterMetaType<TLinkEnd>();
        QVERIFY(dir_.isValid());
    }

    // Another reader on the line takes bytes the program was woken for: its
    // reads find nothing. That passes; every run still completes.
    void secondReaderDoesNotEndRuns()
    {
        SimProcess sim({"--second-reader", "--eeprom", dir_.filePath("second-reader.eeprom")});
        Run run;
        for (int round = 0; round < 10; ++round) {
            QCOMPARE(run.program(sim.path()), TLinkEnd::Programmed);
            QCOMPARE(run.view.lines.last(), LinkText::ProgrammingDone);
        }
        QCOMPARE(run.read(sim.path()), TLinkEnd::ReadBack);
        TEepromImage expected;
        SettingsToEeprom(settings(), expected);
        QVERIFY(std::equal(expected.begin(), expected.begin() + LinkFrames::BytesSent, run.image.begin()));
        QVERIFY(run.view.lines.filter(QStringLiteral("Utracono")).isEmpty());
        // The reader did take bytes from under the program.
        qInfo("passing read errors seen: %d", run.link.ComPort2().TransientErrors());
        QVERIFY(run.link.ComPort2().TransientErrors() > 0);
    }

    // A pulled cable ends the run at once with the cause, not with whatever
    // a later call on the dead device reported.
    void lostLineNamesItsCause_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readBack");
        QTest::newRow("programming") << QStringList{"--close-at", "frame:8"} << false;
        QTest::newRow("read-back") << QStringList{"--close-at", "read:500"} << true;
    }

    void lostLineNamesItsCause()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, readBack);
        SimProcess sim(options);
        Run run;
        QCOMPARE(readBack ? run.read(sim.path()) : run.program(sim.path()), TLinkEnd::Failed);
        QCOMPARE(run.view.lines.last(), LinkText::DeviceLost.arg(LinkText::DeviceUnplugged));
        QVERIFY(!run.link.ComPort2().Connected());
        QVERIFY(!run.view.busy);
    }

    void lineStateFromPollEvents_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<bool>("sameNode");
        QTest::addColumn<int>("state");
        using S = TComPort::LineState;
        QTest::newRow("nothing to read") << 0 << true << int(S::Up);
        QTest::newRow("readable") << int(POLLIN) << true << int(S::Up);
        QTest::newRow("hung up, node gone") << int(POLLIN | POLLHUP) << false << int(S::Unplugged);
        QTest::newRow("error, node gone") << int(POLLERR) << false << int(S::Unplugged);
        QTest::newRow("hung up, node there") << int(POLLHUP) << true << int(S::Closed);
        QTest::newRow("descriptor closed") << int(POLLNVAL) << true << int(S::Closed);
    }

    void lineStateFromPollEvents()
    {
        QFETCH(int, events);
        QFETCH(bool, sameNode);
        QFETCH(int, state);
        QCOMPARE(int(TComPort::LineStateFrom(short(events), sameNode)), state);
    }

    // The second line of the error box says what to do, by cause.
    void openFailureWording_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<QString>("text");
        QTest::newRow("no such port") << ENOENT << qint64(0) << LinkText::PortMissing;
        QTest::newRow("no such device") << ENXIO << qint64(0) << LinkText::PortMissing;
        QTest::newRow("busy, holder known") << EBUSY << qint64(4242)
                                            << "port jest zajęty przez inny program (PID 4242). "
                                               "Zamknij ten program i spróbuj ponownie.";
        QTest::newRow("busy") << EBUSY << qint64(0) << LinkText::PortBusy;
        QTest::newRow("permission") << EACCES << qint64(0) << LinkText::PortDenied;
        QTest::newRow("not permitted") << EPERM << qint64(0) << LinkText::PortDenied;
        QTest::newRow("other") << EIO << qint64(0) << QString("system text");
    }

    void openFailureWording()
    {
        QFETCH(int, number);
        QFETCH(qint64, pid);
        QFETCH(QString, text);
        QCOMPARE(TComPort::OpenFailureText(number, pid, "system text"), text);
        QVERIFY(LinkText::PortDenied.contains("dialout"));
        QVERIFY(LinkText::PortMissing.contains("z listy"));
    }

    // A port another program holds is reported busy with its process and
    // not used: nothing is sent, nothing runs.
    void heldPortIsBusy_data()
    {
        QTest::addColumn<QString>("hold");
        QTest::newRow("lock file") << "lockfile";
        QTest::newRow("flock") << "flock";
    }

    void heldPortIsBusy()
    {
        QFETCH(QString, hold);
        const QString eeprom = dir_.filePath("held-" + hold + ".eeprom");
        SimProcess sim({"--hold", hold, "--eeprom", eeprom});
        QVERIFY(!sim.path().isEmpty());
        Run run;
        QVERIFY(!run.link.StartProgramming(sim.path(), settings()));
        QCOMPARE(run.view.errors.size(), 1);
        const QString expected = LinkText::CannotOpenPort.arg(sim.path(), LinkText::PortBusyBy.arg(sim.pid()))
                                     .arg(EBUSY);
        QCOMPARE(run.view.errors.first(), expected);
        QCOMPARE(run.link.ComPort2().OpenHolderPid(), sim.pid());
        QVERIFY(!run.link.ComPort2().Connected());
        QVERIFY(!run.link.Busy());
        QVERIFY(!run.view.busy);
        QVERIFY(!QFile::exists(eeprom)); // the module was never programmed

        // The command line says the same on stderr and fails.
        const QString in = dir_.filePath("held.ulmar");
        WriteSettingsFile(in, settings(), TUserNotes{});
        QProcess cli;
        cli.start(QStringLiteral(PELMOR_CLI), {"program", "--port", sim.path(), in});
        QVERIFY(cli.waitForFinished(TestTimeout * 8));
        QCOMPARE(cli.exitCode(), 1);
        const QString printed = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(printed.contains(QStringLiteral("PID %1").arg(sim.pid())), qPrintable(printed));
    }

    // A lock file whose process is gone is stale and does not stop the run;
    // the program's own hold is let go when the run's port closes.
    void staleLockFileIsIgnored()
    {
        SimProcess sim({"--eeprom", dir_.filePath("stale.eeprom")});
        const QString folder = PortLocks::LockFolder();
        if (folder.isEmpty())
            QSKIP("no writable lock folder");
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QString name = sim.path().mid(5);
        name.replace('/', '_');
        QFile lock(QDir(folder).filePath("LCK.." + name));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid).rightJustified(10, ' ') + '\n');
        lock.close();
        {
            Run run;
            QCOMPARE(run.program(sim.path()), TLinkEnd::Programmed);
        }
        // The port's own lock file took the stale one's place and went with the port.
        QVERIFY(!lock.exists());
    }

    void lockFileContents_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qint64>("pid");
        QTest::newRow("uucp text") << QByteArray("      1234\n") << qint64(1234);
        QTest::newRow("Qt's own") << QByteArray("4321\npelmor\nhost\n") << qint64(4321);
        qint32 binary = 777;
        QTest::newRow("binary") << QByteArray(reinterpret_cast<const char *>(&binary), 4) << qint64(777);
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("garbage") << QByteArray("not a pid\n") << qint64(0);
        QTest::newRow("negative") << QByteArray("-5\n") << qint64(0);
    }

    void lockFileContents()
    {
        QFETCH(QByteArray, contents);
        QFETCH(qint64, pid);
        QCOMPARE(PortLocks::LockFilePid(contents), pid);
    }

    void lockFileNames()
    {
        QCOMPARE(PortLocks::LockFileNames("/dev/ttyUSB0"), QStringList{"LCK..ttyUSB0"});
        QCOMPARE(PortLocks::LockFileNames("/dev/pts/3"), (QStringList{"LCK..3", "LCK..pts_3"}));
    }
};

QTEST_GUILESS_MAIN(PortFaults)
#include "test_port_faults.moc"
