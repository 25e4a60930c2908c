// Who else holds a serial port: the lock files other programs leave in the
// system's lock folder (minicom, ModemManager, uucp and Qt's own) and flock
// on the device. A port held either way is busy and must not be used.
#pragma once

#include <QString>

namespace PortLocks
{

// The folder serial-port lock files live in: the first of the usual ones
// this user may write, as QSerialPort chooses it; empty when there is none.
QString LockFolder();

// The lock file names a port may have there: "LCK..ttyUSB0" for
// /dev/ttyUSB0, and for a device below /dev in a folder both the base name
// and the path with "/" made "_" ("LCK..pts_3").
QStringList LockFileNames(const QString &portPath);

// The process named in a lock file, read as text ("  1234\n", Qt's
// "1234\nname\nhost\n") or as the old binary form; 0 when there is none.
qint64 LockFilePid(const QByteArray &contents);

// The live process other than this one that a lock file in `folder` names
// for the port; 0 when no such file, or its process is gone (stale).
qint64 LockFileHolder(const QString &portPath, const QString &folder = LockFolder());

// Whether another open file holds flock on the device, tried on `fd` (open
// on the device, not locked by us). pid is the holder from /proc/locks when
// it can be found, else 0.
bool FlockHeld(int fd, qint64 &pid);

// Takes flock on the device for as long as `fd` stays open, so that other
// programs that look for it see the port taken. False when another holds it.
bool TakeFlock(int fd);

} // namespace PortLocks
