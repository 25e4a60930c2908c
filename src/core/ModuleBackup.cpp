#include "ModuleBackup.h"

#include "Uplik.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ModuleBackupFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("kopie"));
}

QString NewModuleBackupName(const QDateTime &when)
{
    const QDir folder(ModuleBackupFolder());
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString name = folder.filePath(stem + QStringLiteral(".ulmar"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = folder.filePath(QStringLiteral("%1_%2.ulmar").arg(stem).arg(n));
    return name;
}

void ModuleBackupRecord(const TEepromImage &image, TModuleSettings &settings, TUserNotes &notes)
{
    settings = TModuleSettings{};
    SetDefaultSettings(settings);
    EepromToSettings(image, settings);
    notes = TUserNotes{};
}

void SaveModuleBackup(const TEepromImage &image, const QString &fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw SettingsFileError(
            QStringLiteral("Nie można utworzyć folderu kopii \"%1\".").arg(QDir::toNativeSeparators(folder)));
    TModuleSettings settings;
    TUserNotes notes;
    ModuleBackupRecord(image, settings, notes);
    WriteSettingsFile(fileName, settings, notes);
}
