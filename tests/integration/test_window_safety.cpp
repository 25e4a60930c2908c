// The safety net around programming, through the real main window against
// tervala-sim: the check of the module after programming, the backup of the
// module before it, the options of the menu "Moduł" and the modified state
// that the runs clear.
#include "LinkEngine.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "LinkTimer.h"
#include "ModuleBackup.h"
#include "ModuleLink.h"
#include "SimProcess.h"
#include "TEdit.h"
#include "TestSupport.h"
#include "WindowLinkDriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace WindowLinkTest;

namespace
{

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray imageBytes(const TEepromImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
}

} // namespace

class WindowSafety : public QObject, protected WindowLinkDriver
{
    Q_OBJECT

    QStringList backups()
    {
        return QDir(ModuleBackupFolder()).entryList({"*.ulmar"}, QDir::Files, QDir::Name);
    }

    // A module that already holds these settings.
    void moduleHolds(const QString &file, const TModuleSettings &settings, char fill = 0)
    {
        TEepromImage image;
        SettingsToEeprom(settings, image);
        QByteArray bytes = imageBytes(image);
        // What programming never writes, so a read-back into the window's image would show.
        for (int i = LinkFrames::BytesSent; i < LinkFrames::ReadBackImageBytes; ++i)
            bytes[i] = fill;
        writeFile(file, bytes);
    }

    void setOptions(bool verify, bool backup)
    {
        f.window->Sprawdzaj1->setChecked(verify);
        f.window->KopiaModulu1->setChecked(backup);
    }

  private slots:
    void initTestCase() { qRegisterMetaType<TLinkEnd>(); }

    void init()
    {
        QDir(ModuleBackupFolder()).removeRecursively();
        f.start();
        f.window->show();
        f.control<TEdit>("Enruser1")->setText(QStringLiteral("+48600100200"));
    }

    void cleanup() { f.stop(); }

    void optionsOnByDefaultAndRemembered()
    {
        QVERIFY(f.window->Sprawdzaj1->isCheckable());
        QVERIFY(f.window->KopiaModulu1->isCheckable());
        QCOMPARE(f.window->Sprawdzaj1->text(), QString("Sprawdzaj ustawienia po zaprogramowaniu"));
        QCOMPARE(f.window->KopiaModulu1->text(), QString("Zachowuj kopię modułu przed programowaniem"));
        QCOMPARE(f.control<QAction>("OtworzKopie1")->text(), QString("Otwórz kopię ..."));
        QSettings().clear();
        f.stop();
        f.start();
        QVERIFY(f.window->Sprawdzaj1->isChecked());
        QVERIFY(f.window->KopiaModulu1->isChecked());

        // Each choice survives the next run of the program.
        const bool cases[][2] = {{false, true}, {true, false}, {false, false}, {true, true}};
        for (const auto &c : cases) {
            f.window->Sprawdzaj1->setChecked(c[0]);
            f.window->KopiaModulu1->setChecked(c[1]);
            f.stop();
            f.start();
            QCOMPARE(f.window->Sprawdzaj1->isChecked(), c[0]);
            QCOMPARE(f.window->KopiaModulu1->isChecked(), c[1]);
        }
    }

