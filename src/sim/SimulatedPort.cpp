#include "sim/SimulatedPort.h"

#include <cerrno>

#include <algorithm>

namespace zarvex1 {

SimTime LineModel::Duration(std::size_t count) const {
    if (baud <= 0)
        return SimTime(0);
    const long long bits = 10LL * static_cast<long long>(count);
    return SimTime((bits * 1'000'000 + baud - 1) / baud);
}

SimulatedPort::SimulatedPort(const SimOptions &options, LineModel line, const ParameterImage &memory)
    : unit_(options, memory, line.turnaround), line_(line) {}

bool SimulatedPort::open(const std::string &device) {
    close();
    device_ = device;
    if (!devicePresent_)
        return false;
    open_ = true;
    ++openCount_;
    return true;
}

PortOpenFailure SimulatedPort::openFailure() const {
    PortOpenFailure failure;
    if (open_ || devicePresent_)
        return failure;
    failure.device = device_;
    failure.errorNumber = ENOENT;
    failure.systemText = "No such file or directory";
    return failure;
}

void SimulatedPort::close() {
    if (!open_)
        return;
    // What the driver holds and what is still coming is lost; what was written is on the wire already
    // and still reaches the unit, as a serial driver drains its output before it closes.
    open_ = false;
    input_.clear();
    toPc_.clear();
    unit_.Detach();
}

int SimulatedPort::bytesWaiting() {
    return open_ ? static_cast<int>(input_.size()) : 0;
}

int SimulatedPort::read(std::uint8_t *buffer, int maxBytes) {
    if (!open_ || maxBytes <= 0)
        return 0;
    const int count = std::min(maxBytes, static_cast<int>(input_.size()));
    std::copy_n(input_.begin(), count, buffer);
    input_.erase(input_.begin(), input_.begin() + count);
    return count;
}

bool SimulatedPort::write(const std::uint8_t *data, int count) {
    if (!open_ || count <= 0)
        return open_;
    const SimTime written = present_ ? std::max(now_, present_()) : now_;
    const SimTime start = std::max(written, toUnitFree_);
    toUnitFree_ = start + line_.Duration(static_cast<std::size_t>(count));
    toUnit_.push_back({toUnitFree_, std::vector<std::uint8_t>(data, data + count)});
    lastWrite_ = written;
    ++writeCount_;
    if (written_)
        written_();
    return true;
}

void SimulatedPort::discardInput() {
    input_.clear();
}

SimTime SimulatedPort::NextEvent() const {
    SimTime next = unit_.NextEvent();
    if (!toUnit_.empty())
        next = std::min(next, toUnit_.front().arrival);
    if (!toPc_.empty())
        next = std::min(next, toPc_.front().arrival);
    return next;
}

void SimulatedPort::Advance(SimTime span) {
    const SimTime end = now_ + span;
    for (SimTime next = NextEvent(); next <= end; next = NextEvent()) {
        now_ = std::max(now_, next);
        RunDueEvents();
    }
    now_ = end;
}

void SimulatedPort::RunDueEvents() {
    while (!toUnit_.empty() && toUnit_.front().arrival <= now_) {
        unit_.Receive(toUnit_.front().bytes, now_);
        toUnit_.pop_front();
    }
    for (std::vector<std::uint8_t> &bytes : unit_.Step(now_)) {
        const SimTime start = std::max(now_, toPcFree_);
        toPcFree_ = start + line_.Duration(bytes.size());
        toPc_.push_back({toPcFree_, std::move(bytes)});
    }
    bool arrived = false;
    while (!toPc_.empty() && toPc_.front().arrival <= now_) {
        // A closed port hears nothing: the unit talks to an empty line.
        if (open_) {
            input_.insert(input_.end(), toPc_.front().bytes.begin(), toPc_.front().bytes.end());
            arrived = true;
        }
        toPc_.pop_front();
    }
    // Reported last: the link may write at once, and that write belongs to this moment.
    if (arrived)
        InputQueued();
}

} // namespace zarvex1
