#include "core/link/ReceiveBuffer.h"

#include <algorithm>

namespace zarvex1 {

bool ReceiveBuffer::CanLead(std::uint8_t byte) {
    if (byte == MonitorCode)
        return true;
    // A reply's code is a block's code (0..6, with or without the read bit) with the reply bit set.
    return (byte & ReplyFlag) != 0 && (byte & ~(ReplyFlag | ReadFlag) & 0xFF) <= LastBlock;
}

void ReceiveBuffer::Append(std::span<const std::uint8_t> bytes) {
    if (start_ > 0) {
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
    const std::size_t count = std::min(bytes.size(), room());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

std::optional<Frame> ReceiveBuffer::Next() {
    while (bytes_.size() - start_ >= static_cast<std::size_t>(FrameSize)) {
        const std::span<const std::uint8_t> candidate(bytes_.data() + start_, FrameSize);
        if (CanLead(candidate[0]) && ChecksumValid(candidate)) {
            start_ += FrameSize;
            return Frame::From(candidate);
        }
        ++start_;
    }
    return std::nullopt;
}

void ReceiveBuffer::Clear() {
    bytes_.clear();
    start_ = 0;
}

} // namespace zarvex1
