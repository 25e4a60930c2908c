// pelmor-cli: the settings file, the EEPROM codec and the module link from
// the command line, for installers' scripts. Exit 0 on success, 1 when the
// input is refused or the operation fails, 2 on wrong usage.
#include "CliCommands.h"

#include <QCoreApplication>

#include <csignal>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file size limit a write then fails and is reported, instead of
    // the signal ending the program with the old file half replaced.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    return RunCli(app.arguments().mid(1));
}
