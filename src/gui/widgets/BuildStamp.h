#pragma once

namespace zarvex1 {

// When this program was built, as the compiler spells it: "Dec 10 2026" and "14:03:22". A reproducible
// build (SOURCE_DATE_EPOCH) gives the moment of its sources instead of the compiler's clock.
const char *BuildDate();
const char *BuildTime();

} // namespace zarvex1
