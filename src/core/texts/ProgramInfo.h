#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// What every program answers before it does anything else: --help (or -h) and --version.
enum class InfoRequest { None, Help, Version };

// The first of --help, -h and --version among the arguments after the program name; what follows
// "--" is a file name, never an option.
InfoRequest FindInfoRequest(const std::vector<std::string> &args);

// "zarvex1-cli 1.0" on the first line (help2man takes it from there), then the copyright and the
// licence.
std::string ProgramVersionText(std::string_view program);

// The line that follows the reason of a usage error: "Try 'zarvex1-cli --help' for more information."
std::string TryHelpLine(std::string_view program);

// The window's --help: its arguments and the environment it reads.
std::string WindowUsage();

} // namespace zarvex1
