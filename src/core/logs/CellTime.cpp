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

CellTime &LiveCellTime::MapTime(std::size_t index) {
    std::optional<CellTime> &time = maps_[index];
    const MapAxes axes = UnitMapAxes(screen_, static_cast<UnitMap>(index));
    // The times stay where they are while the axes hold: a view may hold them.
    if (!time || time->axes().rpm != axes.rpm || time->axes().load != axes.load)
        time.emplace(axes);
    return *time;
}

void LiveCellTime::Add(const OperatingPoint &point, long long ms) {
    if (point.running)
        totalMs_ += ms;
    for (std::optional<CellTime> &map : maps_)
        map->Add(point, ms);
}

void LiveCellTime::RecordsArrived(std::span<const LiveRecord> records) {
    if (fresh_) {
        totalMs_ = 0;
        for (std::optional<CellTime> &map : maps_)
            if (map)
                map->Clear();
        fresh_ = false;
    }
    // The axes are looked at once for the tick's records.
    for (std::size_t index = 0; index < maps_.size(); ++index)
        MapTime(index);
    for (const LiveRecord &record : records) {
        const long long now = record.timeMs();
        if (last_ && now > lastMs_)
            Add(*last_, std::min(now - lastMs_, CellTime::MaxRowMs));
        last_ = record.point();
        lastMs_ = now;
    }
}

void LiveCellTime::ConnectionChanged(bool connected, long long /*nowMs*/) {
    if (connected)
        return;
    last_.reset();
    fresh_ = true;
}

const CellTime &LiveCellTime::For(UnitMap map) {
    return MapTime(static_cast<std::size_t>(map));
}

} // namespace zarvex1
