#pragma once

#include "CliArguments.h"

#include <ostream>

namespace zarvex1 {

// The commands that talk to the unit over the port of options.port. Each returns the exit status.
// They need a QCoreApplication.
int RunRead(const CliOptions &options, std::ostream &err);
int RunProgram(const CliOptions &options, std::ostream &err);
int RunVerify(const CliOptions &options, std::ostream &err);
int RunInfo(const CliOptions &options, std::ostream &out, std::ostream &err);
int RunMonitor(const CliOptions &options, std::ostream &out, std::ostream &err);

} // namespace zarvex1
