#include "Uplik.h"

#include "SystemErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

#include <zlib.h>

#include <cstring>

namespace {

// A genuine file is a few hundred bytes (about 2.4 KiB stored uncompressed);
// anything far beyond that is not read whole, whatever it claims to hold.
constexpr qint64 MaxCompressedRead = 1 << 20;
// Output inflated past the 2356 bytes only to reach the stream's end and
// check its trailer; a longer stream (or a decompression bomb) is cut here.
constexpr std::size_t MaxTrailingOutput = 1 << 20;

QString damagedMessage()
{
    return QStringLiteral("plik jest uszkodzony albo nie jest plikiem ustawień");
}

QString cannotCreate(const QString &fullName, const QString &reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(fullName, reason);
}

// The system's reason as a sentence: "Brak uprawnień."
QString reasonSentence(int error, const QFileDevice &file)
{
    QString reason = error != 0 ? SystemErrorText(error) : file.errorString();
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    return reason + QLatin1Char('.');
}

QString cannotOpen(const QString &fullName, int error, const QFileDevice &file)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(fullName, reasonSentence(error, file));
}

// The reason a write failed: the system's error number when it left one,
// else the file's own text.
QString writeFailure(const QString &fullName, int error, const QFileDevice &file)
{
    const QString reason = error != 0 ? SystemErrorText(error) : file.errorString();
    return QStringLiteral("Nie można zapisać pliku \"%1\": %2.").arg(fullName, reason);
}

}  // namespace

QByteArray CompressSettings(const TModuleSettings &settings, const TUserNotes &notes)
{
    unsigned char content[SettingsFileContentSize];
    std::memcpy(content, settings.data(), ModuleSettingsSize);
    std::memcpy(content + ModuleSettingsSize, notes.data(), UserNotesSize);
    uLongf size = compressBound(sizeof content);
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    // compress2 writes a zlib (RFC 1950) stream; the default level gives 0x78 0x9C.
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, content, sizeof content,
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw SettingsFileError(QStringLiteral("Nie można spakować ustawień: brak pamięci."));
    out.resize(qsizetype(size));
    return out;
}

QString DecompressSettings(const QByteArray &compressed, TModuleSettings &settings, TUserNotes &notes,
                           bool inputIsWhole)
{
    unsigned char content[SettingsFileContentSize];
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return QStringLiteral("brak pamięci do rozpakowania pliku");
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    zs.avail_in = uInt(compressed.size());
    zs.next_out = content;
    zs.avail_out = sizeof content;

    int rc = Z_OK;
    while (zs.avail_out > 0) {
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK)
            break;
    }
    const std::size_t got = sizeof content - zs.avail_out;
    QString error;
    if (got < SettingsFileContentSize) {
        if (rc == Z_STREAM_END)
            error = QStringLiteral("plik jest za krótki: zawiera %1 z %2 bajtów ustawień")
                        .arg(got)
                        .arg(SettingsFileContentSize);
        else
            error = damagedMessage();
    } else if (rc != Z_STREAM_END) {
        // All the settings are in; go on (bounded) only to check that the
        // stream is intact. Extra content is ignored.
        unsigned char scratch[4096];
        std::size_t extra = 0;
        while (extra < MaxTrailingOutput) {
            zs.next_out = scratch;
            zs.avail_out = sizeof scratch;
            rc = inflate(&zs, Z_NO_FLUSH);
            extra += sizeof scratch - zs.avail_out;
            if (rc != Z_OK)
                break;
        }
        if (rc == Z_DATA_ERROR || rc == Z_NEED_DICT || rc == Z_MEM_ERROR
            || (rc == Z_BUF_ERROR && zs.avail_in == 0 && inputIsWhole && extra < MaxTrailingOutput))
            error = damagedMessage();
    }
    inflateEnd(&zs);
    if (!error.isEmpty())
        return error;
    std::memcpy(settings.data(), content, ModuleSettingsSize);
    std::memcpy(notes.data(), content + ModuleSettingsSize, UserNotesSize);
    ClampLengths(settings);
    ClampLengths(notes);
    return {};
}

