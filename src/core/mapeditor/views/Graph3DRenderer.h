#pragma once

#include <vector>

#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/views/Graph3DLayout.h"
#include "core/mapeditor/views/Graph3DLegend.h"
#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

// What the 3D graph's painter reads besides the editor's view: the ranges, the projection and the
// area of the last relayout, the view settings, the base marker, the colour range and the legend's
// value scale.
struct Graph3DView {
    const GraphRanges &ranges;
    const Graph3DLayout &layout;
    const Graph3DArea &area;
    ViewAngles angles;
    int quality;    // 0 wire model, 1 one colour, 2 … 5 height colours of grain 0 … 3
    int valuesMode; // 0 no values, 1 the live one, 2 the interesting ones, 3 all
    int baseMarker;
    ColourRange colours;
    const std::vector<LegendTick> &legend;
};

// The 3D graph of the current sheet: the axes, the surface back to front (each cell as four
// triangles around its centre, far ones first), its value labels and the live point, then the colour
// legend with its scale and the live value, and the angle read-out.
void PaintGraph3D(const EditorView &view, const Graph3DView &graph, Scene &scene);

} // namespace zarvex1
