#pragma once

#include <chrono>

namespace zarvex1 {

// Time on the simulated unit's clock, counted from its start. Whoever runs the unit passes it in: the
// pseudo-terminal shell reads the wall clock, the in-process port counts the link's ticks.
using SimTime = std::chrono::microseconds;

} // namespace zarvex1
