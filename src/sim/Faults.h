#pragma once

#include "core/link/Frames.h"
#include "sim/SimOptions.h"

#include <cstdint>
#include <random>
#include <vector>

namespace zarvex1 {

// The line faults the simulator can play, drawn from one seeded generator so a run can be repeated.
class Faults {
public:
    explicit Faults(const SimOptions &options);

    // True when this reply is to be swallowed.
    bool dropReply();
    // Spoils the checksum of a share of frames.
    void corrupt(Frame &frame);
    // Random bytes to send before a frame, usually none.
    std::vector<std::uint8_t> noise();
    int delayMs() const { return delayMs_; }

private:
    bool chance(int percent);

    std::mt19937 random_;
    int dropPercent_;
    int corruptPercent_;
    int noisePercent_;
    int delayMs_;
};

} // namespace zarvex1
