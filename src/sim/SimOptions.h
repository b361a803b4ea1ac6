#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarvex1 {

// How the simulated engine behaves over time.
enum class EngineMode { Cycle, Running, Stopped };

// Everything the simulator can be told on its command line.
struct SimOptions {
    // Device information of the block-0 reply.
    std::string name = "ZRX";
    int programNumber = 1;
    std::string longName;
    int buildDay = 0; // 0: the simulator's own build date and time
    int buildMonth = 0;
    int buildYear = 0;
    int buildHour = -1;
    int buildMinute = -1;
    int protocolVersion = 99;
    bool acceptHandover = true;

    // Parameter memory.
    std::string loadPath;
    std::string savePath;

    // Live values.
    int monitorMs = 100;
    int savingMs = 1800;
    EngineMode engine = EngineMode::Cycle;

    // Faults, in percent of frames or fixed.
    std::uint32_t seed = 1;
    int dropPercent = 0;
    int corruptPercent = 0;
    int noisePercent = 0;
    int delayMs = 0;
    int badEchoBlock = 0; // 1..6: programming of this block is echoed with one byte changed
    int badReadBlock = 0; // 1..6: this block is read back with one byte changed (a failing memory)

    std::string linkPath; // optional symbolic link to the device
    bool verbose = false;
};

enum class ParseResult { Run, Help, Version, Error };

// Reads the arguments after the program name; on Error, `error` says what is wrong.
ParseResult ParseSimOptions(const std::vector<std::string> &args, SimOptions &options, std::string &error);
std::string SimUsage();

} // namespace zarvex1
