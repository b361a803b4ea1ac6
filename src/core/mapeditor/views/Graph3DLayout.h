#pragma once

#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

// View angles in steps of 5 degrees, each kept in -35 … 36.
struct ViewAngles {
    int angleX = -5;
    int angleXY = 24;
    int angleXYZ = 0;
    bool operator==(const ViewAngles &) const = default;
};

inline constexpr ViewAngles ViewTop{-18, 0, 0};
inline constexpr ViewAngles ViewIso1{-5, 4, 0};
inline constexpr ViewAngles ViewIso2{-5, 24, 0};

// Brings an angle into -35 … 36 by whole turns of 72 steps.
int WrapAngle(int angle);

// Angles while the user drags the graph: 5 degrees per 10 pixels, up and down turning about the
// first axis, left and right about the second; the roll angle is kept.
ViewAngles RotateByDrag(const ViewAngles &atStart, int dx, int dy);

// Width of the colour legend strip at the left of the 3D graph; the pointer turns the view right of it.
inline constexpr int LegendStripWidth = 140;

// The control's size and the graph area margins the 3D graph is laid out in.
struct Graph3DArea {
    int width = 0;
    int height = 0;
    int graphLeft = 0;
    int graphRight = 0;
    int graphTop = 0;
    int graphBottom = 0;
    int stripWidth = LegendStripWidth;
};

// Display ranges in raw units of the graph's X axis, value axis and Y axis.
struct AxisSpans {
    int xMin = 0, xMax = 0;
    int valueMin = 0, valueMax = 0;
    int yMin = 0, yMax = 0;
};
AxisSpans SpansOf(const GraphRanges &ranges);
// The same from the sheet's axes, X and Y exchanged with SwapGraphAxes.
AxisSpans SpansOf(const CSheet &sheet);

// Value range the height colours run over: the value display range, or min … max of a value axis
// with a fixed range.
struct ColourRange {
    int lo = 0;
    int hi = 0;
};
ColourRange ColourRangeOf(const CAxe &valueAxis);

// Height index 0 … 61 (not clamped) of a grid height g, raw above the value display minimum.
double HeightIndexOf(double g, int valueDisplayMin, const ColourRange &range);

struct Graph3DLayout {
    int plotWidth = 0;
    int plotHeight = 0;
    // Rows P (screen x), Q (screen height), R (depth); columns X position, value, Y position.
    double projection[3][3] = {};
    int originX = 0;
    int originShift = 0;
    int originY = 0;
    double aspect = 1.0;
};

// Plot size, rotated and scaled projection, origin and horizontal stretch of the 3D graph.
Graph3DLayout LayoutGraph3D(const Graph3DArea &area, const ViewAngles &angles, const AxisSpans &spans);

struct ProjectedPoint {
    double x = 0.0;
    double y = 0.0;
    double depth = 0.0;
};

// Screen position and depth of a point given by its X and Y positions above the axes' display
// minimum and its value above the value display minimum, all in raw units.
ProjectedPoint Project(const Graph3DLayout &layout, double x, double v, double y);

} // namespace zarvex1
