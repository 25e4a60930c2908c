// Points the user's configuration and data folders (QSettings, the module
// backups) at a temporary folder of this test program, so that no test reads
// or writes the real user's files and no run sees what another left behind.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

inline void IsolateUserFolders()
{
    static QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
#ifdef Q_OS_WIN
    // Windows keeps settings in the user's registry, shared by every run:
    // the tests keep theirs in a file of the temporary folder instead.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
#endif
}
