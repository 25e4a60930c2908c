// Command-line options of the module simulator.
#pragma once

#include <string>

// A point of the module's exchange at which a fault strikes.
struct FaultPoint {
    enum Kind { None, Start, Frame, End, Read } kind = None;
    int number = 0; // Frame: the frame; Read: stream bytes sent before the fault

    bool parse(const std::string &text);
};

struct SimOptions {
    std::string eepromFile;
    long baud = 0;              // 0: answers go out at once
    int delayMs = 0;            // before every answer
    FaultPoint silentAt;        // no answer from here on
    FaultPoint closeAt;         // the line closed here
    bool bareAck = false;       // frames acknowledged by "*1" alone
    int chunk = 0;              // answers in blocks of this many bytes ...
    int gapMs = 0;              // ... with this pause between them
    bool splitEnd = false;      // the read-back's end mark split over two blocks
    int garbage = 0;            // bytes of noise (no "*") before every answer
    int readNoise = 0;          // bytes of noise (no "*") before the read-back stream only
    bool endViaCommand = false; // frame 27 answered without "OK*1": "*5*1" is needed
    bool once = false;          // faults in the first sequence only
    bool stats = false;         // turnaround per frame on stderr at exit
};

// Returns an empty string on success, else the complaint.
std::string ParseSimOptions(int argc, char **argv, SimOptions &options);
