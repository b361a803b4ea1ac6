#pragma once

#include "core/link/LiveWatcher.h"
#include "core/logs/LogFormat.h"
#include "core/params/MapLookup.h"

#include <functional>
#include <optional>
#include <vector>

namespace zarvex1 {

// The operating point of a log row: speed, load as the unit measured it (throttle in 0.1 % or intake
// pressure in kPa), acceleration, whether the engine ran. Nothing for a gap row.
std::optional<OperatingPoint> LogPoint(const MonitorLog &log, int row);

// Time the engine spent in each cell of a map: in the cell whose speed and load points lie nearest the
// operating point (a value on a midpoint goes to the upper point), as the live ring marks it. The map
// editors ask it for the seconds of a cell; it fills from a log or live, frame by frame.
class CellTime {
public:
    // A log row counts until the next row, but never more than this: a link that stalled is no time
    // spent in a cell.
    static constexpr long long MaxRowMs = 500;

    explicit CellTime(MapAxes axes);

    // `ms` spent at a point; a standing engine adds nothing.
    void Add(const OperatingPoint &point, long long ms);
    // Every row of a log up to its next row, or those `counts` takes; gap rows add nothing.
    void AddLog(const MonitorLog &log, const std::function<bool(int row)> &counts = {});
    void Clear();

    int rows() const { return static_cast<int>(axes_.load.size()); }
    int columns() const { return static_cast<int>(axes_.rpm.size()); }
    long long ms(int row, int column) const { return ms_[row * columns() + column]; }
    double seconds(int row, int column) const { return static_cast<double>(ms(row, column)) / 1000.0; }
    long long totalMs() const;
    const MapAxes &axes() const { return axes_; }

    // The nearest point of a rising axis; on a midpoint the upper one.
    static int NearestIndex(const std::vector<int> &axis, int value);

private:
    MapAxes axes_;
    std::vector<long long> ms_;
};

// Time in cell live, since the connection: each record's point counts until the next record (at most
// CellTime::MaxRowMs), on the axes the screen's set gives each map. Only the totals of the cells are kept;
// a map whose points were edited starts counting afresh on its new axes.
class LiveCellTime : public LiveWatcher {
public:
    // `screen`: the set whose maps' axes the time is counted on.
    explicit LiveCellTime(const ParameterImage &screen) : screen_(screen) {}

    void RecordsArrived(std::span<const LiveRecord> records) override;
    // The connection was lost: the next record starts the time afresh.
    void ConnectionChanged(bool connected, long long nowMs) override;
    // The time of a map on the screen's axes.
    const CellTime &For(UnitMap map);
    long long totalMs() const { return totalMs_; }

private:
    void Add(const OperatingPoint &point, long long ms);
    CellTime &MapTime(std::size_t index);

    const ParameterImage &screen_;
    std::optional<OperatingPoint> last_;
    long long lastMs_ = 0;
    bool fresh_ = false; // the next record clears what was counted
    long long totalMs_ = 0;
    std::vector<std::optional<CellTime>> maps_ = std::vector<std::optional<CellTime>>(3);
};

} // namespace zarvex1
