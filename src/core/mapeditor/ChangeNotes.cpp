#include "core/mapeditor/ChangeNotes.h"

#include <cstdint>

namespace zarvex1 {

ChangeKey MakeChangeKey(StepKind kind, int step, int column, int row, int count) {
    // Disjoint bit fields: kind, sign of the step, item count, column and row (offset past -2).
    const auto k = static_cast<ChangeKey>(kind);
    const ChangeKey sign = step > 0 ? 1 : 0;
    const auto n = static_cast<ChangeKey>(count & 0x7FFF);
    const auto c = static_cast<ChangeKey>(static_cast<std::uint16_t>(column + 2));
    const auto r = static_cast<ChangeKey>(static_cast<std::uint16_t>(row + 2));
    return (k << 48) | (sign << 47) | (n << 32) | (c << 16) | r;
}

bool ChangeNotes::Accept(int what, ChangeKey group) {
    if (group == GroupEnd && changeGroup_ != GroupBegin)
        return false;
    pendingWhat_ |= what;
    return true;
}

int ChangeNotes::Settle(ChangeKey group, int tick) {
    const bool otherKey = changeGroup_ != GroupNow && changeGroup_ != group;
    if (otherKey || group == GroupNow) {
        const int delivered = pendingWhat_;
        pendingWhat_ = 0;
        changeGroup_ = GroupNow;
        flushDeadline_ = 0;
        if (otherKey && group == GroupBegin)
            changeGroup_ = GroupBegin; // the new operation's change starts
        return delivered;
    }
    changeGroup_ = group;
    flushDeadline_ = tick + 5;
    return 0;
}

} // namespace zarvex1
