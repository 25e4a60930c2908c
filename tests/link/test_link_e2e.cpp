// The whole link against tervala-sim on a pseudo-terminal: real bytes
// through QSerialPort, the controller as the window uses it, and pelmor-cli.
#include "LinkRoundTrip.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "ModuleBackup.h"
#include "ModuleLink.h"
#include "RecordingView.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "Udecl.h"
#include "Uplik.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

Q_DECLARE_METATYPE(TLinkEnd)

namespace
{

constexpr int TestTimeout = 1000; // ms; the program's own is 6000

QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TModuleSettings randomSettings(std::mt19937 &rng)
{
    TModuleSettings s = RandomRecord(rng);
    auto fit = [&](TShortString15 &number) {
        if (number.Length > EepromLayout::MaxSlotNumberLength)
            number.Length = std::uint8_t(rng() % (EepromLayout::MaxSlotNumberLength + 1));
    };
    fit(s.SmsCentreNumber);
    for (int u = 1; u <= 4; ++u)
        fit(s.UserNumber(u));
    // Image bytes that look like the end mark must not end a read-back early.
    s.InputSmsText(1, 1).setBytes("*1*1 alarm *1");
    return s;
}

} // namespace

class LinkEndToEnd : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString eeprom(const QString &name) { return dir_.filePath(name + ".eeprom"); }

    // Runs one sequence through the controller and waits for its end.
    struct Run {
        RecordingView view;
        TEepromImage image{};
        TModuleLink link{view, image};
        Run() { link.Timer1().SetInterval(TestTimeout); }
        bool program(const QString &port, const TModuleSettings &s, TLinkEnd &end)
        {
            QSignalSpy spy(&link, &TModuleLink::SequenceFinished);
            if (!link.StartProgramming(port, s))
                return false;
            if (!spy.wait(TestTimeout * 4))
                return false;
            end = spy.first().first().value<TLinkEnd>();
            return true;
        }
        bool read(const QString &port, TLinkEnd &end)
        {
            QSignalSpy spy(&link, &TModuleLink::SequenceFinished);
            if (!link.StartReadBack(port))
                return false;
            if (!spy.wait(TestTimeout * 4))
                return false;
            end = spy.first().first().value<TLinkEnd>();
            return true;
        }
    };

    void checkProgrammed(const QString &eepromFile, const TModuleSettings &s)
    {
        TEepromImage expected;
        SettingsToEeprom(s, expected);
        const QByteArray stored = readFile(eepromFile);
        QCOMPARE(stored.size(), 2048);
        QCOMPARE(stored.left(LinkFrames::BytesSent),
                 QByteArray(reinterpret_cast<const char *>(expected.data()), LinkFrames::BytesSent));
    }

    TModuleSettings defaults()
    {
        TModuleSettings s{};
        SetDefaultSettings(s);
        s.UserNumber(1).setText("+48600100200");
        return s;
    }

    // A module EEPROM file as programming the default settings leaves it.
    TEepromImage storeProgrammed(const QString &file)
    {
        TEepromImage image;
        SettingsToEeprom(defaults(), image);
        std::fill(image.begin() + LinkFrames::BytesSent, image.end(), 0);
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
        return image;
    }

    QProcess *cli(const QStringList &args)
    {
        auto *p = new QProcess(this);
        p->start(QStringLiteral(PELMOR_CLI), args);
        p->waitForFinished(TestTimeout * 8);
        return p;
    }

  private slots:
    void initTestCase()
    {
        qRegisterMetaType<TLinkEnd>();
        QVERIFY(dir_.isValid());
    }

    void programming_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("direct OK") << QStringList{};
        QTest::newRow("via end command") << QStringList{"--end", "command"};
        QTest::newRow("answers in 3-byte blocks") << QStringList{"--chunk", "3", "--gap", "2"};
        QTest::newRow("noise before answers") << QStringList{"--garbage", "5"};
        QTest::newRow("slow answers") << QStringList{"--delay", "100"};
    }

    void programming()
    {
        QFETCH(QStringList, options);
        const QString file = eeprom(QTest::currentDataTag());
        SimProcess sim(options + QStringList{"--eeprom", file});
        QVERIFY(!sim.path().isEmpty());
        Run run;
        const TModuleSettings s = defaults();
        TLinkEnd end;
        QVERIFY(run.program(sim.path(), s, end));
        QCOMPARE(end, TLinkEnd::Programmed);
        QCOMPARE(run.view.rewrites, 26);
        QCOMPARE(run.view.lines.last(), LinkText::ProgrammingDone);
        QVERIFY(run.view.lines.contains("Postęp: 100% " + QString(52, '#')));
        QVERIFY(!run.view.busy);
        QVERIFY(!run.link.Timer1().Enabled());
        checkProgrammed(file, s);
    }

    void readBack_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("whole") << QStringList{};
        QTest::newRow("end mark split") << QStringList{"--split-end", "--chunk", "1703"};
        QTest::newRow("small blocks") << QStringList{"--chunk", "100", "--gap", "1"};
    }

    void readBack()
    {
        QFETCH(QStringList, options);
        const QString file = eeprom(QStringLiteral("read-") + QTest::currentDataTag());
        QByteArray content(2048, 0);
        for (int i = 0; i < 2048; ++i)
            content[i] = char((i * 31 + 7) & 0xFF);
        content.replace(100, 2, "*1");
        TEepromImage sum{};
        std::memcpy(sum.data(), content.constData(), sum.size());
        content[EepromLayout::Checksum] = char(EepromChecksum(sum));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        SimProcess sim(options + QStringList{"--eeprom", file});
        Run run;
        TLinkEnd end;
        QVERIFY(run.read(sim.path(), end));
        QCOMPARE(end, TLinkEnd::ReadBack);
        QCOMPARE(run.view.imagesShown, 1);
        QCOMPARE(run.view.lines.last(), LinkText::ReadBackDone);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(run.image.data()), 1700), content.left(1700));
        QVERIFY(
            std::all_of(run.image.begin() + 1700, run.image.end(), [](std::uint8_t b) { return b == 0; }));
    }

    void roundTripRandomSettings()
    {
        const QString file = eeprom("roundtrip");
        SimProcess sim({"--eeprom", file});
        Run run;
        std::mt19937 rng(2026);
        for (int round = 0; round < 3; ++round) {
            const TModuleSettings s = randomSettings(rng);
            TLinkEnd end;
            QVERIFY(run.program(sim.path(), s, end));
            QCOMPARE(end, TLinkEnd::Programmed);
            QVERIFY(run.read(sim.path(), end));
            QCOMPARE(end, TLinkEnd::ReadBack);
            TModuleSettings base{};
            SetDefaultSettings(base);
            TModuleSettings decoded = base;
            EepromToSettings(run.image, decoded);
            const TModuleSettings expected = ExpectedAfterRoundTrip(s, base);
            QVERIFY(std::memcmp(&decoded, &expected, sizeof decoded) == 0);
        }
    }

    // Every fault ends the run as it should; the same window then succeeds.
    void faults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<int>("expectedEnd");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<bool>("freshSimAfter");
        const int timedOut = int(TLinkEnd::TimedOut), failed = int(TLinkEnd::Failed);
        QTest::newRow("silent at start") << QStringList{"--silent-at", "start", "--once"} << false << timedOut
                                         << LinkText::NoAnswer << false;
        QTest::newRow("silent from frame 5") << QStringList{"--silent-at", "frame:5", "--once"} << false
                                             << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("silent at end command")
            << QStringList{"--silent-at", "end", "--end", "command", "--once"} << false << timedOut
            << LinkText::NoAnswer << false;
        // Frame 1 does not restart the count: the answer to "*2*1" and the
        // acknowledgement of frame 1 must both come within one interval.
        QTest::newRow("slow start and first frame")
            << QStringList{"--delay", "600", "--once"} << false << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("bare acknowledgements")
            << QStringList{"--bare-ack", "--once"} << false << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("silent read-back") << QStringList{"--silent-at", "read:900", "--once"} << true
                                          << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("line closed at frame 10") << QStringList{"--close-at", "frame:10"} << false << failed
                                                 << QString("Utracono połączenie") << true;
        QTest::newRow("line closed in read-back") << QStringList{"--close-at", "read:600"} << true << failed
                                                  << QString("Utracono połączenie") << true;
    }

    void faults()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, readBack);
        QFETCH(int, expectedEnd);
        QFETCH(QString, lastLine);
        QFETCH(bool, freshSimAfter);
        const QString file = eeprom(QStringLiteral("fault-") + QTest::currentDataTag());
        SimProcess sim(options + QStringList{"--eeprom", file});
        Run run;
        const TModuleSettings s = defaults();
        run.image.fill(0xAB); // a broken read-back must leave the image alone
        TLinkEnd end;
        QVERIFY(readBack ? run.read(sim.path(), end) : run.program(sim.path(), s, end));
        QCOMPARE(int(end), expectedEnd);
        QVERIFY2(run.view.lines.last().startsWith(lastLine), qPrintable(run.view.lines.last()));
        QVERIFY(!run.view.busy);
        QVERIFY(!run.link.Busy());
        QVERIFY(!run.link.Timer1().Enabled());
        QCOMPARE(run.view.imagesShown, 0);
        if (readBack)
            QCOMPARE(run.image[0], std::uint8_t(0xAB));
        if (end == TLinkEnd::Failed)
            QVERIFY(!run.link.ComPort2().Connected());
        if (QTest::currentDataTag() == QByteArrayLiteral("slow start and first frame")) {
            // The module's late acknowledgement of frame 1 is still on its
            // way; let it arrive before the next run, or it would come first
            // in that run's answers.
            const qint64 received = run.link.ComPort2().BytesIn();
            QTRY_VERIFY_WITH_TIMEOUT(run.link.ComPort2().BytesIn() > received, TestTimeout * 2);
        }

        std::unique_ptr<SimProcess> next;
        QString port = sim.path();
        if (freshSimAfter) {
            next = std::make_unique<SimProcess>(QStringList{"--eeprom", file});
            port = next->path();
        }
        QVERIFY(run.program(port, s, end));
        QCOMPARE(end, TLinkEnd::Programmed);
        QVERIFY(run.read(port, end));
        QCOMPARE(end, TLinkEnd::ReadBack);
    }

    // Noise ahead of the read-back stream shifts it; the checksum stops the
    // shifted data unless the user takes it, and the next clean read works.
    void noisyReadBack_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("accept");
        QTest::newRow("noise before every answer") << QStringList{"--garbage", "16", "--once"} << false;
        QTest::newRow("noise before the stream, refused")
            << QStringList{"--read-noise", "3", "--once"} << false;
        QTest::newRow("noise before the stream, accepted")
            << QStringList{"--read-noise", "16", "--once"} << true;
    }

    void noisyReadBack()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, accept);
        const QString file = eeprom(QStringLiteral("noisy-") + QTest::currentDataTag());
        const TEepromImage programmed = storeProgrammed(file);
        SimProcess sim(options + QStringList{"--eeprom", file});
        Run run;
        run.view.acceptBadChecksum = accept;
        run.image.fill(0xAB);
        TLinkEnd end;
        QVERIFY(run.read(sim.path(), end));
        QCOMPARE(run.view.checksumQuestions, 1);
        QVERIFY(run.view.lines.filter(QStringLiteral("Błędna suma kontrolna")).size() == 1);
        QVERIFY(!run.view.busy);
        QVERIFY(!run.link.Timer1().Enabled());
        if (accept) {
            QCOMPARE(end, TLinkEnd::ReadBack);
            QCOMPARE(run.view.imagesShown, 1);
            QCOMPARE(run.view.lines.last(), LinkText::ReadBackDone);
            QVERIFY(!EepromChecksumMatches(run.image));
        } else {
            QCOMPARE(end, TLinkEnd::BadChecksum);
            QCOMPARE(run.view.imagesShown, 0);
            QCOMPARE(run.view.lines.last(), LinkText::BadChecksumRefused);
            QVERIFY(
                std::all_of(run.image.begin(), run.image.end(), [](std::uint8_t b) { return b == 0xAB; }));
        }

        QVERIFY(run.read(sim.path(), end));
        QCOMPARE(end, TLinkEnd::ReadBack);
        QCOMPARE(run.view.checksumQuestions, 1);
        QVERIFY(std::equal(programmed.begin(), programmed.begin() + 1700, run.image.begin()));
    }

    // pelmor-cli read refuses a corrupted read-back: exit 1, the reason on
    // stderr, no output file.
    void cliRefusesBadChecksum()
    {
        const QString file = eeprom("cli-noisy");
        storeProgrammed(file);
        SimProcess sim({"--eeprom", file, "--garbage", "16"});
        const QString out = dir_.filePath("noisy-out.ulmar");
        QProcess *read = cli({"read", "--port", sim.path(), "-o", out});
        QCOMPARE(read->exitStatus(), QProcess::NormalExit);
        QCOMPARE(read->exitCode(), 1);
        const QString stderrText = QString::fromUtf8(read->readAllStandardError());
        QVERIFY2(stderrText.contains(QStringLiteral("błędną sumę kontrolną")), qPrintable(stderrText));
        QVERIFY2(stderrText.contains(out), qPrintable(stderrText));
        QVERIFY(!QFile::exists(out));

        // Taken on purpose, the same data is written.
        read = cli({"read", "--port", sim.path(), "-o", out, "--accept-bad-checksum"});
        QCOMPARE(read->exitCode(), 0);
        TModuleSettings got{};
        TUserNotes gotNotes{};
        ReadSettingsFile(out, got, gotNotes);
    }

    void timerKeepsItsCountWhenEnabledAgain()
    {
        TLinkTimer timer;
        timer.SetInterval(10000);
        timer.SetEnabled(true);
        QTest::qWait(30);
        const int before = timer.RemainingTime();
        timer.SetEnabled(true);
        QVERIFY(timer.RemainingTime() <= before);
        timer.SetEnabled(false);
        timer.SetEnabled(true); // a restart: the full interval again
        QVERIFY(timer.RemainingTime() > before);
        QVERIFY(timer.Enabled());
    }

    void portThatCannotOpen()
    {
        Run run;
        const TModuleSettings s = defaults();
        QVERIFY(!run.link.StartProgramming("/dev/no-such-tervala", s));
        QCOMPARE(run.view.errors.size(), 1);
        QVERIFY(run.view.errors.first().startsWith("Unable to open com port (win error code: 2)\n"
                                                  "Nie można otworzyć portu"));
        QVERIFY(!run.view.busy);
        QVERIFY(!run.link.Busy());
        QVERIFY(!run.link.Timer1().Enabled());
        QVERIFY(!run.link.StartReadBack("/dev/no-such-tervala"));
        QCOMPARE(run.view.errors.size(), 2);

        SimProcess sim({"--eeprom", eeprom("after-open-failure")});
        TLinkEnd end;
        QVERIFY(run.program(sim.path(), s, end));
        QCOMPARE(end, TLinkEnd::Programmed);
    }

    void numberTooLongIsRefusedBeforeSending()
    {
        SimProcess sim({"--eeprom", eeprom("too-long")});
        Run run;
        TModuleSettings s = defaults();
        s.UserNumber(3).setText("+4860010020030");
        QVERIFY(!run.link.StartProgramming(sim.path(), s));
        QCOMPARE(run.view.lines, QStringList{LinkText::NumberTooLong});
        QVERIFY(!run.view.busy);
        QVERIFY(!run.link.ComPort2().Connected());
        QVERIFY(!QFile::exists(eeprom("too-long")));
    }

    void cliProgramThenRead()
    {
        const QString file = eeprom("cli");
        SimProcess sim({"--eeprom", file});
        TModuleSettings s = defaults();
        s.SmsCentreNumber.setText("+48601000310");
        s.InputSmsText(2, 1).setText("Alarm w garażu");
        TUserNotes notes{};
        notes[1].Name.setText("Jan Kowalski");
        const QString in = dir_.filePath("in.ulmar");
        WriteSettingsFile(in, s, notes);

        // The bare exchange, line for line: no check after it.
        QProcess *program = cli({"program", "--no-verify", "--port", sim.path(), in});
        QCOMPARE(program->exitCode(), 0);
        const QStringList printed =
            QString::fromUtf8(program->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.filter("Postęp: ").size(), 26);
        QCOMPARE(printed.last(), LinkText::ProgrammingDone);
        checkProgrammed(file, s);

        TModuleSettings base{};
        SetDefaultSettings(base);
        TUserNotes baseNotes{};
        baseNotes[2].Remarks.setText("uwagi zostają");
        const QString baseFile = dir_.filePath("base.ulmar"), out = dir_.filePath("out.ulmar");
        WriteSettingsFile(baseFile, base, baseNotes);
        QProcess *read = cli({"read", "--port", sim.path(), "--base", baseFile, "-o", out});
        QCOMPARE(read->exitCode(), 0);
        QVERIFY(read->readAllStandardOutput().contains("zaladowane ustawienia z eprom"));
        TModuleSettings got{};
        TUserNotes gotNotes{};
        ReadSettingsFile(out, got, gotNotes);
        const TModuleSettings expected = ExpectedAfterRoundTrip(s, base);
        QVERIFY(std::memcmp(&got, &expected, sizeof got) == 0);
        QCOMPARE(gotNotes[2].Remarks.text(), QString("uwagi zostają"));
        QCOMPARE(got.InputSmsText(2, 1).text(), QString("Alarm w garażu"));
    }

    void cliVerify_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QStringList>("cliOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QStringList>("fields"); // reported on stderr
        QTest::newRow("module holds everything") << QStringList{} << QStringList{} << 0 << LinkText::VerifyOk
                                                 << QStringList{};
        QTest::newRow("module keeps wrong bytes")
            << QStringList{"--stuck", "180=65", "--stuck", "1191=3"} << QStringList{} << 1
            << "Niezgodne ustawienia w module: czas opóźnienia reakcji wejścia, Treść SMS: wejście 1, reakcja 1"
            << QStringList{"czas opóźnienia reakcji wejścia", "Treść SMS: wejście 1, reakcja 1"};
        QTest::newRow("wrong bytes, not checked") << QStringList{"--stuck", "180=65"} << QStringList{"--no-verify"}
                                                  << 0 << LinkText::ProgrammingDone << QStringList{};
    }

    // program checks the module afterwards unless told not to; a field the
    // module did not take fails the command and is named on stderr.
    void cliVerify()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QStringList, cliOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, lastLine);
        QFETCH(QStringList, fields);
        SimProcess sim(simOptions + QStringList{"--eeprom", eeprom("cli-verify")});
        const QString in = dir_.filePath("verify.ulmar");
        WriteSettingsFile(in, defaults(), TUserNotes{});
        QProcess *p = cli(QStringList{"program", "--port", sim.path(), in} + cliOptions);
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), exitCode);
        const QStringList printed = QString::fromUtf8(p->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.last(), lastLine);
        const QString errors = QString::fromUtf8(p->readAllStandardError());
        for (const QString &field : fields)
            QVERIFY2(errors.contains("niezgodne pole: " + field), qPrintable(errors));
        QCOMPARE(errors.contains(LinkText::NotAccepted), exitCode != 0);
    }

    // --backup keeps what the module held before it is programmed.
    void cliBackup()
    {
        const QString file = eeprom("cli-backup");
        TModuleSettings old = defaults();
        old.InputSmsText(3, 2).setText("było wcześniej");
        old.SirenTime = 42;
        TEepromImage held;
        SettingsToEeprom(old, held);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(reinterpret_cast<const char *>(held.data()), qint64(held.size()));
        }
        SimProcess sim({"--eeprom", file});
        const QString in = dir_.filePath("new.ulmar"), backup = dir_.filePath("kopie/przed.ulmar");
        WriteSettingsFile(in, defaults(), TUserNotes{});
        QProcess *p = cli({"program", "--port", sim.path(), "--backup", backup, in});
        QCOMPARE(p->exitCode(), 0);
        const QStringList printed = QString::fromUtf8(p->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.first(), "Kopia ustawień modułu: " + QDir::toNativeSeparators(backup));
        QCOMPARE(printed.last(), LinkText::VerifyOk);
        TModuleSettings saved;
        TUserNotes notes;
        ReadSettingsFile(backup, saved, notes);
        TModuleSettings expected;
        TUserNotes expectedNotes;
        ModuleBackupRecord(held, expected, expectedNotes);
        QVERIFY(std::memcmp(&saved, &expected, sizeof saved) == 0);
        QCOMPARE(saved.InputSmsText(3, 2).text(), QString("było wcześniej"));
        QVERIFY(std::memcmp(&notes, &expectedNotes, sizeof notes) == 0);
        checkProgrammed(file, defaults());
    }

    void cliBackupFailure_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("backup");
        QTest::newRow("line closed while reading") << QStringList{"--close-at", "read:10"} << "kopia.ulmar";
        QTest::newRow("backup cannot be written") << QStringList{} << "plik/kopia.ulmar";
    }

    // No backup: nothing is programmed and the command fails.
    void cliBackupFailure()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, backup);
        const QString file = eeprom(QByteArray("cli-no-backup-") + QTest::currentDataTag());
        TModuleSettings old = defaults();
        old.SirenTime = 42;
        TEepromImage held;
        SettingsToEeprom(old, held);
        const QByteArray before(reinterpret_cast<const char *>(held.data()), qsizetype(held.size()));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        // A plain file where the backup's folder should be.
        QFile blocker(dir_.filePath("plik"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SimProcess sim(simOptions + QStringList{"--eeprom", file});
        const QString in = dir_.filePath("new.ulmar");
        WriteSettingsFile(in, defaults(), TUserNotes{});
        QProcess *p = cli({"program", "--port", sim.path(), "--backup", dir_.filePath(backup), in});
        QCOMPARE(p->exitCode(), 1);
        QVERIFY(!p->readAllStandardOutput().contains(LinkText::ProgrammingStarted.toUtf8()));
        QVERIFY(p->readAllStandardError().contains("nic nie zostało zaprogramowane"));
        QCOMPARE(readFile(file), before);
        QVERIFY(!QFile::exists(dir_.filePath(backup)));
    }

    void cliRefusalsAndErrors_data()
    {
        QTest::addColumn<QString>("userNumber");
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<bool>("badPort");
        QTest::addColumn<QString>("expectedText");
        QTest::newRow("not international")
            << "600100200" << QStringList{} << false << LinkText::NotInternational;
        QTest::newRow("too long") << "+4860010020030" << QStringList{} << false << LinkText::NumberTooLong;
        QTest::newRow("no such port")
            << "+48600100200" << QStringList{} << true << "Nie można otworzyć portu";
        QTest::newRow("line closed") << "+48600100200" << QStringList{"--close-at", "frame:3"} << false
                                     << "Utracono połączenie";
    }

    void cliRefusalsAndErrors()
    {
        QFETCH(QString, userNumber);
        QFETCH(QStringList, simOptions);
        QFETCH(bool, badPort);
        QFETCH(QString, expectedText);
        SimProcess sim(simOptions +
                       QStringList{"--eeprom", eeprom(QStringLiteral("cli-") + QTest::currentDataTag())});
        TModuleSettings s = defaults();
        s.UserNumber(2).setText(userNumber);
        const QString in = dir_.filePath("refused.ulmar");
        WriteSettingsFile(in, s, TUserNotes{});
        QProcess *p = cli({"program", "--port", badPort ? "/dev/no-such-tervala" : sim.path(), in});
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 1);
        const QString printed = QString::fromUtf8(p->readAllStandardOutput() + p->readAllStandardError());
        QVERIFY2(printed.contains(expectedText), qPrintable(printed));
    }
};

QTEST_GUILESS_MAIN(LinkEndToEnd)
#include "test_link_e2e.moc"
