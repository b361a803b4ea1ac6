#include "sim/UnitEnd.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace zarvex1 {

namespace {

long long Ms(SimTime time) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(time).count();
}

std::string Hex(std::uint8_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", code);
    return text;
}

template <typename T> void Remember(std::deque<T> &history, const T &item) {
    history.push_back(item);
    if (history.size() > UnitEnd::HistoryLength)
        history.pop_front();
}

} // namespace

UnitEnd::UnitEnd(const SimOptions &options, const ParameterImage &memory, SimTime turnaround)
    : options_(options), unit_(options, memory), faults_(options),
      answerDelay_(turnaround + std::chrono::milliseconds(options.delayMs)),
      lastRequest_(-QuietAfterRequest) {}

int UnitEnd::requestCount() const {
    return std::accumulate(requestCounts_.begin(), requestCounts_.end(), 0);
}

void UnitEnd::Receive(std::span<const std::uint8_t> bytes, SimTime now) {
    receiver_.feed(bytes, now);
}

std::vector<std::vector<std::uint8_t>> UnitEnd::Step(SimTime now) {
    while (auto frame = receiver_.next())
        Answer(*frame, now);
    receiver_.expire(now);
    StartMonitor(now);
    std::vector<std::vector<std::uint8_t>> due;
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        if (!silent_)
            due.push_back(std::move(outgoing_.front().bytes));
        outgoing_.pop_front();
    }
    return due;
}

SimTime UnitEnd::NextEvent() const {
    SimTime next = receiver_.staleAt();
    if (options_.monitorMs > 0)
        next = std::min(next, nextMonitor_);
    if (!outgoing_.empty())
        next = std::min(next, outgoing_.front().due);
    return next;
}

void UnitEnd::Detach() {
    receiver_.clear();
    outgoing_.clear();
}

void UnitEnd::SendOwnFrame(const Frame &frame) {
    // Due at once: ahead of any answer that waits for its time, behind earlier frames of the test.
    const auto at = std::find_if(outgoing_.begin(), outgoing_.end(),
                                 [](const Outgoing &o) { return o.due > SimTime(0); });
    outgoing_.insert(at, {SimTime(0), std::vector<std::uint8_t>(frame.bytes.begin(), frame.bytes.end())});
}

void UnitEnd::Answer(const Frame &frame, SimTime now) {
    const UnitAnswer answer = unit_.receive(frame, Ms(now));
    if (frame.code() == PollCode) {
        Remember(recentPolls_, frame);
        ++pollCount_;
    } else {
        lastRequest_ = now;
        ++requestCounts_[frame.code()];
        Remember(recentRequests_, ReceivedRequest{now, frame.code()});
        Log(now, "got " + Hex(frame.code()));
    }
    if (answer.handedOver)
        Log(now, "handover accepted, loader running");
    if (answer.programmed && programmed_)
        programmed_(unit_.memory());
    if (!answer.reply)
        return;
    if (LeaveOut(*answer.reply)) {
        Log(now, "dropped the reply " + Hex(answer.reply->code()));
        return;
    }
    Queue(*answer.reply, now + answerDelay_);
}

bool UnitEnd::LeaveOut(const Frame &) {
    const bool drawn = faults_.dropReply(); // drawn for every reply, so a seed plays the same run
    if (silent_ || !answering_)
        return true;
    if (dropNext_ > 0) {
        --dropNext_;
        return true;
    }
    return drawn;
}

void UnitEnd::StartMonitor(SimTime now) {
    if (options_.monitorMs <= 0 || now < nextMonitor_)
        return;
    nextMonitor_ = std::max(nextMonitor_ + std::chrono::milliseconds(options_.monitorMs), now + SimTime(1));
    // The unit answers a request before it reports again: a monitor frame never pushes itself between a
    // request and a (late) reply.
    if (silent_ || unit_.inLoader(Ms(now)) || !outgoing_.empty() || now - lastRequest_ < QuietAfterRequest)
        return;
    Queue(unit_.monitorFrame(Ms(now)), now);
}

void UnitEnd::Queue(const Frame &frame, SimTime due) {
    Frame sent = frame;
    faults_.corrupt(sent);
    std::vector<std::uint8_t> bytes = faults_.noise();
    if (sent.bytes[ChecksumIndex] != frame.bytes[ChecksumIndex])
        Log(due, "spoilt the checksum of " + Hex(frame.code()));
    if (!bytes.empty())
        Log(due, std::to_string(bytes.size()) + " noise bytes before " + Hex(frame.code()));
    bytes.insert(bytes.end(), sent.bytes.begin(), sent.bytes.end());
    outgoing_.push_back({due, std::move(bytes)});
}

void UnitEnd::Log(SimTime now, const std::string &text) const {
    if (log_)
        log_(std::to_string(Ms(now)) + " ms: " + text);
}

} // namespace zarvex1
