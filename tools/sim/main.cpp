// tervala-sim: a stand-in for the Tervala module. Opens a pseudo-terminal,
// prints the device path on its first line and answers the program's
// commands; options inject the faults a real line shows.
#include "LineHold.h"
#include "ModuleSim.h"
#include "PelmorVersion.h"
#include "SimOptions.h"

#include <QStringList>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace
{

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void printStats(const std::vector<long> &samples)
{
    std::fprintf(stderr, "turnaround_us:");
    for (long us : samples)
        std::fprintf(stderr, " %ld", us);
    std::fprintf(stderr, "\n");
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const SimCommandLine line = ParseSimOptions(args);
    if (line.help) {
        std::fputs(SimHelp().toUtf8().constData(), stdout);
        return 0;
    }
    if (line.version) {
        std::puts("tervala-sim " PELMOR_VERSION);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "tervala-sim: %s\n%s", line.error.toLocal8Bit().constData(),
                     SimUsage().toLocal8Bit().constData());
        return 2;
    }
    const SimOptions &options = line.options;
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("tervala-sim: nie można otworzyć pseudoterminala");
        return 1;
    }
    const char *path = ptsname(master);
    // Our own handle on the device keeps the line up while the program
    // closes and reopens its port; it also puts the line in raw mode at once.
    const int keeper = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (keeper < 0) {
        std::perror("tervala-sim: nie można otworzyć urządzenia pseudoterminala");
        return 1;
    }
    termios tio{};
    tcgetattr(keeper, &tio);
    cfmakeraw(&tio);
    tcsetattr(keeper, TCSANOW, &tio);

    LineHold hold;
    if (!hold.take(LineHold::Kind(options.hold), path, keeper))
        return 1;

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::printf("%s\n", path);
    std::fflush(stdout);

    ModuleSim sim(master, options);
    sim.setSecondReader(keeper);
    char buffer[4096];
    while (!stopRequested) {
        pollfd pfd{master, POLLIN, 0};
        const int ready = poll(&pfd, 1, 100);
        if (ready <= 0 || !(pfd.revents & POLLIN))
            continue;
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        if (!sim.take(std::string(buffer, std::size_t(n)), ModuleSim::Clock::now())) {
            // The line closed mid-run, as a pulled cable would.
            std::fprintf(stderr, "tervala-sim: linia zamknięta\n");
            ::close(keeper);
            ::close(master);
            break;
        }
    }
    if (options.stats)
        printStats(sim.turnarounds());
    return 0;
}
