#pragma once

#include "core/params/Defaults.h"

#include <string>
#include <vector>

namespace zarvex1 {

enum class CliCommand { Help, Version, New, Normalize, Read, Program, Verify, Info, Monitor, Diff, History };

// What the command line asks for.
struct CliOptions {
    CliCommand command = CliCommand::Help;
    std::string port;   // --port DEVICE
    std::string input;  // IN.ign of normalize, program and verify; A.ign of diff
    std::string input2; // B.ign of diff
    std::string output; // -o OUT.ign
    int bike = 0;       // --bike CODE of new
    int page = Page::All;
    int frames = 0; // --frames N of monitor; 0 runs until interrupted
    bool json = false;
    bool csv = false; // the live-value log's CSV
};

struct ParsedArguments {
    bool ok = false;
    CliOptions options;
    std::string error; // one line saying what is wrong when !ok
};

// Reads the arguments after the program name. --help or --version before "--" asks for that alone.
ParsedArguments ParseCliArguments(const std::vector<std::string> &args);
std::string CliUsage();

} // namespace zarvex1
