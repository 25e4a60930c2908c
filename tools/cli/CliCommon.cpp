#include "CliCommon.h"

#include <QMap>

#include <cstdio>

namespace {
const char *usageText = "usage:\n"
                        "  pelmor-cli new -o OUT.ulmar\n"
                        "  pelmor-cli dump FILE.ulmar\n"
                        "  pelmor-cli image FILE.ulmar -o IMAGE.bin\n"
                        "  pelmor-cli decode IMAGE.bin [--base FILE.ulmar] -o OUT.ulmar\n"
                        "  pelmor-cli program --port DEVICE FILE.ulmar\n"
                        "  pelmor-cli read --port DEVICE [--base FILE.ulmar] -o OUT.ulmar\n";
}

void PrintError(const QString &message)
{
    std::fprintf(stderr, "pelmor-cli: %s\n", message.toLocal8Bit().constData());
}

int UsageError(const QString &message)
{
    PrintError(message);
    std::fputs(usageText, stderr);
    return ExitUsage;
}

int Failure(const QString &message)
{
    PrintError(message);
    return ExitFailed;
}

bool ParseArguments(const QStringList &args, const QStringList &allowedOptions, QStringList &positional,
                    QMap<QString, QString> &options, QString &error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (!allowedOptions.contains(arg)) {
                error = QStringLiteral("nieznana opcja: %1").arg(arg);
                return false;
            }
            if (i + 1 >= args.size()) {
                error = QStringLiteral("opcja %1 wymaga wartości").arg(arg);
                return false;
            }
            if (options.contains(arg)) {
                error = QStringLiteral("opcja %1 podana dwa razy").arg(arg);
                return false;
            }
            options.insert(arg, args[++i]);
        } else {
            positional.append(arg);
        }
    }
    return true;
}

void NewSettings(TModuleSettings &settings, TUserNotes &notes)
{
    settings = TModuleSettings{};
    notes = TUserNotes{};
    SetDefaultSettings(settings);
}
