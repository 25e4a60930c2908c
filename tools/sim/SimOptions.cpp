#include "SimOptions.h"

#include "LineHold.h"
#include "SystemErrors.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int FrameCount = 27;
constexpr qint64 EepromBytes = 2048;

// A whole decimal number in [0, max]; nothing else (no sign, no spaces, no suffix).
bool parseNumber(const std::string &text, long max, long &value)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stol(text);
    return value <= max;
}

struct NumberOption {
    const char *name;
    const char *valueName;
    const char *description;
    long max;
};

// The numeric options: name, value, description, largest value accepted.
const NumberOption NumberOptions[] = {
    {"baud", "N", "odpowiedzi w tempie N bodów (10 bitów na bajt); 0 = od razu", 4000000},
    {"delay", "MS", "przerwa przed każdą odpowiedzią", 600000},
    {"chunk", "N", "odpowiedzi w blokach po N bajtów ...", 1 << 20},
    {"gap", "MS", "... z taką przerwą między blokami", 600000},
    {"garbage", "N", "N bajtów szumu (bez \"*\") przed każdą odpowiedzią", 1 << 20},
    {"read-noise", "N",
     "N bajtów szumu (bez \"*\") tylko przed strumieniem odczytu,\n"
     "                       jak od modułu, który jeszcze nadawał, gdy przyszło \"*3*1\"",
     1 << 20},
};

