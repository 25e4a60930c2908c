#include "LinkCommands.h"

#include "CliCommon.h"
#include "Interrupts.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "ModuleLink.h"
#include "Udecl.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

#include <memory>
#include <optional>

namespace
{

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The message list on the console: every line and every rewrite of the
// progress line is printed as it comes, on stdout, or on stderr when stdout
// carries the file read. A line held back (the read-back's success) waits
// until the settings are safely stored.
class ConsoleView : public TLinkView
{
  public:
    ConsoleView(const TEepromImage &image, TModuleSettings &target, bool linesToStderr = false,
                const QString &heldLine = {})
        : image_(image), target_(target), stream_(linesToStderr ? err() : out()), heldLine_(heldLine)
    {
    }

    void TrimLog() override { ::TrimLog(lines_); }
    int AddLogLine(const QString &text) override
    {
        lines_ << text;
        if (heldLine_.isEmpty() || text != heldLine_)
            stream_ << text << Qt::endl;
        else
            held_ = true;
        return int(lines_.size()) - 1;
    }
    void SetLogLine(int index, const QString &text) override
    {
        if (index >= 0 && index < lines_.size())
            lines_[index] = text;
        stream_ << text << Qt::endl;
    }
    // Prints the held line, if it came.
    void ReleaseHeldLine()
    {
        if (held_)
            stream_ << heldLine_ << Qt::endl;
        held_ = false;
    }
    void SetLinkBusy(bool) override {}
    void ShowLinkError(const QString &text) override { PrintError(text); }
    bool AcceptBadChecksum() override { return acceptBadChecksum; }
    void ShowReceivedImage() override { EepromToSettings(image_, target_); }

    bool acceptBadChecksum = false;

  private:
    QStringList lines_;
    const TEepromImage &image_;
    TModuleSettings &target_;
    QTextStream &stream_;
    QString heldLine_;
    bool held_ = false;
};

// The commands may run before anyone made an application object.
std::unique_ptr<QCoreApplication> ensureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "pelmor-cli";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Runs the event loop until the sequence ends or a signal stops it; then
// the run is stopped where it stands and Interrupted is returned.
constexpr auto Interrupted = TLinkEnd(-1);

TLinkEnd waitForEnd(TModuleLink &link, const TInterruptWatch &interrupts)
{
    std::optional<TLinkEnd> end;
    if (!interrupts.Caught()) {
        QEventLoop loop;
        QObject::connect(&link, &TModuleLink::SequenceFinished, &loop, [&](TLinkEnd e) {
            end = e;
            loop.quit();
        });
        QObject::connect(&interrupts, &TInterruptWatch::Interrupted, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // A signal that comes once the sequence is over stops nothing: what is
    // left (storing the file read) finishes.
    if (end)
        return *end;
    link.Interrupt();
    return Interrupted;
}

// What an interrupted command prints on stderr and exits with.
int interrupted(const TInterruptWatch &interrupts, const QString &text)
{
    err() << text << Qt::endl;
    return interrupts.ExitCode();
}

QString BadChecksumReason(const QString &port, const QString &output)
{
    return QStringLiteral("dane odczytane z portu \"%1\" mają błędną sumę kontrolną i mogą być uszkodzone; "
                          "plik \"%2\" nie został zapisany")
        .arg(port, output);
}

} // namespace

int RunProgramCommand(const CommandLine &line)
{
    const QString port = QStringLiteral("port");
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!ReadSettings(line.positional[0], settings, notes))
        return ExitFailed;
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    QStringList numbers;
    for (int u = 1; u <= 4; ++u)
        numbers << settings.UserNumber(u).text();
    if (!link.CheckNumbersInternational(numbers))
        return ExitFailed;
    TProgrammingOptions options;
    options.Verify = !line.has(QStringLiteral("no-verify"));
    options.BackupFile = line.option(QStringLiteral("backup"));
    TInterruptWatch interrupts;
    if (!link.StartProgramming(line.option(port), settings, options))
        return ExitFailed;
    const TLinkEnd end = waitForEnd(link, interrupts);
    if (end == Interrupted)
        return interrupted(interrupts, LinkText::ProgrammingInterrupted);
    if (end == TLinkEnd::NotVerified)
        for (const QString &field : link.DifferingFields())
            PrintError(QStringLiteral("niezgodne pole: %1").arg(field));
    if (end == TLinkEnd::BackupFailed)
        return Failure(QStringLiteral("nie udało się zachować ustawień modułu w \"%1\" - nic nie zostało "
                                      "zaprogramowane")
                           .arg(options.BackupFile));
    return end == TLinkEnd::Programmed ? ExitOk : ExitFailed;
}

int RunReadCommand(const CommandLine &line)
{
    const QString port = QStringLiteral("port");
    const QString output = QStringLiteral("output");
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    const QString target = line.option(output);
    // Everything that could stop the file being written is found out before
    // the module is asked for anything.
    if (!ReadBaseSettings(line, settings, notes) || !CheckOutput(target))
        return ExitFailed;
    TEepromImage image{};
    ConsoleView view(image, settings, IsStandardStream(target), LinkText::ReadBackDone);
    TModuleLink link(view, image);
    view.acceptBadChecksum = line.has(QStringLiteral("accept-bad-checksum"));
    TInterruptWatch interrupts;
    if (!link.StartReadBack(line.option(port)))
        return ExitFailed;
    const TLinkEnd end = waitForEnd(link, interrupts);
    if (end == Interrupted)
        return interrupted(interrupts, LinkText::ReadBackInterrupted);
    if (end == TLinkEnd::BadChecksum)
        return Failure(BadChecksumReason(line.option(port), line.option(output)));
    if (end != TLinkEnd::ReadBack)
        return ExitFailed;
    if (!WriteSettings(target, settings, notes))
        return ExitFailed;
    view.ReleaseHeldLine();
    return ExitOk;
}
