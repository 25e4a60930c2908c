// The window at home on the desktop: the program's arguments, files opened by
// name, dropped or from the recent list, what is remembered between runs, the
// port box read again on opening, and Qt's own Polish texts.
#include "GuiFixture.h"

#include "Desktop.h"
#include "PelmorStart.h"
#include "Uplik.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QUrl>

namespace
{
// A record and notes that show in the window: user 1's name.
void writeNamedFile(const QString &name, const char *person)
{
    TModuleSettings settings{};
    SetDefaultSettings(settings);
    TUserNotes notes{};
    notes[1].Name.setText(QString::fromUtf8(person));
    WriteSettingsFile(name, settings, notes);
}
} // namespace

class DesktopTest : public GuiTest
{
  protected:
    void SetUp() override
    {
        // Every test starts from an empty settings store (a temporary folder
        // for the whole test program, see main.cpp).
        QSettings().clear();
        GuiTest::SetUp();
    }
    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Delivers a drag of these URLs and its drop to the widget; returns
    // whether the drag was accepted.
    bool dropOn(QWidget *target, const QList<QUrl> &urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
};

TEST(StartArguments, Table)
{
    struct Case {
        QStringList args;
        QString file, errorPart;
    };
    const Case cases[] = {
        {{}, {}, {}},
        {{"a.ulmar"}, "a.ulmar", {}},
        {{"--", "-dash.ulmar"}, "-dash.ulmar", {}},
        {{"-"}, "-", {}},
        {{"--bogus"}, {}, "nieznana opcja: --bogus"},
        {{"a.ulmar", "b.ulmar"}, {}, "tylko jeden plik"},
    };
    for (const Case &c : cases) {
        const TStartOptions options = ParseStartArguments(c.args);
        EXPECT_EQ(options.File, c.file) << c.args.join(' ').toStdString();
        EXPECT_EQ(options.Error.isEmpty(), c.errorPart.isEmpty()) << options.Error.toStdString();
        EXPECT_TRUE(options.Error.contains(c.errorPart)) << options.Error.toStdString();
    }
}

TEST_F(DesktopTest, FileByNameOpensAsOdczytajDoes)
{
    writeNamedFile(file("named.ulmar"), "Kowalski");
    ASSERT_TRUE(window->OpenFileByName(file("named.ulmar")));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(edit("Eosoba1")->text(), "Kowalski");
    EXPECT_EQ(window->OpenDialog1->FileName, file("named.ulmar"));
    EXPECT_EQ(window->RecentFiles(), QStringList{file("named.ulmar")});

    // A damaged file: the same box as "Odczytaj ..." shows, nothing changes.
    QFile damaged(file("damaged.ulmar"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, 'x'));
    damaged.close();
    EXPECT_FALSE(window->OpenFileByName(file("damaged.ulmar")));
    ASSERT_EQ(messages.size(), 1u);
    const ShownMessage byName = messages[0];
    messages.clear();
    dialogAnswers = {file("damaged.ulmar")};
    window->Button2Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(byName.text, messages[0].text);
    EXPECT_EQ(byName.icon, messages[0].icon);
    EXPECT_EQ(byName.title, messages[0].title);
    EXPECT_EQ(edit("Eosoba1")->text(), "Kowalski");
    EXPECT_EQ(window->RecentFiles(), QStringList{file("named.ulmar")});
}

TEST_F(DesktopTest, DroppedSettingsFileOpensWhereverItFalls)
{
    writeNamedFile(file("dropped.ulmar"), "Nowak");
    writeNamedFile(file("other.ULMAR"), "Wiśniewski");
    window->show();
    // Not a settings file: the window does not take it.
    EXPECT_FALSE(dropOn(window.get(), {QUrl::fromLocalFile(file("notes.txt"))}));

    ASSERT_TRUE(dropOn(window.get(), {QUrl::fromLocalFile(file("dropped.ulmar"))}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit("Eosoba1")->text() == "Nowak"; }));
    EXPECT_EQ(window->RecentFiles().value(0), file("dropped.ulmar"));

    // On an edit box: opened too, and its address is not pasted as text.
    ASSERT_TRUE(dropOn(edit("Eosoba2"), {QUrl::fromLocalFile(file("other.ULMAR"))}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit("Eosoba1")->text() == "Wiśniewski"; }));
    EXPECT_EQ(edit("Eosoba2")->text(), QString());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DesktopTest, RecentFilesKeepTheFiveLatestAndSurviveARestart)
{
    for (int i = 1; i <= 7; ++i) {
        const QString name = dir.filePath(QStringLiteral("f%1.ulmar").arg(i));
        writeNamedFile(name, "x");
        ASSERT_TRUE(window->OpenFileByName(name));
    }
    ASSERT_TRUE(window->OpenFileByName(file("f5.ulmar"))); // again: moves to the top, once
    const QStringList expected = {file("f5.ulmar"), file("f7.ulmar"), file("f6.ulmar"), file("f4.ulmar"),
                                  file("f3.ulmar")};
    EXPECT_EQ(window->RecentFiles(), expected);
    // Saving counts as using a file too.
    dialogAnswers = {file("saved.ulmar")};
    window->Button1Click();
    EXPECT_EQ(window->RecentFiles().value(0), file("saved.ulmar"));

    QStringList captions;
    for (QAction *action : window->RecentMenu->actions())
        captions << action->text();
    ASSERT_EQ(captions.size(), 5);
    EXPECT_EQ(captions[0], "&1 " + QDir::toNativeSeparators(file("saved.ulmar")));

    // A new run finds them again, and the file dialogs start in the folder.
    const QStringList before = window->RecentFiles();
    createWindow();
    EXPECT_TRUE(window->RecentFiles().isEmpty()) << "only restored when asked";
    window->RestoreDesktopState();
    EXPECT_EQ(window->RecentFiles(), before);
    EXPECT_EQ(window->OpenDialog1->Directory, dir.path());
    EXPECT_EQ(window->SaveDialog1->Directory, dir.path());
    EXPECT_EQ(window->RecentMenu->actions().size(), 5);
}

