// pelmor-cli: the command-line companion of Pelmor.
#include "LinkCommands.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("program"))
        return RunProgramCommand(args);
    if (command == QLatin1String("read"))
        return RunReadCommand(args);
    QTextStream(stderr) << "użycie: pelmor-cli program|read ...\n";
    return 2;
}
