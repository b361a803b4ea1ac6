#include "core/logs/Replay.h"

#include "core/logs/CellTime.h"

#include <algorithm>

namespace zarvex1 {

namespace {

bool MapsUseLoad(const ParameterImage &image) {
    return image.byte(Adrb::MapsUseLoad) != 0 &&
           (image.byte(Adrb::LoadSensor) == 1 || image.byte(Adrb::LoadSensor) == 2);
}

// Whether the recorded load means what the set's load axis means.
bool SameLoadSensor(const MonitorLog &log, const ParameterImage &image) {
    if (!MapsUseLoad(image))
        return true;
    const bool setIap = image.byte(Adrb::LoadSensor) == 2;
    const std::span<const int> iap = log.values("loadIsIap");
    for (int row = 0; row < log.rowCount(); ++row)
        if (!log.isGap(row) && (!iap.empty() && iap[row] != 0) != setIap)
            return false;
    return true;
}

} // namespace

std::vector<std::optional<ReplayValues>> ReplayLog(const MonitorLog &log, const ParameterImage &image) {
    std::vector<std::optional<ReplayValues>> values(log.rowCount());
    if (!SameLoadSensor(log, image))
        return values;
    for (int row = 0; row < log.rowCount(); ++row)
        if (const std::optional<OperatingPoint> point = LogPoint(log, row))
            values[row] = ReplayValues{UnitAdvance(image, 0, *point), UnitAdvance(image, 1, *point),
                                       UnitServoMv(image, *point)};
    return values;
}

std::vector<CellDifference> DifferingCells(const MonitorLog &log, const ParameterImage &first,
                                           const ParameterImage &second) {
    std::vector<CellDifference> cells;
    for (const UnitMap map : {UnitMap::Advance1, UnitMap::Advance2, UnitMap::Servo}) {
        const MapAxes before = UnitMapAxes(first, map), after = UnitMapAxes(second, map);
        CellTime time(after);
        if (SameLoadSensor(log, second))
            time.AddLog(log);
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 15; ++column) {
                const int a = UnitMapCell(first, map, row, column), b = UnitMapCell(second, map, row, column);
                const bool rowsUsed = row < time.rows();
                const bool pointMoved = before.rpm[column] != after.rpm[column] ||
                                        (rowsUsed && before.load.size() == after.load.size() &&
                                         before.load[row] != after.load[row]);
                // Rows past the load axis are never looked up: a speed-only map reads its first row.
                if (!rowsUsed || (a == b && !pointMoved))
                    continue;
                cells.push_back({map, row, column, a, b, time.ms(row, column)});
            }
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const CellDifference &x, const CellDifference &y) { return x.ms > y.ms; });
    return cells;
}

} // namespace zarvex1
