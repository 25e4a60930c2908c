// The reaction dialogs, the About box, the technical contact and the entry
// checks through the real main window: real buttons, menu items, key presses
// and focus changes; modal dialogs and message boxes answered by the test.
#include "SmsCentres.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TechnicalContact.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class WindowDialogs : public QObject
{
    Q_OBJECT

    WindowFixture f;
    QStringList titles;

    QPushButton *button(const QString &name) { return f.window->Control<QPushButton>(name); }
    TEdit *edit(const char *name) { return f.control<TEdit>(name); }

    // Answers the next dialog: records its title, lets edit() change it, returns the result.
    template <class D> void answer(std::function<void(D &)> edit, int result = QDialog::Accepted)
    {
        f.answerDialog = [this, edit, result](QDialog &d) {
            titles << d.windowTitle();
            auto *dialog = qobject_cast<D *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            edit(*dialog);
            return result;
        };
    }

    void activate()
    {
        f.window->show();
        QApplication::setActiveWindow(f.window.get());
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    }

    void focus(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }

  private slots:
    void init()
    {
        f.start();
        titles.clear();
        SetDefaultSettings();
    }

    void cleanup() { f.stop(); }

    void reactionButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("delayBoxShown");
        QTest::newRow("input") << "BB_ConfigNumerWe4Re2" << 48 << "konfig wejscia 4 reakcji 2" << true;
        QTest::newRow("input 8") << "BB_ConfigNumerWe8Re1" << 55 << "konfig wejscia 8 reakcji 1" << true;
        QTest::newRow("special slot 5")
            << "BB_ConfigNumerSpecWe5Re1" << 81 << "wejście blokujące reakcja 1" << false;
        QTest::newRow("special slot 3")
            << "BB_ConfigNumerSpecWe3Re2" << 78 << "wejście sabotażowe reakcja 2" << false;
    }

    // OK writes the boxes' byte into its place in the record, nowhere else;
    // Cancel writes nothing.
    void reactionButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(bool, delayBoxShown);
        const TModuleSettings before = ModuleSettings;
        bool delayShown = !delayBoxShown;
        answer<TFconfigNumberWeRe>([&](TFconfigNumberWeRe &d) {
            delayShown = d.ChBTimeRaport->isVisibleTo(&d);
            // The default byte means no action: that box first.
            d.ChBNoActiv->setChecked(false);
            d.ChBONwy1IN->setChecked(true);
            d.ChBonWy2In->setChecked(true);
        });
        button(name)->click();
        QCOMPARE(titles, QStringList{title});
        QCOMPARE(delayShown, delayBoxShown);
        QCOMPARE(int(ModuleSettings.data()[index]), 0x08 | 0x20);
        for (int i = 0; i < int(ModuleSettingsSize); ++i)
            if (i != index)
                QCOMPARE(ModuleSettings.data()[i], before.data()[i]);

        answer<TFconfigNumberWeRe>([](TFconfigNumberWeRe &d) { d.ChBNoActiv->setChecked(true); },
                                   QDialog::Rejected);
        button(name)->click();
        QCOMPARE(int(ModuleSettings.data()[index]), 0x08 | 0x20);
    }

    // The notification dialog shows what is typed in the user boxes right now.
    void notificationButtonShowsTheUserBoxes()
    {
        edit("Eosoba1")->setText(QStringLiteral("Jan Kowalski"));
        edit("Enruser1")->setText(QStringLiteral("+48601000310"));
        edit("Enruser3")->setText(QStringLiteral("+48602000000"));
        QStringList labels;
        bool user2Enabled = true, user3Enabled = false;
        answer<TFConfigWorkWeRe>([&](TFConfigWorkWeRe &d) {
            for (int u = 1; u <= 4; ++u)
                labels << d.UserLabel(u)->text();
            user2Enabled = d.SmsBox(2)->isEnabled() || d.ClipBox(2)->isEnabled();
            user3Enabled = d.SmsBox(3)->isEnabled() && d.ClipBox(3)->isEnabled();
            d.SmsBox(1)->setChecked(true);
            d.ClipBox(3)->setChecked(true);
        });
        button("BBConfigWorkWe3Re1")->click();
        QCOMPARE(titles, QStringList{"Reakcje Wejscie:3 Reakcja:1"});
        QCOMPARE(labels, (QStringList{"Jan Kowalski", "Użytkownik 2", "Użytkownik 3", "Użytkownik 4"}));
        QVERIFY(!user2Enabled);
        QVERIFY(user3Enabled);
        QCOMPARE(int(ModuleSettings.InputNotification(3, 1)), 0x01 | 0x20);
        QCOMPARE(int(ModuleSettings.data()[54 + 2 * 3 + 1]), 0x21);
    }

    void outputConfirmationButton()
    {
        edit("Enruser2")->setText(QStringLiteral("+48601000310"));
        bool clipShown = true;
        answer<TFConfigWorkWeRe>([&](TFConfigWorkWeRe &d) {
            clipShown = d.Label6->isVisibleTo(&d) || d.ClipBox(2)->isVisibleTo(&d);
            d.SmsBox(2)->setChecked(true);
        });
        button("BBConfigWorkSpecWe2Re1")->click();
        QCOMPARE(titles, QStringList{"Reakcja 1 wyjścia 2"});
        QVERIFY(!clipShown);
        QCOMPARE(int(ModuleSettings.data()[91]), 0x04);

        answer<TFConfigWorkWeRe>([](TFConfigWorkWeRe &d) { d.SmsBox(2)->setChecked(true); });
        button("BBConfigWorkSpecWe5Re2")->click();
        QCOMPARE(titles.last(), QString("Reakcja 2 Wejścia blokującego"));
        QCOMPARE(int(ModuleSettings.SpecialNotification(5, 2)), 0x04);
    }

    void aboutBoxFromTheMenu()
    {
        QDialog *shown = nullptr;
        int showings = 0;
        f.answerDialog = [&](QDialog &d) {
            shown = &d;
            ++showings;
            return int(QDialog::Accepted);
        };
        QAction *info = f.window->Control<QAction>(QStringLiteral("Info"));
        QCOMPARE(info->text(), QString("O programie"));
        info->trigger();
        info->trigger();
        QCOMPARE(showings, 2);
        QCOMPARE(shown, static_cast<QDialog *>(AboutBox));
        QCOMPARE(AboutBox->windowTitle(), QString("About"));
        QVERIFY(f.openedUrls.isEmpty());
    }

    void technicalContactFromTheMenu()
    {
        QAction *contact = f.window->Control<QAction>(QStringLiteral("Kotaktzdziaemtechnicznym1"));
        QCOMPARE(contact->text(), QString("Kontakt z działem technicznym"));
        contact->trigger();
        QCOMPARE(f.openedUrls, QStringList{TechnicalContactLink});
        QVERIFY(TechnicalContactLink.startsWith(QStringLiteral("mailto:")));
        QVERIFY(TechnicalContactLink.endsWith(QStringLiteral("?subject=Uwagi do programu Pelmor      ")));
        QCOMPARE(titles.size(), 0);
    }

    void pinLeaveCheckGivesTheFocusBack_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("pin 3") << "EPin"
                               << "123"
                               << "Kod pin musi mieć 4 znaki.";
        QTest::newRow("access code 2") << "EPINMOD"
                                       << "ab"
                                       << "Kod pin musi mieć 4 znaki.";
        QTest::newRow("pin 4") << "EPin"
                               << "1234"
                               << "";
        QTest::newRow("code 1") << "EwylWy2"
                                << "a"
                                << "Sms sterujący musi mieć formę dwóch znaków";
    }

    void pinLeaveCheckGivesTheFocusBack()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        activate();
        TEdit *e = f.window->Control<TEdit>(box);
        // The code boxes are usable only with their options ticked.
        for (const char *option : {"ChBFlags_0", "ChBFlags_1", "ChBFlags_5"})
            f.control<QCheckBox>(option)->setChecked(true);
        for (QWidget *w = e->parentWidget(); w; w = w->parentWidget())
            if (w->parentWidget() && w->parentWidget()->parentWidget() == f.window->PageControl2)
                f.window->PageControl2->setCurrentWidget(w);
        QVERIFY(e->isEnabled());
        focus(e);
        e->setText(text);
        QTest::keyClick(e, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != e);
        if (warning.isEmpty()) {
            QCoreApplication::processEvents();
            QVERIFY(f.messages.isEmpty());
            return;
        }
        QTRY_COMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].title, QString("Uwaga"));
        QCOMPARE(f.messages[0].text, warning);
        QCOMPARE(f.messages[0].icon, QMessageBox::Warning);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e));
        QCOMPARE(e->text(), text);
    }

    void digitFilters()
    {
        activate();
        f.window->PageControl2->setCurrentIndex(1);
        TEdit *number = edit("Enruser1");
        focus(number);
        QTest::keyClicks(number, "+48a-601 000+310");
        QCOMPARE(number->text(), QString("+48601000310"));
        QTest::keyClick(number, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != number);
        QCOMPARE(number->text(), QString("+48601000310"));
        TEdit *other = edit("Enruser2");
        focus(other);
        QTest::keyClicks(other, "abc");
        QCOMPARE(other->text(), QString("abc"));

        f.window->PageControl2->setCurrentIndex(0);
        TEdit *pin = edit("EPin");
        focus(pin);
        QTest::keyClicks(pin, "1+2-a3x4");
        QCOMPARE(pin->text(), QString("1234"));
        QTest::keyClick(pin, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pin->text(), QString("1234"));
    }

    void smsCentrePresets()
    {
        activate();
        auto *centres = f.control<TComboBox>("CBcentrum");
        TEdit *number = edit("Ecsms");
        // The default record stores no number: "inne" and an empty box.
        QCOMPARE(centres->count(), 4);
        QCOMPARE(centres->currentText(), QString("inne"));
        QCOMPARE(number->text(), QString());

        focus(centres);
        QTest::keyClick(centres, Qt::Key_Up);
        QCOMPARE(centres->currentText(), QString("IDEA"));
        QCOMPARE(number->text(), QString("+48501200777"));
        QTest::keyClick(centres, Qt::Key_Up);
        QTest::keyClick(centres, Qt::Key_Up);
        QCOMPARE(centres->currentText(), QString("PLUS"));
        QCOMPARE(number->text(), QString("+48601000310"));
        QTest::keyClick(centres, Qt::Key_Down);
        QCOMPARE(number->text(), QString("+48602951111"));

        // Loading shows the preset whose number is stored, and keeps the number.
        TModuleSettings stored{};
        SetDefaultSettings(stored);
        stored.SmsCentreNumber.setText(QStringLiteral("+48602951111"));
        f.openRecord(stored, TUserNotes{});
        QCOMPARE(centres->currentIndex(), 1);
        QCOMPARE(number->text(), QString("+48602951111"));
        stored.SmsCentreNumber.setText(QStringLiteral("+48777000111"));
        f.openRecord(stored, TUserNotes{});
        QCOMPARE(centres->currentIndex(), EntryChecks::OtherCentre);
        QCOMPARE(number->text(), QString("+48777000111"));
    }
};

QTEST_MAIN(WindowDialogs)
#include "test_window_dialogs.moc"
