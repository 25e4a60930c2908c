#include "LinkCommands.h"

#include "LinkRules.h"
#include "ModuleLink.h"
#include "Udecl.h"
#include "Uplik.h"

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
    void ShowLinkError(const QString &text) override { err() << text << Qt::endl; }
    void ShowReceivedImage() override { EepromToSettings(image_, target_); }

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

// --port DEVICE, --base FILE, -o FILE and plain arguments.
struct Arguments {
    QString port, base, output;
    QStringList plain;
    QString complaint;
};

Arguments parse(const QStringList &args)
{
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString *target = arg == "--port"   ? &a.port
                          : arg == "--base" ? &a.base
                          : arg == "-o"     ? &a.output
                                            : nullptr;
        if (target) {
            if (i + 1 >= args.size()) {
                a.complaint = "brak wartości dla " + arg;
                return a;
            }
            *target = args[++i];
        } else if (arg.startsWith('-')) {
            a.complaint = "nieznana opcja " + arg;
            return a;
        } else {
            a.plain << arg;
        }
    }
    return a;
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

} // namespace

int RunProgramCommand(const QStringList &args)
{
    const Arguments a = parse(args);
    if (!a.complaint.isEmpty() || a.port.isEmpty() || a.plain.size() != 1) {
        err() << (a.complaint.isEmpty() ? "użycie: pelmor-cli program --port URZĄDZENIE PLIK.ulmar"
                                        : a.complaint)
              << Qt::endl;
        return 2;
    }
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    try {
        ReadSettingsFile(a.plain.first(), settings, notes);
    } catch (const SettingsFileError &e) {
        err() << e.Message << Qt::endl;
        return 1;
    }
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    QStringList numbers;
    for (int u = 1; u <= 4; ++u)
        numbers << settings.UserNumber(u).text();
    if (!link.CheckNumbersInternational(numbers) || !link.StartProgramming(a.port, settings))
        return 1;
    return waitForEnd(link) == TLinkEnd::Programmed ? 0 : 1;
}

int RunReadCommand(const QStringList &args)
{
    const Arguments a = parse(args);
    if (!a.complaint.isEmpty() || a.port.isEmpty() || a.output.isEmpty() || !a.plain.isEmpty()) {
        err() << (a.complaint.isEmpty()
                      ? "użycie: pelmor-cli read --port URZĄDZENIE [--base PLIK.ulmar] -o WYNIK.ulmar"
                      : a.complaint)
              << Qt::endl;
        return 2;
    }
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    try {
        if (a.base.isEmpty())
            SetDefaultSettings(settings);
        else
            ReadSettingsFile(a.base, settings, notes);
    } catch (const SettingsFileError &e) {
        err() << e.Message << Qt::endl;
        return 1;
    }
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    if (!link.StartReadBack(a.port))
        return 1;
    if (waitForEnd(link) != TLinkEnd::ReadBack)
        return 1;
    try {
        WriteSettingsFile(a.output, settings, notes);
    } catch (const SettingsFileError &e) {
        err() << e.Message << Qt::endl;
        return 1;
    }
    return 0;
}
