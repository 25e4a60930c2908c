// Menu "Plik": "Zapisz jako ..." and "Odczytaj ...".
#include "Uformagl.h"

#include "MessageBoxes.h"
#include "TFileDialog.h"
#include "Udecl.h"
#include "Uplik.h"

#include <exception>

void TGlownaF::Button1Click()
{
    SaveSettingsAs();
}

bool TGlownaF::SaveSettingsAs()
{
    // The file last opened is proposed; the name saved under is not remembered.
    SaveDialog1->FileName = OpenDialog1->FileName;
    if (!SaveDialog1->Execute())
        return false;
    FormToRecord();
    FormToUserNotes();
    try {
        SaveSettingsFile(ModuleSettings, SaveDialog1->FileName);
    } catch (const SettingsFileError &error) {
        ShowError(this, error.Message);
        return false;
    } catch (const std::exception &error) {
        ShowError(this, QString::fromLocal8Bit(error.what()));
        return false;
    }
    NoteFileUsed(SaveDialog1->FileName);
    SetModified(false);
    return true;
}

void TGlownaF::Button2Click()
{
    if (!ConfirmDiscardEdits())
        return;
    if (!OpenDialog1->Execute())
        return;
    OpenSettingsFile(OpenDialog1->FileName);
}

bool TGlownaF::OpenSettingsFile(const QString &fileName)
{
    // Nothing changes unless the whole file was read.
    TModuleSettings loaded = ModuleSettings;
    try {
        LoadSettingsFile(fileName, loaded);
    } catch (const SettingsFileError &error) {
        ShowError(this, error.Message);
        return false;
    } catch (const std::exception &error) {
        ShowError(this, QString::fromLocal8Bit(error.what()));
        return false;
    }
    ModuleSettings = loaded;
    ++Refilling;
    RecordToForm();
    UserNotesToForm();
    OutputOptionsClick();
    ChBFlags_4Click();
    --Refilling;
    NoteFileUsed(fileName);
    SetModified(false);
    return true;
}
