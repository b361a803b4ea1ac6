#include "core/mapeditor/views/Graph2DLayout.h"

#include <algorithm>

namespace zarvex1 {
namespace {

// An empty range (an index axis with one point) counts as one unit.
double Span(long long min, long long max) {
    return max != min ? static_cast<double>(max - min) : 1.0;
}

int Pixel(double value) {
    return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9)); // far outside any control, still defined
}

} // namespace

Graph2DLayout LayoutGraph2D(const CSheet &sheet, const GraphRanges &ranges, int width, int height,
                            const GraphArea &area, int baseMarker, int selectedCurve) {
    Graph2DLayout g;
    const CAxe &horizontal = *ranges.horizontalAxis;
    const CAxe &curves = *ranges.curveAxis;
    const CAxe &values = *ranges.valueAxis;
    const int curveCount = std::clamp(ranges.curveCount, 1, MaxX);

    const int rightPad = curveCount > 1 ? 30 : 15;
    g.plotLeft = area.graphLeft + 45;
    g.plotBottom = height - area.graphBottom - 18;
    g.plotWidth = width - area.graphLeft - area.graphRight - 45 - rightPad;
    g.plotHeight = height - area.graphTop - area.graphBottom - 26;
    g.xScale = g.plotWidth / Span(horizontal.displayMin, horizontal.displayMax);
    g.yScale = g.plotHeight / Span(values.displayMin, ranges.stackedMax);
    g.selectedCurve = curveCount > 1 ? std::clamp(selectedCurve, 0, curveCount - 1) : 0;

    const bool alongY = &horizontal == &sheet.axisY;
    g.pointStride = alongY ? MaxX : 1;
    g.curveStride = alongY ? 1 : MaxX;
    g.fixedOffset = curves.collapsed() ? std::max(0, curves.collapsedIndex) * g.curveStride : 0;

    g.layout.Reset();
    g.layout.width = width;
    g.layout.height = height;
    g.layout.columns = sheet.axisX.count;
    g.layout.rows = sheet.axisY.count;
    g.layout.validCells = 1;

    const bool basePlateau = (sheet.flags & BaseMarkerInRange) != 0 && horizontal.label == "RPM";
    const int points = std::clamp(horizontal.count, 0, MaxX);
    for (int c = 0; c < curveCount; ++c) {
        const double lift = static_cast<double>(curveCount - c - 1) * ranges.curveOffset;
        for (int i = -1; i < points; ++i) {
            const int index = g.ValueIndex(c, std::max(i, 0));
            if (index < 0 || index >= MaxCells)
                continue;
            double h;
            double v =
                static_cast<double>(values.values[static_cast<std::size_t>(index)]) - values.displayMin;
            if (i == -1) {
                h = 0.0;
                if (basePlateau)
                    v = static_cast<double>(baseMarker) - values.displayMin;
            } else {
                h = horizontal.hasValues()
                        ? static_cast<double>(horizontal.values[static_cast<std::size_t>(i)]) -
                              horizontal.displayMin
                        : i;
            }
            v += lift;
            const int x = Pixel(g.plotLeft + h * g.xScale);
            const int y = Pixel(g.plotBottom - v * g.yScale);
            if (i == -1) {
                g.startY[static_cast<std::size_t>(c)] = y;
                continue;
            }
            g.pointX[static_cast<std::size_t>(c * MaxX + i)] = x;
            g.pointY[static_cast<std::size_t>(c * MaxX + i)] = y;
            g.layout.cells[static_cast<std::size_t>(index)] = Rect{x - 2, y - 2, x + 2, y + 2};
        }
    }
    return g;
}

} // namespace zarvex1
