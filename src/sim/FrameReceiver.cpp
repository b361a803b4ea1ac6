#include "sim/FrameReceiver.h"

namespace zarvex1 {

bool IsRequestCode(std::uint8_t code) {
    return code == PollCode || ((code & ~(ReadFlag | BlockMask)) == 0 && BlockOf(code) <= LastBlock);
}

void FrameReceiver::feed(std::span<const std::uint8_t> bytes, SimTime now) {
    if (bytes.empty())
        return;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    lastByte_ = now;
}

std::optional<Frame> FrameReceiver::next() {
    std::size_t start = 0;
    std::optional<Frame> found;
    while (pending_.size() - start >= FrameSize) {
        std::span<const std::uint8_t> candidate(pending_.data() + start, FrameSize);
        if (IsRequestCode(candidate[0]) && ChecksumValid(candidate)) {
            found = Frame::From(candidate);
            start += FrameSize;
            break;
        }
        ++start;
        ++skipped_;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(start));
    return found;
}

void FrameReceiver::expire(SimTime now) {
    if (!pending_.empty() && now - lastByte_ > StaleTime) {
        skipped_ += static_cast<long long>(pending_.size());
        pending_.clear();
    }
}

SimTime FrameReceiver::staleAt() const {
    return pending_.empty() ? SimTime::max() : lastByte_ + StaleTime + SimTime(1);
}

} // namespace zarvex1
