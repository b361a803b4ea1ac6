#pragma once

#include "cli/CliArguments.h"

#include <ostream>

namespace zarvex1 {

// zarvex1-cli new: the set of a first start, saved as OUT. Returns the exit status.
int RunNew(const CliOptions &options, std::ostream &err);
// zarvex1-cli normalize: IN opened as the Open command does, saved as the Save command does.
int RunNormalize(const CliOptions &options, std::ostream &err);

} // namespace zarvex1
