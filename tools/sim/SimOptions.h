// Command-line options of the module simulator.
#pragma once

#include <QString>
#include <QStringList>

#include <map>
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
    bool secondReader = false;  // another reader on the line takes noise before programming answers
    bool endViaCommand = false; // frame 27 answered without "OK*1": "*5*1" is needed
    int hold = 0;               // LineHold::Kind: the line held by another program
    bool once = false;          // faults in the first sequence only
    bool stats = false;         // turnaround per frame on stderr at exit
    std::map<int, int> stuck;   // image byte -> the value it keeps whatever is written
};

// What the command line asked for: a run with these options, the help or
// the version, or nothing because of `error` (wrong usage, exit 2).
struct SimCommandLine {
    SimOptions options;
    bool help = false;
    bool version = false;
    QString error;
};

// `args` without the program's name. Every value is checked: numbers within
// their range, fault points well formed, the EEPROM file readable and
// writable (or, when it does not exist yet, creatable).
SimCommandLine ParseSimOptions(const QStringList &args);
QString SimHelp();
QString SimUsage();
