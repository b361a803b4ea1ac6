#pragma once

#include "core/link/SerialPort.h"
#include "sim/MemoryFile.h"
#include "sim/SimOptions.h"
#include "sim/SimTime.h"
#include "sim/UnitEnd.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zarvex1 {

// The line between PC and unit: how long bytes take to cross it, and how long the unit takes to answer.
struct LineModel {
    int baud = 0;          // 0: bytes cross at once
    SimTime turnaround{0}; // from the last byte of a request to the first byte of its answer

    // The ZARVEX1's line: 57600 baud, 10 bits a byte (start, 8 data, stop): 26.4 ms a frame.
    static LineModel Serial(SimTime turnaround = SimTime(0)) { return {57600, turnaround}; }
    // How long `count` bytes take on the line.
    SimTime Duration(std::size_t count) const;
};

// A ZARVEX1 on an in-process port: the link talks to it as to a serial port, and whoever runs the link
// moves the line's time on (Advance), so nothing waits and every run is the same. A transmission reaches
// the other end whole once its last byte has crossed the line, as a USB adapter hands over its packets;
// a direction of the line carries one transmission at a time. When bytes reach the PC the port reports
// it, so the link may take a reply between its ticks.
class SimulatedPort : public SerialPort {
public:
    explicit SimulatedPort(const SimOptions &options = SimOptions(), LineModel line = LineModel(),
                           const ParameterImage &memory = FactoryMemory());

    bool open(const std::string &device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    int bytesWaiting() override;
    int read(std::uint8_t *buffer, int maxBytes) override;
    bool write(const std::uint8_t *data, int count) override;
    void discardInput() override;
    // An absent device was not there to open; one that goes away while open is lost.
    PortOpenFailure openFailure() const override;
    bool lost() const override { return open_ && !devicePresent_; }

    // Runs the line and the unit for `span`, event by event.
    void Advance(SimTime span);
    SimTime now() const { return now_; }
    // When the next event is due; SimTime::max() when nothing will happen by itself.
    SimTime NextEvent() const;

    // Where the link's writes start on the line when the port runs on the wall clock: the present, which
    // may be past the time the port was last brought to. Without it writes start at now().
    void SetTimeSource(std::function<SimTime()> present) { present_ = std::move(present); }
    // Told after every write: the line has something new to carry, so whoever runs it may look sooner.
    void SetWriteHandler(std::function<void()> handler) { written_ = std::move(handler); }

    // A device that is not there cannot be opened (an unplugged adapter); unplugged while open, the
    // port is lost.
    void SetPresent(bool present) { devicePresent_ = present; }
    const std::string &device() const { return device_; }
    int openCount() const { return openCount_; }
    // How many writes the link made, and when it made the last.
    int writeCount() const { return writeCount_; }
    SimTime lastWrite() const { return lastWrite_; }

    UnitEnd &unit() { return unit_; }
    const UnitEnd &unit() const { return unit_; }
    const LineModel &line() const { return line_; }

private:
    struct Transmission {
        SimTime arrival; // when the last byte reaches the other end
        std::vector<std::uint8_t> bytes;
    };

    void RunDueEvents();

    UnitEnd unit_;
    LineModel line_;
    SimTime now_{0};
    SimTime lastWrite_{0};
    int writeCount_ = 0;
    std::deque<Transmission> toUnit_;
    std::deque<Transmission> toPc_;
    SimTime toUnitFree_{0}; // when the line towards the unit is free again
    SimTime toPcFree_{0};
    std::deque<std::uint8_t> input_; // what the PC's driver holds
    std::string device_;
    bool open_ = false;
    bool devicePresent_ = true;
    std::function<SimTime()> present_;
    std::function<void()> written_;
    int openCount_ = 0;
};

} // namespace zarvex1
