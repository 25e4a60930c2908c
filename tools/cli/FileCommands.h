// pelmor-cli commands that work on files only: new, dump, image, decode.
#pragma once

#include "CliParser.h"

int RunNewCommand(const CommandLine &line);
int RunDumpCommand(const CommandLine &line);
int RunImageCommand(const CommandLine &line);
int RunDecodeCommand(const CommandLine &line);
