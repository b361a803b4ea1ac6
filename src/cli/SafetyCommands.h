#pragma once

#include "cli/CliArguments.h"

#include <filesystem>
#include <ostream>

namespace zarvex1 {

// zarvex1-cli diff: A and B opened as the Open command does, the values that differ by page with both
// values, maps by cell. Exit status 0 the same, 1 different, 2 a file cannot be read.
int RunDiff(const CliOptions &options, std::ostream &out, std::ostream &err);
// zarvex1-cli history: the restore points in the folder, newest first.
int RunHistory(const CliOptions &options, const std::filesystem::path &historyFolder, std::ostream &out,
               std::ostream &err);

} // namespace zarvex1
