#include "gui/widgets/BuildStamp.h"

#include "Version.h"

// The one place of the window that reads the build's date and time, so that only this file carries them.
namespace zarvex1 {

const char *BuildDate() {
    return ZARVEX1_BUILD_DATE;
}

const char *BuildTime() {
    return ZARVEX1_BUILD_TIME;
}

} // namespace zarvex1
