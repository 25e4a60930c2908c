#include "CliCommands.h"

#include "CliCommon.h"
#include "FileCommands.h"
#include "LinkCommands.h"
#include "PelmorVersion.h"
#include "QtTranslations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Options more than one command takes.
CliOption output(const QString &valueName)
{
    return {{QStringLiteral("o"), QStringLiteral("output")}, valueName,
            QStringLiteral("plik do zapisania; - to standardowe wyjście"), true};
}
const CliOption Base{{QStringLiteral("base")}, QStringLiteral("PLIK.ulmar"),
                     QStringLiteral("plik, z którego pochodzą notatki i bajty zarezerwowane; "
                                    "bez tej opcji: ustawienia domyślne i puste notatki")};
const CliOption Port{{QStringLiteral("port")}, QStringLiteral("URZĄDZENIE"),
                     QStringLiteral("port szeregowy z modułem, np. /dev/ttyUSB0"), true};

const CliOption AcceptBadChecksum{{QStringLiteral("accept-bad-checksum")}, QString(),
                                  QStringLiteral("zapisuje odczytane dane także wtedy, gdy mają błędną sumę "
                                                 "kontrolną (mogą być uszkodzone)")};

const QString Ulmar = QStringLiteral("PLIK.ulmar");

int usageError(const QString &reason, const QString &usage)
{
    PrintError(reason);
    std::fputs(usage.toUtf8().constData(), stderr);
    return ExitUsage;
}

QString programUsage()
{
    return QStringLiteral("Użycie: pelmor-cli POLECENIE [OPCJE] [ARGUMENTY]\n"
                          "Opis poleceń: pelmor-cli --help, pelmor-cli help POLECENIE\n");
}

}  // namespace

const QList<CliCommand> &CliCommands()
{
    static const QList<CliCommand> table = {
        {QStringLiteral("new"), {},
         QStringLiteral("nowy plik ustawień: ustawienia domyślne, puste notatki"),
         QStringLiteral("Zapisuje nowy plik ustawień z ustawieniami domyślnymi i pustymi notatkami."),
         {output(Ulmar)}, RunNewCommand},
        {QStringLiteral("dump"), {Ulmar},
         QStringLiteral("wszystkie pola pliku ustawień jako JSON"),
         QStringLiteral("Wypisuje wszystkie pola pliku ustawień jako JSON na standardowe wyjście. "
                        "PLIK.ulmar równy - to standardowe wejście."),
         {}, RunDumpCommand},
        {QStringLiteral("image"), {Ulmar},
         QStringLiteral("obraz EEPROM modułu (2048 bajtów) z pliku ustawień"),
         QStringLiteral("Zapisuje 2048-bajtowy obraz EEPROM modułu z ustawień pliku. "
                        "PLIK.ulmar równy - to standardowe wejście."),
         {output(QStringLiteral("OBRAZ.bin"))}, RunImageCommand},
        {QStringLiteral("decode"), {QStringLiteral("OBRAZ.bin")},
         QStringLiteral("plik ustawień z obrazu EEPROM"),
         QStringLiteral("Zapisuje plik ustawień z 2048-bajtowego obrazu EEPROM. "
                        "OBRAZ.bin równy - to standardowe wejście."),
         {Base, output(Ulmar)}, RunDecodeCommand},
        {QStringLiteral("program"), {Ulmar},
         QStringLiteral("zapisuje ustawienia z pliku w module"),
         QStringLiteral("Zapisuje ustawienia z pliku w module przez port szeregowy, tak jak przycisk "
                        "okna, a potem odczytuje moduł i sprawdza, czy ma wszystkie ustawienia. "
                        "Komunikaty połączenia idą na standardowe wyjście, pola niezgodne z plikiem "
                        "na standardowe wyjście błędów."),
         {Port,
          {{QStringLiteral("no-verify")}, QString(),
           QStringLiteral("bez sprawdzania ustawień w module po zaprogramowaniu")},
          {{QStringLiteral("backup")}, Ulmar,
           QStringLiteral("przed programowaniem zapisuje w tym pliku ustawienia, które moduł miał; "
                          "gdy się nie uda, nic nie jest programowane")}},
         RunProgramCommand},
        {QStringLiteral("read"), {},
         QStringLiteral("odczytuje ustawienia z modułu do pliku"),
         QStringLiteral("Odczytuje ustawienia z modułu przez port szeregowy i zapisuje je w pliku, "
                        "tak jak przycisk okna. Komunikaty połączenia idą na standardowe wyjście. "
                        "Dane z błędną sumą kontrolną nie są zapisywane (kod wyjścia 1), chyba że "
                        "podano --accept-bad-checksum."),
         {Port, Base, output(Ulmar), AcceptBadChecksum}, RunReadCommand},
    };
    return table;
}

