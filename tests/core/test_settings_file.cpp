#include "TestSupport.h"
#include "Uplik.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <zlib.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray readAll(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray zlibCompress(const QByteArray &content, int level)
{
    uLongf size = compressBound(uLong(content.size()));
    QByteArray out(qsizetype(size), '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                        reinterpret_cast<const Bytef *>(content.constData()), uLong(content.size()), level),
              Z_OK);
    out.resize(qsizetype(size));
    return out;
}

QByteArray zlibInflate(const QByteArray &compressed)
{
    QByteArray out(1 << 16, '\0');
    uLongf size = uLongf(out.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                         reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size())),
              Z_OK);
    out.resize(qsizetype(size));
    return out;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        std::mt19937 rng(5);
        record = RandomRecord(rng);
        notes = RandomNotes(rng);
        content = RawRecord(record) + RawNotes(notes);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Reading must refuse the file and leave the caller's data exactly as it was.
    void expectRefused(const QString &name, const QString &messagePart)
    {
        std::mt19937 rng(99);
        TModuleSettings target = RandomRecord(rng);
        TUserNotes targetNotes = RandomNotes(rng);
        const QByteArray before = RawRecord(target) + RawNotes(targetNotes);
        try {
            ReadSettingsFile(name, target, targetNotes);
            ADD_FAILURE() << "accepted " << name.toStdString();
        } catch (const SettingsFileError &e) {
            EXPECT_TRUE(e.Message.contains(messagePart)) << e.Message.toStdString();
            EXPECT_TRUE(e.Message.contains(QFileInfo(name).fileName())) << "names the file";
        }
        EXPECT_EQ(RawRecord(target) + RawNotes(targetNotes), before);
    }

    QByteArray readBack(const QString &name)
    {
        TModuleSettings s{};
        TUserNotes n{};
        ReadSettingsFile(name, s, n);
        return RawRecord(s) + RawNotes(n);
    }

    QTemporaryDir dir;
    TModuleSettings record;
    TUserNotes notes;
    QByteArray content;
};

}  // namespace

TEST_F(SettingsFile, SavedFileIsOneDefaultLevelZlibStreamOfRecordThenNotes)
{
    WriteSettingsFile(path("a.ulmar"), record, notes);
    const QByteArray bytes = readAll(path("a.ulmar"));
    ASSERT_GE(bytes.size(), 2);
    EXPECT_EQ(quint8(bytes[0]), 0x78);
    EXPECT_EQ(quint8(bytes[1]), 0x9C);
    EXPECT_EQ(zlibInflate(bytes), content);
    EXPECT_EQ(readBack(path("a.ulmar")), content) << "reserved bytes and string tails included";
}

TEST_F(SettingsFile, AnyLevelAndFlushingOpensTheSame)
{
    for (int level = 0; level <= 9; ++level) {
        const QString name = path("level.ulmar");
        writeAll(name, zlibCompress(content, level));
        EXPECT_EQ(readBack(name), content) << "level " << level;
    }
    // Many small deflate blocks with full flushes in between.
    z_stream zs{};
    ASSERT_EQ(deflateInit(&zs, 1), Z_OK);
    QByteArray out(8192, '\0');
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    for (qsizetype at = 0; at < content.size(); at += 100) {
        const qsizetype len = std::min<qsizetype>(100, content.size() - at);
        zs.next_in = reinterpret_cast<Bytef *>(content.data() + at);
        zs.avail_in = uInt(len);
        ASSERT_EQ(deflate(&zs, at + len == content.size() ? Z_FINISH : Z_FULL_FLUSH), at + len == content.size() ? Z_STREAM_END : Z_OK);
    }
    out.resize(qsizetype(zs.total_out));
    deflateEnd(&zs);
    writeAll(path("flushed.ulmar"), out);
    EXPECT_EQ(readBack(path("flushed.ulmar")), content);
}

TEST_F(SettingsFile, LongerContentOpensAndTheExtraIsIgnored)
{
    writeAll(path("long.ulmar"), zlibCompress(content + QByteArray(5000, 'z'), 6));
    EXPECT_EQ(readBack(path("long.ulmar")), content);
}

