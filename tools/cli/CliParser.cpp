#include "CliParser.h"

#include "CliCommon.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QStringList HelpNames = {QStringLiteral("h"), QStringLiteral("help")};

// QCommandLineParser names the faulty option in its own (English) sentence;
// the option is taken from it so the reason can be said in Polish.
QString quotedOption(const QString &qtError)
{
    const auto match = QRegularExpression(QStringLiteral("'([^']*)'")).match(qtError);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString translateQtError(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("nieznana opcja: %1").arg(OptionDisplayName(unknown.first()));
    const QString text = parser.errorText();
    const QString option = quotedOption(text);
    if (text.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("opcja %1 wymaga wartości").arg(option);
    if (text.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("opcja %1 nie przyjmuje wartości").arg(option.section(QLatin1Char('='), 0, 0));
    return text;
}

QString optionSpelling(const CliOption &option)
{
    QString text = OptionDisplayName(option.names.first());
    if (!option.valueName.isEmpty())
        text += QLatin1Char(' ') + option.valueName;
    return text;
}

// Words of `text` in lines of at most `width` characters, each line after
// the first starting with `indent` spaces.
QString wrapped(const QString &text, qsizetype width, qsizetype indent)
{
    QString out;
    qsizetype lineLength = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            lineLength = 0;
        } else if (lineLength > 0) {
            out += QLatin1Char(' ');
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
    }
    return out;
}

constexpr qsizetype LineWidth = 79;

}  // namespace

QString OptionDisplayName(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

ParsedCommand ParseCommand(const CliCommand &command, const QStringList &args)
{
    ParsedCommand result;
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(HelpNames));
    for (const CliOption &option : command.options)
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));

    const bool parsed = parser.parse(QStringList{QStringLiteral("pelmor-cli")} + args);
    if (parser.isSet(HelpNames.first())) {
        result.helpRequested = true;
        return result;
    }
    if (!parsed) {
        result.error = translateQtError(parser);
        return result;
    }

    CommandLine line;
    for (const CliOption &option : command.options) {
        const QString &name = option.names.first();
        const QString shown = OptionDisplayName(option.names.last());
        if (!parser.isSet(name)) {
            if (option.required) {
                result.error = QStringLiteral("brak opcji %1").arg(OptionDisplayName(name));
                return result;
            }
            continue;
        }
        QString value;
        if (!option.valueName.isEmpty()) {
            const QStringList values = parser.values(name);
            if (values.size() > 1) {
                result.error = QStringLiteral("opcja %1 podana więcej niż raz").arg(shown);
                return result;
            }
            value = values.first();
            if (value.isEmpty()) {
                result.error = QStringLiteral("opcja %1 wymaga wartości").arg(shown);
                return result;
            }
        }
        for (const QString &n : option.names)
            line.values.insert(n, value);
    }

    line.positional = parser.positionalArguments();
    const qsizetype expected = command.arguments.size();
    if (line.positional.size() < expected) {
        result.error = QStringLiteral("brak argumentu %1").arg(command.arguments[line.positional.size()]);
        return result;
    }
    if (line.positional.size() > expected) {
        result.error = QStringLiteral("nadmiarowy argument: %1").arg(line.positional[expected]);
        return result;
    }
    result.line = line;
    return result;
}

QString CommandUsage(const CliCommand &command)
{
    QStringList words{QStringLiteral("pelmor-cli"), command.name};
    words += command.arguments;
    for (const CliOption &option : command.options)
        words << (option.required ? optionSpelling(option) : QLatin1Char('[') + optionSpelling(option) + QLatin1Char(']'));
    return words.join(QLatin1Char(' '));
}

QString CommandHelp(const CliCommand &command)
{
    QList<CliOption> options = command.options;
    options.append({HelpNames, {}, QStringLiteral("ten opis")});
    QStringList left;
    qsizetype width = 0;
    for (const CliOption &option : options) {
        QStringList names;
        for (const QString &n : option.names)
            names << OptionDisplayName(n);
        QString text = names.join(QStringLiteral(", "));
        if (option.names.first().size() > 1)
            text.prepend(QStringLiteral("    "));  // long-only options line up after the short ones
        if (!option.valueName.isEmpty())
            text += QLatin1Char(' ') + option.valueName;
        width = std::max(width, text.size());
        left << text;
    }
    QString help = QStringLiteral("Użycie: %1\n\n%2\n\nOpcje:\n")
                       .arg(CommandUsage(command), wrapped(command.description, LineWidth, 0));
    const qsizetype indent = width + 4;
    for (qsizetype i = 0; i < options.size(); ++i)
        help += QStringLiteral("  %1  %2\n")
                    .arg(left[i].leftJustified(width), wrapped(options[i].description, LineWidth - indent, indent));
    return help;
}
