// The program's command line: pelmor [--help] [--version] [FILE.ulmar].
#pragma once

#include <QString>
#include <QStringList>

struct TStartOptions {
    QString File;    // opened right after start-up
    QString Error;   // wrong usage: the reason
};

// `args` without the program's name, after Qt took its own options.
TStartOptions ParseStartArguments(const QStringList &args);

// --help and --version are answered before any window system is needed:
// returns the exit code once answered, -1 to go on starting.
int AnswerInfoOptions(int argc, char **argv);

QString PelmorHelp();
