// What a time-out leaves behind, through the real port against a module that
// falls silent: the line, the timer, the stages and the buttons go back; the
// port, the bytes collected so far and the splitter's buffer stay as they are.
#include "LinkTexts.h"
#include "ModuleLink.h"
#include "RecordingView.h"
#include "SimProcess.h"
#include "Udecl.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TLinkEnd)

namespace
{
constexpr int TestTimeout = 500; // ms; the program's own is 6000
} // namespace

class TimeOutState : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { qRegisterMetaType<TLinkEnd>(); }

    void whatStaysAndWhatGoes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<QByteArray>("strayBytes"); // fed to the splitter before the silence ends the run
        QTest::addColumn<int>("stageBefore");
        QTest::newRow("silent at start")
            << QStringList{"--silent-at", "start"} << false << QByteArray("OK") << 1;
        QTest::newRow("silent from frame 5")
            << QStringList{"--silent-at", "frame:5"} << false << QByteArray("O\0K", 3) << 2;
        QTest::newRow("silent at end command")
            << QStringList{"--silent-at", "end", "--end", "command"} << false << QByteArray("xy") << 3;
        QTest::newRow("read-back silent after 900 bytes")
            << QStringList{"--silent-at", "read:900"} << true << QByteArray() << 2;
    }

    void whatStaysAndWhatGoes()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, readBack);
        QFETCH(QByteArray, strayBytes);
        QFETCH(int, stageBefore);
        SimProcess sim(options);
        QVERIFY(!sim.path().isEmpty());
        RecordingView view;
        view.lines = QStringList{"1", "2", "3", "4", "5", "6", "7"}; // full: the time-out trims first
        TEepromImage image{};
        TModuleLink link(view, image);
        link.Timer1().SetInterval(TestTimeout);
        TLinkEngine &engine = link.Engine();
        QSignalSpy finished(&link, &TModuleLink::SequenceFinished);
        TModuleSettings s{};
        SetDefaultSettings(s);
        s.UserNumber(1).setText("+48600100200");
        QVERIFY(readBack ? link.StartReadBack(sim.path()) : link.StartProgramming(sim.path(), s));
        QVERIFY(view.busy);

        // Wait until the module has gone quiet in the stage under test.
        if (readBack)
            QTRY_COMPARE_WITH_TIMEOUT(engine.ReceivedBytes.size(), qsizetype(900), TestTimeout);
        else
            QTRY_COMPARE_WITH_TIMEOUT(engine.ProgramStage, stageBefore, TestTimeout);
        if (stageBefore == 2 && !readBack) // frames 1 to 4 acknowledged, frame 5 unanswered
            QTRY_COMPARE_WITH_TIMEOUT(engine.FramesSent, 4, TestTimeout);
        if (stageBefore == 3) // "*2*1", 27 frames, then "*5*1" after the module's bare "*1"
            QTRY_COMPARE_WITH_TIMEOUT(link.ComPort2().BytesOut(), qint64(4 + 29 + 26 * 49 + 4), TestTimeout);
        QCOMPARE(engine.ReadStage, readBack ? 2 : 0);
        // A fragment without an end mark waits in the splitter's buffer.
        if (!strayBytes.isEmpty())
            engine.TakeBlock(strayBytes);
        const QByteArray buffer = engine.ComDataPacket2().Buffer();
        QCOMPARE(buffer, readBack ? QByteArray() : strayBytes);
        const QByteArray received = engine.ReceivedBytes;
        const int sendOffset = engine.SendOffset;
        QVERIFY(finished.isEmpty());

        QVERIFY(finished.wait(TestTimeout * 4));
        QCOMPARE(finished.first().first().value<TLinkEnd>(), TLinkEnd::TimedOut);
        QCOMPARE(view.lines.size(), 7);
        QCOMPARE(view.lines.last(), LinkText::NoAnswer);
        QVERIFY(!link.Timer1().Enabled());
        QCOMPARE(engine.ProgramStage, 0);
        QCOMPARE(engine.ReadStage, 0);
        QVERIFY(!link.Busy());
        QVERIFY(!view.busy); // buttons back, default cursor
        QVERIFY(view.errors.isEmpty());
        QCOMPARE(view.imagesShown, 0);
        // Left as they are.
        QVERIFY(link.ComPort2().Connected());
        QCOMPARE(link.ComPort2().Port(), sim.path());
        QCOMPARE(engine.ReceivedBytes, received);
        QCOMPARE(engine.ComDataPacket2().Buffer(), buffer);
        QCOMPARE(engine.SendOffset, sendOffset);
        // The image is not rebuilt from a broken read-back.
        if (readBack)
            QCOMPARE(image, TEepromImage{});
    }
};

QTEST_GUILESS_MAIN(TimeOutState)
#include "test_timeout_state.moc"
