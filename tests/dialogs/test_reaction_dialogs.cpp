// The reaction and notification dialogs opened from the pages' buttons:
// which byte each button edits, how the dialog is fitted, the interlocks and
// the storing rules.
#include "MainWindowFixture.h"
#include "ModalDialogs.h"
#include "ReactionButtons.h"
#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

// A data column type; declared before any test fetches it.
Q_DECLARE_METATYPE(std::function<void(QDialog &)>)

namespace
{

using Action = std::function<void(QDialog &)>;

// What a test learns from one opening.
struct Shown {
    int calls = 0;
    QString title;
};

QStringList VisibleReactionBoxes(const TFconfigNumberWeRe &d)
{
    QStringList names;
    for (QCheckBox *b : {d.ChBNoActiv, d.ChBTimeRaport, d.ChBTimeOFFWy1, d.ChBTimeOFFWy2, d.ChBONwy1IN,
                         d.ChBOFFwy1In, d.ChBonWy2In, d.ChBOFFWY2iN})
        if (!b->isHidden())
            names << b->objectName();
    return names;
}

const QStringList AllReactionBoxes = {"ChBNoActiv", "ChBTimeRaport", "ChBTimeOFFWy1", "ChBTimeOFFWy2",
                                      "ChBONwy1IN", "ChBOFFwy1In",   "ChBonWy2In",    "ChBOFFWY2iN"};
const QStringList SlotThreeBoxes = {"ChBNoActiv",  "ChBTimeOFFWy1", "ChBTimeOFFWy2", "ChBONwy1IN",
                                    "ChBOFFwy1In", "ChBonWy2In",    "ChBOFFWY2iN"};
const QStringList SlotFiveBoxes = {"ChBNoActiv", "ChBONwy1IN", "ChBOFFwy1In", "ChBonWy2In", "ChBOFFWY2iN"};

enum class Family { InputReaction, SpecialReaction, InputNotification, SpecialNotification };

} // namespace

class ReactionDialogsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> main;
    TFconfigNumberWeRe *reaction = nullptr;
    TFConfigWorkWeRe *notification = nullptr;
    TModuleSettings settings;
    Shown shown;
    int lastIndex = 0;

    // Answers the next openings: runs the check/action on the fitted and
    // loaded dialog, then closes it with the given result.
    void answer(Action action, int result)
    {
        SetModalRunner([this, action, result](QDialog &d) {
            ++shown.calls;
            shown.title = d.windowTitle();
            if (action)
                action(d);
            return result;
        });
    }

    // Presses the real button of the fixture; its click runs the family's routine.
    void press(const QString &name)
    {
        QPushButton *b = main->button(name);
        QVERIFY2(b, qPrintable(name));
        b->click();
    }

    void wire(Family family, const QString &name)
    {
        QPushButton *b = main->button(name);
        connect(b, &QPushButton::clicked, this, [this, family, b] {
            switch (family) {
            case Family::InputReaction:
                lastIndex = ReactionButtons::BB_ConfigNumerWe1Re1Click(b, settings, *reaction);
                break;
            case Family::SpecialReaction:
                lastIndex = ReactionButtons::BB_ConfigNumerSpecWe1Re1Click(b, settings, *reaction);
                break;
            case Family::InputNotification:
                lastIndex = ReactionButtons::BBConfigWorkWe1Re1Click(b, settings, *notification, main.get());
                break;
            case Family::SpecialNotification:
                lastIndex =
                    ReactionButtons::BBConfigWorkSpecWe1Re1Click(b, settings, *notification, main.get());
                break;
            }
        });
    }

    // Checks that exactly one byte, at index, changed, and to what.
    void verifyOnlyByteChanged(const TModuleSettings &before, int index, std::uint8_t expected)
    {
        QCOMPARE(int(settings.data()[index]), int(expected));
        for (int i = 0; i < int(ModuleSettingsSize); ++i)
            if (i != index)
                QVERIFY2(settings.data()[i] == before.data()[i], qPrintable(QString::number(i)));
    }

  private slots:
    void init()
    {
        main = std::make_unique<MainWindowFixture>();
        reaction = new TFconfigNumberWeRe(main.get());
        notification = new TFConfigWorkWeRe(main.get());
        SetDefaultSettings(settings);
        shown = {};
        lastIndex = 0;
        for (int i = 1; i <= 8; ++i)
            for (int r = 1; r <= 2; ++r) {
                wire(Family::InputReaction, QStringLiteral("BB_ConfigNumerWe%1Re%2").arg(i).arg(r));
                wire(Family::InputNotification, QStringLiteral("BBConfigWorkWe%1Re%2").arg(i).arg(r));
            }
        for (int s : {3, 5})
            for (int r = 1; r <= 2; ++r) {
                wire(Family::SpecialReaction, QStringLiteral("BB_ConfigNumerSpecWe%1Re%2").arg(s).arg(r));
                wire(Family::SpecialNotification, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r));
            }
        for (int s : {1, 2})
            for (int r = 1; r <= 2; ++r)
                wire(Family::SpecialNotification, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r));
    }

    void cleanup()
    {
        SetModalRunner(nullptr);
        main.reset();
    }

    void inputReactionButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::newRow("input 1 reaction 1") << "BB_ConfigNumerWe1Re1" << 41 << "konfig wejscia 1 reakcji 1";
        QTest::newRow("input 3 reaction 1") << "BB_ConfigNumerWe3Re1" << 45 << "konfig wejscia 3 reakcji 1";
        QTest::newRow("input 4 reaction 2") << "BB_ConfigNumerWe4Re2" << 48 << "konfig wejscia 4 reakcji 2";
        QTest::newRow("input 8 reaction 2") << "BB_ConfigNumerWe8Re2" << 56 << "konfig wejscia 8 reakcji 2";
    }

    void inputReactionButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, title);
        // The arming input's opening hides three boxes; the input's opening must show them again.
        answer(nullptr, QDialog::Rejected);
        press("BB_ConfigNumerSpecWe5Re1");
        QVERIFY(reaction->ChBTimeRaport->isHidden());

        settings.data()[index] = 0x08;
        const TModuleSettings before = settings;
        QStringList visible;
        QStringList captions;
        bool loaded = false;
        answer(
            [&](QDialog &) {
                visible = VisibleReactionBoxes(*reaction);
                captions = {reaction->ChBTimeRaport->text(), reaction->ChBTimeOFFWy1->text(),
                            reaction->ChBTimeOFFWy2->text()};
                loaded = reaction->ChBONwy1IN->isChecked() && !reaction->ChBonWy2In->isChecked();
                reaction->ChBonWy2In->setChecked(true);
            },
            QDialog::Accepted);
        press(button);
        QCOMPARE(lastIndex, index);
        QCOMPARE(shown.title, title);
        QCOMPARE(visible, AllReactionBoxes);
        QCOMPARE(captions, QStringList({"opóźniona reakcja wejścia      ", "załącz wyj. syreny     ",
                                        "załącz wyj. blokady  "}));
        QVERIFY(loaded);
        verifyOnlyByteChanged(before, index, 0x28);
    }

    void specialReactionButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("panic 1") << "BB_ConfigNumerSpecWe3Re1" << 77 << "wejście sabotażowe reakcja 1"
                                 << SlotThreeBoxes;
        QTest::newRow("panic 2") << "BB_ConfigNumerSpecWe3Re2" << 78 << "wejście sabotażowe reakcja 2"
                                 << SlotThreeBoxes;
        QTest::newRow("arming 1") << "BB_ConfigNumerSpecWe5Re1" << 81 << "wejście blokujące reakcja 1"
                                  << SlotFiveBoxes;
        QTest::newRow("arming 2") << "BB_ConfigNumerSpecWe5Re2" << 82 << "wejście blokujące reakcja 2"
                                  << SlotFiveBoxes;
    }

    void specialReactionButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QStringList, visible);
        answer(nullptr, QDialog::Rejected);
        press("BB_ConfigNumerWe2Re2");
        reaction->ChBTimeOFFWy1->setText("left over");

        settings.data()[index] = 0x08;
        const TModuleSettings before = settings;
        QStringList seen;
        QString sirenCaption;
        answer(
            [&](QDialog &) {
                seen = VisibleReactionBoxes(*reaction);
                sirenCaption = reaction->ChBTimeOFFWy1->text();
                reaction->ChBonWy2In->setChecked(true);
            },
            QDialog::Accepted);
        press(button);
        QCOMPARE(lastIndex, index);
        QCOMPARE(shown.title, title);
        QCOMPARE(seen, visible);
        if (visible.contains("ChBTimeOFFWy1"))
            QCOMPARE(sirenCaption, QString("załącz wyj. syreny     "));
        verifyOnlyByteChanged(before, index, 0x28);
    }

    void storingRules_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("stored");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("expected");
        const Action none;
        const Action tickNoActiv = [this](QDialog &) { reaction->ChBNoActiv->setChecked(true); };
        const Action tickAndUntick = [this](QDialog &) {
            reaction->ChBNoActiv->setChecked(true);
            reaction->ChBNoActiv->setChecked(false);
        };
        const Action changeAll = [this](QDialog &) {
            reaction->ChBOFFWY2iN->setChecked(true);
            reaction->ChBTimeOFFWy2->setChecked(true);
        };
        const int ok = QDialog::Accepted;
        const int cancel = QDialog::Rejected;
        QTest::newRow("0 from a file stores 80") << "BB_ConfigNumerWe1Re1" << 0x00 << none << ok << 0x80;
        QTest::newRow("on and off of output 1") << "BB_ConfigNumerWe2Re1" << 0x18 << none << ok << 0x08;
        QTest::newRow("on and off of output 2") << "BB_ConfigNumerWe2Re1" << 0x60 << none << ok << 0x20;
        QTest::newRow("bit 7 with others") << "BB_ConfigNumerWe5Re2" << 0x8F << none << ok << 0x80;
        QTest::newRow("no action ticked") << "BB_ConfigNumerWe3Re2" << 0x4A << tickNoActiv << ok << 0x80;
        QTest::newRow("delayed bit survives no action")
            << "BB_ConfigNumerWe3Re2" << 0x4B << tickAndUntick << ok << 0x01;
        QTest::newRow("arming 83 stores 80") << "BB_ConfigNumerSpecWe5Re2" << 0x83 << none << ok << 0x80;
        QTest::newRow("arming hidden bits survive")
            << "BB_ConfigNumerSpecWe5Re2" << 0x0B << none << ok << 0x0B;
        QTest::newRow("panic hidden bit 0 survives")
            << "BB_ConfigNumerSpecWe3Re1" << 0x07 << none << ok << 0x07;
        QTest::newRow("cancel keeps the byte")
            << "BB_ConfigNumerWe6Re1" << 0x08 << changeAll << cancel << 0x08;
    }

    void storingRules()
    {
        QFETCH(QString, button);
        QFETCH(int, stored);
        QFETCH(Action, action);
        QFETCH(int, result);
        QFETCH(int, expected);
        answer(nullptr, QDialog::Rejected);
        press(button);
        const int index = lastIndex;
        settings.data()[index] = std::uint8_t(stored);
        answer(action, result);
        press(button);
        QCOMPARE(shown.calls, 2);
        QCOMPARE(int(settings.data()[index]), expected);
    }

    void bothOnAndOffLoadAsOnWithOffDisabled()
    {
        reaction->LoadReactionByte(0x78);
        QVERIFY(reaction->ChBONwy1IN->isChecked() && reaction->ChBONwy1IN->isEnabled());
        QVERIFY(!reaction->ChBOFFwy1In->isChecked() && !reaction->ChBOFFwy1In->isEnabled());
        QVERIFY(reaction->ChBonWy2In->isChecked() && reaction->ChBonWy2In->isEnabled());
        QVERIFY(!reaction->ChBOFFWY2iN->isChecked() && !reaction->ChBOFFWY2iN->isEnabled());
        QCOMPARE(int(reaction->ReactionByte()), 0x28);

        // What the last opening left takes part in the next loading.
        reaction->LoadReactionByte(0x10);
        QVERIFY(reaction->ChBOFFwy1In->isChecked() && reaction->ChBOFFwy1In->isEnabled());
        QVERIFY(!reaction->ChBONwy1IN->isChecked() && !reaction->ChBONwy1IN->isEnabled());
        QVERIFY(reaction->ChBonWy2In->isEnabled() && reaction->ChBOFFWY2iN->isEnabled());
        QCOMPARE(int(reaction->ReactionByte()), 0x10);
    }

    void noActivInterlock()
    {
        reaction->LoadReactionByte(0x2F);
        reaction->ChBNoActiv->setChecked(true);
        QVERIFY(!reaction->NoActivBusy);
        const QList<QCheckBox *> others = {
            reaction->ChBTimeRaport, reaction->ChBTimeOFFWy1, reaction->ChBTimeOFFWy2, reaction->ChBONwy1IN,
            reaction->ChBOFFwy1In,   reaction->ChBonWy2In,    reaction->ChBOFFWY2iN};
        for (QCheckBox *b : others) {
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QCOMPARE(b->isChecked(), b == reaction->ChBTimeRaport);
        }
        QCOMPARE(int(reaction->ReactionByte()), 0x80);

        reaction->ChBNoActiv->setChecked(false);
        for (QCheckBox *b : others) {
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
            QCOMPARE(b->isChecked(), b == reaction->ChBTimeRaport);
        }
    }

    // Real clicks on the shown dialog.
    void exclusiveOutputPairs()
    {
        reaction->LoadReactionByte(0x00);
        reaction->show();
        QVERIFY(QTest::qWaitForWindowExposed(reaction));
        auto click = [](QCheckBox *b) {
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        };

        click(reaction->ChBONwy1IN);
        QVERIFY(reaction->ChBONwy1IN->isChecked());
        QVERIFY(!reaction->ChBOFFwy1In->isEnabled());
        QVERIFY(reaction->ChBonWy2In->isEnabled() && reaction->ChBOFFWY2iN->isEnabled());
        click(reaction->ChBOFFwy1In); // disabled: nothing happens
        QVERIFY(!reaction->ChBOFFwy1In->isChecked());

        click(reaction->ChBOFFWY2iN);
        QVERIFY(!reaction->ChBonWy2In->isEnabled());
        QCOMPARE(int(reaction->ReactionByte()), 0x48);

        click(reaction->ChBONwy1IN);
        QVERIFY(!reaction->ChBONwy1IN->isChecked());
        QVERIFY(reaction->ChBOFFwy1In->isEnabled() && !reaction->ChBOFFwy1In->isChecked());

        click(reaction->ChBNoActiv);
        QVERIFY(!reaction->ChBOFFWY2iN->isChecked());
        click(reaction->ChBNoActiv);
        for (QCheckBox *b :
             {reaction->ChBONwy1IN, reaction->ChBOFFwy1In, reaction->ChBonWy2In, reaction->ChBOFFWY2iN})
            QVERIFY(b->isEnabled() && !b->isChecked());
        reaction->hide();
    }

    void inputNotifications_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::newRow("input 3 reaction 1") << "BBConfigWorkWe3Re1" << 61 << "Reakcje Wejscie:3 Reakcja:1";
        QTest::newRow("input 1 reaction 2") << "BBConfigWorkWe1Re2" << 58 << "Reakcje Wejscie:1 Reakcja:2";
        QTest::newRow("input 8 reaction 2") << "BBConfigWorkWe8Re2" << 72 << "Reakcje Wejscie:8 Reakcja:2";
    }

    void inputNotifications()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, title);
        // An output confirmation hides the CLIP column; an input's opening shows it again.
        answer(nullptr, QDialog::Rejected);
        press("BBConfigWorkSpecWe2Re2");
        QVERIFY(notification->Label6->isHidden());

        main->Enruser[0]->setText("+48601000310");
        main->Enruser[2]->setText("+48602000000");
        main->Enruser[3]->setText("1");
        main->Eosoba[0]->setText("Jan Kowalski");
        main->Eosoba[3]->setText("Ewa");
        settings.data()[index] = 0xFF;
        const TModuleSettings before = settings;
        QStringList labels;
        bool userTwoOff = false;
        bool othersOn = true;
        bool clipShown = false;
        answer(
            [&](QDialog &) {
                for (int u = 1; u <= 4; ++u)
                    labels << notification->UserLabel(u)->text();
                userTwoOff = !notification->SmsBox(2)->isEnabled() &&
                             !notification->ClipBox(2)->isEnabled() &&
                             !notification->SmsBox(2)->isChecked() && !notification->ClipBox(2)->isChecked();
                for (int u : {1, 3, 4})
                    othersOn = othersOn && notification->SmsBox(u)->isEnabled() &&
                               notification->SmsBox(u)->isChecked() && notification->ClipBox(u)->isChecked();
                clipShown = !notification->Label6->isHidden() && !notification->ClipBox(4)->isHidden();
                notification->ClipBox(3)->setChecked(false);
            },
            QDialog::Accepted);
        press(button);
        QCOMPARE(lastIndex, index);
        QCOMPARE(shown.title, title);
        QCOMPARE(labels, QStringList({"Jan Kowalski", "Użytkownik 2", "Użytkownik 3", "Ewa"}));
        QVERIFY(userTwoOff);
        QVERIFY(othersOn);
        QVERIFY(clipShown);
        verifyOnlyByteChanged(before, index, 0xD3); // bits 2, 3 (no number) and 5 (unticked) cleared
    }

    void specialNotifications_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("clipShown");
        QTest::newRow("panic 2") << "BBConfigWorkSpecWe3Re2" << 94 << "Reakcja 2 Wejścia sabotażowego"
                                 << true;
        QTest::newRow("arming 1") << "BBConfigWorkSpecWe5Re1" << 97 << "Reakcja 1 Wejścia blokującego"
                                  << true;
        QTest::newRow("output 1 off") << "BBConfigWorkSpecWe1Re2" << 90 << "Reakcja 2 wyjścia 1" << false;
        QTest::newRow("output 2 on") << "BBConfigWorkSpecWe2Re1" << 91 << "Reakcja 1 wyjścia 2" << false;
    }

    void specialNotifications()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(bool, clipShown);
        for (int u : {1, 3, 4})
            main->Enruser[u - 1]->setText(QStringLiteral("+4860000000%1").arg(u));
        main->Eosoba[2]->setText("Serwis");
        settings.data()[index] = 0xFF;
        const TModuleSettings before = settings;
        bool clipVisible = !clipShown;
        QString label3;
        answer(
            [&](QDialog &) {
                clipVisible = !notification->Label6->isHidden() && !notification->ClipBox(1)->isHidden();
                label3 = notification->UserLabel(3)->text();
                notification->SmsBox(1)->setChecked(false);
            },
            QDialog::Accepted);
        press(button);
        QCOMPARE(lastIndex, index);
        QCOMPARE(shown.title, title);
        QCOMPARE(clipVisible, clipShown);
        QCOMPARE(label3, QString("Serwis"));
        // Hidden CLIP bits go back as loaded, except those of user 2, who has no number.
        verifyOnlyByteChanged(before, index, 0xF2);
    }

    void cancelReloadsFromTheRecord()
    {
        for (int u = 1; u <= 4; ++u)
            main->Enruser[u - 1]->setText("+48500000000");
        settings.data()[61] = 0x05;
        answer([this](QDialog &) { notification->ClipBox(4)->setChecked(true); }, QDialog::Rejected);
        press("BBConfigWorkWe3Re1");
        QCOMPARE(int(settings.data()[61]), 0x05);
        std::uint8_t seen = 0;
        answer([&](QDialog &) { seen = notification->NotificationByte(); }, QDialog::Rejected);
        press("BBConfigWorkWe3Re1");
        QCOMPARE(int(seen), 0x05);
    }

    void malformedNamesOpenNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("family");
        QTest::newRow("input 9") << "BB_ConfigNumerWe9Re1" << int(Family::InputReaction);
        QTest::newRow("input 0") << "BB_ConfigNumerWe0Re1" << int(Family::InputReaction);
        QTest::newRow("reaction 3") << "BB_ConfigNumerWe1Re3" << int(Family::InputReaction);
        QTest::newRow("letter") << "BB_ConfigNumerWeXRe1" << int(Family::InputReaction);
        QTest::newRow("too short") << "BB_Config" << int(Family::InputReaction);
        QTest::newRow("empty") << "" << int(Family::SpecialReaction);
        QTest::newRow("special 7") << "BB_ConfigNumerSpecWe7Re1" << int(Family::SpecialReaction);
        QTest::newRow("notification 9") << "BBConfigWorkWe9Re2" << int(Family::InputNotification);
        QTest::newRow("special notification 7")
            << "BBConfigWorkSpecWe7Re2" << int(Family::SpecialNotification);
    }

    void malformedNamesOpenNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, family);
        const TModuleSettings before = settings;
        answer(nullptr, QDialog::Accepted);
        int index = 0;
        switch (Family(family)) {
        case Family::InputReaction:
            index = ReactionButtons::BB_ConfigNumerWe1Re1Click(name, "ScrollBox1", settings, *reaction);
            break;
        case Family::SpecialReaction:
            index = ReactionButtons::BB_ConfigNumerSpecWe1Re1Click(name, "TabSheet4", settings, *reaction);
            break;
        case Family::InputNotification:
            index = ReactionButtons::BBConfigWorkWe1Re1Click(name, "ScrollBox1", settings, *notification,
                                                             main.get());
            break;
        case Family::SpecialNotification:
            index = ReactionButtons::BBConfigWorkSpecWe1Re1Click(name, "GroupBox11", settings, *notification,
                                                                 main.get());
            break;
        }
        QCOMPARE(index, -1);
        QCOMPARE(shown.calls, 0);
        QVERIFY(std::memcmp(before.data(), settings.data(), ModuleSettingsSize) == 0);
    }

    // The real modal loop: Enter presses OK, Esc and "Anuluj" cancel.
    void realDialogsClose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("expected");
        QTest::newRow("reaction, Enter is OK") << "BB_ConfigNumerWe1Re1" << 41 << "Enter" << 0x80;
        QTest::newRow("reaction, Esc cancels") << "BB_ConfigNumerWe1Re1" << 41 << "Esc" << 0x00;
        QTest::newRow("reaction, OK") << "BB_ConfigNumerSpecWe3Re1" << 77 << "BitBtn1" << 0x80;
        QTest::newRow("reaction, Anuluj") << "BB_ConfigNumerSpecWe3Re1" << 77 << "BitBtn2" << 0x00;
        QTest::newRow("notification, Enter is OK") << "BBConfigWorkWe2Re2" << 60 << "Enter" << 0x01;
        QTest::newRow("notification, Esc cancels") << "BBConfigWorkWe2Re2" << 60 << "Esc" << 0x03;
        QTest::newRow("notification, Anuluj") << "BBConfigWorkSpecWe5Re2" << 98 << "BitBtn2" << 0x03;
    }

    void realDialogsClose()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, close);
        QFETCH(int, expected);
        SetModalRunner(nullptr);
        main->Enruser[0]->setText("+48601000310"); // user 1 keeps both boxes
        settings.data()[index] = button.startsWith("BB_") ? 0x00 : 0x03;
        QTimer poll;
        bool sent = false;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (sent || !dialog)
                return;
            sent = true;
            // The notification change: user 1's CLIP unticked, so OK is visible in the byte.
            if (dialog == notification)
                notification->ClipBox(1)->setChecked(false);
            if (close == "Enter")
                QTest::keyClick(dialog, Qt::Key_Return);
            else if (close == "Esc")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(dialog->findChild<QPushButton *>(close), Qt::LeftButton);
        });
        poll.start(5);
        press(button);
        QVERIFY(sent);
        QCOMPARE(lastIndex, index);
        QVERIFY(!reaction->isVisible() && !notification->isVisible());
        QCOMPARE(int(settings.data()[index]), expected);
    }
};


QTEST_MAIN(ReactionDialogsTest)
#include "test_reaction_dialogs.moc"
