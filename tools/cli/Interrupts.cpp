#include "Interrupts.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

int signalPipe[2] = {-1, -1};
constexpr int Watched[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction former[3];
QSocketNotifier *notifier = nullptr;

// Only what is safe in a handler: one byte into the pipe.
void onSignal(int signal)
{
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

} // namespace

TInterruptWatch::TInterruptWatch()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char number = 0;
        while (::read(signalPipe[0], &number, 1) == 1)
            if (caught_ == 0) {
                caught_ = number;
                emit Interrupted(caught_);
            }
    });
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &action, &former[i]);
}

TInterruptWatch::~TInterruptWatch()
{
    if (signalPipe[0] < 0)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &former[i], nullptr);
    delete notifier;
    notifier = nullptr;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

#else

// Elsewhere the console's own handling stays.
TInterruptWatch::TInterruptWatch() = default;
TInterruptWatch::~TInterruptWatch() = default;

#endif
