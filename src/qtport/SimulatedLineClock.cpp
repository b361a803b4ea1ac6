#include "qtport/SimulatedLineClock.h"

#include <algorithm>

namespace zarvex1 {

SimulatedLineClock::SimulatedLineClock(SimulatedPort &port, QObject *parent) : QObject(parent), port_(port) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SimulatedLineClock::Run);
    port_.SetTimeSource([this] { return Present(); });
    port_.SetWriteHandler([this] { Schedule(); });
    Schedule();
}

SimulatedLineClock::~SimulatedLineClock() {
    port_.SetTimeSource({});
    port_.SetWriteHandler({});
}

SimTime SimulatedLineClock::Present() const {
    return std::chrono::duration_cast<SimTime>(std::chrono::nanoseconds(clock_.nsecsElapsed()));
}

void SimulatedLineClock::Run() {
    const SimTime present = Present();
    if (present > port_.now())
        port_.Advance(present - port_.now());
    Schedule();
}

void SimulatedLineClock::Schedule() {
    const SimTime next = port_.NextEvent();
    if (next == SimTime::max()) {
        timer_.stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::max(next - Present(), SimTime(0)));
    timer_.start(static_cast<int>(std::min<long long>(wait.count(), 60'000)));
}

} // namespace zarvex1
