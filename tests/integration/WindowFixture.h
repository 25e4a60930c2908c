// The real main window with the windows the entry routine creates after it,
// every message box, modal dialog, file dialog and desktop link answered by
// the test, and no serial ports on the machine (tests type the device path).
#pragma once

#include "About.h"
#include "DesktopLinks.h"
#include "MessageBoxes.h"
#include "ModalDialogs.h"
#include "PortTools.h"
#include "TFileDialog.h"
#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"
#include "Uformagl.h"
#include "Uplik.h"
#include "UserFolders.h"

#include <QComboBox>
#include <QStringList>
#include <QTemporaryDir>

#include <cstring>
#include <functional>
#include <memory>

class TNoPorts : public TPortSource
{
  public:
    bool Open() override { return false; }
    bool Value(int, QByteArray &, QByteArray &) override { return false; }
};

class WindowFixture
{
  public:
    WindowFixture() { IsolateUserFolders(); }

    // What the modal runner does with a dialog; by default it cancels.
    std::function<int(QDialog &)> answerDialog;
    QList<ShownMessage> messages;
    // Questions asked, and the answers to give in order; "Nie" when none is left.
    QList<ShownMessage> questions;
    QList<QMessageBox::StandardButton> answers;
    // The name each file dialog proposed when it was shown.
    QStringList proposedFiles;
    QStringList proposedFolders;
    QStringList openedUrls;
    QTemporaryDir dir;
    std::unique_ptr<TGlownaF> window;

    void start()
    {
        std::memset(&ModuleSettings, 0, sizeof ModuleSettings);
        std::memset(&UserNotes, 0, sizeof UserNotes);
        messages.clear();
        openedUrls.clear();
        questions.clear();
        answers.clear();
        answerDialog = nullptr;
        SetPortSourceOverride(&ports_);
        SetMessageResponder([this](const ShownMessage &m) { messages << m; });
        SetQuestionResponder([this](const ShownMessage &m) {
            questions << m;
            return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
        });
        SetModalRunner(
            [this](QDialog &d) { return answerDialog ? answerDialog(d) : int(QDialog::Rejected); });
        SetUrlOpener([this](const QString &link) {
            openedUrls << link;
            return true;
        });
        proposedFiles.clear();
        proposedFolders.clear();
        TFileDialog::SetResponder([this](TFileDialog &d) {
            proposedFiles << d.FileName;
            proposedFolders << d.Directory;
            if (fileAnswer_.isEmpty())
                return false;
            d.FileName = fileAnswer_;
            fileAnswer_.clear();
            return true;
        });
        // In the order of the entry routine.
        window = std::make_unique<TGlownaF>();
        FconfigNumberWeRe = new TFconfigNumberWeRe(window.get());
        FConfigWorkWeRe = new TFConfigWorkWeRe(window.get());
        AboutBox = new TAboutBox(window.get());
    }

    void stop()
    {
        window.reset();
        FconfigNumberWeRe = nullptr;
        FConfigWorkWeRe = nullptr;
        AboutBox = nullptr;
        TFileDialog::SetResponder(nullptr);
        SetUrlOpener(nullptr);
        SetModalRunner(nullptr);
        SetQuestionResponder(nullptr);
        SetMessageResponder(nullptr);
        SetPortSourceOverride(nullptr);
    }

    // The next file dialog is answered with this name.
    void answerFile(const QString &name) { fileAnswer_ = name; }

    // "Odczytaj ..." with a file holding these records.
    void openRecord(const TModuleSettings &settings, const TUserNotes &notes)
    {
        fileAnswer_ = dir.filePath(QStringLiteral("in.ulmar"));
        WriteSettingsFile(fileAnswer_, settings, notes);
        window->Button2Click();
    }

    template <class T> T *control(const char *name) const
    {
        return window->Control<T>(QString::fromLatin1(name));
    }

  private:
    TNoPorts ports_;
    QString fileAnswer_;
};
