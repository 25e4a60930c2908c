// What every pelmor-cli command shares: usage errors, messages, the command
// line, and reading and writing settings files with their errors reported.
#pragma once

#include "Udecl.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Prints the message and the usage text to stderr; returns ExitUsage.
int UsageError(const QString &message);
// Prints "pelmor-cli: message" to stderr; returns ExitFailed.
int Failure(const QString &message);
void PrintError(const QString &message);

// A command's arguments: plain ones and "--name value" options.
struct CommandLine {
    QStringList positional;
    QMap<QString, QString> options;
    QString option(const QString &name) const { return options.value(name); }
    bool has(const QString &name) const { return options.contains(name); }
};

// Every option must be one of `allowed` and have a value, every one of
// `required` must be given, and there must be exactly `positionalCount`
// plain arguments. On misuse prints why with the usage text and returns
// nothing: the command then exits with ExitUsage.
std::optional<CommandLine> ParseCommandLine(const QStringList &args, const QStringList &allowed,
                                            const QStringList &required, int positionalCount);

// The record `new` writes: SetDefaultSettings on a zeroed record, empty notes.
void NewSettings(TModuleSettings &settings, TUserNotes &notes);

// Settings files; false after printing why.
bool ReadSettings(const QString &fileName, TModuleSettings &settings, TUserNotes &notes);
bool WriteSettings(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes);
// The file named by --base, or the `new` record when there is none.
bool ReadBaseSettings(const CommandLine &line, TModuleSettings &settings, TUserNotes &notes);
