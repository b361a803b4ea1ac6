#include "core/link/LiveRecord.h"

namespace zarvex1 {

namespace {

constexpr double Scale[] = {1.0, 0.1, 0.01, 0.001};

} // namespace

LiveRecord LiveRecord::Decode(const Frame &frame, long long timeMs, std::uint64_t number) {
    LiveRecord record;
    record.timeMs_ = timeMs;
    record.number_ = number;
    for (const MonitorField &field : MonitorFields())
        record.values_[static_cast<std::size_t>(field.field)] = FieldValue(field, frame);
    return record;
}

double LiveRecord::value(LiveField field) const {
    return raw(field) * Scale[FieldInfo(field).decimals];
}

OperatingPoint LiveRecord::point() const {
    OperatingPoint point;
    point.rpm = raw(LiveField::Rpm);
    point.load = load();
    point.acceleration = raw(LiveField::Acceleration);
    point.running = engineTurns();
    return point;
}

} // namespace zarvex1