    // The module is read back into an image of its own: the window, the
    // record, the image and the notes stay as programmed.
    void verifiedRun()
    {
        setOptions(true, false);
        const QString file = eeprom("verified");
        TModuleSettings old = DefaultRecord();
        old.InputSmsText(5, 2).setText(QStringLiteral("stare"));
        moduleHolds(file, old, 'Q');
        SimProcess sim({"--eeprom", file});
        typePort(sim.path());
        UserNotes[2].Name.setText(QStringLiteral("Nowak"));
        f.window->UserNotesToForm();
        f.control<TEdit>("ETSMS_We2_Re1")->setText(QStringLiteral("Alarm w garażu"));
        QVERIFY(f.window->Modified());
        const TUserNotes notes = UserNotes;

        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::Programmed);
        const QStringList shown = lines();
        QCOMPARE(shown.mid(shown.size() - 3),
                 QStringList({LinkText::ProgrammingDone, "Sprawdzanie ustawień w module...",
                              "Ustawienia w module zgodne z zaprogramowanymi."}));
        QVERIFY(f.messages.isEmpty());
        checkIdle();
        QVERIFY(!f.window->Modified());
        QCOMPARE(f.window->windowTitle(), QString("Tervala Loader v 1.1"));
        // The image is what was encoded, not what the check read.
        TEepromImage encoded;
        SettingsToEeprom(ModuleSettings, encoded);
        QCOMPARE(imageBytes(EepromImage), imageBytes(encoded));
        QCOMPARE(ModuleSettings.InputSmsText(2, 1).text(), QString("Alarm w garażu"));
        QCOMPARE(f.control<TEdit>("ETSMS_We2_Re1")->text(), QString("Alarm w garażu"));
        QCOMPARE(RawNotes(UserNotes), RawNotes(notes));
        QVERIFY(backups().isEmpty());
    }

    void mismatch_data()
    {
        QTest::addColumn<QStringList>("stuck");
        QTest::addColumn<QString>("line");
        QTest::newRow("one text") << QStringList{"--stuck", "180=65"}
                                  << "Niezgodne ustawienia w module: Treść SMS: wejście 1, reakcja 1";
        QTest::newRow("a byte under the checksum")
            << QStringList{"--stuck", "13=9"} << "Niezgodne ustawienia w module: Odrzuć po";
        QTest::newRow("two fields") << QStringList{"--stuck", "1190=7", "--stuck", "120=0"}
                                    << "Niezgodne ustawienia w module: czas uzbrajania, Numer użytkownika 1";
        QTest::newRow("five fields") << QStringList{"--stuck", "98=0",    "--stuck", "105=0",   "--stuck",
                                                    "1192=9",  "--stuck", "180=65",  "--stuck", "972=66"}
                                     << "Niezgodne ustawienia w module: Pin karty, nr centrum sms, czas "
                                        "działania wyjścia syreny i 2 innych";
    }

    // A module that keeps wrong bytes: the differing fields by name, the
    // error box, the window given back and the edits still unsaved.
    void mismatch()
    {
        QFETCH(QStringList, stuck);
        QFETCH(QString, line);
        setOptions(true, false);
        SimProcess sim(stuck + QStringList{"--eeprom", eeprom("stuck")});
        typePort(sim.path());
        f.control<TEdit>("EPin")->setText(QStringLiteral("1234"));
        f.control<TEdit>("Ecsms")->setText(QStringLiteral("+48602951111"));
        QVERIFY(f.window->Modified());

        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::NotVerified);
        QCOMPARE(lastLine(), line);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages.first().icon, QMessageBox::Critical);
        QCOMPARE(f.messages.first().text,
                 QString("Moduł nie przyjął wszystkich ustawień. Zaprogramuj go ponownie."));
        checkIdle();
        QVERIFY(f.window->Modified());
        QCOMPARE(f.window->windowTitle(), QString("Tervala Loader v 1.1[*]"));
        QVERIFY(f.window->isWindowModified());
    }

    // The check gets no answer: the time-out line, the error box, the window back.
    void checkWithoutAnswer()
    {
        setOptions(true, false);
        SimProcess sim({"--silent-at", "read", "--eeprom", eeprom("silent-check")});
        typePort(sim.path());
        f.window->Timer1->SetInterval(ShortTimeout);
        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::NotVerified);
        const QStringList shown = lines();
        QCOMPARE(
            shown.mid(shown.size() - 3),
            QStringList({LinkText::ProgrammingDone, "Sprawdzanie ustawień w module...", LinkText::NoAnswer}));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages.first().text, LinkText::NotAccepted);
        checkIdle();
        QVERIFY(f.window->Modified());
    }

    // The backup holds what the module held before: decoded over the
    // defaults, with empty notes, in the user's data folder.
    void backupKeepsWhatTheModuleHeld()
    {
        setOptions(true, true);
        const QString file = eeprom("backup");
        TModuleSettings old = DefaultRecord();
        old.SmsCentreNumber.setText(QStringLiteral("+48601000310"));
        old.UserNumber(3).setText(QStringLiteral("+48500600700"));
        old.InputSmsText(4, 1).setText(QStringLiteral("poprzedni tekst"));
        old.ArmingTime = 77;
        moduleHolds(file, old);
        TEepromImage held;
        std::memcpy(held.data(), readFile(file).constData(), held.size());
        SimProcess sim({"--eeprom", file});
        typePort(sim.path());

        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::Programmed);
        QCOMPARE(backups().size(), 1);
        const QString backup = QDir(ModuleBackupFolder()).filePath(backups().first());
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.ulmar$")
                     .match(backups().first())
                     .hasMatch(),
                 qPrintable(backups().first()));
        QCOMPARE(lines().first(), "Kopia ustawień modułu: " + QDir::toNativeSeparators(backup));
        QCOMPARE(lastLine(), LinkText::VerifyOk);
        TModuleSettings saved;
        TUserNotes savedNotes;
        ReadSettingsFile(backup, saved, savedNotes);
        TModuleSettings expected;
        TUserNotes expectedNotes;
        ModuleBackupRecord(held, expected, expectedNotes);
        QCOMPARE(RawRecord(saved), RawRecord(expected));
        QCOMPARE(RawNotes(savedNotes), RawNotes(TUserNotes{}));
        QCOMPARE(saved.InputSmsText(4, 1).text(), QString("poprzedni tekst"));
        QCOMPARE(saved.ArmingTime, std::uint8_t(77));
        // And the module now holds the window's settings.
        TEepromImage encoded;
        SettingsToEeprom(ModuleSettings, encoded);
        QCOMPARE(readFile(file).left(LinkFrames::BytesSent), imageBytes(encoded).left(LinkFrames::BytesSent));
        checkIdle();

        // A second run in the same second keeps the first backup.
        QCOMPARE(run(f.window->Bprogramuj), TLinkEnd::Programmed);
        QCOMPARE(backups().size(), 2);

        // "Otwórz kopię ..." starts in the folder and loads the backup.
        f.control<TEdit>("Ecsms")->setText(QStringLiteral("+48111"));
        f.answers = {QMessageBox::No};
        f.answerFile(backup);
        f.control<QAction>("OtworzKopie1")->trigger();
        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(f.proposedFolders.last(), ModuleBackupFolder());
        QCOMPARE(f.proposedFiles.last(), QString());
        QCOMPARE(f.control<TEdit>("Ecsms")->text(), QString("+48601000310"));
        QVERIFY(!f.window->Modified());
    }

    void backupFailure_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("end");
        const int no = QMessageBox::No, yes = QMessageBox::Yes;
        QTest::newRow("no answer, not without a backup")
            << QStringList{"--silent-at", "read", "--once"} << no << int(TLinkEnd::BackupFailed);
        QTest::newRow("no answer, programmed without a backup")
            << QStringList{"--silent-at", "read", "--once"} << yes << int(TLinkEnd::Programmed);
        QTest::newRow("stream cut short")
            << QStringList{"--silent-at", "read:900", "--once"} << no << int(TLinkEnd::BackupFailed);
    }

    // No backup: nothing is programmed unless the user says so.
    void backupFailure()
    {
        QFETCH(QStringList, options);
        QFETCH(int, answer);
        QFETCH(int, end);
        setOptions(true, true);
        const QString file = eeprom("no-backup");
        TModuleSettings old = DefaultRecord();
        old.ArmingTime = 55;
        moduleHolds(file, old);
        const QByteArray before = readFile(file);
        SimProcess sim(options + QStringList{"--eeprom", file});
        typePort(sim.path());
        f.window->Timer1->SetInterval(ShortTimeout);
        f.answers = {QMessageBox::StandardButton(answer)};

        QCOMPARE(int(run(f.window->Bprogramuj)), end);
        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(f.questions.first().text,
                 QString("Nie udało się odczytać ustawień modułu do kopii. Programować bez kopii?"));
        QVERIFY(backups().isEmpty());
        QVERIFY(f.messages.isEmpty());
        checkIdle();
        if (end == int(TLinkEnd::BackupFailed)) {
            QCOMPARE(readFile(file), before);
            QVERIFY(!lines().contains(LinkText::ProgrammingStarted));
            QVERIFY(f.window->Modified());
        } else {
            QCOMPARE(lastLine(), LinkText::VerifyOk);
            QVERIFY(readFile(file) != before);
            QVERIFY(!f.window->Modified());
        }
    }

    // Edits made while the run goes on were not programmed: still unsaved.
    void editsDuringARunStayUnsaved()
    {
        setOptions(false, false);
        SimProcess sim({"--eeprom", eeprom("during")});
        typePort(sim.path());
        QSignalSpy spy(f.window->Link.get(), &TModuleLink::SequenceFinished);
        QTest::mouseClick(f.window->Bprogramuj, Qt::LeftButton);
        f.control<TEdit>("Eosoba2")->setText(QStringLiteral("później"));
        QVERIFY(spy.wait(RunWait));
        QCOMPARE(spy.first().first().value<TLinkEnd>(), TLinkEnd::Programmed);
        QVERIFY(f.window->Modified());
    }

    // A read-back clears the modified state; closing during a run asks nothing.
    void readBackAndClosingDuringARun()
    {
        {
            SimProcess sim({"--eeprom", eeprom("read")});
            typePort(sim.path());
            QVERIFY(f.window->Modified());
            f.answers = {QMessageBox::No};
            QCOMPARE(run(f.window->BBload), TLinkEnd::ReadBack);
            QCOMPARE(f.questions.size(), 1);
            QVERIFY(!f.window->Modified());
        }
        SimProcess silent({"--silent-at", "read", "--eeprom", eeprom("read")});
        typePort(silent.path());
        f.control<TEdit>("Eosoba2")->setText(QStringLiteral("Kowalski"));
        f.questions.clear();
        QTest::mouseClick(f.window->BBload, Qt::LeftButton);
        QCOMPARE(f.questions.size(), 1);
        QVERIFY(f.window->Link->Busy());
        QVERIFY(f.window->close());
        QCOMPARE(f.questions.size(), 1);
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(WindowSafety)
#include "test_window_safety.moc"
