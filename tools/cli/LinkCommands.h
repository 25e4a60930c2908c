// pelmor-cli's module commands: program and read, run over the same link as
// the window's buttons. Both take the arguments after the command word and
// return the exit code: 0 success, 1 refusal, time-out or error, 2 bad usage.
#pragma once

#include <QStringList>

int RunProgramCommand(const QStringList &args);
int RunReadCommand(const QStringList &args);
