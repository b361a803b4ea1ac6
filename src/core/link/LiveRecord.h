#pragma once

#include "core/link/Frames.h"
#include "core/link/MonitorFields.h"
#include "core/params/MapLookup.h"

#include <array>
#include <cstdint>

namespace zarvex1 {

// One monitor frame the link accepted, decoded once: every live value by its field, the time the frame
// came and its number. The Monitor page, the maps' live position, the log and the command-line tool all
// read the same record; none looks at the frame's bytes again.
class LiveRecord {
public:
    LiveRecord() = default;
    // `timeMs`: when the port reported the bytes that completed the frame, on the owner's monotonic
    // clock. `number`: the link's count of accepted monitor frames (the frame carries none of its own).
    static LiveRecord Decode(const Frame &frame, long long timeMs, std::uint64_t number);

    long long timeMs() const { return timeMs_; }
    std::uint64_t number() const { return number_; }
    // A value as an integer in 10^-decimals of the field's unit, as the log writes it: tenths of a degree
    // for the potentiometer's advance correction, millivolts for the supply.
    int raw(LiveField field) const { return values_[static_cast<std::size_t>(field)]; }
    // A value in the field's unit.
    double value(LiveField field) const;
    bool flag(LiveField field) const { return raw(field) != 0; }

    // Where the engine runs: speed, load as the unit measures it (throttle in 0.1 % or intake pressure in
    // kPa), acceleration, and whether a pick-up sees the lobes.
    OperatingPoint point() const;
    // The load the maps follow: throttle in 0.1 % or intake pressure in kPa.
    int load() const {
        return flag(LiveField::LoadIsIap) ? raw(LiveField::Pressure) : raw(LiveField::Throttle);
    }
    bool engineTurns() const { return flag(LiveField::Pickup1) || flag(LiveField::Pickup2); }

    friend bool operator==(const LiveRecord &, const LiveRecord &) = default;

private:
    long long timeMs_ = 0;
    std::uint64_t number_ = 0;
    std::array<int, LiveFieldCount> values_{};
};

} // namespace zarvex1
