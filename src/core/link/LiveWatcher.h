#pragma once

#include "core/link/LiveRecord.h"

#include <span>

namespace zarvex1 {

// Who follows the unit's live values: the Monitor page, the maps' live position, the log recorder, the
// time in cell, the command-line tool. On every tick the link reads the port first, then tells each
// watcher, in the order they were added, what came. All calls come from the link's tick.
class LiveWatcher {
public:
    virtual ~LiveWatcher() = default;

    // The unit was heard again (true), or not for 18 ticks (false), at `nowMs` on the owner's clock. Comes
    // before the records of the tick.
    virtual void ConnectionChanged(bool /*connected*/, long long /*nowMs*/) {}
    // The records of the frames accepted since the last tick, oldest first; none is left out.
    virtual void RecordsArrived(std::span<const LiveRecord> /*records*/) {}
};

} // namespace zarvex1
