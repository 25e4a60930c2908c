#include "ModuleSim.h"

#include "SystemErrors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace
{

constexpr int FirstFrameBytes = 29;
constexpr int NextFrameBytes = 49;
constexpr int Frames = 27;
constexpr int StreamImageBytes = 1700;
constexpr char LeadByte = 0x55;
constexpr int SettingsChecksumAt = 41; // NOT of the 8-bit sum of bytes 2 to 40

int frameOffset(int frame)
{
    return frame == 1 ? 0 : 25 + 45 * (frame - 2);
}

void sleepUntil(ModuleSim::Clock::time_point when)
{
    // Sleep most of the way, then spin: pacing at 115200 needs steps of ~87 us.
    const auto spinFrom = when - std::chrono::microseconds(200);
    if (ModuleSim::Clock::now() < spinFrom)
        std::this_thread::sleep_until(spinFrom);
    while (ModuleSim::Clock::now() < when) {
    }
}

} // namespace

ModuleSim::ModuleSim(int masterFd, const SimOptions &options) : fd_(masterFd), options_(options)
{
    loadEeprom();
    applyStuckBytes();
}

void ModuleSim::loadEeprom()
{
    // A module without a file holds an empty settings block whose checksum
    // byte is right, as one that has been through its factory set-up.
    eeprom_[SettingsChecksumAt] = 0xFF;
    if (options_.eepromFile.empty())
        return;
    std::ifstream in(options_.eepromFile, std::ios::binary);
    if (in)
        in.read(reinterpret_cast<char *>(eeprom_.data()), EepromSize);
}

void ModuleSim::applyStuckBytes()
{
    for (const auto &[offset, value] : options_.stuck)
        eeprom_[std::size_t(offset)] = std::uint8_t(value);
}

