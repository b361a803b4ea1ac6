#pragma once

#include "core/link/Frames.h"
#include "core/logs/LogFormat.h"
#include "core/params/MapLookup.h"

#include <functional>
#include <optional>
#include <vector>

namespace zarvex1 {

// The operating point of a monitor frame, as LogPoint reads it from a log row.
OperatingPoint FramePoint(const Frame &frame);

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

// Time in cell live, since the connection: each decoded frame's point counts until the next frame (at
// most CellTime::MaxRowMs). The points are kept, so that a map whose points were edited is counted
// again on its new axes.
class LiveCellTime {
public:
    void Frame(const OperatingPoint &point, long long nowMs);
    // The connection was lost: the next frame starts the time afresh.
    void ConnectionLost();
    // The time for a map on these axes.
    const CellTime &For(UnitMap map, const MapAxes &axes);
    long long totalMs() const { return totalMs_; }

private:
    struct Sample {
        OperatingPoint point;
        long long ms;
    };
    std::vector<Sample> samples_;
    std::optional<OperatingPoint> last_;
    long long lastMs_ = 0;
    bool fresh_ = false; // the next frame clears what was counted
    long long totalMs_ = 0;
    std::vector<std::optional<CellTime>> maps_ = std::vector<std::optional<CellTime>>(3);
    std::vector<std::size_t> counted_ = std::vector<std::size_t>(3, 0); // samples in each map's time
};

} // namespace zarvex1
