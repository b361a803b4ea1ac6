#pragma once

#include "core/params/ParameterImage.h"

#include <optional>
#include <string>

namespace zarvex1 {

// Whose set a failed verify checked the unit against: a file's (Verify, Program) or the set a Read took.
enum class VerifiedSet { File, SetRead };

// What a verify that stopped at `block` (1..6) found, for a person, in the language: a line naming the
// block and its bytes, then every value that differs, by page, both sides (expected → unit); when the
// unit did not answer the block (`unitSet` none), one line saying so.
std::string VerifyFailureText(int block, const ParameterImage &expected,
                              const std::optional<ParameterImage> &unitSet, VerifiedSet against,
                              int language);

} // namespace zarvex1
