// What every pelmor-cli command shares: usage errors, messages, option parsing.
#pragma once

#include "Udecl.h"

#include <QString>
#include <QStringList>

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Prints the message and the usage text to stderr; returns ExitUsage.
int UsageError(const QString &message);
// Prints "pelmor-cli: message" to stderr; returns ExitFailed.
int Failure(const QString &message);
void PrintError(const QString &message);

// Splits arguments into positional ones and "--name value" options; every
// option must be one of those allowed and have a value. False on misuse,
// with the reason in error.
bool ParseArguments(const QStringList &args, const QStringList &allowedOptions, QStringList &positional,
                    QMap<QString, QString> &options, QString &error);

// The record `new` writes: SetDefaultSettings on a zeroed record, empty notes.
void NewSettings(TModuleSettings &settings, TUserNotes &notes);
