// What every pelmor-cli command shares: messages, and reading and writing
// settings files with their errors reported.
#pragma once

#include "CliParser.h"
#include "Udecl.h"

#include <QString>

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Prints "pelmor-cli: message" to stderr; returns ExitFailed.
int Failure(const QString &message);
void PrintError(const QString &message);
// Text for stdout, as UTF-8.
void PrintOut(const QString &text);

// The record `new` writes: SetDefaultSettings on a zeroed record, empty notes.
void NewSettings(TModuleSettings &settings, TUserNotes &notes);

// A file argument "-" is stdin when read and stdout when written.
bool IsStandardStream(const QString &fileName);
// Up to `limit` bytes of a file or of stdin; false after printing why.
// `whole` tells whether the end was reached within the limit.
bool ReadInput(const QString &fileName, qint64 limit, QByteArray &bytes, bool &whole);
// Replaces the file (see WriteWholeFile) or writes to stdout; false after printing why.
bool WriteOutput(const QString &fileName, const QByteArray &bytes);
// Whether the file can be written, checked before any work that would be
// lost if it could not; false after printing why.
bool CheckOutput(const QString &fileName);

// Settings files ("-" as above); false after printing why.
bool ReadSettings(const QString &fileName, TModuleSettings &settings, TUserNotes &notes);
bool WriteSettings(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes);
// The file named by --base, or the `new` record when there is none.
bool ReadBaseSettings(const CommandLine &line, TModuleSettings &settings, TUserNotes &notes);
