#include "SimOptions.h"

#include <cstdlib>

bool FaultPoint::parse(const std::string &text)
{
    const auto colon = text.find(':');
    const std::string head = text.substr(0, colon);
    number = colon == std::string::npos ? 0 : std::atoi(text.c_str() + colon + 1);
    if (head == "start")
        kind = Start;
    else if (head == "frame" && number >= 1)
        kind = Frame;
    else if (head == "end")
        kind = End;
    else if (head == "read")
        kind = Read;
    else
        return false;
    return true;
}

std::string ParseSimOptions(int argc, char **argv, SimOptions &o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string &out) {
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--eeprom" && value(v))
            o.eepromFile = v;
        else if (arg == "--baud" && value(v))
            o.baud = std::atol(v.c_str());
        else if (arg == "--delay" && value(v))
            o.delayMs = std::atoi(v.c_str());
        else if (arg == "--silent-at" && value(v)) {
            if (!o.silentAt.parse(v))
                return "bad --silent-at: " + v;
        } else if (arg == "--close-at" && value(v)) {
            if (!o.closeAt.parse(v))
                return "bad --close-at: " + v;
        } else if (arg == "--bare-ack")
            o.bareAck = true;
        else if (arg == "--chunk" && value(v))
            o.chunk = std::atoi(v.c_str());
        else if (arg == "--gap" && value(v))
            o.gapMs = std::atoi(v.c_str());
        else if (arg == "--split-end")
            o.splitEnd = true;
        else if (arg == "--garbage" && value(v))
            o.garbage = std::atoi(v.c_str());
        else if (arg == "--read-noise" && value(v))
            o.readNoise = std::atoi(v.c_str());
        else if (arg == "--end" && value(v)) {
            if (v != "direct" && v != "command")
                return "bad --end: " + v;
            o.endViaCommand = v == "command";
        } else if (arg == "--once")
            o.once = true;
        else if (arg == "--stats")
            o.stats = true;
        else
            return "unknown or incomplete option: " + arg;
    }
    return {};
}
