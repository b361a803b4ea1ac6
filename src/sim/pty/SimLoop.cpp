#include "sim/pty/SimLoop.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <span>
#include <unistd.h>

namespace zarvex1 {

namespace {

constexpr int DetachedPollMs = 20; // how often to look whether the program has opened the port again
constexpr int MaxWaitMs = 100;

} // namespace

SimLoop::SimLoop(int fd, UnitEnd &unit, const SimOptions &options)
    : fd_(fd), unit_(unit), options_(options), start_(std::chrono::steady_clock::now()) {}

SimTime SimLoop::now() const {
    return std::chrono::duration_cast<SimTime>(std::chrono::steady_clock::now() - start_);
}

void SimLoop::run(const volatile std::sig_atomic_t &stop) {
    while (stop == 0) {
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, waitMs(now()));
        if (ready < 0 && errno != EINTR) {
            std::perror("zarvex1-sim: poll");
            return;
        }
        const SimTime t = now();
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
        send(t);
    }
}

int SimLoop::waitMs(SimTime t) const {
    const SimTime next = unit_.NextEvent();
    if (next == SimTime::max())
        return MaxWaitMs;
    // Rounded up, so the loop never wakes just before the event and spins.
    const long long ms = std::chrono::ceil<std::chrono::milliseconds>(next - t).count();
    return static_cast<int>(std::clamp(ms, 0LL, static_cast<long long>(MaxWaitMs)));
}

void SimLoop::peerGone() {
    if (attached_ && options_.verbose)
        std::fprintf(stderr, "zarvex1-sim: port closed\n");
    attached_ = false;
    unit_.Detach();
}

void SimLoop::readInput(SimTime t) {
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            return; // EAGAIN: all read; EIO: the program closed the port meanwhile
        unit_.Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)), t);
    }
}

void SimLoop::send(SimTime t) {
    for (const std::vector<std::uint8_t> &bytes : unit_.Step(t)) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (!options_.verbose)
            continue;
        const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(t).count();
        // The program is not reading: the line loses what it cannot hold.
        if (n != static_cast<ssize_t>(bytes.size()))
            std::fprintf(stderr, "zarvex1-sim: %lld ms: frame lost on the line\n", ms);
        else
            std::fprintf(stderr, "zarvex1-sim: %lld ms: sent 0x%02X\n", ms, bytes[bytes.size() - FrameSize]);
    }
}

} // namespace zarvex1
