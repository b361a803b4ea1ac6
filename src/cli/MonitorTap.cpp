#include "cli/MonitorTap.h"

#include <span>
#include <utility>

namespace zarvex1 {

int MonitorTap::read(std::uint8_t *buffer, int maxBytes) {
    const int count = port_.read(buffer, maxBytes);
    if (count >= FrameSize) {
        const std::span<const std::uint8_t> received(buffer, FrameSize);
        if (received[0] == MonitorCode && IsValidMonitorFrame(received))
            frames_.push_back(Frame::From(received));
    }
    return count;
}

std::vector<Frame> MonitorTap::TakeFrames() {
    return std::exchange(frames_, {});
}

} // namespace zarvex1
