#include "GuiFixture.h"

#include "Uplik.h"

#include <QFile>

#include <cstring>

void GuiTest::SetUp()
{
    std::memset(&ModuleSettings, 0, sizeof ModuleSettings);
    std::memset(&UserNotes, 0, sizeof UserNotes);
    SetPortSourceOverride(&ports);
    SetMessageResponder([this](const ShownMessage &message) { messages.push_back(message); });
    SetQuestionResponder([this](const ShownMessage &question) {
        questions.push_back(question);
        if (answers.empty())
            return QMessageBox::No;
        const QMessageBox::StandardButton answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    });
    TFileDialog::SetResponder([this](TFileDialog &dialog) {
        proposedNames.push_back(dialog.FileName);
        if (dialogAnswers.empty())
            return false;
        const QString answer = dialogAnswers.front();
        dialogAnswers.erase(dialogAnswers.begin());
        dialog.FileName = answer;
        return !answer.isEmpty();
    });
    ASSERT_TRUE(dir.isValid());
    createWindow();
}

void GuiTest::TearDown()
{
    window.reset();
    TFileDialog::SetResponder(nullptr);
    SetQuestionResponder(nullptr);
    SetMessageResponder(nullptr);
    SetPortSourceOverride(nullptr);
}

void GuiTest::createWindow()
{
    window.reset();
    window = std::make_unique<TGlownaF>();
}

void GuiTest::openRecord(const TModuleSettings &settings, const TUserNotes &notes)
{
    const QString name = dir.filePath(QStringLiteral("in.ulmar"));
    WriteSettingsFile(name, settings, notes);
    dialogAnswers.push_back(name);
    window->Button2Click();
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
}

QByteArray GuiTest::saveAndReadBack()
{
    const QString name = dir.filePath(QStringLiteral("out.ulmar"));
    QFile::remove(name);
    dialogAnswers.push_back(name);
    window->Button1Click();
    EXPECT_TRUE(messages.empty());
    TModuleSettings settings;
    TUserNotes notes;
    ReadSettingsFile(name, settings, notes);
    return RecordBytes(settings) + NotesBytes(notes);
}

QByteArray RecordBytes(const TModuleSettings &settings)
{
    return QByteArray(reinterpret_cast<const char *>(settings.data()), int(ModuleSettingsSize));
}

QByteArray NotesBytes(const TUserNotes &notes)
{
    return QByteArray(reinterpret_cast<const char *>(notes.data()), int(UserNotesSize));
}
