#pragma once

#include "core/link/Frames.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace zarvex1 {

// The bytes the port delivered, cut into frames in the order they came. A frame is 152 bytes from a byte
// that can lead one (0xB0, or a reply's code) with a checksum that passes; bytes that start no such frame
// are passed over one at a time, so that garbage or a frame with a bad checksum costs only itself and the
// next good frame is found. What is shorter than a frame waits for its rest.
class ReceiveBuffer {
public:
    static constexpr std::size_t Capacity = 15000;

    // Room for this many more bytes.
    std::size_t room() const { return Capacity - waiting(); }
    // Appends what the port delivered; beyond the capacity nothing is taken.
    void Append(std::span<const std::uint8_t> bytes);
    // The next whole frame, oldest first; nothing while less than a frame is left.
    std::optional<Frame> Next();
    // Bytes waiting for the rest of a frame.
    std::size_t waiting() const { return bytes_.size() - start_; }
    void Clear();

    // Whether a byte can lead a frame of the unit: a monitor frame or a reply to a block's frame.
    static bool CanLead(std::uint8_t byte);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t start_ = 0; // the first byte not yet looked at
};

} // namespace zarvex1
