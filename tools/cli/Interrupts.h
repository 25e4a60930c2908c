// SIGINT, SIGTERM and SIGHUP while pelmor-cli talks to the module: caught
// into the event loop, so that a run is stopped cleanly (nothing more sent,
// the port and its lock let go, no file left) instead of the process dying
// with the port in any state.
#pragma once

#include <QObject>

class TInterruptWatch : public QObject
{
    Q_OBJECT
  public:
    // Catches the signals from now on; the former handlers come back when
    // the watch goes.
    TInterruptWatch();
    ~TInterruptWatch() override;
    TInterruptWatch(const TInterruptWatch &) = delete;
    TInterruptWatch &operator=(const TInterruptWatch &) = delete;

    // The first signal caught, 0 before any.
    int Caught() const { return caught_; }
    // The shell's exit code for a run ended by the signal: 128 + its number.
    int ExitCode() const { return 128 + caught_; }

  signals:
    void Interrupted(int signal);

  private:
    int caught_ = 0;
};
