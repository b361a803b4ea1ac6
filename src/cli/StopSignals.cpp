#include "cli/StopSignals.h"

#include <csignal>

namespace zarvex1 {

namespace {
// A signal handler may only set a flag of this type.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void OnStopSignal(int) {
    stopRequested = 1;
}
} // namespace

void InstallStopSignals() {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

bool StopRequested() {
    return stopRequested != 0;
}

} // namespace zarvex1