bool ModuleSim::saveEeprom() const
{
    if (options_.eepromFile.empty())
        return true;
    // Written beside the file and renamed over it, so a failed store leaves
    // the module's previous content as it was.
    std::string temp = options_.eepromFile + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    bool ok = fd >= 0;
    const char *data = reinterpret_cast<const char *>(eeprom_.data());
    std::size_t done = 0;
    while (ok && done < std::size_t(EepromSize)) {
        const ssize_t n = ::write(fd, data + done, EepromSize - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += std::size_t(n);
    }
    const int error = ok ? 0 : errno;
    ok = ok && ::fsync(fd) == 0;
    if (fd >= 0 && ::close(fd) != 0)
        ok = false;
    ok = ok && ::rename(temp.c_str(), options_.eepromFile.c_str()) == 0;
    if (!ok) {
        std::fprintf(stderr, "tervala-sim: nie można zapisać pliku EEPROM \"%s\": %s\n", options_.eepromFile.c_str(),
                     SystemErrorText(error ? error : errno).toLocal8Bit().constData());
        if (fd >= 0)
            ::unlink(temp.c_str());
    }
    return ok;
}

ModuleSim::Clock::duration bytesTime(long baud, std::size_t count)
{
    if (baud <= 0)
        return {};
    // 10 bits per byte: start, 8 data, stop.
    return std::chrono::nanoseconds(static_cast<long long>(count) * 10'000'000'000LL / baud);
}

bool ModuleSim::take(const std::string &bytes, Clock::time_point readAt)
{
    if (closed_)
        return false;
    wireFree_ = std::max(wireFree_, readAt) + bytesTime(options_.baud, bytes.size());
    in_ += bytes;
    for (;;) {
        if (mode_ == Mode::Data) {
            // A command instead of the next frame: the program started over.
            if (in_.size() >= 2 && in_[0] == '*' && in_[1] != '0')
                mode_ = Mode::Command;
        }
        if (mode_ == Mode::Data) {
            const std::size_t need = frame_ == 1 ? FirstFrameBytes : NextFrameBytes;
            if (in_.size() < need)
                return true;
            const std::string frame = in_.substr(0, need);
            in_.erase(0, need);
            if (!handleFrame(frame))
                return !closed_;
            continue;
        }
        const auto mark = in_.find("*1");
        if (mark == std::string::npos) {
            if (in_.size() > 4096)
                in_.clear();
            return true;
        }
        const std::string command = in_.substr(0, mark);
        in_.erase(0, mark + 2);
        if (!handleCommand(command))
            return !closed_;
    }
}

bool ModuleSim::faultAt(const FaultPoint &point, FaultPoint::Kind kind, int number) const
{
    if (point.kind != kind || !faulty())
        return false;
    return kind != FaultPoint::Frame || number >= point.number;
}

bool ModuleSim::strikes(FaultPoint::Kind kind, int number)
{
    if (faultAt(options_.closeAt, kind, number)) {
        closeLine();
        return true;
    }
    if (faultAt(options_.silentAt, kind, number) || silent_) {
        silent_ = true;
        return true;
    }
    return false;
}

bool ModuleSim::handleCommand(const std::string &command)
{
    const std::string tail = command.size() >= 2 ? command.substr(command.size() - 2) : command;
    if (tail == "*2") {
        ++sequence_;
        silent_ = false;
        if (strikes(FaultPoint::Start, 0))
            return false;
        mode_ = Mode::Data;
        frame_ = 1;
        secondReaderTakes();
        answer("OK*1");
    } else if (tail == "*3") {
        ++sequence_;
        silent_ = false;
        mode_ = Mode::Command;
        std::string stream;
        if (faulty())
            stream = noise(options_.readNoise);
        stream += LeadByte;
        stream.append(reinterpret_cast<const char *>(eeprom_.data()), StreamImageBytes);
        stream += "*1";
        int cutAfter = -1;
        if (faultAt(options_.closeAt, FaultPoint::Read, 0) || faultAt(options_.silentAt, FaultPoint::Read, 0))
            cutAfter = options_.closeAt.kind == FaultPoint::Read ? options_.closeAt.number
                                                                 : options_.silentAt.number;
        answer(stream, options_.splitEnd, cutAfter);
        if (cutAfter >= 0 && options_.closeAt.kind == FaultPoint::Read)
            closeLine();
        if (cutAfter >= 0)
            return false;
    } else if (tail == "*5") {
        if (strikes(FaultPoint::End, 0))
            return false;
        // A programming the module could not store is never confirmed.
        if (!saveEeprom())
            return true;
        secondReaderTakes();
        answer("OK*1");
    }
    // Anything else is noise the module does not answer.
    return true;
}

bool ModuleSim::handleFrame(const std::string &frame)
{
    const int number = frame_;
    if (frame.compare(0, 2, "*0") != 0 || frame.compare(frame.size() - 2, 2, "*1") != 0) {
        std::fprintf(stderr, "tervala-sim: zniekształcona ramka %d\n", number);
        mode_ = Mode::Command;
        return true;
    }
    if (options_.stats && number > 1 && lastAnswerOut_ != Clock::time_point{}) {
        const auto took = Clock::now() - lastAnswerOut_;
        turnaroundsUs_.push_back(long(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    }
    std::copy(frame.begin() + 2, frame.end() - 2, eeprom_.begin() + frameOffset(number));
    applyStuckBytes();
    if (strikes(FaultPoint::Frame, number))
        return false;
    secondReaderTakes();
    if (number < Frames) {
        ++frame_;
        answer(options_.bareAck && faulty() ? "*1" : "D*1");
        return true;
    }
    mode_ = Mode::Command;
    if (options_.endViaCommand) {
        answer(options_.bareAck && faulty() ? "*1" : "D*1");
    } else if (saveEeprom()) {
        answer("OK*1");
    }
    return true;
}

void ModuleSim::answer(std::string bytes, bool splitEnd, int cutAfter)
{
    if (faulty())
        bytes = noise(options_.garbage) + bytes;
    if (cutAfter >= 0 && cutAfter < int(bytes.size()))
        bytes.resize(cutAfter);
    auto when =
        std::max(Clock::now(), wireFree_) + std::chrono::milliseconds(faulty() ? options_.delayMs : 0);
    const auto gap = std::chrono::milliseconds(options_.gapMs);
    const bool faulty = this->faulty();
    // Pacing hands the bytes over in small blocks as a USB adapter does.
    std::size_t block = options_.baud > 0 ? 32 : bytes.size();
    if (faulty && options_.chunk > 0)
        block = std::size_t(options_.chunk);
    std::size_t splitAt = bytes.size();
    if (splitEnd && faulty && bytes.size() >= 2)
        splitAt = bytes.size() - 1; // "*" closes one block, "1" opens the next
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        std::size_t count = std::min(block, bytes.size() - sent);
        if (sent < splitAt && sent + count > splitAt)
            count = splitAt - sent;
        when += bytesTime(options_.baud, count);
        writeAt(bytes.substr(sent, count), when);
        sent += count;
        if (sent < bytes.size() && (sent == splitAt || (faulty && options_.chunk > 0)))
            when = std::max(when, Clock::now()) + (gap.count() > 0 ? gap : std::chrono::milliseconds(20));
    }
    wireFree_ = when;
    lastAnswerOut_ = Clock::now();
}

std::string ModuleSim::noise(int count)
{
    std::string bytes;
    while (int(bytes.size()) < count) {
        const char c = char(rng_() & 0xFF);
        if (c != '*')
            bytes += c;
    }
    return bytes;
}

void ModuleSim::secondReaderTakes()
{
    if (!options_.secondReader || readerFd_ < 0 || !faulty())
        return;
    // Byte by byte, each taken as soon as it is on the line: the program is
    // woken for every one of them and mostly finds it gone.
    char taken[256];
    for (int burst = 0; burst < 8; ++burst) {
        writeAt(noise(1), Clock::now());
        pollfd pfd{readerFd_, POLLIN, 0};
        if (poll(&pfd, 1, 2) > 0)
            while (::read(readerFd_, taken, sizeof taken) > 0) {
            }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void ModuleSim::writeAt(const std::string &bytes, Clock::time_point when)
{
    sleepUntil(when);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return;
        }
        done += std::size_t(n);
    }
}

void ModuleSim::closeLine()
{
    closed_ = true;
}
