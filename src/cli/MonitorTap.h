#pragma once

#include "core/link/Frames.h"
#include "core/link/SerialPort.h"

#include <vector>

namespace zarvex1 {

// Sits between the link engine and the real port and keeps a copy of every monitor frame the engine
// accepts: a read of at least one frame that starts with a valid monitor frame (the engine looks only
// at the first 152 bytes of a read).
class MonitorTap : public SerialPort {
public:
    // Input the port reports goes on to the link, which takes a reply between ticks.
    explicit MonitorTap(SerialPort &port) : port_(port) {
        port_.SetInputHandler([this] { InputQueued(); });
    }
    ~MonitorTap() override { port_.SetInputHandler({}); }
    MonitorTap(const MonitorTap &) = delete;
    MonitorTap &operator=(const MonitorTap &) = delete;

    bool open(const std::string &device) override { return port_.open(device); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    int bytesWaiting() override { return port_.bytesWaiting(); }
    int read(std::uint8_t *buffer, int maxBytes) override;
    bool write(const std::uint8_t *data, int count) override { return port_.write(data, count); }
    void discardInput() override { port_.discardInput(); }
    PortOpenFailure openFailure() const override { return port_.openFailure(); }
    bool lost() const override { return port_.lost(); }

    // The monitor frames read since the last call, oldest first.
    std::vector<Frame> TakeFrames();

private:
    SerialPort &port_;
    std::vector<Frame> frames_;
};

} // namespace zarvex1
