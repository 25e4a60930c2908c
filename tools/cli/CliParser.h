// The command line of pelmor-cli: every command is one row of a table (its
// arguments, its options, its handler), and one parser reads them all.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One option of a command. Names go without dashes: a one-letter name is
// written "-o", a longer one "--output" (also "--output=value").
struct CliOption {
    QStringList names;
    QString valueName;  // what the value is, for the help text; empty: a plain switch
    QString description;
    bool required = false;
};

// A command's arguments once read: the plain ones in order, option values
// under every name of their option (a switch holds an empty value).
struct CommandLine {
    QStringList positional;
    QHash<QString, QString> values;
    bool has(const QString &name) const { return values.contains(name); }
    QString option(const QString &name) const { return values.value(name); }
};

struct CliCommand {
    QString name;
    QStringList arguments;  // the plain arguments, named for the usage line: {"PLIK.ulmar"}
    QString summary;        // one line for the list of commands
    QString description;    // what the command does, for its help text
    QList<CliOption> options;
    int (*run)(const CommandLine &) = nullptr;
};

// What the parser made of a command's arguments: the line, or a request for
// help, or a one-line reason why the usage is wrong.
struct ParsedCommand {
    std::optional<CommandLine> line;
    bool helpRequested = false;
    QString error;
};

ParsedCommand ParseCommand(const CliCommand &command, const QStringList &args);

// "pelmor-cli decode OBRAZ.bin [--base PLIK.ulmar] -o PLIK.ulmar"
QString CommandUsage(const CliCommand &command);
// The usage line, the description and every option, for `COMMAND --help`.
QString CommandHelp(const CliCommand &command);
// "-o" or "--output": how an option is written on the command line.
QString OptionDisplayName(const QString &name);
