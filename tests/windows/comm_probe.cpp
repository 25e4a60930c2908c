// comm_probe COMn: asks the module on COMn for its settings ("*3*1") and
// reports, line by line, how each overlapped operation on the port completes:
// by its event and by a packet on the I/O completion port the handle is
// bound to. The serial port library waits for received bytes with an
// overlapped WaitCommEvent and learns of its completion only from such a
// packet, so a system that signals the event but posts no packet leaves it
// deaf to everything the module sends.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HANDLE completionPort = nullptr;

// Waits for a packet of this operation; true when it came.
bool packetFor(const OVERLAPPED *which, DWORD waitMs, DWORD &bytes)
{
    ULONG_PTR key = 0;
    OVERLAPPED *done = nullptr;
    while (GetQueuedCompletionStatus(completionPort, &bytes, &key, &done, waitMs)) {
        if (done == which)
            return true;
    }
    return done == which;
}

const char *yesNo(bool value)
{
    return value ? "yes" : "no";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: comm_probe COMn\n");
        return 2;
    }
    char path[64];
    std::snprintf(path, sizeof path, "\\\\.\\%s", argv[1]);
    const HANDLE port = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        std::printf("open: failed, error %lu\n", GetLastError());
        return 1;
    }
    std::printf("open: yes\n");

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = 115200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    std::printf("line settings: %s\n", yesNo(SetCommState(port, &dcb)));
    // As the serial port library sets them: a read returns what is there.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    SetCommTimeouts(port, &timeouts);
    SetCommMask(port, EV_RXCHAR);

    completionPort = CreateIoCompletionPort(port, nullptr, 1, 0);
    std::printf("completion port bound: %s\n", yesNo(completionPort != nullptr));
    if (!completionPort)
        return 1;

    // The read-back command, written as the library writes.
    OVERLAPPED write{};
    write.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const char command[] = "*3*1";
    DWORD written = 0;
    if (!WriteFile(port, command, DWORD(std::strlen(command)), nullptr, &write) &&
        GetLastError() != ERROR_IO_PENDING) {
        std::printf("write: failed, error %lu\n", GetLastError());
        return 1;
    }
    GetOverlappedResult(port, &write, &written, TRUE);
    DWORD bytes = 0;
    const bool writePacket = packetFor(&write, 2000, bytes);
    std::printf("write: %lu bytes, completion packet: %s\n", written, yesNo(writePacket));

    // Waiting for the answer as the library does.
    OVERLAPPED wait{};
    wait.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD mask = 0;
    const BOOL immediate = WaitCommEvent(port, &mask, &wait);
    const DWORD waitError = immediate ? 0 : GetLastError();
    std::printf("wait for received bytes: %s\n",
                immediate ? "completed at once" : (waitError == ERROR_IO_PENDING ? "pending" : "failed"));
    const bool signalled = WaitForSingleObject(wait.hEvent, 5000) == WAIT_OBJECT_0;
    DWORD transferred = 0;
    GetOverlappedResult(port, &wait, &transferred, FALSE);
    std::printf("wait event signalled: %s, mask 0x%lx\n", yesNo(signalled), mask);
    const bool waitPacket = packetFor(&wait, 2000, bytes);
    std::printf("wait completion packet: %s\n", yesNo(waitPacket));

    // What the line holds meanwhile, and a read of it.
    COMSTAT status{};
    DWORD errors = 0;
    ClearCommError(port, &errors, &status);
    std::printf("bytes queued: %lu\n", status.cbInQue);
    static char buffer[4096];
    OVERLAPPED read{};
    read.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD got = 0;
    if (!ReadFile(port, buffer, sizeof buffer, nullptr, &read) && GetLastError() != ERROR_IO_PENDING) {
        std::printf("read: failed, error %lu\n", GetLastError());
        return 1;
    }
    GetOverlappedResult(port, &read, &got, TRUE);
    const bool readPacket = packetFor(&read, 2000, bytes);
    std::printf("read: %lu bytes, completion packet: %s\n", got, yesNo(readPacket));
    CloseHandle(port);
    return 0;
}
