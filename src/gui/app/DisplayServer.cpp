#include "gui/app/DisplayServer.h"

#include <QtGlobal>

namespace zarvex1 {

namespace {

const char *const NoSharedMemory = "QT_XCB_NO_MITSHM";
bool ours = false;

} // namespace

void PrepareDisplayServer() {
    if (qEnvironmentVariableIsSet(NoSharedMemory))
        return;
    qputenv(NoSharedMemory, "1");
    ours = true;
}

void DisplayServerConnected() {
    if (ours)
        qunsetenv(NoSharedMemory);
    ours = false;
}

} // namespace zarvex1
