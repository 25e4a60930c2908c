#include "LineHold.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{

// The first of the usual lock folders this user may write.
std::string lockFolder()
{
    for (const char *folder : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp", "/tmp"})
        if (::access(folder, R_OK | W_OK | X_OK) == 0)
            return folder;
    return {};
}

} // namespace

LineHold::~LineHold()
{
    if (!lockFile_.empty())
        ::unlink(lockFile_.c_str());
}

bool LineHold::take(Kind kind, const std::string &path, int fd)
{
    if (kind == Flock) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        std::perror("tervala-sim: flock");
        return false;
    }
    if (kind != LockFile)
        return true;
    const std::string folder = lockFolder();
    if (folder.empty()) {
        std::fprintf(stderr, "tervala-sim: no lock folder to write\n");
        return false;
    }
    // The name below /dev with "/" made "_", the process number as ten
    // characters and a line end, as uucp and its followers write it.
    std::string name = path.rfind("/dev/", 0) == 0 ? path.substr(5) : path;
    for (char &c : name)
        if (c == '/')
            c = '_';
    const std::string file = folder + "/LCK.." + name;
    const int out = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (out < 0) {
        std::perror(("tervala-sim: " + file).c_str());
        return false;
    }
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10ld\n", long(::getpid()));
    const bool written = ::write(out, text, std::size_t(length)) == length;
    ::close(out);
    lockFile_ = file;
    return written;
}
