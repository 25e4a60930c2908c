// The window's modified state and the question before unsaved edits are
// thrown away: which changes count, what clears it, the caption, and every
// command that asks, with every answer.
#include "TComboBox.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace
{
const QString Question =
    QStringLiteral("Zmienione ustawienia nie zostały zapisane ani zaprogramowane. Zapisać je do pliku?");
} // namespace

class WindowGuard : public QObject
{
    Q_OBJECT

    WindowFixture f;

    void checkUnmodified()
    {
        QVERIFY(!f.window->Modified());
        QVERIFY(!f.window->isWindowModified());
        QCOMPARE(f.window->windowTitle(), QString("Tervala Loader v 1.1"));
        QCOMPARE(f.window->windowHandle()->title(), QString("Tervala Loader v 1.1"));
    }
    void checkModified()
    {
        QVERIFY(f.window->Modified());
        QVERIFY(f.window->isWindowModified());
        // What the window system is given: the caption with the mark of changes.
        QCOMPARE(f.window->windowHandle()->title(), QString("Tervala Loader v 1.1*"));
    }

    void openFile()
    {
        TModuleSettings s = DefaultRecord();
        s.UserNumber(2).setText(QStringLiteral("+48222"));
        TUserNotes notes{};
        notes[1].Name.setText(QStringLiteral("Jan"));
        f.openRecord(s, notes);
    }

  private slots:
    void init()
    {
        f.start();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    }

    void cleanup() { f.stop(); }

    void unmodifiedAfterStartUp() { checkUnmodified(); }

