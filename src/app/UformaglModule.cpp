// Menu "Moduł": the safety net around programming (checking the module after
// it, keeping its old settings before it) and the backups it keeps.
#include "Uformagl.h"

#include "ModuleBackup.h"
#include "TFileDialog.h"

#include <QAction>
#include <QDir>
#include <QSettings>

namespace
{
const QString VerifyKey = QStringLiteral("Modul/SprawdzajPoZaprogramowaniu");
const QString BackupKey = QStringLiteral("Modul/KopiaPrzedProgramowaniem");
} // namespace

void TGlownaF::LoadModuleOptions()
{
    const QSettings settings;
    Sprawdzaj1->setChecked(settings.value(VerifyKey, true).toBool());
    KopiaModulu1->setChecked(settings.value(BackupKey, true).toBool());
}

void TGlownaF::SaveModuleOptions()
{
    QSettings settings;
    settings.setValue(VerifyKey, Sprawdzaj1->isChecked());
    settings.setValue(BackupKey, KopiaModulu1->isChecked());
}

void TGlownaF::OtworzKopie1Click()
{
    if (!ConfirmDiscardEdits())
        return;
    // The dialog of "Odczytaj ...", shown in the backups folder; cancelled,
    // it keeps proposing the file it had.
    const QString before = OpenDialog1->FileName, folder = OpenDialog1->Directory;
    QDir().mkpath(ModuleBackupFolder());
    OpenDialog1->FileName.clear();
    OpenDialog1->Directory = ModuleBackupFolder();
    const bool chosen = OpenDialog1->Execute();
    OpenDialog1->Directory = folder;
    if (!chosen) {
        OpenDialog1->FileName = before;
        return;
    }
    OpenSettingsFile(OpenDialog1->FileName);
}
