#pragma once

#include <vector>

#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/Selection.h"
#include "core/mapeditor/model/Sheet.h"
#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

// Plot rectangle, scales and point positions of the 2D graph. Point i of curve c shows the sheet's
// value at index i × pointStride + c × curveStride + fixedOffset (the cell index y × 50 + x).
struct Graph2DLayout {
    int plotLeft = 0;
    int plotBottom = 0;
    int plotWidth = 0;
    int plotHeight = 0;
    double xScale = 1.0; // pixels per raw unit of the horizontal axis
    double yScale = 1.0; // pixels per raw unit of the value axis
    int pointStride = 1;
    int curveStride = MaxX;
    int fixedOffset = 0;
    int selectedCurve = 0;
    // At c × 50 + i: up to 50 curves when they run along the sheet's X axis.
    std::vector<int> pointX = std::vector<int>(MaxX * MaxX, 0);
    std::vector<int> pointY = std::vector<int>(MaxX * MaxX, 0);
    std::vector<int> startY = std::vector<int>(MaxX, 0); // each curve's start point, drawn at plotLeft
    LayoutRecord layout;                                 // 5 × 5 point rectangles at their values' index

    int ValueIndex(int curve, int point) const {
        return point * pointStride + curve * curveStride + fixedOffset;
    }
    int X(int curve, int point) const { return pointX[static_cast<std::size_t>(curve * MaxX + point)]; }
    int Y(int curve, int point) const { return pointY[static_cast<std::size_t>(curve * MaxX + point)]; }
};

// Lays the 2D graph out in the graph area of a control of the given size, after the ranges.
Graph2DLayout LayoutGraph2D(const CSheet &sheet, const GraphRanges &ranges, int width, int height,
                            const GraphArea &area, int baseMarker, int selectedCurve);

} // namespace zarvex1
