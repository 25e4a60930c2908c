// pelmor-cli commands that work on files only: new, dump, image, decode.
#pragma once

#include <QStringList>

int RunNewCommand(const QStringList &args);
int RunDumpCommand(const QStringList &args);
int RunImageCommand(const QStringList &args);
int RunDecodeCommand(const QStringList &args);
