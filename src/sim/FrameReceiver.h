#pragma once

#include "core/link/Frames.h"
#include "sim/SimTime.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zarvex1 {

// Cuts the byte stream from the PC into frames. Bytes that do not start a valid frame (noise, the
// tail of a frame from before the port was opened) are skipped one at a time until the stream is in
// step again, and a partial frame that sits too long is thrown away, as the unit's receiver does.
class FrameReceiver {
public:
    static constexpr SimTime StaleTime = std::chrono::milliseconds(100);

    void feed(std::span<const std::uint8_t> bytes, SimTime now);
    // The next whole, valid frame, if one has arrived.
    std::optional<Frame> next();
    // Drops a partial frame whose last byte came more than StaleTime before now.
    void expire(SimTime now);
    // When a partial frame waiting now goes stale; SimTime::max() when none waits.
    SimTime staleAt() const;
    void clear() { pending_.clear(); }
    std::size_t pending() const { return pending_.size(); }
    long long skipped() const { return skipped_; }

private:
    std::vector<std::uint8_t> pending_;
    SimTime lastByte_{0};
    long long skipped_ = 0;
};

// Codes the PC sends: the poll frame, block 0..6 to write, block 0..6 to read.
bool IsRequestCode(std::uint8_t code);

} // namespace zarvex1
