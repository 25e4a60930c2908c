// Backups of what a module held before it was programmed: a settings file
// like any other, kept in the user's data folder (or where the command line
// says).
#pragma once

#include "Udecl.h"

#include <QDateTime>
#include <QString>

// <AppDataLocation>/kopie
QString ModuleBackupFolder();

// A file of that folder named after the moment: RRRR-MM-DD_GG-MM-SS.ulmar,
// with _2, _3 ... added when a backup of the same second is already there.
QString NewModuleBackupName(const QDateTime &when = QDateTime::currentDateTime());

// The settings an image read from a module holds, as a file would keep them:
// decoded over the default record, with empty notes.
void ModuleBackupRecord(const TEepromImage &image, TModuleSettings &settings, TUserNotes &notes);

// Writes the backup of the image (creating its folder), all at once or not
// at all; throws SettingsFileError naming the file.
void SaveModuleBackup(const TEepromImage &image, const QString &fileName);
