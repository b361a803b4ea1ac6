#pragma once

#include "core/link/PortDiagnosis.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace zarvex1 {

// The transport to the unit: it only moves bytes. The link engine drives it from the timer tick, so no
// call may wait for the line. Line settings (57600 baud, 8N1) are the implementation's business.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Opens the device exclusively for reading and writing; false when it cannot be opened.
    virtual bool open(const std::string &device) = 0;
    // Discards pending input and closes; harmless when nothing is open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Number of queued input bytes; also clears a pending line error (overrun, framing).
    virtual int bytesWaiting() = 0;
    // Copies up to maxBytes already queued bytes into buffer; never waits. Returns the count read.
    virtual int read(std::uint8_t *buffer, int maxBytes) = 0;
    // Hands count bytes to the driver; false when the port cannot take them.
    virtual bool write(const std::uint8_t *data, int count) = 0;
    virtual void discardInput() = 0;

    // Who wants to hear that new input was queued: the link takes a reply between its ticks. A port
    // reports from its owner's event loop (the Qt port on readyRead, the in-process port as its line
    // delivers), never from inside one of its own calls. A port that never reports leaves all input to
    // the tick.
    void SetInputHandler(std::function<void()> handler) { inputHandler_ = std::move(handler); }

    // What is known about why the last open failed, for the message that tells the user.
    virtual PortOpenFailure openFailure() const { return {}; }
    // The open device has gone away (an adapter unplugged): nothing more will come through it.
    virtual bool lost() const { return false; }

protected:
    void InputQueued() {
        if (inputHandler_)
            inputHandler_();
    }

private:
    std::function<void()> inputHandler_;
};

} // namespace zarvex1
