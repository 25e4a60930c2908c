// pelmor-cli against a module that never answers: the program's own 6 s
// time-out, the line on the console and exit code 1. Kept apart from the
// other link tests so its wait runs beside them.
#include "LinkTexts.h"
#include "SimProcess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class CliTimeout : public QObject
{
    Q_OBJECT

  private slots:
    void readBackWithoutAnswerTimesOut()
    {
        QTemporaryDir dir;
        SimProcess sim({"--silent-at", "read"});
        QProcess cli;
        QElapsedTimer clock;
        clock.start();
        cli.start(QStringLiteral(PELMOR_CLI),
                  {"read", "--port", sim.path(), "-o", dir.filePath("out.ulmar")});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(clock.elapsed() >= 6000);
        QVERIFY(QString::fromUtf8(cli.readAllStandardOutput()).contains(LinkText::NoAnswer));
        QVERIFY(!QFile::exists(dir.filePath("out.ulmar")));
    }
};

QTEST_GUILESS_MAIN(CliTimeout)
#include "test_cli_timeout.moc"
