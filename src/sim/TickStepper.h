#pragma once

#include "sim/SimulatedPort.h"

#include <functional>
#include <utility>

namespace zarvex1 {

// Runs a link owner's ticks against the in-process unit: the line and the unit run for one tick's time
// (55 ms), then the owner's tick, as the program's timer would fire. Tests count ticks and never wait.
class TickStepper {
public:
    static constexpr SimTime TickTime = std::chrono::milliseconds(55);

    TickStepper(SimulatedPort &port, std::function<void()> tick) : port_(port), tick_(std::move(tick)) {}

    void Step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            port_.Advance(TickTime);
            tick_();
            ++ticks_;
        }
    }
    // Steps until done() holds after a tick: the ticks it took, or -1 when `limit` ticks did not do.
    int StepUntil(const std::function<bool()> &done, int limit) {
        for (int n = 1; n <= limit; ++n) {
            Step();
            if (done())
                return n;
        }
        return -1;
    }
    int ticks() const { return ticks_; }

private:
    SimulatedPort &port_;
    std::function<void()> tick_;
    int ticks_ = 0;
};

} // namespace zarvex1
