#include "FileCommands.h"

#include "CliCommon.h"
#include "SettingsJson.h"
#include "Uplik.h"

#include <QJsonDocument>

#include <cstring>

int RunNewCommand(const CommandLine &line)
{
    TModuleSettings settings;
    TUserNotes notes;
    NewSettings(settings, notes);
    return WriteSettings(line.option(QStringLiteral("output")), settings, notes) ? ExitOk : ExitFailed;
}

int RunDumpCommand(const CommandLine &line)
{
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!ReadSettings(line.positional[0], settings, notes))
        return ExitFailed;
    const QByteArray json = QJsonDocument(SettingsToJson(settings, notes)).toJson(QJsonDocument::Indented);
    return WriteOutput(QStringLiteral("-"), json) ? ExitOk : ExitFailed;
}

int RunImageCommand(const CommandLine &line)
{
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!ReadSettings(line.positional[0], settings, notes))
        return ExitFailed;
    TEepromImage image;
    SettingsToEeprom(settings, image);
    const QByteArray bytes(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
    return WriteOutput(line.option(QStringLiteral("output")), bytes) ? ExitOk : ExitFailed;
}

int RunDecodeCommand(const CommandLine &line)
{
    const QString input = line.positional[0];
    QByteArray bytes;
    bool whole = false;
    // A longer file is told apart without reading it whole.
    if (!ReadInput(input, qint64(EepromImageSize), bytes, whole))
        return ExitFailed;
    if (!whole || bytes.size() != qsizetype(EepromImageSize))
        return Failure(QStringLiteral("Obraz EEPROM %1 musi mieć dokładnie %2 bajtów.")
                           .arg(IsStandardStream(input) ? QStringLiteral("ze standardowego wejścia")
                                                        : QStringLiteral("\"%1\"").arg(input))
                           .arg(EepromImageSize));

    TModuleSettings settings;
    TUserNotes notes;
    if (!ReadBaseSettings(line, settings, notes))
        return ExitFailed;
    TEepromImage image;
    std::memcpy(image.data(), bytes.constData(), image.size());
    EepromToSettings(image, settings);
    return WriteSettings(line.option(QStringLiteral("output")), settings, notes) ? ExitOk : ExitFailed;
}