TEST_F(DesktopTest, AMissingRecentFileIsDroppedFromTheListWithAMessage)
{
    writeNamedFile(file("gone.ulmar"), "x");
    writeNamedFile(file("kept.ulmar"), "Kept");
    ASSERT_TRUE(window->OpenFileByName(file("gone.ulmar")));
    ASSERT_TRUE(window->OpenFileByName(file("kept.ulmar")));
    ASSERT_TRUE(QFile::remove(file("gone.ulmar")));
    edit("Eosoba1")->setText("edited");

    window->RecentMenu->actions().at(1)->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(file("gone.ulmar")))) << messages[0].text.toStdString();
    EXPECT_EQ(window->RecentFiles(), QStringList{file("kept.ulmar")});
    EXPECT_EQ(QSettings().value("Pliki/Ostatnie").toStringList(), QStringList{file("kept.ulmar")});
    EXPECT_EQ(edit("Eosoba1")->text(), "edited");

    window->RecentMenu->actions().at(0)->trigger();
    EXPECT_EQ(edit("Eosoba1")->text(), "Kept");
}

TEST_F(DesktopTest, WindowPlaceIsRemembered)
{
    window->show();
    window->setGeometry(40, 50, 800, 700);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->geometry().size() == QSize(800, 700); }));
    window->SaveDesktopState();
    const QRect placed = window->geometry();
    createWindow();
    window->RestoreDesktopState();
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->geometry() == placed; })) << window->geometry().x();
}

TEST_F(DesktopTest, StartPortRememberedThenUsbAdapterThenFirst)
{
    struct Case {
        std::vector<QByteArray> ports;
        QString remembered, expected;
    };
    const Case cases[] = {
        {{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}, "/dev/ttyS1", "/dev/ttyS1"},
        {{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}, "/dev/ttyUSB7", "/dev/ttyUSB0"},
        {{"/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB0"}, {}, "/dev/ttyACM0"},
        {{"/dev/ttyS1", "/dev/ttyS0"}, {}, "/dev/ttyS0"},
        {{}, "/dev/ttyUSB0", ""},
    };
    for (const Case &c : cases) {
        ports.Values.clear();
        for (const QByteArray &p : c.ports)
            ports.Values.push_back({"x", p});
        QSettings().setValue("Okno/Port", c.remembered);
        createWindow();
        // The start-up sequence itself still shows item 0.
        if (!c.ports.empty()) {
            EXPECT_EQ(combo("CBcom")->currentIndex(), 0);
        }
        window->RestoreDesktopState();
        EXPECT_EQ(combo("CBcom")->currentText(), c.expected) << c.remembered.toStdString();
    }
}

TEST_F(DesktopTest, PortOfAStartedRunIsRemembered)
{
    ports.Values = {{"x", "/dev/ttyS0"}, {"y", dir.filePath("no-such-port").toLocal8Bit()}};
    createWindow();
    combo("CBcom")->setCurrentIndex(1);
    // The port cannot open: no run started, nothing remembered.
    window->Bprogramuj->click();
    EXPECT_FALSE(QSettings().contains("Okno/Port"));
}

TEST_F(DesktopTest, PortListIsReadAgainOnOpeningKeepingTheText)
{
    ports.Values = {{"a", "/dev/ttyS0"}};
    createWindow();
    window->show();
    QComboBox *box = combo("CBcom");
    ASSERT_EQ(box->count(), 1);
    EXPECT_EQ(box->itemData(0, Qt::ToolTipRole).toString(), "Brak informacji o urządzeniu");
    box->setEditText("/dev/moj-port");

    // An adapter plugged in after start.
    ports.Values.push_back({"b", "/dev/ttyUSB0", "Opis: FT232R USB UART\nVID:PID: 0403:6001"});
    box->showPopup();
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), "/dev/ttyUSB0");
    EXPECT_EQ(box->itemData(1, Qt::ToolTipRole).toString(), "Opis: FT232R USB UART\nVID:PID: 0403:6001");
    EXPECT_EQ(box->currentText(), "/dev/moj-port");
    box->hidePopup();

    // A text that names a listed port keeps that item chosen.
    box->setCurrentIndex(1);
    ports.Values.insert(ports.Values.begin(), {"c", "/dev/ttyACM0"});
    box->showPopup();
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), "/dev/ttyUSB0");
    EXPECT_EQ(box->currentIndex(), 2);
    box->hidePopup();
}

TEST(Translations, QtsOwnTextsArePolish)
{
    EXPECT_TRUE(InstallTranslations(*qApp));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Anuluj");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), "&Tak");
    EXPECT_FALSE(ProgramIcon().availableSizes().isEmpty());
}
