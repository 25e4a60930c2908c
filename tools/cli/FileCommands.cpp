#include "FileCommands.h"

#include "CliCommon.h"
#include "SettingsJson.h"
#include "Uplik.h"

#include <QFile>
#include <QJsonDocument>
#include <QMap>

#include <cstdio>

namespace {

// Parses, and checks the number of positional arguments; on misuse prints
// the reason and returns false.
bool parse(const QStringList &args, const QStringList &allowed, int positionalCount, QStringList &positional,
           QMap<QString, QString> &options, int &exitCode)
{
    QString error;
    if (!ParseArguments(args, allowed, positional, options, error)) {
        exitCode = UsageError(error);
        return false;
    }
    if (positional.size() != positionalCount) {
        exitCode = UsageError(QStringLiteral("zła liczba argumentów"));
        return false;
    }
    if (allowed.contains(QStringLiteral("-o")) && !options.contains(QStringLiteral("-o"))) {
        exitCode = UsageError(QStringLiteral("brak pliku wynikowego (-o)"));
        return false;
    }
    return true;
}

bool writeSettings(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes)
{
    try {
        WriteSettingsFile(fileName, settings, notes);
        return true;
    } catch (const SettingsFileError &e) {
        PrintError(e.Message);
        return false;
    }
}

bool readSettings(const QString &fileName, TModuleSettings &settings, TUserNotes &notes)
{
    try {
        ReadSettingsFile(fileName, settings, notes);
        return true;
    } catch (const SettingsFileError &e) {
        PrintError(e.Message);
        return false;
    }
}

}  // namespace

int RunNewCommand(const QStringList &args)
{
    QStringList positional;
    QMap<QString, QString> options;
    int rc = ExitOk;
    if (!parse(args, {QStringLiteral("-o")}, 0, positional, options, rc))
        return rc;
    TModuleSettings settings;
    TUserNotes notes;
    NewSettings(settings, notes);
    return writeSettings(options.value(QStringLiteral("-o")), settings, notes) ? ExitOk : ExitFailed;
}

int RunDumpCommand(const QStringList &args)
{
    QStringList positional;
    QMap<QString, QString> options;
    int rc = ExitOk;
    if (!parse(args, {}, 1, positional, options, rc))
        return rc;
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!readSettings(positional[0], settings, notes))
        return ExitFailed;
    const QByteArray json = QJsonDocument(SettingsToJson(settings, notes)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}

int RunImageCommand(const QStringList &args)
{
    QStringList positional;
    QMap<QString, QString> options;
    int rc = ExitOk;
    if (!parse(args, {QStringLiteral("-o")}, 1, positional, options, rc))
        return rc;
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!readSettings(positional[0], settings, notes))
        return ExitFailed;
    TEepromImage image;
    SettingsToEeprom(settings, image);
    try {
        WriteWholeFile(options.value(QStringLiteral("-o")),
                       QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    } catch (const SettingsFileError &e) {
        return Failure(e.Message);
    }
    return ExitOk;
}

int RunDecodeCommand(const QStringList &args)
{
    QStringList positional;
    QMap<QString, QString> options;
    int rc = ExitOk;
    if (!parse(args, {QStringLiteral("-o"), QStringLiteral("--base")}, 1, positional, options, rc))
        return rc;
    QFile in(positional[0]);
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
    if (options.contains(QStringLiteral("--base"))) {
        if (!readSettings(options.value(QStringLiteral("--base")), settings, notes))
            return ExitFailed;
    } else {
        NewSettings(settings, notes);
    }
    TEepromImage image;
    std::memcpy(image.data(), bytes.constData(), image.size());
    EepromToSettings(image, settings);
    return writeSettings(options.value(QStringLiteral("-o")), settings, notes) ? ExitOk : ExitFailed;
}