// Why the EEPROM file cannot serve, or an empty string. An existing file
// must be a regular file of 0 or 2048 bytes that opens for reading and
// writing; a new one must be creatable in its folder (it is made only when
// the module first stores a programming).
QString eepromProblem(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat st{};
    if (::stat(path.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return QStringLiteral("plik EEPROM \"%1\" nie jest zwykłym plikiem").arg(fileName);
        if (st.st_size != 0 && st.st_size != EepromBytes)
            return QStringLiteral("plik EEPROM \"%1\" ma %2 bajtów zamiast %3")
                .arg(fileName)
                .arg(qint64(st.st_size))
                .arg(EepromBytes);
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
        if (fd < 0)
            return QStringLiteral("nie można otworzyć pliku EEPROM \"%1\" do odczytu i zapisu: %2")
                .arg(fileName, SystemErrorText(errno));
        ::close(fd);
        if (::access(path.constData(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return QStringLiteral("plik EEPROM \"%1\" jest tylko do odczytu").arg(fileName);
        return {};
    }
    if (errno != ENOENT)
        return QStringLiteral("nie można sprawdzić pliku EEPROM \"%1\": %2")
            .arg(fileName, SystemErrorText(errno));
    const QString folder = QFileInfo(fileName).absolutePath();
    // Made and removed at once: the folder takes new files.
    QByteArray probe = QFile::encodeName(folder) + "/.tervala-sim-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return QStringLiteral("nie można utworzyć pliku EEPROM \"%1\": %2").arg(fileName, SystemErrorText(errno));
    ::close(fd);
    ::unlink(probe.constData());
    return {};
}

// BYTE=VALUE: an image offset and the value that byte keeps.
bool parseStuck(const std::string &text, SimOptions &o)
{
    const auto eq = text.find('=');
    long byte = 0, value = 0;
    if (eq == std::string::npos || !parseNumber(text.substr(0, eq), EepromBytes - 1, byte) ||
        !parseNumber(text.substr(eq + 1), 255, value))
        return false;
    o.stuck[int(byte)] = int(value);
    return true;
}

}  // namespace

bool FaultPoint::parse(const std::string &text)
{
    const auto colon = text.find(':');
    const std::string head = text.substr(0, colon);
    long value = 0;
    const bool hasNumber = colon != std::string::npos;
    if (hasNumber && !parseNumber(text.substr(colon + 1), 1 << 20, value))
        return false;
    number = int(value);
    if (head == "start" && !hasNumber)
        kind = Start;
    else if (head == "frame" && hasNumber && number >= 1 && number <= FrameCount)
        kind = Frame;
    else if (head == "end" && !hasNumber)
        kind = End;
    else if (head == "read")
        kind = Read;
    else
        return false;
    return true;
}

QString SimUsage()
{
    return QStringLiteral("Użycie: tervala-sim [OPCJE]\nOpis opcji: tervala-sim --help\n");
}

QString SimHelp()
{
    QString help = QStringLiteral(
        "Użycie: tervala-sim [OPCJE]\n\n"
        "Symulator modułu Tervala: otwiera pseudoterminal, wypisuje w pierwszym wierszu\n"
        "jego ścieżkę i odpowiada jak moduł aż do SIGTERM albo SIGINT.\n\n"
        "Opcje:\n"
        "  --eeprom PLIK        2048-bajtowa pamięć EEPROM modułu, zachowana między\n"
        "                       uruchomieniami\n");
    for (const NumberOption &o : NumberOptions)
        help += QStringLiteral("  %1  %2\n")
                    .arg(QStringLiteral("--%1 %2").arg(QLatin1String(o.name), QLatin1String(o.valueName)).leftJustified(19),
                         QString::fromUtf8(o.description));
    help += QStringLiteral(
        "  --silent-at P        milknie w punkcie P: start | frame:N | end | read[:BAJTY]\n"
        "  --close-at P         zamyka linię w punkcie P (jak wyciągnięty kabel)\n"
        "  --bare-ack           potwierdza ramki samym \"*1\"\n"
        "  --split-end          dzieli znak końca odczytu: \"*\" i \"1\" w dwóch blokach\n"
        "  --second-reader      drugi czytelnik na linii: przed każdą odpowiedzią\n"
        "                       programowania przychodzi szum, który on zabiera, więc\n"
        "                       program budzi się po bajty, których już nie ma\n"
        "  --hold lockfile|flock\n"
        "                       linię trzyma inny program: plik blokady z numerem tego\n"
        "                       procesu w folderze blokad albo flock\n"
        "  --end direct|command\n                       na ramkę 27 odpowiada \"OK*1\" (direct) albo czeka na \"*5*1\"\n"
        "  --once               błędy, opóźnienia i szum tylko w pierwszej sekwencji\n"
        "  --stats              przy wyjściu wypisuje na stderr czasy odpowiedzi\n"
        "  --stuck BAJT=WARTOŚĆ ten bajt obrazu zachowuje WARTOŚĆ, cokolwiek zostanie\n"
        "                       zapisane (jak zużyta komórka); można podać wiele razy\n"
        "  -h, --help           ten opis\n"
        "  --version            wersja programu\n\n"
        "Kod wyjścia: 0 zakończenie sygnałem, 1 błąd pseudoterminala, 2 złe użycie.\n");
    return help;
}

SimCommandLine ParseSimOptions(const QStringList &args)
{
    SimCommandLine result;
    SimOptions &o = result.options;
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption eeprom(QStringLiteral("eeprom"), {}, QStringLiteral("PLIK"));
    const QCommandLineOption silentAt(QStringLiteral("silent-at"), {}, QStringLiteral("P"));
    const QCommandLineOption closeAt(QStringLiteral("close-at"), {}, QStringLiteral("P"));
    const QCommandLineOption end(QStringLiteral("end"), {}, QStringLiteral("SPOSÓB"));
    const QCommandLineOption bareAck(QStringLiteral("bare-ack"));
    const QCommandLineOption splitEnd(QStringLiteral("split-end"));
    const QCommandLineOption once(QStringLiteral("once"));
    const QCommandLineOption stats(QStringLiteral("stats"));
    const QCommandLineOption secondReader(QStringLiteral("second-reader"));
    const QCommandLineOption hold(QStringLiteral("hold"), {}, QStringLiteral("SPOSÓB"));
    const QCommandLineOption stuck(QStringLiteral("stuck"), {}, QStringLiteral("BAJT=WARTOŚĆ"));
    parser.addOptions(
        {help, version, eeprom, silentAt, closeAt, end, bareAck, splitEnd, once, stats, secondReader, hold, stuck});
    for (const NumberOption &n : NumberOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(n.name), {}, QString::fromLatin1(n.valueName)));

    const bool parsed = parser.parse(QStringList{QStringLiteral("tervala-sim")} + args);
    result.help = parser.isSet(help);
    result.version = parser.isSet(version);
    if (result.help || result.version)
        return result;
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString text = parser.errorText();
        const QString option = text.section(QLatin1Char('\''), 1, 1);
        if (!unknown.isEmpty())
            result.error = QStringLiteral("nieznana opcja: %1%2")
                               .arg(unknown.first().size() == 1 ? "-" : "--", unknown.first());
        else if (text.startsWith(QLatin1String("Missing value")))
            result.error = QStringLiteral("opcja %1 wymaga wartości").arg(option);
        else if (text.startsWith(QLatin1String("Unexpected value")))
            result.error = QStringLiteral("opcja %1 nie przyjmuje wartości").arg(option.section(QLatin1Char('='), 0, 0));
        else
            result.error = text;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("nadmiarowy argument: %1").arg(parser.positionalArguments().first());
        return result;
    }
    // The last value counts when an option is given more than once.
    auto value = [&](const QString &name) { return parser.values(name).last().toStdString(); };

    for (const NumberOption &n : NumberOptions) {
        const QString name = QString::fromLatin1(n.name);
        if (!parser.isSet(name))
            continue;
        long v = 0;
        if (!parseNumber(value(name), n.max, v)) {
            result.error = QStringLiteral("zła wartość opcji --%1: \"%2\" (liczba całkowita od 0 do %3)")
                               .arg(name, parser.values(name).last())
                               .arg(n.max);
            return result;
        }
        if (name == QLatin1String("baud"))
            o.baud = v;
        else if (name == QLatin1String("delay"))
            o.delayMs = int(v);
        else if (name == QLatin1String("chunk"))
            o.chunk = int(v);
        else if (name == QLatin1String("gap"))
            o.gapMs = int(v);
        else if (name == QLatin1String("garbage"))
            o.garbage = int(v);
        else
            o.readNoise = int(v);
    }
    for (const auto &[option, point] : {std::pair{&silentAt, &o.silentAt}, std::pair{&closeAt, &o.closeAt}}) {
        if (parser.isSet(*option) && !point->parse(value(option->names().first()))) {
            result.error = QStringLiteral("zła wartość opcji --%1: \"%2\" (start, frame:1..%3, end, read albo "
                                          "read:BAJTY)")
                               .arg(option->names().first(), parser.values(*option).last())
                               .arg(FrameCount);
            return result;
        }
    }
    for (const QString &v : parser.values(stuck)) {
        if (!parseStuck(v.toStdString(), o)) {
            result.error = QStringLiteral("zła wartość opcji --stuck: \"%1\" (BAJT=WARTOŚĆ, bajt 0..%2, "
                                          "wartość 0..255)")
                               .arg(v)
                               .arg(EepromBytes - 1);
            return result;
        }
    }
    if (parser.isSet(end)) {
        const QString v = parser.values(end).last();
        if (v != QLatin1String("direct") && v != QLatin1String("command")) {
            result.error = QStringLiteral("zła wartość opcji --end: \"%1\" (direct albo command)").arg(v);
            return result;
        }
        o.endViaCommand = v == QLatin1String("command");
    }
    if (parser.isSet(hold)) {
        const QString v = parser.values(hold).last();
        if (v != QLatin1String("lockfile") && v != QLatin1String("flock")) {
            result.error = QStringLiteral("zła wartość opcji --hold: \"%1\" (lockfile albo flock)").arg(v);
            return result;
        }
        o.hold = v == QLatin1String("lockfile") ? LineHold::LockFile : LineHold::Flock;
    }
    if (parser.isSet(eeprom)) {
        const QString file = parser.values(eeprom).last();
        if (file.isEmpty()) {
            result.error = QStringLiteral("opcja --eeprom wymaga nazwy pliku");
            return result;
        }
        result.error = eepromProblem(file);
        if (!result.error.isEmpty())
            return result;
        o.eepromFile = QFile::encodeName(file).toStdString();
    }
    o.bareAck = parser.isSet(bareAck);
    o.splitEnd = parser.isSet(splitEnd);
    o.once = parser.isSet(once);
    o.stats = parser.isSet(stats);
    o.secondReader = parser.isSet(secondReader);
    return result;
}
