// Soak: many round trips of random settings through the module link against
// tervala-sim, a random fault in every 10th, first through the link as the
// command line uses it, then through the real main window (offscreen).
// Prints the mismatches, the faults that did not end with their message or
// after which the next run failed, and the window process's resident memory
// after run 10 and after the last run. Not part of the tests: make soak.
//   soak [LINK_RUNS [WINDOW_RUNS]]   (default 1000 and 200)
#include "LinkRoundTrip.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "ModuleLink.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "Udecl.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <random>

namespace
{

constexpr int AnswerTimeout = 1000; // ms, for the faults that fall silent; the program's own is 6000
constexpr int RunLimit = 30000;     // ms a run may take before it counts as hung

// Random settings as the window would send them: only what the image can
// carry (a PIN of four characters or none, the access code's four), so that
// the check after programming can find them all in the module.
TModuleSettings randomSendable(std::mt19937 &rng)
{
    const TModuleSettings s = SendableRandomSettings(rng);
    return ExpectedAfterRoundTrip(s, s);
}

bool same(const TModuleSettings &a, const TModuleSettings &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// One fault: the simulator's options, the sequence it strikes and how that
// sequence must end.
struct Fault {
    QString name;
    QStringList options;
    bool readBack;
    TLinkEnd end;
    QString line; // a line shown at its end (list or error box) starts with this
};

Fault randomFault(std::mt19937 &rng)
{
    const QString lost = LinkText::DeviceLost.arg(LinkText::DeviceUnplugged);
    const int frame = 1 + int(rng() % 27);
    const int bytes = int(rng() % 1700);
    switch (rng() % 11) {
    case 0:
        return {"silent at start", {"--silent-at", "start"}, false, TLinkEnd::TimedOut, LinkText::NoAnswer};
    case 1:
        return {"silent at frame", {"--silent-at", QStringLiteral("frame:%1").arg(frame)}, false,
                TLinkEnd::TimedOut, LinkText::NoAnswer};
    case 2:
        return {"silent in read-back", {"--silent-at", QStringLiteral("read:%1").arg(bytes)}, true,
                TLinkEnd::TimedOut, LinkText::NoAnswer};
    case 3:
        return {"line closed at frame", {"--close-at", QStringLiteral("frame:%1").arg(frame)}, false,
                TLinkEnd::Failed, lost};
    case 4:
        return {"line closed in read-back", {"--close-at", QStringLiteral("read:%1").arg(bytes)}, true,
                TLinkEnd::Failed, lost};
    case 5:
        return {"noise before the stream", {"--read-noise", QString::number(1 + rng() % 32)}, true,
                TLinkEnd::BadChecksum, LinkText::BadChecksumRefused};
    case 6:
        return {"bare acknowledgements", {"--bare-ack"}, false, TLinkEnd::TimedOut, LinkText::NoAnswer};
    case 7:
        return {"second reader", {"--second-reader"}, false, TLinkEnd::Programmed, LinkText::VerifyOk};
    case 8:
        return {"end mark split", {"--split-end", "--chunk", "1703"}, true, TLinkEnd::ReadBack,
                LinkText::ReadBackDone};
    case 9:
        return {"noise before the check",
                {"--read-noise", QString::number(1 + rng() % 32)},
                false,
                TLinkEnd::NotVerified,
                LinkText::NotAccepted};
    default:
        return {"slow start", {"--delay", "600"}, false, TLinkEnd::TimedOut, LinkText::NoAnswer};
    }
}

// Waits for the link's end; TLinkEnd(-1) when it never comes.
TLinkEnd awaitEnd(TModuleLink &link, const std::function<bool()> &start)
{
    QEventLoop loop;
    TLinkEnd end = TLinkEnd(-1);
    QObject::connect(&link, &TModuleLink::SequenceFinished, &loop, [&](TLinkEnd e) {
        end = e;
        loop.quit();
    });
    QTimer::singleShot(RunLimit, &loop, &QEventLoop::quit);
    if (!start())
        return TLinkEnd(-2);
    if (int(end) == -1)
        loop.exec();
    return end;
}

// A way into the link: the controller as pelmor-cli drives it, or the
// window's buttons.
class Target
{
  public:
    virtual ~Target() = default;
    virtual TModuleLink &Link() = 0;
    // Programs s; `programmed` is the record the module was sent.
    virtual TLinkEnd Program(const QString &port, const TModuleSettings &s, TModuleSettings &programmed) = 0;
    // Reads the module back onto `base`; `decoded` is the result.
    virtual TLinkEnd Read(const QString &port, const TModuleSettings &base, TModuleSettings &decoded) = 0;
    // The last lines of the list and the error boxes of the last run.
    virtual QStringList Shown() = 0;
};

class LinkTarget : public Target
{
  public:
    LinkTarget() { link_.Timer1().SetInterval(AnswerTimeout); }
    TModuleLink &Link() override { return link_; }
    TLinkEnd Program(const QString &port, const TModuleSettings &s, TModuleSettings &programmed) override
    {
        programmed = s;
        view_.lines.clear();
        TProgrammingOptions options;
        options.Verify = true;
        return awaitEnd(link_, [&] { return link_.StartProgramming(port, s, options); });
    }
    TLinkEnd Read(const QString &port, const TModuleSettings &base, TModuleSettings &decoded) override
    {
        view_.lines.clear();
        const TLinkEnd end = awaitEnd(link_, [&] { return link_.StartReadBack(port); });
        decoded = base;
        EepromToSettings(image_, decoded);
        return end;
    }
    QStringList Shown() override { return view_.lines.mid(qMax<qsizetype>(0, view_.lines.size() - 3)); }

  private:
    struct View : TLinkView {
        QStringList lines;
        void TrimLog() override { ::TrimLog(lines); }
        int AddLogLine(const QString &text) override
        {
            lines << text;
            return int(lines.size()) - 1;
        }
        void SetLogLine(int index, const QString &text) override { lines[index] = text; }
        void SetLinkBusy(bool) override {}
        void ShowLinkError(const QString &text) override { lines << text; }
        void ShowReceivedImage() override {}
    } view_;
    TEepromImage image_{};
    TModuleLink link_{view_, image_};
};

class WindowTarget : public Target
{
  public:
    WindowTarget()
    {
        f_.start();
        f_.window->show();
        f_.window->Timer1->SetInterval(AnswerTimeout);
        // Checked after programming; no backup read before it.
        f_.window->Sprawdzaj1->setChecked(true);
        f_.window->KopiaModulu1->setChecked(false);
    }
    ~WindowTarget() override { f_.stop(); }
    TModuleLink &Link() override { return *f_.window->Link; }
    TLinkEnd Program(const QString &port, const TModuleSettings &s, TModuleSettings &programmed) override
    {
        setPort(port);
        f_.messages.clear();
        f_.questions.clear();
        f_.openRecord(s, TUserNotes{});
        const TLinkEnd end = awaitEnd(Link(), [&] {
            QTest::mouseClick(f_.window->Bprogramuj, Qt::LeftButton);
            return true;
        });
        programmed = ModuleSettings; // collected from the controls by the click
        return end;
    }
    TLinkEnd Read(const QString &port, const TModuleSettings &base, TModuleSettings &decoded) override
    {
        setPort(port);
        f_.messages.clear();
        f_.questions.clear();
        ModuleSettings = base;
        const TLinkEnd end = awaitEnd(Link(), [&] {
            QTest::mouseClick(f_.window->BBload, Qt::LeftButton);
            return true;
        });
        decoded = ModuleSettings;
        return end;
    }
    QStringList Shown() override
    {
        QStringList shown;
        QListWidget *list = f_.window->ListBox1;
        for (int i = qMax(0, list->count() - 3); i < list->count(); ++i)
            shown << list->item(i)->text();
        for (const ShownMessage &m : f_.messages)
            shown << m.text;
        return shown;
    }

  private:
    void setPort(const QString &port)
    {
        if (f_.window->CBcom->currentText() != port)
            f_.window->CBcom->setEditText(port);
    }
    WindowFixture f_;
};

struct Figures {
    int runs = 0;
    int mismatches = 0;
    int faults = 0;
    int faultsWrong = 0; // not ended as they should, or the next run failed
    long rssAfter10 = -1, rssAtEnd = -1;
};

Figures soak(Target &target, int runs, const QString &eeprom, std::mt19937 &rng, const char *title)
{
    Figures figures;
    auto sim = std::make_unique<SimProcess>(QStringList{"--eeprom", eeprom});
    bool afterFault = false;
    for (int run = 1; run <= runs; ++run) {
        if (run % 10 == 0) {
            // A fault, on a simulator of its own over the same EEPROM.
            const Fault fault = randomFault(rng);
            sim.reset();
            auto faulty = std::make_unique<SimProcess>(fault.options + QStringList{"--eeprom", eeprom});
            TModuleSettings programmed, decoded;
            TModuleSettings base{};
            SetDefaultSettings(base);
            const TLinkEnd end = fault.readBack
                                     ? target.Read(faulty->path(), base, decoded)
                                     : target.Program(faulty->path(), randomSendable(rng), programmed);
            ++figures.faults;
            const QStringList shown = target.Shown();
            const bool said = std::any_of(shown.begin(), shown.end(),
                                          [&](const QString &l) { return l.startsWith(fault.line); });
            if (end != fault.end || !said) {
                ++figures.faultsWrong;
                std::printf("%s run %d: fault \"%s\" ended %d with \"%s\"\n", title, run,
                            qPrintable(fault.name), int(end), qPrintable(shown.join(" | ")));
            }
            faulty.reset();
            sim = std::make_unique<SimProcess>(QStringList{"--eeprom", eeprom});
            afterFault = true;
        } else {
            TModuleSettings programmed, decoded;
            const TLinkEnd programEnd = target.Program(sim->path(), randomSendable(rng), programmed);
            const TLinkEnd readEnd = target.Read(sim->path(), programmed, decoded);
            const bool ok = programEnd == TLinkEnd::Programmed && readEnd == TLinkEnd::ReadBack;
            if (ok && !same(decoded, ExpectedAfterRoundTrip(programmed, programmed)))
                ++figures.mismatches;
            if (!ok) {
                std::printf("%s run %d: ended %d / %d with \"%s\"\n", title, run, int(programEnd),
                            int(readEnd), qPrintable(target.Shown().join(" | ")));
                if (afterFault)
                    ++figures.faultsWrong;
                else
                    ++figures.mismatches;
            }
            afterFault = false;
        }
        ++figures.runs;
        if (run == 10)
            figures.rssAfter10 = residentKb();
        if (run % 100 == 0) {
            std::printf("%s: %d runs\n", title, run);
            std::fflush(stdout);
        }
    }
    figures.rssAtEnd = residentKb();
    return figures;
}

void print(const char *title, const Figures &f)
{
    std::printf("%s: %d round trips (program with its check, read back, compare), %d faults\n", title,
                f.runs - f.faults, f.faults);
    std::printf("  mismatches: %d (must be 0)\n", f.mismatches);
    std::printf("  faults not ended with their message or followed by a failed run: %d (must be 0)\n",
                f.faultsWrong);
    std::printf("  resident memory after run 10: %ld kB, after run %d: %ld kB, growth %ld kB (under 2048)\n",
                f.rssAfter10, f.runs, f.rssAtEnd, f.rssAtEnd - f.rssAfter10);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int linkRuns = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int windowRuns = argc > 2 ? std::atoi(argv[2]) : 200;
    QTemporaryDir dir;
    std::mt19937 rng(20261211);
    Figures link, window;
    {
        LinkTarget target;
        link = soak(target, linkRuns, dir.filePath("link.eeprom"), rng, "link");
    }
    {
        WindowTarget target;
        window = soak(target, windowRuns, dir.filePath("window.eeprom"), rng, "window");
    }
    print("link", link);
    print("window", window);
    const bool good = link.mismatches == 0 && link.faultsWrong == 0 && window.mismatches == 0 &&
                      window.faultsWrong == 0 && window.rssAtEnd - window.rssAfter10 < 2048;
    std::printf("soak: %s\n", good ? "passed" : "FAILED");
    return good ? 0 : 1;
}
