// pelmor-bench-startup: times the start-up of the main window, and its peak
// memory, against a bare Qt window shown the same way. Each measurement runs
// in a fresh process (this program with --child), so the whole start-up is
// timed, from starting the process until the window is shown, and peak memory
// is the process's own high-water mark. The time spent creating and showing
// the window alone is printed as well.
//
// The main window starts as the program starts it: the font configuration
// and the port list read on threads of their own while Qt starts, Qt's Polish
// translations loaded, the icon set, the remembered settings read and the
// port list with its adapter details in place.
//
// Targets: whole start-up within 2.5 x the bare window's, peak memory within
// 1.5 x the bare window's peak.
#include "Desktop.h"
#include "FontWarmUp.h"
#include "PortTools.h"
#include "Uformagl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace
{
constexpr int Runs = 7;
constexpr double TimeTarget = 2.5;
constexpr double MemoryTarget = 1.5;

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// One measurement: prints "<create+show µs> <first paint µs> <peak kB>".
int child(int argc, char *argv[], bool mainWindow)
{
    // As the program starts: the font configuration and the port list are
    // read meanwhile.
    std::optional<TFontWarmUp> fonts;
    if (mainWindow) {
        fonts.emplace();
        BeginListingSerialPorts();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmor"));
    QElapsedTimer timer;
    timer.start();
    QMainWindow *window = nullptr;
    if (mainWindow) {
        SetUpApplication(app);
        fonts->Wait();
        auto *main = new TGlownaF;
        main->RestoreDesktopState();
        window = main;
    } else {
        window = new QMainWindow;
        window->setWindowTitle(QStringLiteral("Tervala Loader v 1.1"));
        window->resize(743, 660);
    }
    window->show();
    const qint64 shown = timer.nsecsElapsed();
    QApplication::processEvents();
    const qint64 micros = timer.nsecsElapsed() / 1000;
    std::printf("%lld %lld %ld\n", static_cast<long long>(micros),
                static_cast<long long>(micros - shown / 1000), peakKilobytes());
    std::fflush(stdout);
    delete window;
    return 0;
}

struct TSample {
    double wholeMicros;  // process start until the window is shown
    double windowMicros; // creating and showing the window
    double paintMicros;  // of which the first paint
    double peakKb;
};

bool measure(const QString &self, const char *mode, TSample &sample)
{
    QProcess process;
    QElapsedTimer whole;
    whole.start();
    process.start(self, {QStringLiteral("--child"), QString::fromLatin1(mode)});
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(60000))
        line += process.readAllStandardOutput();
    const double wholeMicros = double(whole.nsecsElapsed()) / 1000;
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 3)
        return false;
    sample = {wholeMicros, fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble()};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv, std::strcmp(argv[2], "window") == 0);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> bareWhole, bareWindow, barePaint, bareMemory, mainWhole, mainWindow, mainPaint,
        mainMemory;
    for (int run = 0; run < Runs; ++run) {
        TSample bare{}, main{};
        if (!measure(self, "bare", bare) || !measure(self, "window", main)) {
            std::fprintf(stderr, "a measurement process failed\n");
            return 1;
        }
        bareWhole.push_back(bare.wholeMicros);
        bareWindow.push_back(bare.windowMicros);
        barePaint.push_back(bare.paintMicros);
        bareMemory.push_back(bare.peakKb);
        mainWhole.push_back(main.wholeMicros);
        mainWindow.push_back(main.windowMicros);
        mainPaint.push_back(main.paintMicros);
        mainMemory.push_back(main.peakKb);
    }
    const double bw = median(bareWhole), mw = median(mainWhole);
    const double bm = median(bareMemory), mm = median(mainMemory);
    const double timeRatio = mw / bw, memoryRatio = mm / bm;
    std::printf("start-up, median of %d runs each        whole start-up   create+show   (first paint)   peak "
                "memory\n",
                Runs);
    std::printf("  bare Qt window                        %9.1f ms   %8.1f ms   (%8.1f ms)   %8.0f kB\n",
                bw / 1000, median(bareWindow) / 1000, median(barePaint) / 1000, bm);
    std::printf("  main window (TGlownaF)                %9.1f ms   %8.1f ms   (%8.1f ms)   %8.0f kB\n",
                mw / 1000, median(mainWindow) / 1000, median(mainPaint) / 1000, mm);
    std::printf("  start-up ratio %.2f (target <= %.1f)  %s\n", timeRatio, TimeTarget,
                timeRatio <= TimeTarget ? "met" : "MISSED");
    std::printf("  memory ratio   %.2f (target <= %.1f)  %s\n", memoryRatio, MemoryTarget,
                memoryRatio <= MemoryTarget ? "met" : "MISSED");
    return 0;
}