    void userChanges_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys"); // typed; empty: clicked
        QTest::addColumn<QString>("enabler"); // the option box that enables the control
        const QString none;
        QTest::newRow("PIN") << "EPin" << "1" << none;
        QTest::newRow("SMS centre") << "Ecsms" << "5" << none;
        QTest::newRow("user number") << "Enruser3" << "+" << none;
        QTest::newRow("user name") << "Eosoba2" << "A" << none;
        QTest::newRow("remarks") << "Muser4" << "x" << none;
        QTest::newRow("SMS text") << "ETSMS_We7_Re2" << "a" << none;
        QTest::newRow("output code") << "EZalWy1" << "Z" << "ChBFlags_0";
        QTest::newRow("access code") << "EPINMOD" << "9" << "ChBFlags_5";
        QTest::newRow("reaction time") << "SEtimerPod3" << "7" << none;
        QTest::newRow("arming time") << "SE1190" << "2" << none;
        QTest::newRow("option box") << "ChBFlags_4" << QString() << none;
        QTest::newRow("CLIP box") << "ChBClipNotVerif6" << QString() << none;
        QTest::newRow("arming box") << "CHB_funkcjaczaswy" << QString() << none;
    }

    // Any change the user makes to a control that is collected.
    void userChanges()
    {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(QString, enabler);
        if (!enabler.isEmpty()) {
            f.window->Control<QCheckBox>(enabler)->setChecked(true);
            f.window->SetModified(false);
        }
        QWidget *widget = f.window->Control<QWidget>(control);
        QVERIFY(widget->isEnabled());
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            box->click();
        else if (auto *spin = qobject_cast<TSpinEdit *>(widget))
            QTest::keyClicks(spin->lineEdit(), keys);
        else
            QTest::keyClicks(widget, keys);
        checkModified();
    }

    void presetChoiceCounts()
    {
        auto *presets = f.control<TComboBox>("CBcentrum");
        presets->OnChange(presets); // as a choice of the user: Ecsms gets the preset's number
        presets->setCurrentIndex(1);
        presets->OnChange(presets);
        checkModified();
    }

    // What the program puts into the controls is nobody's edit.
    void refillsDoNotCount()
    {
        openFile();
        checkUnmodified();
        QCOMPARE(f.control<TEdit>("Enruser2")->text(), QString("+48222"));
        f.window->ShowReadBackSettings();
        checkUnmodified();
    }

    void reactionDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box"); // the boxes clicked, comma-separated
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("modified");
        QTest::newRow("reaction changed") << "BB_ConfigNumerWe2Re1"
                                          << "ChBNoActiv,ChBONwy1IN" << int(QDialog::Accepted) << true;
        QTest::newRow("reaction confirmed unchanged") << "BB_ConfigNumerWe2Re1" << QString()
                                                      << int(QDialog::Accepted) << false;
        QTest::newRow("reaction cancelled") << "BB_ConfigNumerSpecWe3Re2"
                                            << "ChBNoActiv,ChBONwy1IN" << int(QDialog::Rejected) << false;
        QTest::newRow("notification changed") << "BBConfigWorkWe5Re2"
                                              << "ChBUS1SMS" << int(QDialog::Accepted) << true;
        QTest::newRow("output notification changed") << "BBConfigWorkSpecWe2Re1"
                                                     << "ChBUS1SMS" << int(QDialog::Accepted) << true;
        QTest::newRow("notification cancelled") << "BBConfigWorkWe5Re2"
                                                << "ChBUS1SMS" << int(QDialog::Rejected) << false;
    }

    // OK in a reaction or notification dialog counts when it changed the byte.
    void reactionDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(int, result);
        QFETCH(bool, modified);
        SetDefaultSettings();
        openFile(); // user 1 without a number: give one, so that its boxes are enabled
        f.control<TEdit>("Enruser1")->setText(QStringLiteral("+48600100200"));
        f.window->SetModified(false);
        f.answerDialog = [&](QDialog &d) {
            for (const QString &name : box.split(QLatin1Char(','), Qt::SkipEmptyParts))
                d.findChild<QCheckBox *>(name)->click();
            return result;
        };
        f.window->Control<QPushButton>(button)->click();
        QCOMPARE(f.window->Modified(), modified);
    }

    void saveClears()
    {
        f.control<TEdit>("Eosoba1")->setText(QStringLiteral("Nowak"));
        checkModified();
        f.window->Control<QAction>("Zapiszjako2")->trigger(); // cancelled
        checkModified();
        f.answerFile(f.dir.filePath(QStringLiteral("no/such/folder/x.ulmar")));
        f.window->Button1Click();
        QCOMPARE(f.messages.size(), 1);
        checkModified();
        f.answerFile(f.dir.filePath(QStringLiteral("saved.ulmar")));
        f.window->Button1Click();
        checkUnmodified();
    }

    void commandsAsk_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // the name "Zapisz jako ..." is given; empty: cancelled
        QTest::addColumn<bool>("goesOn");
        for (const char *command : {"close", "Wyjscie1", "Odczytaj3", "OtworzKopie1", "BBload"}) {
            const QString c = QString::fromLatin1(command);
            QTest::addRow("%s: Anuluj", command) << c << int(QMessageBox::Cancel) << QString() << false;
            QTest::addRow("%s: Nie", command) << c << int(QMessageBox::No) << QString() << true;
            QTest::addRow("%s: Tak, not saved", command) << c << int(QMessageBox::Yes) << QString() << false;
            QTest::addRow("%s: Tak, saved", command) << c << int(QMessageBox::Yes) << "kept.ulmar" << true;
        }
    }

    // Every command that would throw unsaved edits away asks first.
    void commandsAsk()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        f.control<TEdit>("Enruser2")->setText(QStringLiteral("+48999"));
        checkModified();
        f.answers = {QMessageBox::StandardButton(answer)};
        if (!saveAs.isEmpty())
            f.answerFile(f.dir.filePath(saveAs));

        if (command == "close")
            f.window->close();
        else if (command == "BBload")
            QTest::mouseClick(f.window->BBload, Qt::LeftButton);
        else
            f.window->Control<QAction>(command)->trigger();

        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(f.questions.first().text, Question);
        QCOMPARE(f.questions.first().icon, QMessageBox::Question);
        const bool saveShown = answer == QMessageBox::Yes;
        if (command == "close" || command == "Wyjscie1") {
            QCOMPARE(!f.window->isVisible(), goesOn);
        } else if (command == "BBload") {
            // No port to open: going on shows why.
            QCOMPARE(f.messages.size(), goesOn ? 1 : 0);
        } else {
            // Going on shows the open dialog, after the save dialog when there was one.
            QCOMPARE(f.proposedFiles.size(), int(saveShown) + int(goesOn));
        }
        if (!saveAs.isEmpty()) {
            TModuleSettings saved;
            TUserNotes notes;
            ReadSettingsFile(f.dir.filePath(saveAs), saved, notes);
            QCOMPARE(saved.UserNumber(2).text(), QString("+48999"));
        }
        QCOMPARE(f.control<TEdit>("Enruser2")->text(), QString("+48999"));
    }

    // A file opened by name (command line, dropped, recent) asks the same.
    void openingByNameAsks()
    {
        TModuleSettings s = DefaultRecord();
        s.UserNumber(2).setText(QStringLiteral("+48222"));
        const QString name = f.dir.filePath(QStringLiteral("by-name.ulmar"));
        WriteSettingsFile(name, s, TUserNotes{});
        f.control<TEdit>("Enruser2")->setText(QStringLiteral("+48999"));
        f.answers = {QMessageBox::Cancel, QMessageBox::No};
        QVERIFY(!f.window->OpenFileByName(name));
        QCOMPARE(f.control<TEdit>("Enruser2")->text(), QString("+48999"));
        QVERIFY(f.window->OpenFileByName(name));
        QCOMPARE(f.questions.size(), 2);
        QCOMPARE(f.questions.last().text, Question);
        QCOMPARE(f.control<TEdit>("Enruser2")->text(), QString("+48222"));
        checkUnmodified();
    }

    void nothingToLoseNothingAsked()
    {
        for (const char *command : {"Odczytaj3", "OtworzKopie1", "Wyjscie1"})
            f.window->Control<QAction>(QString::fromLatin1(command))->trigger();
        QTest::mouseClick(f.window->BBload, Qt::LeftButton);
        QVERIFY(f.questions.isEmpty());
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(WindowGuard)
#include "test_window_guard.moc"
