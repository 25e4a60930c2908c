// "Zapisz jako ..." and "Odczytaj ..." with their dialogs answered by the test.
#include "GuiFixture.h"

#include "Uplik.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>

#include <cstring>

TEST_F(GuiTest, CancelledDialogsChangeNothing)
{
    edit("Enruser1")->setText("+48111");
    dialogAnswers = {QString()};
    window->Control<QAction>("Zapiszjako2")->trigger();
    EXPECT_EQ(ModuleSettings.UserNumber(1).size(), 0); // nothing collected
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    dialogAnswers = {QString()};
    window->Control<QAction>("Odczytaj3")->trigger();
    EXPECT_EQ(edit("Enruser1")->text(), "+48111");
    EXPECT_EQ(proposedNames.size(), 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GuiTest, SaveProposesTheLastOpenedName)
{
    TModuleSettings settings = ModuleSettings;
    TUserNotes notes = UserNotes;
    SetDefaultSettings(settings);
    const QString opened = dir.filePath("opened.ulmar");
    WriteSettingsFile(opened, settings, notes);

    dialogAnswers = {opened, dir.filePath("other.ulmar"), dir.filePath("third.ulmar")};
    window->Button2Click();
    window->Button1Click();
    window->Button1Click();
    ASSERT_EQ(proposedNames.size(), 3u);
    EXPECT_EQ(proposedNames[1], opened);
    EXPECT_EQ(proposedNames[2], opened);
    EXPECT_TRUE(QFile::exists(dir.filePath("other.ulmar")));
    EXPECT_TRUE(QFile::exists(dir.filePath("third.ulmar")));
}

TEST_F(GuiTest, NameWithoutExtensionGetsUlmar)
{
    dialogAnswers = {dir.filePath("plain")};
    window->Button1Click();
    EXPECT_TRUE(QFile::exists(dir.filePath("plain.ulmar")));
    EXPECT_EQ(window->SaveDialog1->FileName, dir.filePath("plain.ulmar"));

    edit("Enruser3")->setText("+48999");
    dialogAnswers = {dir.filePath("plain")};
    window->Button2Click();
    EXPECT_EQ(window->OpenDialog1->FileName, dir.filePath("plain.ulmar"));
    EXPECT_EQ(edit("Enruser3")->text(), "");
}

// The dialog itself asks before a file is replaced; a name it hands over is replaced.
TEST_F(GuiTest, SaveReplacesAnExistingFileOnceItsNameIsConfirmed)
{
    const QString name = dir.filePath("exists.ulmar");
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content");
    }
    edit("Eosoba4")->setText("Nowak");
    dialogAnswers = {name};
    window->Button1Click();
    EXPECT_TRUE(messages.empty());
    TModuleSettings settings;
    TUserNotes notes;
    ReadSettingsFile(name, settings, notes);
    EXPECT_EQ(notes[4].Name.text(), "Nowak");
}

TEST_F(GuiTest, FailedOpenShowsAnErrorAndKeepsEverything)
{
    const QString damaged = dir.filePath("damaged.ulmar");
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x78\x9c") + " garbage that is no deflate data");
    }
    const QString missing = dir.filePath("missing.ulmar");
    UserNotes[1].Name.setText("Kowalski");
    window->UserNotesToForm();
    edit("Enruser2")->setText("+48222");
    const QByteArray recordBefore = RecordBytes(ModuleSettings);
    const QByteArray notesBefore = NotesBytes(UserNotes);

    for (const QString &name : {damaged, missing}) {
        SCOPED_TRACE(name.toStdString());
        messages.clear();
        dialogAnswers = {name};
        window->Button2Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].title, "Pelmor");
        EXPECT_TRUE(messages[0].text.contains(QFileInfo(name).fileName())) << messages[0].text.toStdString();
        EXPECT_EQ(RecordBytes(ModuleSettings), recordBefore);
        EXPECT_EQ(NotesBytes(UserNotes), notesBefore);
        EXPECT_EQ(edit("Enruser2")->text(), "+48222");
        EXPECT_EQ(edit("Eosoba1")->text(), "Kowalski");
    }
}

TEST_F(GuiTest, FailedSaveShowsAnError)
{
    dialogAnswers = {dir.filePath("no/such/folder/x.ulmar")};
    window->Button1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot create file")) << messages[0].text.toStdString();
}

TEST_F(GuiTest, OpenRunsTheOptionHandlers)
{
    TModuleSettings settings = ModuleSettings;
    TUserNotes notes = UserNotes;
    SetDefaultSettings(settings);
    settings.OptionFlags = 0x1F;
    settings.OutputOnCode(2)[0] = 'A';
    settings.OutputOnCode(2)[1] = 'B';
    openRecord(settings, notes);
    for (const char *name : {"EZalWy1", "EZalWy2", "SEWy_offTimer1", "SEWy_offTimer2", "SEtestokr"})
        EXPECT_TRUE(window->Control<QWidget>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(edit("EPINMOD")->isEnabled());
    EXPECT_EQ(edit("EZalWy2")->text(), "AB");
}

TEST_F(GuiTest, FileDialogsSetUpAsTheProgramShowsThem)
{
    struct TCase {
        TFileDialog *dialog;
        QFileDialog::AcceptMode mode;
        bool confirmsOverwrite;
    };
    window->SaveDialog1->FileName = dir.filePath("proposed.ulmar");
    const TCase cases[] = {
        {window->OpenDialog1, QFileDialog::AcceptOpen, false},
        {window->SaveDialog1, QFileDialog::AcceptSave, true},
    };
    for (const TCase &c : cases) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        c.dialog->configure(dialog);
        EXPECT_EQ(dialog.acceptMode(), c.mode);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(!dialog.testOption(QFileDialog::DontConfirmOverwrite), c.confirmsOverwrite);
        EXPECT_EQ(dialog.defaultSuffix(), "ulmar");
        EXPECT_EQ(dialog.nameFilters(), QStringList({"pliki ulmar (*.ulmar)", "Wszystkie (*)"}));
        EXPECT_EQ(dialog.selectedNameFilter(), "pliki ulmar (*.ulmar)");
    }
}
