#pragma once

#include "core/params/ParameterImage.h"

#include <filesystem>

namespace zarvex1 {

// Keeps default.ini current while the program runs, so that a crash or a power cut loses at most about a
// second of editing: once the image differs from what was written last, it is written WriteDelay ticks
// later, with whatever it holds by then. Edits in between go into that same write; an image that stays
// as written is never written again. Driven by the owner's 55 ms tick.
class DefaultIniKeeper {
public:
    static constexpr int WriteDelay = 18; // ticks, about one second

    DefaultIniKeeper(const ParameterImage &image, std::filesystem::path file)
        : image_(image), file_(std::move(file)), written_(image) {}

    // The image as it is now counts as written (start-up, or the file was just written on closing).
    void MarkWritten() {
        written_ = image_;
        pendingTicks_ = -1;
    }
    void Tick();

    // Writes done so far; a write that failed is tried again after another WriteDelay ticks.
    int writes() const { return writes_; }

private:
    const ParameterImage &image_;
    std::filesystem::path file_;
    ParameterImage written_;
    int pendingTicks_ = -1; // ticks since the image first differed from written_; -1 when it does not
    int writes_ = 0;
};

} // namespace zarvex1
