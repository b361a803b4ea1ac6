#include "core/params/UndoHistory.h"

namespace zarvex1 {

void UndoHistory::InitUndoHistory(const ParameterImage &image, int page) {
    oldest_ = current_ = newest_ = 0;
    ring_[0] = Entry{image, static_cast<std::uint8_t>(page)};
}

bool UndoHistory::RecordUndo(const ParameterImage &image, int page) {
    if (ring_[current_].image == image)
        return false;
    current_ = (current_ + 1) % Capacity;
    newest_ = current_;
    if (oldest_ == current_)
        oldest_ = (oldest_ + 1) % Capacity; // the ring is full: the oldest state is lost
    ring_[current_] = Entry{image, static_cast<std::uint8_t>(page)};
    return true;
}

std::optional<UndoHistory::Entry> UndoHistory::Undo() {
    if (!CanUndo())
        return std::nullopt;
    current_ = (current_ + Capacity - 1) % Capacity;
    return ring_[current_];
}

std::optional<UndoHistory::Entry> UndoHistory::Redo() {
    if (!CanRedo())
        return std::nullopt;
    current_ = (current_ + 1) % Capacity;
    return ring_[current_];
}

} // namespace zarvex1
