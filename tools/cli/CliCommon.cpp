#include "CliCommon.h"

#include "Uplik.h"

#include <cstdio>

void PrintError(const QString &message)
{
    std::fprintf(stderr, "pelmor-cli: %s\n", message.toLocal8Bit().constData());
}

void PrintOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int Failure(const QString &message)
{
    PrintError(message);
    return ExitFailed;
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
    if (!line.has(QStringLiteral("base"))) {
        NewSettings(settings, notes);
        return true;
    }
    return ReadSettings(line.option(QStringLiteral("base")), settings, notes);
}
