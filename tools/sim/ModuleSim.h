// The simulated module: reads what the program sends on the master side of
// a pseudo-terminal and answers as the Tervala module does.
#pragma once

#include "SimOptions.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class ModuleSim
{
  public:
    using Clock = std::chrono::steady_clock;

    ModuleSim(int masterFd, const SimOptions &options);
    // The descriptor a second reader on the line reads from (--second-reader).
    void setSecondReader(int deviceFd) { readerFd_ = deviceFd; }
    // Handles bytes read from the line. False once the line has been closed.
    bool take(const std::string &bytes, Clock::time_point readAt);
    const std::vector<long> &turnarounds() const { return turnaroundsUs_; }

    static constexpr int EepromSize = 2048;

  private:
    enum class Mode { Command, Data };

    bool handleCommand(const std::string &command);
    bool handleFrame(const std::string &frame);
    // With --once only the first sequence meets the faults.
    bool faulty() const { return !(options_.once && sequence_ > 1); }
    bool faultAt(const FaultPoint &point, FaultPoint::Kind kind, int number) const;
    // Returns false when a fault stopped the exchange.
    bool strikes(FaultPoint::Kind kind, int number);
    void answer(std::string bytes, bool splitEnd = false, int cutAfter = -1);
    // Line noise: random bytes without "*", so it never forms a mark.
    std::string noise(int count);
    // Noise in small bursts that the second reader takes off the line.
    void secondReaderTakes();
    void writeAt(const std::string &bytes, Clock::time_point when);
    void closeLine();
    void loadEeprom();
    // Bytes that keep their value whatever is written, as a worn cell does.
    void applyStuckBytes();
    // False, after saying why on stderr, when the EEPROM file could not be replaced.
    bool saveEeprom() const;

    int fd_;
    int readerFd_ = -1;
    SimOptions options_;
    std::array<std::uint8_t, EepromSize> eeprom_{};
    std::string in_;
    Mode mode_ = Mode::Command;
    int frame_ = 0;
    int sequence_ = 0;
    bool silent_ = false;
    bool closed_ = false;
    Clock::time_point wireFree_{}; // the line is busy with received bytes until then
    Clock::time_point lastAnswerOut_{};
    std::vector<long> turnaroundsUs_;
    std::mt19937 rng_{1234};
};
