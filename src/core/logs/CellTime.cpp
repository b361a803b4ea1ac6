#include "core/logs/CellTime.h"

#include <algorithm>
#include <numeric>

namespace zarvex1 {

namespace {

int ValueAt(std::span<const int> column, int row) {
    return column.empty() ? 0 : column[row];
}

} // namespace

std::optional<OperatingPoint> LogPoint(const MonitorLog &log, int row) {
    if (log.isGap(row))
        return std::nullopt;
    OperatingPoint point;
    point.rpm = ValueAt(log.values("rpm"), row);
    const bool iap = ValueAt(log.values("loadIsIap"), row) != 0;
    point.load = ValueAt(log.values(iap ? "pressure" : "throttle"), row);
    point.acceleration = ValueAt(log.values("acceleration"), row);
    const std::span<const int> pickup1 = log.values("pickup1"), pickup2 = log.values("pickup2");
    point.running = pickup1.empty() && pickup2.empty()
                        ? point.rpm > 0
                        : ValueAt(pickup1, row) != 0 || ValueAt(pickup2, row) != 0;
    return point;
}

OperatingPoint FramePoint(const Frame &frame) {
    auto value = [&frame](std::string_view id) { return FieldValue(*FindMonitorField(id), frame); };
    OperatingPoint point;
    point.rpm = value("rpm");
    point.load = value("loadIsIap") != 0 ? value("pressure") : value("throttle");
    point.acceleration = value("acceleration");
    point.running = value("pickup1") != 0 || value("pickup2") != 0;
    return point;
}

CellTime::CellTime(MapAxes axes) : axes_(std::move(axes)) {
    if (axes_.rpm.empty())
        axes_.rpm = {0};
    if (axes_.load.empty())
        axes_.load = {0};
    ms_.assign(axes_.rpm.size() * axes_.load.size(), 0);
}

int CellTime::NearestIndex(const std::vector<int> &axis, int value) {
    int index = 0;
    for (int i = 1; i < static_cast<int>(axis.size()); ++i)
        if (2LL * value >= static_cast<long long>(axis[i - 1]) + axis[i])
            index = i;
    return index;
}

void CellTime::Add(const OperatingPoint &point, long long ms) {
    if (!point.running || ms <= 0)
        return;
    const int row = NearestIndex(axes_.load, point.load);
    const int column = NearestIndex(axes_.rpm, point.rpm);
    ms_[row * columns() + column] += ms;
}

void CellTime::AddLog(const MonitorLog &log, const std::function<bool(int row)> &counts) {
    for (int row = 0; row + 1 < log.rowCount(); ++row)
        if (const std::optional<OperatingPoint> point = LogPoint(log, row); point && (!counts || counts(row)))
            Add(*point, std::min(log.timeMs(row + 1) - log.timeMs(row), MaxRowMs));
}

void CellTime::Clear() {
    std::fill(ms_.begin(), ms_.end(), 0);
}

long long CellTime::totalMs() const {
    return std::accumulate(ms_.begin(), ms_.end(), 0LL);
}

} // namespace zarvex1

namespace zarvex1 {

void LiveCellTime::Frame(const OperatingPoint &point, long long nowMs) {
    if (fresh_) {
        samples_.clear();
        totalMs_ = 0;
        // The times stay where they are: a view may hold them.
        for (std::optional<CellTime> &map : maps_)
            if (map)
                map->Clear();
        std::fill(counted_.begin(), counted_.end(), 0);
        fresh_ = false;
    }
    if (last_ && nowMs > lastMs_) {
        const long long ms = std::min(nowMs - lastMs_, CellTime::MaxRowMs);
        samples_.push_back({*last_, ms});
        if (last_->running)
            totalMs_ += ms;
    }
    last_ = point;
    lastMs_ = nowMs;
}

void LiveCellTime::ConnectionLost() {
    last_.reset();
    fresh_ = true;
}

const CellTime &LiveCellTime::For(UnitMap map, const MapAxes &axes) {
    const auto index = static_cast<std::size_t>(map);
    std::optional<CellTime> &time = maps_[index];
    if (!time || time->axes().rpm != axes.rpm || time->axes().load != axes.load ||
        counted_[index] > samples_.size()) {
        time.emplace(axes);
        counted_[index] = 0;
    }
    for (; counted_[index] < samples_.size(); ++counted_[index])
        time->Add(samples_[counted_[index]].point, samples_[counted_[index]].ms);
    return *time;
}

} // namespace zarvex1
