#include "CliCommon.h"

#include "Uplik.h"

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

std::optional<CommandLine> ParseCommandLine(const QStringList &args, const QStringList &allowed,
                                            const QStringList &required, int positionalCount)
{
    CommandLine line;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            line.positional.append(arg);
            continue;
        }
        if (!allowed.contains(arg)) {
            UsageError(QStringLiteral("nieznana opcja: %1").arg(arg));
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            UsageError(QStringLiteral("opcja %1 wymaga wartości").arg(arg));
            return std::nullopt;
        }
        if (line.has(arg)) {
            UsageError(QStringLiteral("opcja %1 podana dwa razy").arg(arg));
            return std::nullopt;
        }
        line.options.insert(arg, args[++i]);
    }
    for (const QString &name : required) {
        if (!line.has(name)) {
            UsageError(QStringLiteral("brak opcji %1").arg(name));
            return std::nullopt;
        }
    }
    if (line.positional.size() != positionalCount) {
        UsageError(QStringLiteral("zła liczba argumentów"));
        return std::nullopt;
    }
    return line;
}

void NewSettings(TModuleSettings &settings, TUserNotes &notes)
{
    settings = TModuleSettings{};
    notes = TUserNotes{};
    SetDefaultSettings(settings);
}

bool ReadSettings(const QString &fileName, TModuleSettings &settings, TUserNotes &notes)
{
    try {
        ReadSettingsFile(fileName, settings, notes);
        return true;
    } catch (const SettingsFileError &e) {
        PrintError(e.Message);
        return false;
    }
}

bool WriteSettings(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes)
{
    try {
        WriteSettingsFile(fileName, settings, notes);
        return true;
    } catch (const SettingsFileError &e) {
        PrintError(e.Message);
        return false;
    }
}

bool ReadBaseSettings(const CommandLine &line, TModuleSettings &settings, TUserNotes &notes)
{
    if (!line.has(QStringLiteral("--base"))) {
        NewSettings(settings, notes);
        return true;
    }
    return ReadSettings(line.option(QStringLiteral("--base")), settings, notes);
}
