#include "PortLocks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace PortLocks
{

QString LockFolder()
{
#ifdef Q_OS_UNIX
    for (const char *folder : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp", "/tmp"}) {
        const QFileInfo info(QString::fromLatin1(folder));
        if (info.isDir() && info.isReadable() && info.isWritable())
            return info.filePath();
    }
#endif
    return {};
}

QStringList LockFileNames(const QString &portPath)
{
    const QString base = QFileInfo(portPath).fileName();
    QStringList names{QStringLiteral("LCK..") + base};
    const QString dev = QStringLiteral("/dev/");
    if (portPath.startsWith(dev)) {
        QString below = portPath.mid(dev.size());
        below.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (below != base)
            names << QStringLiteral("LCK..") + below;
    }
    return names;
}

qint64 LockFilePid(const QByteArray &contents)
{
    const QByteArray firstLine = contents.left(contents.indexOf('\n')).trimmed();
    bool ok = false;
    const qint64 pid = firstLine.toLongLong(&ok);
    if (ok)
        return pid > 0 ? pid : 0;
    // The old binary form: the process number as the machine's own int.
    if (contents.size() == qsizetype(sizeof(qint32))) {
        qint32 binary = 0;
        std::memcpy(&binary, contents.constData(), sizeof binary);
        return binary > 0 ? binary : 0;
    }
    return 0;
}

namespace
{
bool processAlive(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return false;
#endif
}
} // namespace

qint64 LockFileHolder(const QString &portPath, const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    for (const QString &name : LockFileNames(portPath)) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const qint64 pid = LockFilePid(file.read(256));
        if (pid != QCoreApplication::applicationPid() && processAlive(pid))
            return pid;
    }
    return 0;
}

namespace
{
#ifdef Q_OS_UNIX
// The process holding flock on the file behind fd, from /proc/locks:
// "1: FLOCK  ADVISORY  WRITE 1234 00:1a:3 0 EOF".
qint64 flockHolderPid(int fd)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0)
        return 0;
    const QString key = QStringLiteral("%1:%2:%3")
                            .arg(major(st.st_dev), 2, 16, QLatin1Char('0'))
                            .arg(minor(st.st_dev), 2, 16, QLatin1Char('0'))
                            .arg(qulonglong(st.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(QLatin1Char(' '));
        if (fields.size() >= 6 && fields[1] == QLatin1String("FLOCK") &&
            fields[5].compare(key, Qt::CaseInsensitive) == 0)
            return fields[4].toLongLong();
    }
    return 0;
}
#endif
} // namespace

bool FlockHeld(int fd, qint64 &pid)
{
    pid = 0;
#ifdef Q_OS_UNIX
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    if (errno != EWOULDBLOCK)
        return false;
    pid = flockHolderPid(fd);
    return true;
#else
    Q_UNUSED(fd);
    return false;
#endif
}

bool TakeFlock(int fd)
{
#ifdef Q_OS_UNIX
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
#else
    Q_UNUSED(fd);
    return true;
#endif
}

} // namespace PortLocks
