#include "gui/widgets/BuildStamp.h"

// The one place that reads the compiler's date and time, so that only this file carries them.
namespace zarvex1 {

const char *BuildDate() {
    return __DATE__;
}

const char *BuildTime() {
    return __TIME__;
}

} // namespace zarvex1
