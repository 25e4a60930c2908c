// pelmor-cli's commands, one table row each, and the program's entry point.
#pragma once

#include "CliParser.h"

const QList<CliCommand> &CliCommands();
const CliCommand *FindCliCommand(const QString &name);

// The whole program over its arguments (without the program's name);
// returns the exit code.
int RunCli(const QStringList &args);
// The text of `pelmor-cli --help`.
QString ProgramHelp();
