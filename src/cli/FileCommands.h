#pragma once

#include "CliArguments.h"

#include "app/MessageTexts.h"

#include <ostream>

namespace zarvex1 {

// zarvex1-cli new: the set of a first start, saved as OUT. Returns the exit status.
int RunNew(const CliOptions &options, const MessageTexts &texts, std::ostream &err);
// zarvex1-cli normalize: IN opened as the Open command does, saved as OUT. Returns the exit status.
int RunNormalize(const CliOptions &options, const MessageTexts &texts, std::ostream &err);

} // namespace zarvex1