TEST_F(SettingsFile, ADecompressionBombIsReadInBoundedWork)
{
    // 64 MiB of zeros behind the settings compress to about 64 KiB.
    QByteArray big = content;
    big.append(QByteArray(64 << 20, '\0'));
    writeAll(path("bomb.ulmar"), zlibCompress(big, 9));
    big.clear();
    EXPECT_EQ(readBack(path("bomb.ulmar")), content);
}

TEST_F(SettingsFile, DamagedShortEmptyAndForeignFilesAreRefused)
{
    const QByteArray good = zlibCompress(content, 6);
    struct Case {
        const char *name;
        QByteArray bytes;
        QString messagePart;
    };
    QByteArray badTrailer = good;
    badTrailer[badTrailer.size() - 1] = char(badTrailer[badTrailer.size() - 1] ^ 0x55);
    QByteArray badHeader = good;
    badHeader[0] = 0x12;
    QByteArray badBody = good;
    for (int i = 10; i < 20; ++i)
        badBody[i] = char(0xFF);
    const QString damaged = QStringLiteral("uszkodzony");
    const QString tooShort = QStringLiteral("za krótki");
    const Case cases[] = {
        {"empty.ulmar", QByteArray(), damaged},
        {"text.ulmar", QByteArray("this is not a settings file\n"), damaged},
        {"header-only.ulmar", good.left(2), damaged},
        {"cut-early.ulmar", good.left(good.size() / 2), damaged},
        {"cut-before-trailer.ulmar", good.left(good.size() - 4), damaged},
        {"bad-trailer.ulmar", badTrailer, damaged},
        {"bad-header.ulmar", badHeader, damaged},
        {"bad-body.ulmar", badBody, damaged},
        {"short-content.ulmar", zlibCompress(content.left(2355), 6), tooShort},
        {"record-only.ulmar", zlibCompress(content.left(1228), 6), tooShort},
        {"garbage-1mib.ulmar", QByteArray(3 << 20, 'G'), damaged},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path(c.name), c.bytes);
        expectRefused(path(c.name), c.messagePart);
    }
}

TEST_F(SettingsFile, AMissingFileGivesTheOpenErrorText)
{
    expectRefused(path("missing.ulmar"), QStringLiteral("Cannot open file \"") + path("missing.ulmar") + "\". ");
}

TEST_F(SettingsFile, AnUncreatableFileGivesTheCreateErrorText)
{
    try {
        WriteSettingsFile(path("no-such-folder/x.ulmar"), record, notes);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const SettingsFileError &e) {
        EXPECT_TRUE(e.Message.startsWith(QStringLiteral("Cannot create file \"") + path("no-such-folder/x.ulmar")
                                         + "\". "))
            << e.Message.toStdString();
    }
}

TEST_F(SettingsFile, SavingOverAnExistingFileReplacesIt)
{
    writeAll(path("old.ulmar"), QByteArray(10000, 'o'));
    WriteSettingsFile(path("old.ulmar"), record, notes);
    EXPECT_EQ(readBack(path("old.ulmar")), content);
}

