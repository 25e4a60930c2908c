#include "PelmorStart.h"

#include "PelmorVersion.h"

#include <cstdio>

QString PelmorHelp()
{
    return QStringLiteral(
        "Użycie: pelmor [OPCJE] [PLIK.ulmar]\n\n"
        "Pelmor: program konfiguracyjny modułu Tervala. Podany PLIK.ulmar zostaje\n"
        "otwarty zaraz po starcie, tak jak przez \"Odczytaj ...\".\n\n"
        "Opcje:\n"
        "  -h, --help  ten opis\n"
        "  --version   wersja programu\n\n"
        "Przyjmuje też opcje Qt, np. -platform offscreen.\n");
}

int AnswerInfoOptions(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(PelmorHelp().toUtf8().constData(), stdout);
            return 0;
        }
        if (arg == QLatin1String("--version")) {
            std::puts("pelmor " PELMOR_VERSION);
            return 0;
        }
    }
    return -1;
}

TStartOptions ParseStartArguments(const QStringList &args)
{
    TStartOptions options;
    QStringList files;
    bool optionsEnded = false;
    for (const QString &arg : args) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            options.Error = QStringLiteral("nieznana opcja: %1").arg(arg);
            return options;
        } else {
            files << arg;
        }
    }
    if (files.size() > 1) {
        options.Error = QStringLiteral("można otworzyć tylko jeden plik, podano %1").arg(files.size());
        return options;
    }
    options.File = files.value(0);
    return options;
}
