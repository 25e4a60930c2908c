// pelmor-cli stopped by SIGINT, SIGTERM or SIGHUP in the middle of a run:
// it stops sending, says on stderr what the stop means, lets the port and
// its lock file go, leaves no file behind and exits with 128 + the signal.
#include "LinkTexts.h"
#include "PortLocks.h"
#include "SimProcess.h"
#include "Udecl.h"
#include "Uplik.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class CliInterrupt : public QObject
{
    Q_OBJECT

  private slots:
    void interruptedRun_data()
    {
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exitCode");
        for (const bool readBack : {false, true}) {
            const char *what = readBack ? "read" : "program";
            QTest::addRow("%s SIGINT", what) << readBack << SIGINT << 130;
            QTest::addRow("%s SIGTERM", what) << readBack << SIGTERM << 143;
            QTest::addRow("%s SIGHUP", what) << readBack << SIGHUP << 129;
        }
    }

    void interruptedRun()
    {
        QFETCH(bool, readBack);
        QFETCH(int, signal);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString eeprom = QDir(dir.path()).filePath("module.eeprom");
        // Slow enough answers that the run is surely still going when the signal comes.
        SimProcess sim((readBack ? QStringList{"--chunk", "50", "--gap", "40"} : QStringList{"--delay", "40"}) +
                       QStringList{"--eeprom", eeprom});
        QVERIFY(!sim.path().isEmpty());
        const QString folder = PortLocks::LockFolder();
        QString lockName = sim.path().mid(5);
        lockName.replace('/', '_');
        const QString lockFile = QDir(folder).filePath("LCK.." + lockName);

        QTemporaryDir work;
        const QString in = work.filePath("in.ulmar"), out = work.filePath("out.ulmar");
        TModuleSettings s{};
        SetDefaultSettings(s);
        WriteSettingsFile(in, s, TUserNotes{});
        const QStringList before = QDir(work.path()).entryList(QDir::Files | QDir::Hidden);

        QProcess cli;
        cli.start(QStringLiteral(PELMOR_CLI), readBack ? QStringList{"read", "--port", sim.path(), "-o", out}
                                                       : QStringList{"program", "--port", sim.path(), in});
        QVERIFY(cli.waitForStarted());
        if (!folder.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile), 5000); // the port is open: the run is on
        if (!readBack)
            QTRY_VERIFY_WITH_TIMEOUT(cli.peek(1 << 16).contains("Postęp: 11%"), 5000);
        QCOMPARE(::kill(pid_t(cli.processId()), signal), 0);
        QVERIFY(cli.waitForFinished(5000));

        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), exitCode);
        const QString printed = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(printed.trimmed(),
                 readBack ? LinkText::ReadBackInterrupted : LinkText::ProgrammingInterrupted);
        // The module never confirmed a whole programming.
        QVERIFY(!QFile::exists(eeprom));
        QVERIFY(!QFile::exists(lockFile));
        QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), before);
        // The port is free for the next program at once.
        QSerialPort next;
        next.setPortName(sim.path());
        QVERIFY(next.open(QIODevice::ReadWrite));
    }
};

QTEST_GUILESS_MAIN(CliInterrupt)
#include "test_cli_interrupt.moc"