#ifndef _WIN32 // the file size limit is a POSIX resource limit
TEST_F(SettingsFile, AFailedWriteLeavesTheOldFileAsItWas)
{
    TModuleSettings other = DefaultRecord();
    WriteSettingsFile(path("keep.ulmar"), other, TUserNotes{});
    const QByteArray before = readAll(path("keep.ulmar"));

    // A file size limit below any settings file makes every write fail for
    // real, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    bool threw = false;
    try {
        WriteSettingsFile(path("keep.ulmar"), record, notes);
    } catch (const SettingsFileError &e) {
        threw = true;
        EXPECT_EQ(e.Message, QStringLiteral("Nie można zapisać pliku \"%1\": przekroczony dopuszczalny rozmiar pliku.")
                                 .arg(path("keep.ulmar")));
    }
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
    EXPECT_TRUE(threw);
    EXPECT_EQ(readAll(path("keep.ulmar")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.ulmar")})
        << "no temporary file is left behind";
}
#endif

#ifndef _WIN32 // FIFOs, /dev/null and the Unix permission bits
// Targets that must never be replaced: each is refused with a reason that
// names it, and is left exactly as it was.
TEST_F(SettingsFile, NonRegularAndReadOnlyTargetsAreRefused)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo")).constData(), 0644), 0);
    writeAll(path("readonly.ulmar"), QByteArray("old"));
    ASSERT_TRUE(QFile::setPermissions(path("readonly.ulmar"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(QFile::link(path("fifo"), path("link-to-fifo")));
    struct Case {
        QString target;
        QString reasonPart;
    };
    const Case cases[] = {
        {path("folder"), QStringLiteral("To nie jest zwykły plik")},
        {path("fifo"), QStringLiteral("To nie jest zwykły plik")},
        {path("link-to-fifo"), QStringLiteral("To nie jest zwykły plik")},
        {QStringLiteral("/dev/null"), QStringLiteral("To nie jest zwykły plik")},
        // Refused also when the tests run as root, who could write it.
        {path("readonly.ulmar"), QStringLiteral("Plik jest tylko do odczytu.")},
        {path("no-such-folder/x.ulmar"), QStringLiteral("Nie ma folderu")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        const QString problem = WritableTargetProblem(c.target);
        EXPECT_TRUE(problem.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(c.target)))
            << problem.toStdString();
        EXPECT_TRUE(problem.contains(c.reasonPart)) << problem.toStdString();
        try {
            WriteSettingsFile(c.target, record, notes);
            ADD_FAILURE() << "written";
        } catch (const SettingsFileError &e) {
            EXPECT_EQ(e.Message, problem);
        }
    }
    QFileInfo fifo(path("fifo"));
    EXPECT_FALSE(fifo.isFile());
    EXPECT_TRUE(fifo.exists());
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_EQ(readAll(path("readonly.ulmar")), QByteArray("old"));
    EXPECT_TRUE(WritableTargetProblem(path("new.ulmar")).isEmpty());
}

TEST_F(SettingsFile, AReplacedFileKeepsItsPermissionBits)
{
    using P = QFileDevice;
    const QFileDevice::Permissions modes[] = {
        P::ReadOwner | P::WriteOwner,
        P::ReadOwner | P::WriteOwner | P::ReadGroup,
        P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup | P::ReadOther,
    };
    for (const auto mode : modes) {
        SCOPED_TRACE(int(mode));
        const QString file = dir.filePath(QStringLiteral("mode-%1.ulmar").arg(int(mode)));
        writeAll(file, QByteArray("old"));
        ASSERT_TRUE(QFile::setPermissions(file, mode));
        WriteSettingsFile(file, record, notes);
        EXPECT_EQ(readBack(file), content);
        // The user, group and other bits are what the file had.
        const auto unixBits = P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadGroup | P::WriteGroup |
                              P::ExeGroup | P::ReadOther | P::WriteOther | P::ExeOther;
        EXPECT_EQ(QFileInfo(file).permissions() & unixBits, mode);
    }
}
#endif

TEST_F(SettingsFile, LengthBytesAboveTheirCapacityAreBroughtDown)
{
    QByteArray bad = content;
    bad[101] = char(200);                 // SimPin, capacity 7
    bad[1228 + 31] = char(255);           // user 1's remarks, capacity 250
    writeAll(path("lengths.ulmar"), zlibCompress(bad, 6));
    TModuleSettings s{};
    TUserNotes n{};
    ReadSettingsFile(path("lengths.ulmar"), s, n);
    EXPECT_EQ(s.SimPin.Length, 7);
    EXPECT_EQ(n[1].Remarks.Length, 250);
}

TEST_F(SettingsFile, ProgramFormsUseTheGlobalNotes)
{
    UserNotes = notes;
    ASSERT_TRUE(SaveSettingsFile(record, path("g.ulmar")));
    UserNotes = TUserNotes{};
    TModuleSettings loaded{};
    LoadSettingsFile(path("g.ulmar"), loaded);
    EXPECT_EQ(RawRecord(loaded), RawRecord(record));
    EXPECT_EQ(RawNotes(UserNotes), RawNotes(notes));
}
