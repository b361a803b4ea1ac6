#pragma once

#include "sim/SimOptions.h"
#include "sim/UnitEnd.h"

#include <chrono>
#include <csignal>

namespace zarvex1 {

// Moves bytes between the pseudo-terminal and the unit's end of the line, on the wall clock. Waits in
// poll() until the unit's next event or the next byte, so it sleeps between events.
class SimLoop {
public:
    SimLoop(int fd, UnitEnd &unit, const SimOptions &options);

    // Runs until `stop` becomes non-zero.
    void run(const volatile std::sig_atomic_t &stop);

private:
    SimTime now() const;
    int waitMs(SimTime now) const;
    void readInput(SimTime now);
    void send(SimTime now);
    void peerGone();

    int fd_;
    UnitEnd &unit_;
    const SimOptions &options_;
    std::chrono::steady_clock::time_point start_;
    bool attached_ = false;
};

} // namespace zarvex1
