#include "core/mapeditor/views/Graph2DPoints.h"

#include <algorithm>
#include <cmath>

namespace zarvex1 {

int PointCount(const GraphRanges &ranges) {
    return std::clamp(ranges.horizontalAxis->count, 0, MaxX);
}

CellPosition PointCell(const Graph2DLayout &layout, int curve, int point) {
    const int index = std::clamp(layout.ValueIndex(curve, point), 0, MaxCells - 1);
    return {index % MaxX, index / MaxX};
}

int PointMark(const CSheet &sheet, const Graph2DLayout &layout, int curve, int point) {
    const CellPosition cell = PointCell(layout, curve, point);
    return sheet.sel.CellMark(cell.column, cell.row);
}

bool ShowsBasePoint(const CSheet &sheet, const GraphRanges &ranges) {
    return (sheet.flags & BaseMarkerInRange) != 0 && ranges.horizontalAxis->label == "RPM";
}

bool ShowsLimiter(const CSheet &sheet, const GraphRanges &ranges) {
    return (sheet.flags & LimiterMarkerInRange) != 0 && ranges.horizontalAxis->label == "RPM";
}

int LimiterX(const Graph2DLayout &layout, const GraphRanges &ranges, int limiterMarker) {
    const double x = (static_cast<double>(limiterMarker) - ranges.horizontalAxis->displayMin) * layout.xScale;
    return layout.plotLeft + static_cast<int>(std::clamp(x, -1.0e6, 1.0e6));
}

PointSet MovingPoints(const CSheet &sheet, const GraphRanges &ranges, const Graph2DLayout &layout, int hot,
                      bool shift, bool control) {
    PointSet set;
    const int curves = std::clamp(ranges.curveCount, 1, MaxX);
    const int points = PointCount(ranges);
    if (hot < 0 || hot / MaxX >= curves || hot % MaxX >= points)
        return set;
    auto curve = [&](int c) {
        for (int i = 0; i < points; ++i)
            set.set(static_cast<std::size_t>(c * MaxX + i));
    };
    auto index = [&](int i) {
        for (int c = 0; c < curves; ++c)
            set.set(static_cast<std::size_t>(c * MaxX + i));
    };
    // One point, or widened along its curve (Shift), across the curves (Control) or to all.
    auto widen = [&](int c, int i) {
        set.set(static_cast<std::size_t>(c * MaxX + i));
        if (shift && control) {
            for (int k = 0; k < curves; ++k)
                curve(k);
        } else if (shift) {
            curve(c);
        } else if (control) {
            index(i);
        }
    };
    const int hc = hot / MaxX, hi = hot % MaxX;
    widen(hc, hi);
    if ((PointMark(sheet, layout, hc, hi) & MarkSelected) == 0)
        return set;
    for (int c = 0; c < curves; ++c)
        for (int i = 0; i < points; ++i)
            if ((PointMark(sheet, layout, c, i) & MarkSelected) != 0)
                widen(c, i);
    return set;
}

} // namespace zarvex1
