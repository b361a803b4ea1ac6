#include "FrameReceiver.h"

namespace zarvex1 {

bool IsRequestCode(std::uint8_t code) {
    return code == PollCode || ((code & ~(ReadFlag | BlockMask)) == 0 && BlockOf(code) <= LastBlock);
}

void FrameReceiver::feed(std::span<const std::uint8_t> bytes, long long nowMs) {
    if (bytes.empty())
        return;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    lastByteMs_ = nowMs;
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

void FrameReceiver::expire(long long nowMs) {
    if (!pending_.empty() && nowMs - lastByteMs_ > StaleMs) {
        skipped_ += static_cast<long long>(pending_.size());
        pending_.clear();
    }
}

} // namespace zarvex1
