// pelmor-cli: the settings file, the EEPROM codec and the module link from
// the command line, for installers' scripts. Exit 0 on success, 1 when the input is refused or
// the operation fails, 2 on wrong usage.
#include "CliCommon.h"
#include "FileCommands.h"
#include "LinkCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <map>

namespace {

using Command = int (*)(const QStringList &);

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("new"), RunNewCommand},
        {QStringLiteral("dump"), RunDumpCommand},
        {QStringLiteral("image"), RunImageCommand},
        {QStringLiteral("decode"), RunDecodeCommand},
        {QStringLiteral("program"), RunProgramCommand},
        {QStringLiteral("read"), RunReadCommand},
    };
    return table;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return UsageError(QStringLiteral("brak polecenia"));
    const QString name = args.takeFirst();
    const auto it = commands().find(name);
    if (it == commands().end())
        return UsageError(QStringLiteral("nieznane polecenie: %1").arg(name));
    return it->second(args);
}
