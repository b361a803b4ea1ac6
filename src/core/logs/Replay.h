#pragma once

#include "core/logs/LogFormat.h"
#include "core/logs/RecordedSets.h"
#include "core/params/MapLookup.h"

#include <optional>
#include <vector>

namespace zarvex1 {

// What another parameter set's maps give at one recorded operating point, looked up as the unit does
// (see UnitAdvance: maps, map 2 by acceleration, cylinder correction; no gear or potentiometer
// correction). A model value, shown beside what the unit did.
struct ReplayValues {
    int advance1 = 0; // degrees
    int advance2 = 0;
    int servoMv = 0;
};

// The model's values for every row of the log under the image; nothing for a gap row, or for every row
// when the set's maps follow another load sensor than the one recorded (throttle against pressure).
std::vector<std::optional<ReplayValues>> ReplayLog(const MonitorLog &log, const ParameterImage &image);

// A map cell in which two sets differ (its value or its speed or load point), with the time the log
// spent in it under the second set's axes.
struct CellDifference {
    UnitMap map;
    int row;    // load point
    int column; // speed point
    int before; // raw cell of the set the unit held (the first set)
    int after;  // raw cell of the chosen set (the second set)
    long long ms;
    friend bool operator==(const CellDifference &, const CellDifference &) = default;
};

// Every cell of the two advance maps and the servo map in which the chosen set differs from the set
// each row was recorded under, the ones the engine spent most time in first; each row's time counts
// against the set of its row. A cell that differs alike from several recorded sets is listed once;
// cells the log never reached close the list.
std::vector<CellDifference> DifferingCells(const MonitorLog &log, const RecordedSets &recorded,
                                           const ParameterImage &chosen);
// The same with every row under the first set.
std::vector<CellDifference> DifferingCells(const MonitorLog &log, const ParameterImage &first,
                                           const ParameterImage &second);

} // namespace zarvex1
