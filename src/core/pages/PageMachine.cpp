#include "core/pages/PageMachine.h"

namespace zarvex1 {

void PageMachine::RequestCommit(std::string_view source, CommitMode mode) {
    if (loadGuard_)
        return;
    // A change waiting for another control goes in with this one.
    if (Pending() && pendingSource_ != source)
        mode = CommitMode::Immediate;
    pendingSource_ = std::string(source);
    if (mode != pendingMode_ && pendingMode_ != CommitMode::Immediate)
        mode = CommitMode::Immediate;
    else
        pendingDeadline_ = tickCounter_ + CommitDelay;
    pendingMode_ = mode;
    if (mode == CommitMode::Immediate) {
        // Cleared first: whatever the commit sets off starts afresh.
        Clear();
        commit_();
    }
}

void PageMachine::Tick() {
    ++tickCounter_;
    if (Pending() && tickCounter_ >= pendingDeadline_)
        RequestCommit(std::string(pendingSource_), CommitMode::Immediate);
}

void PageMachine::CommitPending() {
    if (Pending())
        RequestCommit(std::string(pendingSource_), CommitMode::Immediate);
}

void PageMachine::Clear() {
    pendingSource_.clear();
    pendingMode_ = CommitMode::Immediate;
    pendingDeadline_ = 0;
}

} // namespace zarvex1
