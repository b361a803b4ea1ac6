#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/mapeditor/model/Sheet.h"
#include "core/mapeditor/views/Graph3DLayout.h"

namespace zarvex1 {

// Grid indices of the 3D surface run from -2 to count along each graph axis: -1 and count are the
// flat extensions to the axis ends, -2 the start of the base plateau of an engine-speed axis.
inline constexpr int GridFirst = -2;

// Ground positions along one graph axis, raw units above its display minimum. Cell i of the surface
// spans positions i - 1 … i.
struct GroundAxis {
    int count = 0;
    int firstCell = 0;
    int lastCell = 0;
    std::array<double, MaxX + 3> positions{}; // index i at i + 2

    double Position(int i) const { return positions[static_cast<std::size_t>(i - GridFirst)]; }
};

// basePlateau: the sheet shows the base marker and the axis is labelled "RPM".
GroundAxis GroundAxisOf(const CAxe &axis, bool basePlateau);

// The surface of the 3D graph over the graph's X and Y axes (the sheet's axes exchanged with
// SwapGraphAxes): ground positions and heights above the value display minimum. Along a collapsed
// axis every position takes the sheet's line at its collapsedIndex; with the base marker shown, the
// lines -2 and -1 of an engine-speed axis hold the base value.
class Graph3DGrid {
public:
    Graph3DGrid(const CSheet &sheet, int baseMarker);

    GroundAxis x;
    GroundAxis y;

    double Height(int i, int j) const;
    // The sheet's column and row whose value a grid point shows.
    std::pair<int, int> SheetCell(int i, int j) const;

private:
    struct AxisUse {
        int count = 0;
        bool collapsed = false;
        int collapsedIndex = 0;
        int Index(int i) const;
    };
    bool swapped_;
    AxisUse useX_;
    AxisUse useY_;
    int width_ = 0;
    std::vector<double> heights_;
};

// The order in which the cells are painted, far cells first.
struct CellOrder {
    bool outerX = true; // the outer loop runs over the X cells
    int signX = 1;      // +1: from the first cell upwards; -1: from the last cell downwards
    int signY = 1;
    bool topView = false; // the value axis projects onto the origin
};
CellOrder CellOrderOf(const Graph3DLayout &layout, const AxisSpans &spans);

// The live grid point, when the sheet tracks live values and the position is valid.
std::optional<std::pair<int, int>> LiveGridPoint(const CSheet &sheet);

// Whether the value of grid point (i, j) is labelled in the given values mode: 0 none, 1 the live
// point, 2 the interesting points (live, interpolation corners, a small selection, local extremes),
// 3 all points.
bool ShowsValueLabel(const CSheet &sheet, const Graph3DGrid &grid, int valuesMode, int i, int j,
                     const std::optional<std::pair<int, int>> &live);

} // namespace zarvex1
