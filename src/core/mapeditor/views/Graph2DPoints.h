#pragma once

#include <bitset>

#include "core/mapeditor/model/Sheet.h"
#include "core/mapeditor/views/Graph2DLayout.h"
#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

// What the 2D graph's pointer is on: a point (curve × 50 + index, 0 or more), the start point that
// stands for the base marker, the limiter line, or nothing.
enum HotObject : int { HotNone = -100, HotBase = -1, HotLimiter = -2 };

// A set of points of the 2D graph, point i of curve c at c × 50 + i.
using PointSet = std::bitset<MaxX * MaxX>;

// Number of points along the horizontal axis.
int PointCount(const GraphRanges &ranges);

// The sheet's column and row of point i of curve c.
struct CellPosition {
    int column = 0;
    int row = 0;
};
CellPosition PointCell(const Graph2DLayout &layout, int curve, int point);
// Selection mark of the cell a point shows.
int PointMark(const CSheet &sheet, const Graph2DLayout &layout, int curve, int point);

// Whether the graph draws the start point that carries the base marker, and the limiter line.
bool ShowsBasePoint(const CSheet &sheet, const GraphRanges &ranges);
bool ShowsLimiter(const CSheet &sheet, const GraphRanges &ranges);
int LimiterX(const Graph2DLayout &layout, const GraphRanges &ranges, int limiterMarker);

// The points a drag of point hot moves: the point itself; with Shift its whole curve, with Control
// the points at its index on every curve, with both every point. When the hot point is selected,
// every selected point too, widened the same way.
PointSet MovingPoints(const CSheet &sheet, const GraphRanges &ranges, const Graph2DLayout &layout, int hot,
                      bool shift, bool control);

} // namespace zarvex1
