// Another program holding the simulated module's line, as a terminal
// program or a modem manager would: by a lock file in the system's lock
// folder or by flock on the device.
#pragma once

#include <string>

class LineHold
{
  public:
    enum Kind { None, LockFile, Flock };

    LineHold() = default;
    ~LineHold();
    LineHold(const LineHold &) = delete;
    LineHold &operator=(const LineHold &) = delete;

    // Takes the hold on the device at path (fd open on it); false after
    // printing why.
    bool take(Kind kind, const std::string &path, int fd);
    const std::string &lockFile() const { return lockFile_; }

  private:
    std::string lockFile_;
};
