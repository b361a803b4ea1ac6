#pragma once

#include "sim/Faults.h"
#include "sim/FrameReceiver.h"
#include "sim/SimOptions.h"
#include "sim/SimTime.h"
#include "sim/SimulatedUnit.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zarvex1 {

// A data frame as the unit received it.
struct ReceivedRequest {
    SimTime at; // when its last byte arrived
    std::uint8_t code;
    friend bool operator==(const ReceivedRequest &, const ReceivedRequest &) = default;
};

// The unit's end of the line: cuts the PC's bytes into frames, lets the unit answer them, streams its
// monitor frames and plays the line faults. It never waits: whoever runs it (the pseudo-terminal shell,
// the in-process port) passes the time in and carries the bytes.
class UnitEnd {
public:
    // Monitor frames pause for this long after a request of a transfer. The PC decodes only the first
    // frame of what it reads, so a monitor frame landing just before a reply would cost that reply a
    // resend; the unit therefore keeps quiet while a transfer runs.
    static constexpr SimTime QuietAfterRequest = std::chrono::milliseconds(150);
    // How many recent requests and polls are kept for a look afterwards.
    static constexpr std::size_t HistoryLength = 64;

    // turnaround: from the last byte of a request to the first byte of its answer (the delay fault adds
    // to it).
    UnitEnd(const SimOptions &options, const ParameterImage &memory, SimTime turnaround = SimTime(0));

    // Bytes from the PC that have arrived by `now`.
    void Receive(std::span<const std::uint8_t> bytes, SimTime now);
    // Runs the unit up to `now`: answers the whole frames received, starts a monitor frame when one is
    // due. Returns what goes on the line now, in order: each transmission is noise, if any, then a frame.
    std::vector<std::vector<std::uint8_t>> Step(SimTime now);
    // The next moment Step has something to do; SimTime::max() when nothing waits.
    SimTime NextEvent() const;
    // The PC closed its port: whatever was under way is lost.
    void Detach();

    // Faults switched while the unit runs: leave out the next `count` answers; answer no request (its
    // monitor frames go on); send nothing at all, as a unit switched off.
    void DropAnswers(int count) { dropNext_ = count; }
    void SetAnswering(bool answering) { answering_ = answering; }
    void SetSilent(bool silent) { silent_ = silent; }
    // Sends a frame of the test's own on the next step, as if the unit had made it.
    void SendOwnFrame(const Frame &frame);

    // Hooks of the shell: one line of the verbose log; a whole parameter set was programmed.
    void SetLog(std::function<void(const std::string &)> log) { log_ = std::move(log); }
    void SetProgrammedHandler(std::function<void(const ParameterImage &)> handler) {
        programmed_ = std::move(handler);
    }

    SimulatedUnit &unit() { return unit_; }
    const SimulatedUnit &unit() const { return unit_; }
    // Data frames received of one code, and the codes of the latest ones in order.
    int requestsOf(std::uint8_t code) const { return requestCounts_[code]; }
    int requestCount() const;
    const std::deque<ReceivedRequest> &recentRequests() const { return recentRequests_; }
    // The latest poll frames, and how many came in all.
    const std::deque<Frame> &recentPolls() const { return recentPolls_; }
    int pollCount() const { return pollCount_; }

private:
    struct Outgoing {
        SimTime due;
        std::vector<std::uint8_t> bytes;
    };

    void Answer(const Frame &frame, SimTime now);
    bool LeaveOut(const Frame &reply);
    void StartMonitor(SimTime now);
    void Queue(const Frame &frame, SimTime due);
    void Log(SimTime now, const std::string &text) const;

    SimOptions options_;
    SimulatedUnit unit_;
    Faults faults_;
    FrameReceiver receiver_;
    SimTime answerDelay_;
    std::deque<Outgoing> outgoing_;
    SimTime nextMonitor_{0};
    SimTime lastRequest_;
    int dropNext_ = 0;
    bool answering_ = true;
    bool silent_ = false;
    std::function<void(const std::string &)> log_;
    std::function<void(const ParameterImage &)> programmed_;
    std::array<int, 256> requestCounts_{};
    std::deque<ReceivedRequest> recentRequests_;
    std::deque<Frame> recentPolls_;
    int pollCount_ = 0;
};

} // namespace zarvex1
