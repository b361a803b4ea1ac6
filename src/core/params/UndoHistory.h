#pragma once

#include "core/params/ParameterImage.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zarvex1 {

// A ring of whole-image snapshots, each with the page that was active when it was taken.
class UndoHistory {
public:
    static constexpr int Capacity = 200;

    struct Entry {
        ParameterImage image;
        std::uint8_t page = 0;
    };

    // Starts over with one entry: the image as it is now.
    void InitUndoHistory(const ParameterImage &image, int page);
    // Records the image when it differs from the current entry; tells whether an entry was made.
    bool RecordUndo(const ParameterImage &image, int page);
    // Steps back or forward; returns the entry to restore, or nothing when there is no step to take.
    std::optional<Entry> Undo();
    std::optional<Entry> Redo();

    bool CanUndo() const { return current_ != oldest_; }
    bool CanRedo() const { return current_ != newest_; }

private:
    std::array<Entry, Capacity> ring_{};
    int oldest_ = 0;
    int current_ = 0;
    int newest_ = 0;
};

} // namespace zarvex1
