#pragma once

#include "Faults.h"
#include "FrameReceiver.h"
#include "SimOptions.h"
#include "SimulatedUnit.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <vector>

namespace zarvex1 {

// Moves bytes between the pseudo-terminal and the simulated unit: answers requests, streams monitor
// frames, plays the faults. Waits in poll() with a timeout, so it sleeps between events.
class SimLoop {
public:
    // Monitor frames pause for this long after a request of a transfer. The PC decodes only the first
    // frame of what it reads at a tick, so a monitor frame landing just before a reply would cost that
    // reply a resend; the unit therefore keeps quiet while a transfer runs.
    static constexpr long long QuietAfterRequestMs = 150;

    SimLoop(int fd, SimulatedUnit &unit, Faults &faults, const SimOptions &options);

    // Runs until `stop` becomes non-zero.
    void run(const volatile std::sig_atomic_t &stop);

private:
    struct Outgoing {
        long long dueMs;
        std::vector<std::uint8_t> bytes;
    };

    long long now() const;
    int waitMs(long long nowMs) const;
    void readInput(long long nowMs);
    void handleFrames(long long nowMs);
    void sendMonitor(long long nowMs);
    void queue(const Frame &frame, long long dueMs);
    void flushDue(long long nowMs);
    void peerGone();

    int fd_;
    SimulatedUnit &unit_;
    Faults &faults_;
    const SimOptions &options_;
    FrameReceiver receiver_;
    std::deque<Outgoing> outgoing_;
    std::chrono::steady_clock::time_point start_;
    bool attached_ = false;
    long long nextMonitorMs_ = 0;
    long long lastRequestMs_ = -QuietAfterRequestMs;
};

} // namespace zarvex1
