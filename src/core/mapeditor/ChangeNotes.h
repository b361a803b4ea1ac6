#pragma once

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

// Coalescing of the change notes an editor sends its owner: the axes changed collect under one group
// key until another key (or group 0) delivers them, or until five ticks after the last note.
class ChangeNotes {
public:
    // First half of a note: false when it is dropped (End without a stored Begin); otherwise the axes
    // join the pending ones. The caller normalizes, then settles.
    bool Accept(int what, ChangeKey group);
    // Second half: returns the axes to deliver now (0 for none yet).
    int Settle(ChangeKey group, int tick);
    // Once per tick: the pending axes when their deadline has come, else 0.
    bool Due(int tick) const { return pendingWhat_ != 0 && tick >= flushDeadline_; }

    int Pending() const { return pendingWhat_; }
    ChangeKey Group() const { return changeGroup_; } // GroupNow: no key stored

private:
    int pendingWhat_ = 0;
    ChangeKey changeGroup_ = GroupNow;
    int flushDeadline_ = 0;
};

} // namespace zarvex1
