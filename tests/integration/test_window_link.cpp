// The module link through the real main window against tervala-sim on a
// pseudo-terminal: the port typed into CBcom, the buttons clicked, the
// results read from ListBox1, the buttons, the cursor and the controls.
#include "LinkEngine.h"
#include "LinkRoundTrip.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "LinkTimer.h"
#include "MessageBoxes.h"
#include "ModuleLink.h"
#include "SimProcess.h"
#include "TEdit.h"
#include "TestSupport.h"
#include "WindowLinkDriver.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <random>

using namespace WindowLinkTest;

namespace
{

QByteArray sentPart(const TEepromImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), LinkFrames::BytesSent);
}

bool sameRecord(const TModuleSettings &a, const TModuleSettings &b)
{
    for (int i = 0; i < int(ModuleSettingsSize); ++i)
        if (a.data()[i] != b.data()[i]) {
            qWarning("records differ first at byte %d: %d, expected %d", i, a.data()[i], b.data()[i]);
            return false;
        }
    return true;
}

bool sameRecordQuiet(const TModuleSettings &a, const TModuleSettings &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class WindowLink : public QObject, protected WindowLinkDriver
{
    Q_OBJECT

    // A whole successful programming run; the module's EEPROM file then holds
    // what the window encoded.
    void programOk(const QString &eepromFile)
    {
        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::Programmed);
        QCOMPARE(lastLine(), LinkText::ProgrammingDone);
        checkIdle();
        QCOMPARE(readFile(eepromFile).left(LinkFrames::BytesSent), sentPart(EepromImage));
    }

  private slots:
    void initTestCase() { qRegisterMetaType<TLinkEnd>(); }

    void init()
    {
        f.start();
        // These runs are the bare exchanges, line for line: no backup before
        // programming and no check after it.
        f.window->Sprawdzaj1->setChecked(false);
        f.window->KopiaModulu1->setChecked(false);
        f.window->show();
        f.control<TEdit>("Enruser1")->setText(QStringLiteral("+48600100200"));
    }

    void cleanup() { f.stop(); }

    void timerIsTheLinks()
    {
        QCOMPARE(f.window->Timer1->objectName(), QString("Timer1"));
        QCOMPARE(f.window->Timer1->Interval(), 6000);
        QVERIFY(!f.window->Timer1->Enabled());
        QCOMPARE(f.window->Timer1, &f.window->Link->Timer1());
    }

    void programmingRun_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("module ends with OK*1") << QStringList{};
        QTest::newRow("module needs *5*1") << QStringList{"--end", "command"};
    }

    void programmingRun()
    {
        QFETCH(QStringList, options);
        const QString file = eeprom("run");
        QFile::remove(file);
        SimProcess sim(options + QStringList{"--eeprom", file});
        typePort(sim.path());
        f.control<TEdit>("ETSMS_We2_Re1")->setText(QStringLiteral("Alarm w garażu"));
        int progressUpdates = 0;
        connect(list()->model(), &QAbstractItemModel::dataChanged, this, [&] { ++progressUpdates; });

        QSignalSpy spy(f.window->Link.get(), &TModuleLink::SequenceFinished);
        QTest::mouseClick(f.window->Bprogramuj, Qt::LeftButton);
        // Running: both buttons refused and the hourglass shown.
        QVERIFY(!f.window->Bprogramuj->isEnabled());
        QVERIFY(!f.window->BBload->isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(spy.wait(RunWait));
        QCOMPARE(spy.first().first().value<TLinkEnd>(), TLinkEnd::Programmed);

        // 27 frames: one of 25 image bytes and 26 of 45, each acknowledged
        // frame but the first moving the progress line once.
        QCOMPARE(f.window->LinkEngine().FramesSent, 26);
        QCOMPARE(f.window->LinkEngine().SendOffset, LinkFrames::BytesSent);
        QCOMPARE(progressUpdates, 26);
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->item(0)->text(), LinkText::ProgrammingStarted);
        QCOMPARE(list()->item(1)->text(), "Postęp: 100% " + QString(52, '#'));
        QCOMPARE(list()->item(2)->text(), QString("Programowanie zakończone pomyślnie."));
        checkIdle();
        // What the controls held reached the module.
        QCOMPARE(ModuleSettings.InputSmsText(2, 1).text(), QString("Alarm w garażu"));
        TEepromImage expected;
        SettingsToEeprom(ModuleSettings, expected);
        QCOMPARE(readFile(file).left(LinkFrames::BytesSent), sentPart(expected));
    }

    // Random settings go into the module through the controls and come back
    // into the controls; the user notes on screen stay as they were.
    void programThenReadBack()
    {
        std::mt19937 rng(20261211);
        const QString file = eeprom("roundtrip");
        QFile::remove(file);
        SimProcess sim({"--eeprom", file});
        typePort(sim.path());
        for (int round = 0; round < 2; ++round) {
            TUserNotes notes{};
            f.openRecord(SendableRandomSettings(rng), notes);
            QVERIFY(f.messages.isEmpty());
            programOk(file);
            const TModuleSettings programmed = ModuleSettings;

            // Other settings and notes on screen before reading the module back.
            TModuleSettings base{};
            SetDefaultSettings(base);
            TUserNotes kept{};
            kept[2].Name.setText(QStringLiteral("Anna"));
            kept[2].Remarks.setText(QStringLiteral("uwagi zostają %1").arg(round));
            f.openRecord(base, kept);

            QSignalSpy spy(f.window->Link.get(), &TModuleLink::SequenceFinished);
            QTest::mouseClick(f.window->BBload, Qt::LeftButton);
            // No programming run can be started into the image being filled.
            QVERIFY(!f.window->Bprogramuj->isEnabled());
            QVERIFY(!f.window->BBload->isEnabled());
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QVERIFY(spy.wait(RunWait));
            QCOMPARE(spy.first().first().value<TLinkEnd>(), TLinkEnd::ReadBack);
            QCOMPARE(lastLine(), QString("zaladowane ustawienia z eprom"));
            checkIdle();
            // The image is the module's bytes 0 to 1699 (0 to 1194 as programmed),
            // zeros after them, and the record is decoded from it.
            const QByteArray stored = readFile(file);
            QVERIFY(stored.size() >= 1700);
            TEepromImage image{};
            std::memcpy(image.data(), stored.constData(), 1700);
            TModuleSettings expected = base;
            EepromToSettings(image, expected);
            QVERIFY(sameRecord(ModuleSettings, expected));
            QVERIFY(std::memcmp(EepromImage.data(), image.data(), image.size()) == 0);
            // The controls show the module's settings.
            for (int u = 1; u <= 4; ++u)
                QCOMPARE(f.window->Control<TEdit>(QStringLiteral("Enruser%1").arg(u))->text(),
                         programmed.UserNumber(u).text());
            QCOMPARE(f.control<TEdit>("Ecsms")->text(), programmed.SmsCentreNumber.text());
            for (int n = 1; n <= 8; ++n)
                for (int r = 1; r <= 2; ++r)
                    QCOMPARE(
                        f.window->Control<TEdit>(QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r))->text(),
                        programmed.InputSmsText(n, r).text());
            // ... and the notes on screen are still the ones loaded before.
            f.window->FormToUserNotes();
            QCOMPARE(UserNotes[2].Remarks.text(), kept[2].Remarks.text());
            QCOMPARE(UserNotes[2].Name.text(), QString("Anna"));
        }
    }

    void faults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readBack");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("freshSim");
        const int timedOut = int(TLinkEnd::TimedOut), failed = int(TLinkEnd::Failed);
        QTest::newRow("silent from frame 5") << QStringList{"--silent-at", "frame:5", "--once"} << false
                                             << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("silent read-back") << QStringList{"--silent-at", "read:900", "--once"} << true
                                          << timedOut << LinkText::NoAnswer << false;
        QTest::newRow("line closed at frame 10") << QStringList{"--close-at", "frame:10"} << false << failed
                                                 << QString("Utracono połączenie") << true;
        QTest::newRow("line closed in read-back") << QStringList{"--close-at", "read:600"} << true << failed
                                                  << QString("Utracono połączenie") << true;
    }

    // Each fault ends with its line and the window usable; the next run succeeds.
    void faults()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, readBack);
        QFETCH(int, end);
        QFETCH(QString, line);
        QFETCH(bool, freshSim);
        const QString file = eeprom("fault");
        QFile::remove(file);
        auto sim = std::make_unique<SimProcess>(options + QStringList{"--eeprom", file});
        typePort(sim->path());
        f.window->Timer1->SetInterval(ShortTimeout);
        const TModuleSettings before = ModuleSettings;
        const QString shownNumber = f.control<TEdit>("Ecsms")->text();

        QCOMPARE(int(run(readBack ? f.window->BBload : f.window->Bprogramuj)), end);
        QVERIFY2(lastLine().startsWith(line), qPrintable(lastLine()));
        checkIdle();
        if (readBack) {
            // Nothing half-read reaches the record or the controls.
            QVERIFY(sameRecord(ModuleSettings, before));
            QCOMPARE(f.control<TEdit>("Ecsms")->text(), shownNumber);
        }

        if (freshSim) {
            sim = std::make_unique<SimProcess>(QStringList{"--eeprom", file});
            typePort(sim->path());
        }
        programOk(file);
    }

    // A read-back shifted by noise on the line: the window asks before
    // loading it. "Nie" (the default) leaves the record and the controls as
    // they were; "Tak" loads the data all the same.
    void badChecksumQuestion_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("Nie") << false;
        QTest::newRow("Tak") << true;
    }

    void badChecksumQuestion()
    {
        QFETCH(bool, accept);
        const QString file = eeprom("noisy");
        QFile::remove(file);
        {
            SimProcess sim({"--eeprom", file});
            typePort(sim.path());
            programOk(file);
        }
        SimProcess sim({"--eeprom", file, "--read-noise", "16", "--once"});
        typePort(sim.path());
        f.control<TEdit>("Ecsms")->setText(QStringLiteral("+48601000999"));
        f.window->FormToRecord();
        const TModuleSettings before = ModuleSettings;
        const TEepromImage imageBefore = EepromImage;
        QList<ShownMessage> questions;
        bool timerOnWhenAsked = false;
        SetQuestionResponder([&](const ShownMessage &m) {
            // The edit on screen may go: the read-back is what is tested here.
            if (m.text.startsWith(QStringLiteral("Zmienione ustawienia")))
                return QMessageBox::No;
            questions << m;
            timerOnWhenAsked = f.window->Timer1->Enabled();
            return accept ? QMessageBox::Yes : QMessageBox::No;
        });

        QCOMPARE(run(f.window->BBload), accept ? TLinkEnd::ReadBack : TLinkEnd::BadChecksum);
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions.first().text,
                 QStringLiteral("Odczytane dane mają błędną sumę kontrolną i mogą być "
                                "uszkodzone. Wczytać je mimo to?"));
        QCOMPARE(questions.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(questions.first().defaultButton, QMessageBox::No);
        // A question may keep the user a while: the time-out is off by then.
        QVERIFY(!timerOnWhenAsked);
        QCOMPARE(list()->findItems(QStringLiteral("Błędna suma kontrolna"), Qt::MatchStartsWith).size(), 1);
        checkIdle();
        if (accept) {
            QCOMPARE(lastLine(), LinkText::ReadBackDone);
            QVERIFY(!sameRecordQuiet(ModuleSettings, before));
        } else {
            QCOMPARE(lastLine(), LinkText::BadChecksumRefused);
            QVERIFY(sameRecord(ModuleSettings, before));
            QVERIFY(EepromImage == imageBefore);
            QCOMPARE(f.control<TEdit>("Ecsms")->text(), QStringLiteral("+48601000999"));
        }

        // The noise is gone: the next read-back loads without a question.
        QCOMPARE(run(f.window->BBload), TLinkEnd::ReadBack);
        QCOMPARE(questions.size(), 1);
        QVERIFY(EepromChecksumMatches(EepromImage));
    }

    // Without a test's answer the question takes its default, "Nie".
    void badChecksumDefaultIsNo()
    {
        const QString file = eeprom("noisy-default");
        QFile::remove(file);
        {
            SimProcess sim({"--eeprom", file});
            typePort(sim.path());
            programOk(file);
        }
        SimProcess sim({"--eeprom", file, "--garbage", "16"});
        typePort(sim.path());
        const TModuleSettings before = ModuleSettings;
        f.messages.clear();
        // Nothing unsaved to ask about, and no answers from the test at all.
        f.window->SetModified(false);
        SetQuestionResponder(nullptr);
        QCOMPARE(run(f.window->BBload), TLinkEnd::BadChecksum);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages.first().icon, QMessageBox::Question);
        QVERIFY(sameRecord(ModuleSettings, before));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("line");
        QTest::newRow("first user not international") << "Enruser1"
                                                      << "600100200" << LinkText::NotInternational;
        QTest::newRow("fourth user not international") << "Enruser4"
                                                       << "0048600100200" << LinkText::NotInternational;
        QTest::newRow("number too long for its slot") << "Enruser2"
                                                      << "+4860010020030" << LinkText::NumberTooLong;
    }

    // A refused run sends nothing and leaves the window usable; once the
    // number is put right the run succeeds.
    void refusals()
    {
        QFETCH(QString, box);
        QFETCH(QString, number);
        QFETCH(QString, line);
        const QString file = eeprom("refused");
        QFile::remove(file);
        SimProcess sim({"--eeprom", file});
        typePort(sim.path());
        TEdit *edit = f.window->Control<TEdit>(box);
        edit->setText(number);
        QTest::mouseClick(f.window->Bprogramuj, Qt::LeftButton);
        QCOMPARE(lastLine(), line);
        QCOMPARE(list()->count(), 1);
        checkIdle();
        QVERIFY(f.messages.isEmpty());

        edit->setText(QStringLiteral("+48600100200"));
        programOk(file);
    }

    void portThatCannotOpen()
    {
        typePort(QStringLiteral("/dev/no-such-tervala"));
        for (QPushButton *button : {f.window->Bprogramuj, f.window->BBload}) {
            f.messages.clear();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(f.messages.size(), 1);
            QCOMPARE(f.messages.first().icon, QMessageBox::Critical);
            QVERIFY(f.messages.first().text.contains(QStringLiteral("/dev/no-such-tervala")));
            checkIdle();
        }
        QCOMPARE(list()->count(), 0);

        const QString file = eeprom("after-bad-port");
        QFile::remove(file);
        SimProcess sim({"--eeprom", file});
        typePort(sim.path());
        programOk(file);
    }
};

QTEST_MAIN(WindowLink)
#include "test_window_link.moc"
