#include "LinkCommands.h"

#include "CliCommon.h"
#include "LinkRules.h"
#include "ModuleLink.h"
#include "Udecl.h"
#include "Uplik.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMap>
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
    QStringList plain;
    QMap<QString, QString> options;
    QString complaint;
    if (!ParseArguments(args, {QStringLiteral("--port")}, plain, options, complaint))
        return UsageError(complaint);
    if (!options.contains(QStringLiteral("--port")) || plain.size() != 1)
        return UsageError(QStringLiteral("program wymaga --port i jednego pliku ustawień"));
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    try {
        ReadSettingsFile(plain.first(), settings, notes);
    } catch (const SettingsFileError &e) {
        return Failure(e.Message);
    }
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    QStringList numbers;
    for (int u = 1; u <= 4; ++u)
        numbers << settings.UserNumber(u).text();
    if (!link.CheckNumbersInternational(numbers) || !link.StartProgramming(options.value(QStringLiteral("--port")), settings))
        return 1;
    return waitForEnd(link) == TLinkEnd::Programmed ? 0 : 1;
}

int RunReadCommand(const QStringList &args)
{
    QStringList plain;
    QMap<QString, QString> options;
    QString complaint;
    if (!ParseArguments(args, {QStringLiteral("--port"), QStringLiteral("--base"), QStringLiteral("-o")}, plain,
                        options, complaint))
        return UsageError(complaint);
    if (!options.contains(QStringLiteral("--port")) || !options.contains(QStringLiteral("-o")) || !plain.isEmpty())
        return UsageError(QStringLiteral("read wymaga --port i -o"));
    const QString base = options.value(QStringLiteral("--base"));
    auto app = ensureApplication();
    TModuleSettings settings{};
    TUserNotes notes{};
    try {
        if (base.isEmpty())
            NewSettings(settings, notes);
        else
            ReadSettingsFile(base, settings, notes);
    } catch (const SettingsFileError &e) {
        return Failure(e.Message);
    }
    TEepromImage image{};
    ConsoleView view(image, settings);
    TModuleLink link(view, image);
    if (!link.StartReadBack(options.value(QStringLiteral("--port"))))
        return 1;
    if (waitForEnd(link) != TLinkEnd::ReadBack)
        return 1;
    try {
        WriteSettingsFile(options.value(QStringLiteral("-o")), settings, notes);
    } catch (const SettingsFileError &e) {
        return Failure(e.Message);
    }
    return 0;
}
