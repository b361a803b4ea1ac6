#include "sim/EngineModel.h"

#include <algorithm>
#include <array>

namespace zarvex1 {

namespace {

constexpr long long StandMs = 5000;
constexpr long long StartMs = 1500;
constexpr long long RiseMs = 3500;
constexpr long long ShiftMs = 500;
constexpr long long RollMs = 3000;
constexpr int IdleRpm = 1500;

int Lerp(int a, int b, long long t, long long span) {
    return a + static_cast<int>((static_cast<long long>(b - a) * t) / span);
}

int GearCount(const ParameterImage &image) {
    return std::clamp<int>(image.byte(Adrb::GearCount), 1, 6);
}

// The run aims just past the hard limiter so the limiter flags show; a damaged setting falls back.
int TopRpm(const ParameterImage &image) {
    int hard = image.word(Adrw::HardLimiter);
    return (hard >= 900 && hard <= 24900) ? hard + 100 : 11000;
}

int StartTarget(const ParameterImage &image) {
    int start = image.word(Adrw::StartHardLimiter);
    return (start >= 900 && start <= 24900) ? start + 100 : 6000;
}

EngineState Ride(long long t, const ParameterImage &image) {
    EngineState s;
    s.running = true;
    const int gears = GearCount(image);
    const int top = TopRpm(image);
    const long long perGear = RiseMs + ShiftMs;
    if (t < perGear * gears) {
        const int gear = static_cast<int>(t / perGear) + 1;
        const long long in = t % perGear;
        // The road speed carries over a shift, so the engine drops by the ratio of the two gears.
        const int low = gear == 1 ? StartTarget(image) : top * GearRatio10(gear) / GearRatio10(gear - 1);
        s.gear = gear;
        if (in < RiseMs) {
            s.rpm = Lerp(low, top, in, RiseMs);
            s.acceleration = static_cast<int>((static_cast<long long>(top - low) * 1000) / RiseMs);
            s.throttle = in < 500 ? Lerp(200, 1000, in, 500) : 1000;
        } else {
            const int next = gear < gears ? top * GearRatio10(gear + 1) / GearRatio10(gear) : top - 1500;
            s.rpm = Lerp(top, next, in - RiseMs, ShiftMs);
            s.shifting = gear < gears;
        }
        return s;
    }
    const long long in = std::min(t - perGear * gears, RollMs - 1);
    s.gear = gears;
    s.rpm = Lerp(top - 1500, IdleRpm, in, RollMs);
    s.throttle = 20;
    return s;
}

} // namespace

int GearRatio10(int gear) {
    static constexpr std::array<int, 6> Ratios = {1300, 950, 760, 640, 560, 500};
    return Ratios[std::clamp(gear, 1, 6) - 1];
}

EngineState EngineAt(long long ms, EngineMode mode, const ParameterImage &image) {
    if (mode == EngineMode::Stopped || ms < 0)
        return {};
    const long long ride = (RiseMs + ShiftMs) * GearCount(image) + RollMs;
    long long t = ms;
    if (mode == EngineMode::Cycle) {
        t %= StandMs + StartMs + ride;
        if (t < StandMs)
            return {};
        t -= StandMs;
    } else {
        t %= StartMs + ride;
    }
    if (t < StartMs) {
        EngineState s;
        s.running = true;
        s.starting = true;
        s.rpm = Lerp(300, StartTarget(image), t, StartMs);
        s.acceleration =
            static_cast<int>((static_cast<long long>(StartTarget(image) - 300) * 1000) / StartMs);
        s.throttle = Lerp(0, 300, t, StartMs);
        s.gear = 1;
        return s;
    }
    return Ride(t - StartMs, image);
}

} // namespace zarvex1
