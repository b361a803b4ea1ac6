#pragma once

#include "core/params/Defaults.h"
#include "core/params/Limits.h"
#include "sim/SimulatedPort.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace zarvex1::test {

inline ParameterImage DefaultImage() {
    return FirstStartSet();
}

// A set that differs from the defaults in every block.
inline ParameterImage DistinctImage() {
    ParameterImage image = DefaultImage();
    for (int b = 1; b <= ParameterImage::BlockCount; ++b)
        image.block(b)[149] = static_cast<std::uint8_t>(0x10 + b);
    return image;
}

inline Frame Request(std::uint8_t code, const ParameterImage &image = ParameterImage()) {
    return DataFrame(code, (code & ReadFlag) ? LinkRequest::Read : LinkRequest::Program, image);
}

// Talks to the unit frame by frame on an in-process port, as a bare link would.
class RawLink {
public:
    explicit RawLink(const SimOptions &options = SimOptions(), LineModel line = LineModel(),
                     const ParameterImage &memory = FactoryMemory())
        : port(options, line, memory) {
        port.open("unit");
    }

    void send(const Frame &frame) { port.write(frame.bytes.data(), FrameSize); }

    // Everything that arrives within `span`, cut into 152-byte frames from the first byte on.
    std::vector<Frame> collect(SimTime span) {
        port.Advance(span);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(port.bytesWaiting()));
        port.read(bytes.data(), static_cast<int>(bytes.size()));
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        std::vector<Frame> frames;
        std::size_t used = 0;
        for (; pending_.size() - used >= FrameSize; used += FrameSize)
            frames.push_back(Frame::From(std::span<const std::uint8_t>(pending_.data() + used, FrameSize)));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
        return frames;
    }

    // Sends a request and waits up to `limit` for the frame whose code answers it; monitor frames in
    // between are skipped.
    std::optional<Frame> exchange(const Frame &request, SimTime limit = std::chrono::milliseconds(1000)) {
        collect(SimTime(0));
        pending_.clear();
        send(request);
        for (SimTime waited{0}; waited < limit; waited += std::chrono::milliseconds(5))
            for (const Frame &f : collect(std::chrono::milliseconds(5)))
                if (f.code() == ReplyCode(request.code()))
                    return f;
        return std::nullopt;
    }

    SimulatedPort port;

private:
    std::vector<std::uint8_t> pending_;
};

inline std::vector<Frame> MonitorFrames(const std::vector<Frame> &frames) {
    std::vector<Frame> monitor;
    for (const Frame &f : frames)
        if (f.code() == MonitorCode)
            monitor.push_back(f);
    return monitor;
}

} // namespace zarvex1::test
