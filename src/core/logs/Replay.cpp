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

std::vector<CellDifference> DifferingCells(const MonitorLog &log, const RecordedSets &recorded,
                                           const ParameterImage &chosen) {
    // The sets some row stands under; the screen's alone when none does (a log without a frame).
    std::vector<bool> used(recorded.count(), false);
    for (int row = 0; row < recorded.rows(); ++row)
        if (recorded.of(row) >= 0)
            used[recorded.of(row)] = true;
    if (std::find(used.begin(), used.end(), true) == used.end())
        used[0] = true;
    const bool sameSensor = SameLoadSensor(log, chosen);

    std::vector<CellDifference> cells;
    for (const UnitMap map : {UnitMap::Advance1, UnitMap::Advance2, UnitMap::Servo}) {
        const MapAxes after = UnitMapAxes(chosen, map);
        for (int set = 0; set < recorded.count(); ++set) {
            if (!used[set])
                continue;
            const ParameterImage &held = recorded.image(set);
            const MapAxes before = UnitMapAxes(held, map);
            CellTime time(after);
            if (sameSensor)
                time.AddLog(log, [&recorded, set](int row) { return recorded.of(row) == set; });
            for (int row = 0; row < 10; ++row)
                for (int column = 0; column < 15; ++column) {
                    const int a = UnitMapCell(held, map, row, column),
                              b = UnitMapCell(chosen, map, row, column);
                    const bool rowsUsed = row < time.rows();
                    const bool pointMoved = before.rpm[column] != after.rpm[column] ||
                                            (rowsUsed && before.load.size() == after.load.size() &&
                                             before.load[row] != after.load[row]);
                    // Rows past the load axis are never looked up: a speed-only map reads its first row.
                    if (!rowsUsed || (a == b && !pointMoved))
                        continue;
                    const CellDifference cell{map, row, column, a, b, time.ms(row, column)};
                    const auto same =
                        std::find_if(cells.begin(), cells.end(), [&cell](const CellDifference &c) {
                            return c.map == cell.map && c.row == cell.row && c.column == cell.column &&
                                   c.before == cell.before;
                        });
                    if (same != cells.end())
                        same->ms += cell.ms;
                    else
                        cells.push_back(cell);
                }
        }
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const CellDifference &x, const CellDifference &y) { return x.ms > y.ms; });
    return cells;
}

std::vector<CellDifference> DifferingCells(const MonitorLog &log, const ParameterImage &first,
                                           const ParameterImage &second) {
    return DifferingCells(log, RecordedSets(log, first, {}), second);
}

} // namespace zarvex1
