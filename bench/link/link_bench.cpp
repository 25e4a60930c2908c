// Times a programming run, a read-back, a programming run checked by a
// read-back, and one that also backs the module up first, against
// tervala-sim pacing its answers at 115200 baud, and compares each with the wire-time limit (every
// byte both ways at 10 bits per byte). Then, without pacing, reports the
// program's turnaround per frame (acknowledgement in -> next frame out) as
// the simulator measures it.
#include "ModuleLink.h"
#include "Udecl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int Baud = 115200;
constexpr int Runs = 9;
constexpr int TurnaroundRuns = 20;

struct QuietView : TLinkView {
    void TrimLog() override {}
    int AddLogLine(const QString &) override { return 0; }
    void SetLogLine(int, const QString &) override {}
    void SetLinkBusy(bool) override {}
    void ShowLinkError(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void ShowReceivedImage() override {}
};

struct Sim {
    QProcess process;
    QString path;
    explicit Sim(const QStringList &options)
    {
        process.start(QStringLiteral(TERVALA_SIM), options);
        process.waitForStarted();
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    QString stop()
    {
        process.terminate();
        process.waitForFinished();
        return QString::fromLocal8Bit(process.readAllStandardError());
    }
};

struct Timing {
    double ms = 0;
    qint64 bytes = 0;
    bool ok = false;
};

// What one timed run does.
enum class Run { Program, ReadBack, ProgramVerify, BackupProgramVerify };

const char *runName(Run run)
{
    switch (run) {
    case Run::Program:
        return "programming";
    case Run::ReadBack:
        return "read-back";
    case Run::ProgramVerify:
        return "program+verify";
    case Run::BackupProgramVerify:
        return "backup+program+verify";
    }
    return "";
}

// One run from the click to its end.
Timing runOnce(TModuleLink &link, const QString &port, Run run, const TModuleSettings &settings,
               const QString &backupFile = QString())
{
    const bool program = run != Run::ReadBack;
    TProgrammingOptions options;
    options.Verify = run == Run::ProgramVerify || run == Run::BackupProgramVerify;
    if (run == Run::BackupProgramVerify)
        options.BackupFile = backupFile;
    Timing t;
    const qint64 before = link.ComPort2().BytesIn() + link.ComPort2().BytesOut();
    QEventLoop loop;
    TLinkEnd end = TLinkEnd::Failed;
    auto c = QObject::connect(&link, &TModuleLink::SequenceFinished, &loop, [&](TLinkEnd e) {
        end = e;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    const bool started = program ? link.StartProgramming(port, settings, options) : link.StartReadBack(port);
    if (started)
        loop.exec();
    t.ms = double(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(c);
    t.ok = started && end == (program ? TLinkEnd::Programmed : TLinkEnd::ReadBack);
    t.bytes = link.ComPort2().BytesIn() + link.ComPort2().BytesOut() - before;
    return t;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TModuleSettings settings{};
    SetDefaultSettings(settings);
    QuietView view;
    TEepromImage image{};
    int failures = 0;

    {
        Sim sim({"--baud", QString::number(Baud), "--eeprom", dir.filePath("paced.eeprom")});
        TModuleLink link(view, image);
        for (Run run : {Run::Program, Run::ReadBack, Run::ProgramVerify, Run::BackupProgramVerify}) {
            std::vector<double> ms;
            qint64 bytes = 0;
            for (int i = 0; i < Runs; ++i) {
                const Timing t = runOnce(link, sim.path, run, settings,
                                         dir.filePath(QStringLiteral("kopia%1.ulmar").arg(i)));
                failures += t.ok ? 0 : 1;
                ms.push_back(t.ms);
                bytes = t.bytes;
            }
            const double wireMs = double(bytes) * 10.0 * 1000.0 / Baud;
            // The best run shows what the link itself costs; the median adds
            // whatever else the machine was doing meanwhile.
            const double median = percentile(ms, 0.5), best = percentile(ms, 0.0);
            std::printf(
                "%-21s wire limit %.1f ms (%lld bytes); best %.1f ms, ratio %.3f; median of %d %.1f ms, "
                "ratio %.3f (target <= 1.05)\n",
                runName(run), wireMs, static_cast<long long>(bytes), best,
                best / wireMs, Runs, median, median / wireMs);
        }
        sim.stop();
    }

    {
        Sim sim({"--stats", "--eeprom", dir.filePath("fast.eeprom")});
        TModuleLink link(view, image);
        for (int i = 0; i < TurnaroundRuns; ++i)
            failures += runOnce(link, sim.path, Run::Program, settings).ok ? 0 : 1;
        link.ComPort2().Close();
        const QString report = sim.stop();
        std::vector<double> us;
        for (const QString &line : report.split('\n'))
            if (line.startsWith("turnaround_us:"))
                for (const QString &v : line.mid(14).split(' ', Qt::SkipEmptyParts))
                    us.push_back(v.toDouble());
        if (us.empty()) {
            std::printf("turnaround: no samples\n");
            return 1;
        }
        std::printf(
            "turnaround per frame over %zu frames: median %.3f ms (target < 0.5), p99 %.3f ms (target < 2)\n",
            us.size(), percentile(us, 0.5) / 1000.0, percentile(us, 0.99) / 1000.0);
    }
    if (failures)
        std::printf("%d sequences failed\n", failures);
    return failures ? 1 : 0;
}
