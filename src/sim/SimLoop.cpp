#include "SimLoop.h"

#include "MemoryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace zarvex1 {

namespace {

constexpr int DetachedPollMs = 20; // how often to look whether the program has opened the port again
constexpr int MaxWaitMs = 100;

} // namespace

SimLoop::SimLoop(int fd, SimulatedUnit &unit, Faults &faults, const SimOptions &options)
    : fd_(fd), unit_(unit), faults_(faults), options_(options), start_(std::chrono::steady_clock::now()) {}

long long SimLoop::now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
        .count();
}

void SimLoop::run(const volatile std::sig_atomic_t &stop) {
    while (stop == 0) {
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, waitMs(now()));
        if (ready < 0 && errno != EINTR) {
            std::perror("zarvex1-sim: poll");
            return;
        }
        const long long t = now();
        if (ready > 0 && (p.revents & POLLHUP) != 0 && (p.revents & POLLIN) == 0) {
            // Nobody has the port open: a real line would carry nothing either. A hung-up master
            // polls ready at once, so wait here instead of spinning.
            peerGone();
            ::poll(nullptr, 0, DetachedPollMs);
            continue;
        }
        if (!attached_ && options_.verbose)
            std::fprintf(stderr, "zarvex1-sim: port opened\n");
        attached_ = true;
        if (ready > 0 && (p.revents & POLLIN) != 0)
            readInput(t);
        handleFrames(t);
        receiver_.expire(t);
        sendMonitor(t);
        flushDue(t);
    }
}

int SimLoop::waitMs(long long nowMs) const {
    long long wait = MaxWaitMs;
    if (options_.monitorMs > 0)
        wait = std::min(wait, nextMonitorMs_ - nowMs);
    if (!outgoing_.empty())
        wait = std::min(wait, outgoing_.front().dueMs - nowMs);
    if (receiver_.pending() > 0)
        wait = std::min(wait, FrameReceiver::StaleMs + 1);
    return static_cast<int>(std::max(0LL, wait));
}

void SimLoop::peerGone() {
    if (attached_ && options_.verbose)
        std::fprintf(stderr, "zarvex1-sim: port closed\n");
    attached_ = false;
    receiver_.clear();
    outgoing_.clear();
}

void SimLoop::readInput(long long nowMs) {
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            return; // EAGAIN: all read; EIO: the program closed the port meanwhile
        receiver_.feed(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)), nowMs);
    }
}

void SimLoop::handleFrames(long long nowMs) {
    while (auto frame = receiver_.next()) {
        const UnitAnswer answer = unit_.receive(*frame, nowMs);
        if (frame->code() != PollCode)
            lastRequestMs_ = nowMs;
        if (options_.verbose)
            std::fprintf(stderr, "zarvex1-sim: %lld ms: got 0x%02X\n", nowMs, frame->code());
        if (answer.handedOver)
            std::fprintf(stderr, "zarvex1-sim: handover accepted, loader running\n");
        if (answer.programmed && !options_.savePath.empty()) {
            std::string error;
            if (!SaveMemory(options_.savePath, unit_.memory(), error))
                std::fprintf(stderr, "zarvex1-sim: %s\n", error.c_str());
        }
        if (!answer.reply)
            continue;
        if (faults_.dropReply()) {
            if (options_.verbose)
                std::fprintf(stderr, "zarvex1-sim: dropped the reply 0x%02X\n", answer.reply->code());
            continue;
        }
        queue(*answer.reply, nowMs + faults_.delayMs());
    }
}

void SimLoop::sendMonitor(long long nowMs) {
    if (options_.monitorMs <= 0 || nowMs < nextMonitorMs_)
        return;
    nextMonitorMs_ = std::max(nextMonitorMs_ + options_.monitorMs, nowMs + 1);
    // The unit answers a request before it reports again: a monitor frame never pushes itself
    // between a request and a (late) reply.
    if (unit_.inLoader(nowMs) || !outgoing_.empty() || nowMs - lastRequestMs_ < QuietAfterRequestMs)
        return;
    queue(unit_.monitorFrame(nowMs), nowMs);
}

void SimLoop::queue(const Frame &frame, long long dueMs) {
    Frame sent = frame;
    faults_.corrupt(sent);
    std::vector<std::uint8_t> bytes = faults_.noise();
    if (options_.verbose && sent.bytes[ChecksumIndex] != frame.bytes[ChecksumIndex])
        std::fprintf(stderr, "zarvex1-sim: spoilt the checksum of 0x%02X\n", frame.code());
    if (options_.verbose && !bytes.empty())
        std::fprintf(stderr, "zarvex1-sim: %zu noise bytes before 0x%02X\n", bytes.size(), frame.code());
    bytes.insert(bytes.end(), sent.bytes.begin(), sent.bytes.end());
    outgoing_.push_back({dueMs, std::move(bytes)});
}

void SimLoop::flushDue(long long nowMs) {
    while (!outgoing_.empty() && outgoing_.front().dueMs <= nowMs) {
        const auto &bytes = outgoing_.front().bytes;
        if (attached_) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            // The program is not reading: the line loses what it cannot hold.
            if (n != static_cast<ssize_t>(bytes.size()) && options_.verbose)
                std::fprintf(stderr, "zarvex1-sim: %lld ms: frame lost on the line\n", nowMs);
            else if (options_.verbose)
                std::fprintf(stderr, "zarvex1-sim: %lld ms: sent 0x%02X\n", nowMs,
                             bytes[bytes.size() - FrameSize]);
        }
        outgoing_.pop_front();
    }
}

} // namespace zarvex1
