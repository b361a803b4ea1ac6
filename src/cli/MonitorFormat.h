#pragma once

#include "core/link/LiveRecord.h"

#include <string>

namespace zarvex1 {

// One live record as a JSON object on one line (no line break): first the time in seconds with
// milliseconds, then every field an integer, the potentiometer corrections and the current advances
// with their offsets removed.
std::string MonitorJson(const LiveRecord &record, long long ms);
// One live record as a readable line (no line break): speed, load, advance, supply, gear, road speed,
// the saving countdown while it runs, and the names of the flags that are set.
std::string MonitorLine(const LiveRecord &record);

} // namespace zarvex1
