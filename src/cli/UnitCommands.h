#pragma once

#include "cli/CliArguments.h"
#include "cli/UnitConnection.h"

#include <filesystem>
#include <ostream>

namespace zarvex1 {

// The commands that talk to the unit on the port options.port of the connection. Each returns the exit
// status. Read and Program keep restore points in `historyFolder` as the window does (none when empty).
int RunRead(const CliOptions &options, UnitConnection &connection, std::ostream &err,
            const std::filesystem::path &historyFolder = {});
int RunProgram(const CliOptions &options, UnitConnection &connection, std::ostream &err,
               const std::filesystem::path &historyFolder = {});
int RunVerify(const CliOptions &options, UnitConnection &connection, std::ostream &err,
              const std::filesystem::path &historyFolder = {});
int RunInfo(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err);
int RunMonitor(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err);

} // namespace zarvex1