QString WritableTargetProblem(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString fullName = info.absoluteFilePath();
    if (fileName.isEmpty())
        return cannotCreate(fullName, QStringLiteral("Nie podano nazwy pliku."));
    if (info.exists()) {
        // Replacing a device, a FIFO or a folder by a file would destroy it.
        if (!info.isFile())
            return cannotCreate(fullName, QStringLiteral("To nie jest zwykły plik (urządzenie, kolejka FIFO albo "
                                                         "folder), więc nie zostanie zastąpiony."));
        // Root may write anything; a file without any write bit was still
        // marked read-only by its owner.
        const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!info.isWritable() || !(info.permissions() & writeBits))
            return cannotCreate(fullName, QStringLiteral("Plik jest tylko do odczytu."));
    }
    // The new content goes to a temporary file beside the target first.
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir())
        return cannotCreate(fullName, QStringLiteral("Nie ma folderu \"%1\".").arg(QDir::toNativeSeparators(folder)));
    QTemporaryFile probe(folder + QStringLiteral("/.pelmor-XXXXXX"));
    errno = 0;
    if (!probe.open())
        return cannotCreate(fullName, QStringLiteral("Nie można utworzyć pliku w folderze \"%1\": %2.")
                                          .arg(QDir::toNativeSeparators(folder),
                                               errno != 0 ? SystemErrorText(errno) : probe.errorString()));
    return {};
}

void WriteWholeFile(const QString &fileName, const QByteArray &bytes)
{
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    const QString problem = WritableTargetProblem(fileName);
    if (!problem.isEmpty())
        throw SettingsFileError(problem);
    // Written beside the target and renamed over it only when complete, so a
    // failed write leaves any earlier file as it was. QSaveFile gives the new
    // file the permissions of the one it replaces.
    QSaveFile file(fileName);
    // Unbuffered, so a short write is seen here: a buffered QSaveFile can
    // commit a cut file when its final flush writes only part (Qt 6.4).
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw SettingsFileError(cannotCreate(fullName, reasonSentence(errno, file)));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        file.commit();  // only discards the temporary file
        throw SettingsFileError(writeFailure(fullName, error, file));
    }
    errno = 0;
    if (!file.commit())
        throw SettingsFileError(writeFailure(fullName, errno, file));
}

void WriteSettingsFile(const QString &fileName, const TModuleSettings &settings, const TUserNotes &notes)
{
    WriteWholeFile(fileName, CompressSettings(settings, notes));
}

void ReadSettingsFile(const QString &fileName, TModuleSettings &settings, TUserNotes &notes)
{
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    QFile file(fileName);
    errno = 0;
    if (QFileInfo(fileName).isDir())
        throw SettingsFileError(cannotOpen(fullName, EISDIR, file));
    if (!file.open(QIODevice::ReadOnly))
        throw SettingsFileError(cannotOpen(fullName, errno, file));
    errno = 0;
    const QByteArray compressed = file.read(MaxCompressedRead);
    if (compressed.isEmpty() && file.error() != QFileDevice::NoError)
        throw SettingsFileError(cannotOpen(fullName, errno, file));
    TModuleSettings newSettings;
    TUserNotes newNotes;
    const QString error = DecompressSettings(compressed, newSettings, newNotes, file.atEnd());
    if (!error.isEmpty())
        throw SettingsFileError(QStringLiteral("Nie można odczytać pliku \"%1\": %2.").arg(fullName, error));
    settings = newSettings;
    notes = newNotes;
}

bool SaveSettingsFile(TModuleSettings settings, const QString &fileName)
{
    WriteSettingsFile(fileName, settings, UserNotes);
    return true;
}

void LoadSettingsFile(const QString &fileName, TModuleSettings &settings)
{
    ReadSettingsFile(fileName, settings, UserNotes);
}
