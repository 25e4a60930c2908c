// The window as the program opens it.
#include "GuiFixture.h"

#include "LinkTimer.h"
#include "UFtest.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <set>

TEST_F(GuiTest, FrameCaptionSizeAndPages)
{
    EXPECT_EQ(window->objectName(), "GlownaF");
    EXPECT_EQ(window->windowTitle(), "Tervala Loader v 1.1");
    window->show();
    EXPECT_EQ(window->width(), 743);
    // Client area 743 x 640 below the menu: strip 49, pages 440, messages 132, status bar 19.
    QTRY_COMPARE(window->centralWidget()->height() + window->statusBar()->height(), 640);
    EXPECT_EQ(window->PageControl1->geometry(), QRect(0, 0, 743, 49));
    EXPECT_EQ(window->PageControl2->geometry(), QRect(0, 49, 743, 440));
    EXPECT_EQ(window->GroupBox1->geometry(), QRect(0, 489, 743, 132));
    EXPECT_EQ(window->statusBar()->height(), 19);
    window->resize(800, window->height() + 50);
    QTRY_COMPARE(window->GroupBox1->height(), 182);
    EXPECT_EQ(window->PageControl2->geometry(), QRect(0, 49, 800, 440));

    const QStringList captions = {"Podstawowe", "numery telefonów", "Wejścia", "Wejścia specjalne",
                                  "Wyjścia"};
    ASSERT_EQ(window->PageControl2->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->PageControl2->tabText(i), captions[i]);
        EXPECT_EQ(window->PageControl2->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(window->PageControl2->currentIndex(), 0);
    EXPECT_EQ(window->PageControl1->count(), 0);
    EXPECT_EQ(window->GroupBox1->title(), "Informacje");
    EXPECT_EQ(window->ListBox1->parent(), window->GroupBox1);
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->StatusBar1->currentMessage(), "");
    EXPECT_EQ(window->Bprogramuj->text(), "programuj");
    EXPECT_EQ(window->BBload->text(), "Odczyt ustawień.");
    EXPECT_TRUE(window->CBcom->isEditable());
    EXPECT_EQ(window->Timer1->Interval(), 6000);
    EXPECT_EQ(window->Timer1->objectName(), "Timer1");
    EXPECT_FALSE(window->Timer1->Enabled());
    EXPECT_EQ(window->OpenDialog1->Filter, "pliki ulmar|*.ulmar|Wszystkie|*.*");
    EXPECT_EQ(window->SaveDialog1->Filter, "pliki ulmar|*.ulmar|Wszystkie|*.*");
    EXPECT_EQ(window->OpenDialog1->DefaultExt, "ulmar");
    EXPECT_EQ(window->SaveDialog1->DefaultExt, "ulmar");
    EXPECT_EQ(window->OpenDialog1->nameFilters(), QStringList({"pliki ulmar (*.ulmar)", "Wszystkie (*)"}));
}

TEST_F(GuiTest, MenuAsTabled)
{
    struct TItem {
        const char *name, *caption, *menu;
    };
    const TItem items[] = {
        {"Odczytaj3", "Odczytaj ...", "Plik1"},
        {"Zapiszjako2", "Zapisz jako ...", "Plik1"},
        {"Wyjscie1", "Wyjscie", "Plik1"},
        {"Info", "O programie", "Pomoc1"},
        {"Kotaktzdziaemtechnicznym1", "Kontakt z działem technicznym", "Rozwiazywanieproblemw1"},
    };
    for (const TItem &item : items) {
        SCOPED_TRACE(item.name);
        QAction *action = window->Control<QAction>(QString::fromLatin1(item.name));
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_TRUE(action->shortcut().isEmpty());
        QMenu *menu = window->Control<QMenu>(QString::fromLatin1(item.menu));
        EXPECT_TRUE(menu->actions().contains(action));
    }
    const QList<QAction *> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "Plik");
    EXPECT_EQ(top[1]->text(), "Moduł");
    EXPECT_EQ(top[2]->text(), "Pomoc");
    const QList<QAction *> file = window->Control<QMenu>("Plik1")->actions();
    // The three items and their separator, then "Ostatnio otwierane" after them.
    ASSERT_EQ(file.size(), 6);
    EXPECT_TRUE(file[2]->isSeparator());
    EXPECT_EQ(file[3]->objectName(), "Wyjscie1");
    EXPECT_TRUE(file[4]->isSeparator());
    EXPECT_EQ(file[5]->text(), "Ostatnio otwierane");
    EXPECT_EQ(file[5]->menu(), window->RecentMenu);
    const QList<QAction *> help = window->Control<QMenu>("Pomoc1")->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[1]->text(), "Rozwiązywanie problemów");
    for (QAction *action : window->findChildren<QAction *>())
        EXPECT_FALSE(action->text().contains('&')) << action->text().toStdString();
}

