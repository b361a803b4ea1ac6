#pragma once

#include "core/safety/RestorePoints.h"

#include <optional>

namespace zarvex1 {

// What an event asks of the restore points.
enum class RestoreAction {
    None,
    Write,         // a new point
    ReplaceNewest, // a new point in place of the one this window wrote last
};

// When the session writes a restore point: after every read that verified, after every program that
// finished, and before Open, New or Read replace a set whose changes were neither saved nor
// programmed. Programs started by "Programming after change" share one point per minute: the newest
// set replaces the point of the minute's first such program.
class RestorePointRule {
public:
    static constexpr std::chrono::seconds AutomaticWindow{60};

    RestoreAction AfterRead(bool verified);
    RestoreAction AfterProgram(bool automatic, RestoreClock::time_point now);
    RestoreAction BeforeReplace(bool changesKept);

private:
    std::optional<RestoreClock::time_point> automaticSince_; // the newest point is an automatic program's
};

} // namespace zarvex1
