#include "sim/SimOptions.h"

#include "core/texts/ProgramInfo.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>

namespace zarvex1 {

namespace {

bool ParseInt(const std::string &text, int lo, int hi, int &out) {
    int value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lo || value > hi)
        return false;
    out = value;
    return true;
}

// "12.04.2018"
bool ParseDate(const std::string &text, SimOptions &o) {
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d%c", &d, &m, &y, &tail) != 3)
        return false;
    if (d < 1 || d > 31 || m < 1 || m > 12 || y < 2000 || y > 2255)
        return false;
    o.buildDay = d;
    o.buildMonth = m;
    o.buildYear = y;
    return true;
}

// "14:05"
bool ParseTime(const std::string &text, SimOptions &o) {
    int h = 0, m = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &h, &m, &tail) != 2 || h < 0 || h > 23 || m < 0 || m > 59)
        return false;
    o.buildHour = h;
    o.buildMinute = m;
    return true;
}

} // namespace

std::string SimUsage() {
    return "Usage: zarvex1-sim [options]\n"
           "Plays a ZARVEX1 ignition unit on a pseudo-terminal. The first line printed is the device\n"
           "to open in ZARVEX1 Studio (for example /dev/pts/5). Stop it with Ctrl+C.\n"
           "\n"
           "Unit:\n"
           "  --name ABC            three-letter program name (default ZRX)\n"
           "  --number N            program number 0..99 (default 1)\n"
           "  --long-name TEXT      long program name, up to 30 characters (default none)\n"
           "  --build-date D.M.YYYY build date reported (default: the simulator's build date)\n"
           "  --build-time HH:MM    build time reported (default: the simulator's build time)\n"
           "  --protocol N          protocol version reported, 0..255 (default 99)\n"
           "  --no-handover         refuse the handover to the loader\n"
           "\n"
           "Parameter memory:\n"
           "  --load FILE           start with the parameters of FILE (*.ign, or a raw 900-byte image);\n"
           "                        without it the unit holds the program's defaults\n"
           "  --save FILE           write the parameters to FILE after every programming run\n"
           "                        (*.ign text when the name ends in .ign, otherwise a raw image)\n"
           "\n"
           "Live values:\n"
           "  --monitor-ms MS       interval of monitor frames, 0 for none (default 100)\n"
           "  --engine MODE         cycle, running or stopped (default cycle: 5 s standing, then a run\n"
           "                        through the gears)\n"
           "  --saving-ms MS        time the unit takes to store programmed data (default 1800)\n"
           "\n"
           "Faults:\n"
           "  --seed N              seed of the fault and noise generator (default 1)\n"
           "  --drop PERCENT        leave this share of replies unanswered\n"
           "  --corrupt PERCENT     send this share of frames with a wrong checksum\n"
           "  --noise PERCENT       put 1..20 random bytes before this share of frames\n"
           "  --delay MS            answer every request MS milliseconds late\n"
           "  --bad-echo K          echo programmed block K (1..6) with one byte changed\n"
           "  --bad-read K          read block K (1..6) back with one byte changed\n"
           "\n"
           "Other:\n"
           "  --link PATH           also make PATH a symbolic link to the device\n"
           "  --verbose             log every frame to standard error\n"
           "  --help                show this text and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "An option with a value may also be written --option=VALUE.\n";
}

ParseResult ParseSimOptions(const std::vector<std::string> &args, SimOptions &o, std::string &error) {
    using Setter = std::function<bool(const std::string &)>;
    auto intOption = [](int &field, int lo, int hi) -> Setter {
        return [&field, lo, hi](const std::string &v) { return ParseInt(v, lo, hi, field); };
    };
    const std::map<std::string, Setter> valued = {
        {"--name", [&](const std::string &v) { return v.size() == 3 && (o.name = v, true); }},
        {"--number", intOption(o.programNumber, 0, 99)},
        {"--long-name", [&](const std::string &v) { return v.size() <= 30 && (o.longName = v, true); }},
        {"--build-date", [&](const std::string &v) { return ParseDate(v, o); }},
        {"--build-time", [&](const std::string &v) { return ParseTime(v, o); }},
        {"--protocol", intOption(o.protocolVersion, 0, 255)},
        {"--load", [&](const std::string &v) { return !v.empty() && (o.loadPath = v, true); }},
        {"--save", [&](const std::string &v) { return !v.empty() && (o.savePath = v, true); }},
        {"--monitor-ms", intOption(o.monitorMs, 0, 60000)},
        {"--saving-ms", intOption(o.savingMs, 0, 600000)},
        {"--engine",
         [&](const std::string &v) {
             if (v == "cycle")
                 o.engine = EngineMode::Cycle;
             else if (v == "running")
                 o.engine = EngineMode::Running;
             else if (v == "stopped")
                 o.engine = EngineMode::Stopped;
             else
                 return false;
             return true;
         }},
        {"--seed",
         [&](const std::string &v) {
             int s = 0;
             return ParseInt(v, 0, 0x7FFFFFFF, s) && (o.seed = static_cast<std::uint32_t>(s), true);
         }},
        {"--drop", intOption(o.dropPercent, 0, 100)},
        {"--corrupt", intOption(o.corruptPercent, 0, 100)},
        {"--noise", intOption(o.noisePercent, 0, 100)},
        {"--delay", intOption(o.delayMs, 0, 60000)},
        {"--bad-echo", intOption(o.badEchoBlock, 1, 6)},
        {"--bad-read", intOption(o.badReadBlock, 1, 6)},
        {"--link", [&](const std::string &v) { return !v.empty() && (o.linkPath = v, true); }},
    };

    // --help and --version are answered whatever else the line holds.
    switch (FindInfoRequest(args)) {
    case InfoRequest::Help:
        return ParseResult::Help;
    case InfoRequest::Version:
        return ParseResult::Version;
    case InfoRequest::None:
        break;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--no-handover") {
            o.acceptHandover = false;
            continue;
        }
        if (arg == "--verbose") {
            o.verbose = true;
            continue;
        }
        std::string value;
        bool hasValue = false;
        if (auto eq = arg.find('='); eq != std::string::npos && arg.starts_with("--")) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        auto it = valued.find(arg);
        if (it == valued.end()) {
            error = "unknown option " + arg;
            return ParseResult::Error;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return ParseResult::Error;
            }
            value = args[++i];
        }
        if (!it->second(value)) {
            error = "bad value for " + arg + ": " + value;
            return ParseResult::Error;
        }
    }
    return ParseResult::Run;
}

} // namespace zarvex1
