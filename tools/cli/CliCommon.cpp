#include "CliCommon.h"

#include "SystemErrors.h"
#include "Uplik.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace {

// A settings file is a few hundred bytes; more than this is not read.
constexpr qint64 MaxSettingsRead = 1 << 20;

QString inputName(const QString &fileName)
{
    return IsStandardStream(fileName) ? QStringLiteral("standardowe wejście")
                                      : QStringLiteral("plik \"%1\"").arg(QFileInfo(fileName).absoluteFilePath());
}

}  // namespace

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

bool IsStandardStream(const QString &fileName)
{
    return fileName == QLatin1String("-");
}

bool ReadInput(const QString &fileName, qint64 limit, QByteArray &bytes, bool &whole)
{
    QFile in;
    errno = 0;
    bool opened = false;
    if (IsStandardStream(fileName)) {
        opened = in.open(stdin, QIODevice::ReadOnly);
    } else if (QFileInfo(fileName).isDir()) {
        errno = EISDIR;
    } else {
        in.setFileName(fileName);
        opened = in.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        PrintError(QStringLiteral("Nie można otworzyć: %1: %2.")
                       .arg(inputName(fileName), errno ? SystemErrorText(errno) : in.errorString()));
        return false;
    }
    // Read in pieces: stdin may be a pipe that delivers a little at a time.
    bytes.clear();
    while (bytes.size() <= limit) {
        errno = 0;
        const QByteArray piece = in.read(limit + 1 - bytes.size());
        if (piece.isEmpty()) {
            if (in.error() != QFileDevice::NoError || (errno != 0 && errno != EAGAIN && !in.atEnd())) {
                PrintError(QStringLiteral("Nie można odczytać: %1: %2.")
                               .arg(inputName(fileName), errno ? SystemErrorText(errno) : in.errorString()));
                return false;
            }
            break;
        }
        bytes += piece;
    }
    whole = bytes.size() <= limit;
    bytes.truncate(limit);
    return true;
}

bool WriteOutput(const QString &fileName, const QByteArray &bytes)
{
    if (!IsStandardStream(fileName)) {
        try {
            WriteWholeFile(fileName, bytes);
            return true;
        } catch (const SettingsFileError &e) {
            PrintError(e.Message);
            return false;
        }
    }
    errno = 0;
    const bool ok = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
                    && std::fflush(stdout) == 0;
    if (!ok)
        PrintError(QStringLiteral("Nie można pisać na standardowe wyjście: %1.")
                       .arg(SystemErrorText(errno ? errno : EIO)));
    return ok;
}

bool CheckOutput(const QString &fileName)
{
    if (IsStandardStream(fileName))
        return true;
    const QString problem = WritableTargetProblem(fileName);
    if (!problem.isEmpty())
        PrintError(problem);
    return problem.isEmpty();
}

bool ReadSettings(const QString &fileName, TModuleSettings &settings, TUserNotes &notes)
{
    if (IsStandardStream(fileName)) {
        QByteArray bytes;
        bool whole = false;
        if (!ReadInput(fileName, MaxSettingsRead, bytes, whole))
            return false;
        const QString error = DecompressSettings(bytes, settings, notes, whole);
        if (!error.isEmpty())
            PrintError(QStringLiteral("Nie można odczytać ustawień ze standardowego wejścia: %1.").arg(error));
        return error.isEmpty();
    }
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
    return WriteOutput(fileName, CompressSettings(settings, notes));
}

bool ReadBaseSettings(const CommandLine &line, TModuleSettings &settings, TUserNotes &notes)
{
    if (!line.has(QStringLiteral("base"))) {
        NewSettings(settings, notes);
        return true;
    }
    return ReadSettings(line.option(QStringLiteral("base")), settings, notes);
}
