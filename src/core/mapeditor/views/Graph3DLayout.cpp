#include "core/mapeditor/views/Graph3DLayout.h"

#include <cmath>
#include <numbers>

#include "core/mapeditor/views/HeightColours.h"

namespace zarvex1 {
namespace {

using Vec3 = double[3];

// Rotates components a and b of v by angle (in steps of 5 degrees).
void Rotate(Vec3 &v, int a, int b, int angle) {
    const double r = angle * std::numbers::pi / 36.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const double va = v[a];
    const double vb = v[b];
    v[a] = va * c - vb * s;
    v[b] = va * s + vb * c;
}

double NegatedNegativeSum(const double (&row)[3]) {
    double sum = 0.0;
    for (double component : row)
        if (component < 0.0)
            sum -= component;
    return sum;
}

// An empty range (an index axis with one point) counts as one unit.
double RangeOf(int min, int max) {
    return max > min || max < min ? static_cast<double>(max) - min : 1.0;
}

} // namespace

int WrapAngle(int angle) {
    while (angle > 36)
        angle -= 72;
    while (angle < -35)
        angle += 72;
    return angle;
}

ViewAngles RotateByDrag(const ViewAngles &atStart, int dx, int dy) {
    return {WrapAngle(atStart.angleX - dy / 10), WrapAngle(atStart.angleXY + dx / 10), atStart.angleXYZ};
}

AxisSpans SpansOf(const GraphRanges &ranges) {
    return {ranges.xAxis->displayMin,     ranges.xAxis->displayMax, ranges.valueAxis->displayMin,
            ranges.valueAxis->displayMax, ranges.yAxis->displayMin, ranges.yAxis->displayMax};
}

AxisSpans SpansOf(const CSheet &sheet) {
    const bool swapped = (sheet.flags & SwapGraphAxes) != 0;
    const CAxe &x = swapped ? sheet.axisY : sheet.axisX;
    const CAxe &y = swapped ? sheet.axisX : sheet.axisY;
    return {x.displayMin, x.displayMax, sheet.axisData.displayMin, sheet.axisData.displayMax,
            y.displayMin, y.displayMax};
}

ColourRange ColourRangeOf(const CAxe &valueAxis) {
    if (valueAxis.fixedRange())
        return {valueAxis.min, valueAxis.max};
    return {valueAxis.displayMin, valueAxis.displayMax};
}

double HeightIndexOf(double g, int valueDisplayMin, const ColourRange &range) {
    // A flat colour range shows every height in the lowest colour instead of dividing by zero.
    if (range.hi == range.lo)
        return 0.0;
    return (g + valueDisplayMin - range.lo) / (static_cast<double>(range.hi) - range.lo) * HeightColourTop;
}

Graph3DLayout LayoutGraph3D(const Graph3DArea &area, const ViewAngles &angles, const AxisSpans &spans) {
    Graph3DLayout layout;
    layout.plotWidth = area.width - area.graphLeft - area.graphRight - (area.stripWidth + 10) - 10;
    layout.plotHeight = area.height - area.graphTop - area.graphBottom - 20;
    // A control too small for a plot still gets a finite stretch.
    layout.aspect = layout.plotHeight > 0 ? static_cast<double>(layout.plotWidth) / layout.plotHeight : 1.0;

    for (int i = 0; i < 3; ++i) {
        Vec3 v = {0.0, 0.0, 0.0};
        v[i] = 1.0;
        Rotate(v, 1, 2, angles.angleX);
        Rotate(v, 0, 2, angles.angleXY);
        Rotate(v, 0, 1, angles.angleXYZ);
        const double norm = std::fabs(v[0]) + std::fabs(v[1]) + std::fabs(v[2]);
        for (int c = 0; c < 3; ++c)
            layout.projection[i][c] = v[c] / norm;
    }

    const double height = layout.plotHeight;
    layout.originShift = static_cast<int>(NegatedNegativeSum(layout.projection[0]) * height);
    layout.originX = area.graphLeft + area.stripWidth + 10;
    const double lift = NegatedNegativeSum(layout.projection[1]);
    layout.originY = static_cast<int>(area.height - area.graphBottom - 10 - lift * height);

    const double columnScale[3] = {height / RangeOf(spans.xMin, spans.xMax),
                                   height / RangeOf(spans.valueMin, spans.valueMax),
                                   height / RangeOf(spans.yMin, spans.yMax)};
    for (auto &row : layout.projection)
        for (int c = 0; c < 3; ++c)
            row[c] *= columnScale[c];
    layout.projection[2][1] = 0.0; // depth depends on the ground position only

    layout.aspect *= 0.95;
    if (layout.aspect > 0.94 && layout.aspect < 1.06)
        layout.aspect = 1.0;
    return layout;
}

ProjectedPoint Project(const Graph3DLayout &layout, double x, double v, double y) {
    const auto dot = [&](const double(&row)[3]) { return row[0] * x + row[1] * v + row[2] * y; };
    const double px = dot(layout.projection[0]);
    const double py = dot(layout.projection[1]);
    return {layout.originX + (layout.originShift + px) * layout.aspect, layout.originY - py,
            dot(layout.projection[2])};
}

} // namespace zarvex1
