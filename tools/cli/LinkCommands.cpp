#include "LinkCommands.h"

#include "CliCommon.h"
#include "LinkRules.h"
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

// The message list on the console: every line and every rewrite of the
// progress line is printed as it comes.
class ConsoleView : public TLinkView
{
  public:
    ConsoleView(const TEepromImage &image, TModuleSettings &target) : image_(image), target_(target) {}

    void TrimLog() override { ::TrimLog(lines_); }
    int AddLogLine(const QString &text) override
    {
        lines_ << text;
        out() << text << Qt::endl;
        return int(lines_.size()) - 1;
    }
    void SetLogLine(int index, const QString &text) override
    {
        if (index >= 0 && index < lines_.size())
            lines_[index] = text;
        out() << text << Qt::endl;
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

// Runs the event loop until the sequence ends.
TLinkEnd waitForEnd(TModuleLink &link)
{
    QEventLoop loop;
    TLinkEnd end = TLinkEnd::Failed;
    QObject::connect(&link, &TModuleLink::SequenceFinished, &loop, [&](TLinkEnd e) {
        end = e;
        loop.quit();
    });
    loop.exec();
    return end;
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
    if (!link.CheckNumbersInternational(numbers) || !link.StartProgramming(line.option(port), settings))
        return ExitFailed;
    return waitForEnd(link) == TLinkEnd::Programmed ? ExitOk : ExitFailed;
}

int RunReadCommand(const CommandLine &line)
{
    const QString port = QStringLiteral("port");
    const QString output = QStringLiteral("output");
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    if (!ReadBaseSettings(line, settings, notes))
        return ExitFailed;
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    view.acceptBadChecksum = line.has(QStringLiteral("accept-bad-checksum"));
    if (!link.StartReadBack(line.option(port)))
        return ExitFailed;
    const TLinkEnd end = waitForEnd(link);
    if (end == TLinkEnd::BadChecksum)
        return Failure(BadChecksumReason(line.option(port), line.option(output)));
    if (end != TLinkEnd::ReadBack)
        return ExitFailed;
    return WriteSettings(line.option(output), settings, notes) ? ExitOk : ExitFailed;
}
