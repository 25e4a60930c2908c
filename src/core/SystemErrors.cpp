#include "SystemErrors.h"

#include <cerrno>
#include <cstring>

QString SystemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("brak miejsca na dysku");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("przekroczony przydział miejsca na dysku");
#endif
    case EFBIG:
        return QStringLiteral("przekroczony dopuszczalny rozmiar pliku");
    case EACCES:
    case EPERM:
        return QStringLiteral("brak uprawnień");
    case EROFS:
        return QStringLiteral("system plików tylko do odczytu");
    case ENOENT:
        return QStringLiteral("nie ma takiego pliku ani folderu");
    case ENOTDIR:
        return QStringLiteral("część ścieżki nie jest folderem");
    case EISDIR:
        return QStringLiteral("to jest folder");
    case ENAMETOOLONG:
        return QStringLiteral("za długa nazwa");
    case EIO:
        return QStringLiteral("błąd wejścia-wyjścia urządzenia");
    case EBUSY:
        return QStringLiteral("urządzenie jest zajęte");
    case ENOMEM:
        return QStringLiteral("brak pamięci");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("za dużo otwartych plików");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("nie ma takiego urządzenia");
#ifdef ELOOP
    case ELOOP:
        return QStringLiteral("za dużo dowiązań symbolicznych w ścieżce");
#endif
    default:
        return QStringLiteral("%1 (błąd systemu %2)").arg(QString::fromLocal8Bit(std::strerror(error))).arg(error);
    }
}
