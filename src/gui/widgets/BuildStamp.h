#pragma once

namespace zarvex1 {

// When this program was built, as the compiler spells it: "Dec 10 2026" and "14:03:22".
const char *BuildDate();
const char *BuildTime();

} // namespace zarvex1
