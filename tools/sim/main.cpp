// tervala-sim: a stand-in for the Tervala module. Opens a pseudo-terminal,
// prints the device path on its first line and answers the program's
// commands; options inject the faults a real line shows.
#include "ModuleSim.h"
#include "SimOptions.h"

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

const char Usage[] = R"(usage: tervala-sim [options]
Opens a pseudo-terminal, prints its device path on the first line and answers
as the Tervala module does until SIGTERM or SIGINT.
  --eeprom FILE      the module's 2048-byte EEPROM, kept between runs
  --baud N           pace answers at N baud (10 bits per byte); 0 = at once
  --delay MS         wait before every answer
  --silent-at P      stop answering at P: start | frame:N | end | read[:BYTES]
  --close-at P       close the line at P (as a pulled cable), then exit
  --bare-ack         acknowledge frames with "*1" alone
  --chunk N          send answers in blocks of N bytes ...
  --gap MS           ... with this pause between blocks
  --split-end        split the read-back's end mark: "*" and "1" in two blocks
  --garbage N        N bytes of noise (no "*") before every answer
  --read-noise N     N bytes of noise (no "*") before the read-back stream only,
                     as from a module still sending when "*3*1" came
  --end direct|command  answer frame 27 with "OK*1" or ask for "*5*1"
  --once             faults, delays and noise in the first sequence only
  --stats            print the turnaround per frame on stderr at exit
)";

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
    SimOptions options;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--help") {
            std::fputs(Usage, stdout);
            return 0;
        }
    const std::string complaint = ParseSimOptions(argc, argv, options);
    if (!complaint.empty()) {
        std::fprintf(stderr, "tervala-sim: %s\n", complaint.c_str());
        return 2;
    }
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("tervala-sim: pseudo-terminal");
        return 1;
    }
    const char *path = ptsname(master);
    // Our own handle on the device keeps the line up while the program
    // closes and reopens its port; it also puts the line in raw mode at once.
    const int keeper = ::open(path, O_RDWR | O_NOCTTY);
    if (keeper < 0) {
        std::perror("tervala-sim: open device");
        return 1;
    }
    termios tio{};
    tcgetattr(keeper, &tio);
    cfmakeraw(&tio);
    tcsetattr(keeper, TCSANOW, &tio);

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::printf("%s\n", path);
    std::fflush(stdout);

    ModuleSim sim(master, options);
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
            std::fprintf(stderr, "tervala-sim: line closed\n");
            ::close(keeper);
            ::close(master);
            break;
        }
    }
    if (options.stats)
        printStats(sim.turnarounds());
    return 0;
}
