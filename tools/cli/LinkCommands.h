// pelmor-cli's module commands: program and read, run over the same link as
// the window's buttons. Both return the exit code: 0 success, 1 refusal,
// time-out or error.
#pragma once

#include "CliParser.h"

int RunProgramCommand(const CommandLine &line);
int RunReadCommand(const CommandLine &line);
