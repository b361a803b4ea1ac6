#pragma once

#include "cli/CliArguments.h"
#include "cli/UnitConnection.h"

#include <ostream>

namespace zarvex1 {

// The commands that talk to the unit on the port options.port of the connection. Each returns the exit
// status.
int RunRead(const CliOptions &options, UnitConnection &connection, std::ostream &err);
int RunProgram(const CliOptions &options, UnitConnection &connection, std::ostream &err);
int RunVerify(const CliOptions &options, UnitConnection &connection, std::ostream &err);
int RunInfo(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err);
int RunMonitor(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err);

} // namespace zarvex1