const CliCommand *FindCliCommand(const QString &name)
{
    for (const CliCommand &command : CliCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

QString ProgramHelp()
{
    QString help = QStringLiteral(
        "Użycie: pelmor-cli POLECENIE [OPCJE] [ARGUMENTY]\n\n"
        "Pliki ustawień modułu Tervala (.ulmar), obraz EEPROM i połączenie z modułem\n"
        "z wiersza poleceń.\n\n"
        "Polecenia:\n");
    for (const CliCommand &command : CliCommands())
        help += QStringLiteral("  %1  %2\n").arg(command.name.leftJustified(8), command.summary);
    help += QStringLiteral("  %1  %2\n").arg(QStringLiteral("help").leftJustified(8),
                                            QStringLiteral("opis polecenia: pelmor-cli help POLECENIE"));
    help += QStringLiteral(
        "\nOpcje:\n"
        "  -h, --help  ten opis; POLECENIE --help opisuje polecenie\n"
        "  --version   wersja programu\n\n"
        "Plik o nazwie - to standardowe wejście (plik czytany) albo standardowe\n"
        "wyjście (plik zapisywany). Komunikaty połączenia z modułem idą na standardowe\n"
        "wyjście, błędy na standardowe wyjście błędów.\n\n"
        "Kod wyjścia: 0 powodzenie, 1 odmowa albo błąd, 2 złe użycie.\n");
    return help;
}

int RunCli(const QStringList &args)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.addOption(help);
    parser.addOption(version);
    // Everything after the command word belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QStringList{QStringLiteral("pelmor-cli")} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(unknown.isEmpty() ? parser.errorText()
                                            : QStringLiteral("nieznana opcja: %1").arg(OptionDisplayName(unknown.first())),
                          programUsage());
    }
    if (parser.isSet(help)) {
        PrintOut(ProgramHelp());
        return ExitOk;
    }
    if (parser.isSet(version)) {
        PrintOut(QStringLiteral("pelmor-cli " PELMOR_VERSION "\n"));
        return ExitOk;
    }
    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usageError(QStringLiteral("brak polecenia"), programUsage());
    const QString name = words.takeFirst();
    if (name == QLatin1String("help")) {
        if (words.isEmpty()) {
            PrintOut(ProgramHelp());
            return ExitOk;
        }
        const CliCommand *command = words.size() == 1 ? FindCliCommand(words.first()) : nullptr;
        if (!command)
            return usageError(QStringLiteral("nieznane polecenie: %1").arg(words.join(QLatin1Char(' '))),
                              programUsage());
        PrintOut(CommandHelp(*command));
        return ExitOk;
    }
    const CliCommand *command = FindCliCommand(name);
    if (!command)
        return usageError(QStringLiteral("nieznane polecenie: %1").arg(name), programUsage());
    const ParsedCommand parsed = ParseCommand(*command, words);
    if (parsed.helpRequested) {
        PrintOut(CommandHelp(*command));
        return ExitOk;
    }
    if (!parsed.line)
        return usageError(parsed.error, QStringLiteral("Użycie: %1\nOpis: pelmor-cli help %2\n")
                                            .arg(CommandUsage(*command), command->name));
    // From here on Qt's own texts (the serial port's reasons) are Polish, as
    // in the window; the command line itself was read with Qt's texts as
    // they are, which the parser's messages rely on.
    if (QCoreApplication *app = QCoreApplication::instance())
        InstallQtTranslations(*app);
    return command->run(*parsed.line);
}
