// The module link's wire commands and the lines it shows in the message list.
#pragma once

#include <QByteArray>
#include <QString>

namespace LinkWire
{
inline const QByteArray StartProgramming = QByteArrayLiteral("*2*1");
inline const QByteArray EndProgramming = QByteArrayLiteral("*5*1");
inline const QByteArray ReadSettings = QByteArrayLiteral("*3*1");
inline const QByteArray EndMark = QByteArrayLiteral("*1");
inline const QByteArray Accepted = QByteArrayLiteral("OK*1");
} // namespace LinkWire

namespace LinkText
{
inline const QString NotInternational = QStringLiteral(
    "numery użytkowników muszą być zapisane w formie międzynarodowej tzn zawierać numer kierunkowy na kraj");
inline const QString NumberTooLong = QStringLiteral("Numer centrum SMS lub numer użytkownika ma więcej niż "
                                                    "12 znaków - programowanie nie zostało rozpoczęte.");
inline const QString ProgrammingStarted = QStringLiteral("Rozpoczęcie programowania.");
inline const QString ProgressStart = QStringLiteral("postęp: ");
inline const QString ProgressPrefix = QStringLiteral("Postęp: ");
inline const QString ProgrammingDone = QStringLiteral("Programowanie zakończone pomyślnie.");
inline const QString ReadBackDone = QStringLiteral("zaladowane ustawienia z eprom");
inline const QString NoAnswer = QStringLiteral("Brak odpowiedzi z modułu.");
// A read-back whose settings checksum disagrees; %1 the byte read, %2 the
// value the bytes give, both as two hex digits.
inline const QString BadChecksum =
    QStringLiteral("Błędna suma kontrolna odczytanych danych (odczytano %1, wyliczono %2).");
inline const QString BadChecksumQuestion =
    QStringLiteral("Odczytane dane mają błędną sumę kontrolną i mogą być uszkodzone. Wczytać je mimo to?");
inline const QString BadChecksumRefused =
    QStringLiteral("Odczyt odrzucony - ustawienia nie zostały zmienione.");
// %1: the serial port's own description of the failure.
inline const QString WriteFailed = QStringLiteral("Błąd wysyłania do modułu (%1) - operacja przerwana.");
inline const QString DeviceLost = QStringLiteral("Utracono połączenie z portem (%1) - operacja przerwana.");
// Checking the module after programming and keeping its settings before.
inline const QString VerifyStarted = QStringLiteral("Sprawdzanie ustawień w module...");
inline const QString VerifyOk = QStringLiteral("Ustawienia w module zgodne z zaprogramowanymi.");
inline const QString VerifyMismatch = QStringLiteral("Niezgodne ustawienia w module: ");
inline const QString NotAccepted = QStringLiteral("Moduł nie przyjął wszystkich ustawień. Zaprogramuj go ponownie.");
// %1: the backup file.
inline const QString BackupSaved = QStringLiteral("Kopia ustawień modułu: %1");
inline const QString BackupReadFailed =
    QStringLiteral("Nie udało się odczytać ustawień modułu do kopii. Programować bez kopii?");
inline const QString BackupSaveFailed =
    QStringLiteral("Nie udało się zapisać kopii ustawień modułu. Programować bez kopii?");
// A run stopped by the user (a signal to the command line).
inline const QString ProgrammingInterrupted =
    QStringLiteral("Przerwano: moduł mógł przyjąć tylko część ustawień. Zaprogramuj go ponownie.");
inline const QString ReadBackInterrupted = QStringLiteral("Przerwano odczyt; plik nie został zapisany.");
// Error boxes of a command that cannot start; %1 the port, %2 the reason.
// A port that cannot be opened is reported with the serial port's own text
// and the system's error number (%3), then which port and why.
inline const QString CannotOpenPort =
    QStringLiteral("Unable to open com port (win error code: %3)\nNie można otworzyć portu \"%1\": %2");
// The second line's cause and advice for a port that cannot be opened.
inline const QString PortMissing =
    QStringLiteral("port nie istnieje. Sprawdź, czy kabel modułu jest podłączony, i wybierz port z listy.");
inline const QString PortBusy =
    QStringLiteral("port jest zajęty przez inny program. Zamknij ten program i spróbuj ponownie.");
// %1: the process number of the program that holds it.
inline const QString PortBusyBy =
    QStringLiteral("port jest zajęty przez inny program (PID %1). Zamknij ten program i spróbuj ponownie.");
inline const QString PortDenied =
    QStringLiteral("brak uprawnień do portu. Dodaj użytkownika do grupy dialout "
                   "(sudo usermod -a -G dialout NAZWA_UŻYTKOWNIKA) i zaloguj się ponownie.");
// Why a line was lost while open (the %1 of DeviceLost).
inline const QString DeviceUnplugged = QStringLiteral("urządzenie zostało odłączone");
inline const QString LineClosed = QStringLiteral("port został zamknięty");
inline const QString CannotWritePort = QStringLiteral("Nie można wysłać polecenia przez port \"%1\": %2");
} // namespace LinkText
