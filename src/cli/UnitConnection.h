#pragma once

#include "core/link/SerialPort.h"

#include <functional>

namespace zarvex1 {

// Where the unit commands find the unit and how their 55 ms ticks run: the real serial port in Qt's
// event loop, or a unit in process that a test moves on tick by tick.
struct UnitConnection {
    SerialPort &port;
    // Calls `tick` once every 55 ms until it returns true or `budget` ticks have passed.
    std::function<void(const std::function<bool()> &tick, int budget)> run;
    // Milliseconds of a monotonic clock, for the time of the monitor's lines; without it the time is
    // counted in ticks.
    std::function<long long()> clockMs = {};
};

} // namespace zarvex1
