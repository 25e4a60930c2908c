// The command-line parser of pelmor-cli: one table of argument lists and what
// each must give, against a command that has every kind of option; then the
// real command table's own consistency.
#include "CliCommands.h"
#include "CliParser.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

int noRun(const CommandLine &) { return 0; }

// A command with a required value option (short and long name), an optional
// long-only value option and a switch.
const CliCommand Sample{QStringLiteral("sample"),
                        {QStringLiteral("IN")},
                        QStringLiteral("summary"),
                        QStringLiteral("description"),
                        {{{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("OUT"), QStringLiteral("out"), true},
                         {{QStringLiteral("base")}, QStringLiteral("FILE"), QStringLiteral("base")},
                         {{QStringLiteral("no-verify")}, {}, QStringLiteral("switch")}},
                        noRun};

struct Case {
    const char *what;
    QStringList args;
    QString error;         // empty: parses
    QStringList positional;
    QString output, base;  // expected values, when it parses
    bool noVerify = false;
};

QStringList L(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *w : words)
        list << QString::fromUtf8(w);
    return list;
}

}  // namespace

TEST(CliParser, TableOfArgumentLists)
{
    const Case cases[] = {
        {"short option with value", L({"in", "-o", "out"}), {}, L({"in"}), "out", {}},
        {"long option with =", L({"--output=out", "in"}), {}, L({"in"}), "out", {}},
        {"long option, value apart", L({"in", "--output", "out", "--base", "b"}), {}, L({"in"}), "out", "b"},
        {"short option glued to its value", L({"-oout", "in"}), {}, L({"in"}), "out", {}},
        {"dash as a file means stdin/stdout", L({"-", "-o", "-"}), {}, L({"-"}), "-", {}},
        {"switch", L({"in", "-o", "x", "--no-verify"}), {}, L({"in"}), "x", {}, true},
        {"after -- a dash word is an argument", L({"-o", "x", "--", "-in"}), {}, L({"-in"}), "x", {}},
        {"unknown long option", L({"in", "-o", "x", "--bogus"}), "nieznana opcja: --bogus", {}, {}, {}},
        {"unknown option with value", L({"in", "-o", "x", "--bogus=3"}), "nieznana opcja: --bogus", {}, {}, {}},
        {"unknown short option", L({"in", "-o", "x", "-q"}), "nieznana opcja: -q", {}, {}, {}},
        {"value missing at the end", L({"in", "-o"}), "opcja -o wymaga wartości", {}, {}, {}},
        {"empty value", L({"in", "--output="}), "opcja --output wymaga wartości", {}, {}, {}},
        {"value given to a switch", L({"in", "-o", "x", "--no-verify=1"}), "opcja --no-verify nie przyjmuje wartości",
         {}, {}, {}},
        {"option given twice", L({"in", "-o", "x", "--output", "y"}), "opcja --output podana więcej niż raz", {}, {},
         {}},
        {"required option missing", L({"in"}), "brak opcji -o", {}, {}, {}},
        {"argument missing", L({"-o", "x"}), "brak argumentu IN", {}, {}, {}},
        {"argument too many", L({"a", "b", "-o", "x"}), "nadmiarowy argument: b", {}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedCommand parsed = ParseCommand(Sample, c.args);
        EXPECT_FALSE(parsed.helpRequested);
        if (!c.error.isEmpty()) {
            EXPECT_FALSE(parsed.line.has_value());
            EXPECT_EQ(parsed.error.toStdString(), c.error.toStdString());
            continue;
        }
        ASSERT_TRUE(parsed.line.has_value()) << parsed.error.toStdString();
        EXPECT_EQ(parsed.line->positional, c.positional);
        EXPECT_EQ(parsed.line->option(QStringLiteral("output")), c.output);
        EXPECT_EQ(parsed.line->option(QStringLiteral("o")), c.output);
        EXPECT_EQ(parsed.line->has(QStringLiteral("base")), !c.base.isEmpty());
        EXPECT_EQ(parsed.line->option(QStringLiteral("base")), c.base);
        EXPECT_EQ(parsed.line->has(QStringLiteral("no-verify")), c.noVerify);
    }
}

TEST(CliParser, HelpWinsOverEverythingElse)
{
    for (const QStringList &args : {L({"--help"}), L({"-h"}), L({"in", "--help"}), L({"--bogus", "-h"})}) {
        const ParsedCommand parsed = ParseCommand(Sample, args);
        EXPECT_TRUE(parsed.helpRequested) << args.join(' ').toStdString();
    }
}

TEST(CliParser, UsageAndHelpTextsNameEveryOption)
{
    EXPECT_EQ(CommandUsage(Sample).toStdString(), "pelmor-cli sample IN -o OUT [--base FILE] [--no-verify]");
    const QString help = CommandHelp(Sample);
    for (const char *word : {"-o, --output OUT", "--base FILE", "--no-verify", "-h, --help", "description"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(word))) << word;
}

// Every row of the real table: a handler, texts, no name used twice or
// taken from the help option, and a help text that names every option.
TEST(CliCommandTable, RowsAreComplete)
{
    QSet<QString> commandNames;
    for (const CliCommand &command : CliCommands()) {
        SCOPED_TRACE(command.name.toStdString());
        EXPECT_NE(command.run, nullptr);
        EXPECT_FALSE(command.summary.isEmpty());
        EXPECT_FALSE(command.description.isEmpty());
        EXPECT_FALSE(commandNames.contains(command.name));
        commandNames.insert(command.name);
        EXPECT_EQ(FindCliCommand(command.name), &command);
        QSet<QString> optionNames{QStringLiteral("h"), QStringLiteral("help")};
        const QString help = CommandHelp(command);
        for (const CliOption &option : command.options) {
            EXPECT_FALSE(option.description.isEmpty());
            for (const QString &name : option.names) {
                EXPECT_FALSE(optionNames.contains(name)) << name.toStdString();
                optionNames.insert(name);
                EXPECT_TRUE(help.contains(OptionDisplayName(name))) << name.toStdString();
            }
        }
        EXPECT_TRUE(ProgramHelp().contains(command.name));
    }
    EXPECT_EQ(FindCliCommand(QStringLiteral("help")), nullptr);
    EXPECT_EQ(FindCliCommand(QStringLiteral("nope")), nullptr);
}
