// The settings file: one zlib stream holding the 1228-byte record followed by
// the 1128 bytes of user notes.
#pragma once

#include "Udecl.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

constexpr std::size_t SettingsFileContentSize = ModuleSettingsSize + UserNotesSize;  // 2356

// A file command that failed; the message is ready to show to the user.
class SettingsFileError : public std::runtime_error {
public:
    explicit SettingsFileError(const QString &message)
        : std::runtime_error(message.toStdString()), Message(message)
    {
    }
    QString Message;
};

// Bytes <-> record and notes, no files involved. Decompress returns an empty
// string on success, otherwise the reason (without the file name), and fills
// its outputs only on success. inputIsWhole is false when the caller read
// only the start of a larger file: the stream's end is then not checked.
QByteArray CompressSettings(const TModuleSettings &settings, const TUserNotes &notes);
QString DecompressSettings(const QByteArray &compressed, TModuleSettings &settings, TUserNotes &notes,
                           bool inputIsWhole = true);

// Files. Both leave their outputs untouched when they fail, and throw
// SettingsFileError with a message that names the file.
void WriteSettingsFile(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes);
void ReadSettingsFile(const QString &fileName, TModuleSettings &settings, TUserNotes &notes);

// Replaces the file with these bytes all at once, or leaves it as it was
// and throws SettingsFileError. A target that exists and is not a regular
// file (device, FIFO, folder) or is read-only is refused, also for root; a
// replaced file keeps its permission bits.
void WriteWholeFile(const QString &fileName, const QByteArray &bytes);

// Why WriteWholeFile would refuse the file before writing anything (the
// message names the file), or an empty string: it can be written.
QString WritableTargetProblem(const QString &fileName);

// The program's forms: the notes come from and go to the global UserNotes.
bool SaveSettingsFile(TModuleSettings settings, const QString &fileName);
void LoadSettingsFile(const QString &fileName, TModuleSettings &settings);