TEST_F(GuiTest, DefaultsShownAfterStartUp)
{
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(spin(QStringLiteral("SEtimerPod%1").arg(n))->value(), 1);
        EXPECT_EQ(spin(QStringLiteral("SEtimerTorBuf%1").arg(n))->value(), 1);
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(edit(QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r))->text(), "");
    }
    // Zero bytes in the default record show as each box's minimum.
    EXPECT_EQ(spin("SEcallingTimer")->text(), "1");
    EXPECT_EQ(spin("SEInNONCSTAT18")->text(), "10");
    EXPECT_EQ(spin("SEInONstat916")->text(), "1");
    EXPECT_EQ(spin("SEtestokr")->text(), "1");
    EXPECT_EQ(spin("SEWy_offTimer1")->text(), "1");
    EXPECT_EQ(combo("CBcentrum")->currentIndex(), 3);
    EXPECT_EQ(combo("CBcentrum")->currentText(), "inne");
    EXPECT_EQ(edit("Ecsms")->text(), "");
    EXPECT_EQ(edit("EPin")->text(), "");
    for (int u = 1; u <= 4; ++u) {
        EXPECT_EQ(edit(QStringLiteral("Enruser%1").arg(u))->text(), "");
        EXPECT_EQ(memo(QStringLiteral("Muser%1").arg(u))->storedText(), "");
    }
    // Start-up leaves the reaction bytes at their defaults and the notes empty.
    EXPECT_EQ(ModuleSettings.InputReaction(1, 1), 0x80);
    EXPECT_EQ(NotesBytes(UserNotes), QByteArray(int(UserNotesSize), '\0'));
}

TEST_F(GuiTest, EveryCheckBoxClearAndExactlyTheOptionControlsDisabled)
{
    for (QCheckBox *checkBox : window->findChildren<QCheckBox *>())
        EXPECT_FALSE(checkBox->isChecked()) << checkBox->objectName().toStdString();

    const std::set<QString> expected = {"EPINMOD",        "Label28", "SEtestokr",      "Label43", "Label45",
                                        "EZalWy1",        "EwylWy1", "Label44",        "Label46", "EZalWy2",
                                        "EwylWy2",        "Label24", "SEWy_offTimer1", "Label47", "Label25",
                                        "SEWy_offTimer2", "Label48"};
    std::set<QString> disabled;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") &&
            !qobject_cast<QTabBar *>(widget->parent()) && !widget->isEnabled())
            disabled.insert(widget->objectName());
    EXPECT_EQ(disabled, expected);
}

TEST_F(GuiTest, PortListFilledSortedAndFirstSelected)
{
    struct TCase {
        std::vector<QByteArray> data;
        QStringList expected;
    };
    const TCase cases[] = {
        {{"COM1", "COM2", "COM10"}, {"COM1", "COM10", "COM2"}},
        {{"com3", "COM2"}, {"COM2", "com3"}},
        {{}, {}},
    };
    for (const TCase &c : cases) {
        ports.Values.clear();
        for (const QByteArray &d : c.data)
            ports.Values.push_back({"\\Device\\Serial", d + '\0'});
        createWindow();
        QStringList items;
        for (int i = 0; i < window->CBcom->count(); ++i)
            items << window->CBcom->itemText(i);
        EXPECT_EQ(items, c.expected);
        EXPECT_EQ(window->CBcom->currentIndex(), c.expected.isEmpty() ? -1 : 0);
        EXPECT_EQ(window->CBcom->currentText(), c.expected.value(0));
    }
}

TEST_F(GuiTest, ExitClosesTheWindowWithoutAQuestion)
{
    window->show();
    ASSERT_TRUE(window->isVisible());
    window->Control<QAction>("Wyjscie1")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST(TestWindow, EmptyWindowWithOneIdleButton)
{
    TFtest window;
    EXPECT_EQ(window.objectName(), "Ftest");
    EXPECT_EQ(window.windowTitle(), "Ftest");
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->objectName(), "Button1");
    EXPECT_EQ(buttons[0]->text(), "Button1");
    EXPECT_FALSE(window.isVisible());
}
