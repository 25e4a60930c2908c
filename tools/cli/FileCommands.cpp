#include "FileCommands.h"

#include "CliCommon.h"
#include "SettingsJson.h"
#include "Uplik.h"

#include <QFile>
#include <QJsonDocument>

#include <cstdio>
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
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}

int RunImageCommand(const CommandLine &line)
{
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!ReadSettings(line.positional[0], settings, notes))
        return ExitFailed;
    TEepromImage image;
    SettingsToEeprom(settings, image);
    try {
        WriteWholeFile(line.option(QStringLiteral("output")),
                       QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    } catch (const SettingsFileError &e) {
        return Failure(e.Message);
    }
    return ExitOk;
}

int RunDecodeCommand(const CommandLine &line)
{
    QFile in(line.positional[0]);
    if (!in.open(QIODevice::ReadOnly))
        return Failure(QStringLiteral("Cannot open file \"%1\". %2").arg(in.fileName(), in.errorString()));
    // One byte more than an image, so a longer file is told apart without reading it whole.
    const QByteArray bytes = in.read(qint64(EepromImageSize) + 1);
    if (bytes.size() != qsizetype(EepromImageSize))
        return Failure(QStringLiteral("obraz EEPROM \"%1\" musi mieć dokładnie %2 bajtów")
                           .arg(in.fileName())
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
