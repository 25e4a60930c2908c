// Menu "Plik": "Zapisz jako ..." and "Odczytaj ...".
#include "Uformagl.h"

#include "MessageBoxes.h"
#include "TFileDialog.h"
#include "Udecl.h"
#include "Uplik.h"

#include <exception>

void TGlownaF::Button1Click()
{
    // The file last opened is proposed; the name saved under is not remembered.
    SaveDialog1->FileName = OpenDialog1->FileName;
    if (!SaveDialog1->Execute())
        return;
    FormToRecord();
    FormToUserNotes();
    try {
        SaveSettingsFile(ModuleSettings, SaveDialog1->FileName);
    } catch (const SettingsFileError &error) {
        ShowError(this, error.Message);
    } catch (const std::exception &error) {
        ShowError(this, QString::fromLocal8Bit(error.what()));
    }
}

void TGlownaF::Button2Click()
{
    if (!OpenDialog1->Execute())
        return;
    // Nothing changes unless the whole file was read.
    TModuleSettings loaded = ModuleSettings;
    try {
        LoadSettingsFile(OpenDialog1->FileName, loaded);
    } catch (const SettingsFileError &error) {
        ShowError(this, error.Message);
        return;
    } catch (const std::exception &error) {
        ShowError(this, QString::fromLocal8Bit(error.what()));
        return;
    }
    ModuleSettings = loaded;
    RecordToForm();
    UserNotesToForm();
    OutputOptionsClick();
    ChBFlags_4Click();
}
