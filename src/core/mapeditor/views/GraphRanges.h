#pragma once

#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// The editor's three markers: the base value in data raw units and two engine speeds in X raw units.
struct GraphMarkers {
    int baseMarker = 0;
    int limiterMarker = 0;
    int secondMarker = 0;
};

// What the graphs need besides the axes' displayMin, displayMax and currentBand.
struct GraphRanges {
    int graphKind = 3; // 3 both axes used, 1 only X (Y collapsed), 2 only Y (X collapsed)
    CAxe *xAxis = nullptr;
    CAxe *yAxis = nullptr;
    CAxe *valueAxis = nullptr;
    CAxe *horizontalAxis = nullptr; // the 2D graph's axis along x
    CAxe *curveAxis = nullptr;      // one curve per point of this axis
    int curveCount = 1;
    int curveOffset = 0;   // raw value units between neighbouring stacked curves
    int firstCurveMax = 0; // top of the first curve's own range
    int stackedMax = 0;    // top of the 2D graph's vertical range
};

// 3 when neither axis is collapsed, 1 when Y is, 2 when X is.
int GraphKindOf(const CSheet &sheet);

// Range ends of an axis with values, pushed out by a fifth of the step t (display units) and then to
// the next multiple of it, never across zero; min and max are raw, s is the axis scale.
struct RawRange {
    int min = 0;
    int max = 0;
    bool operator==(const RawRange &) const = default;
};
RawRange RoundRangeEnds(int min, int max, double t, double s);

// The display ranges of both graphs for the current sheet: writes displayMin, displayMax and
// currentBand of the graph's axes (X and Y exchanged with SwapGraphAxes) and returns the stacking of
// the 2D graph's curves. graph2DShown: the 2D graph is among the views drawn now.
GraphRanges ComputeGraphRanges(CSheet &sheet, int graphKind, bool graph2DShown, const GraphMarkers &markers);

} // namespace zarvex1
