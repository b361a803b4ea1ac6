#pragma once

#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/views/Graph2DLayout.h"
#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

// What the 2D graph's painter reads besides the editor's view: the ranges and the layout of the
// last relayout, what the pointer is on, the key states (the hot markers show what a drag would
// move), the markers and the live engine speed.
struct Graph2DView {
    const GraphRanges &ranges;
    const Graph2DLayout &layout;
    int hotPoint;
    bool dragging;
    bool shift;
    bool control;
    const EditorMarkers &markers;
    int liveRpm;
    bool noConnection;
};

// The 2D graph of the current sheet: background, limiter zone, grid and labels, axes, the live
// engine speed, the stacked curves and their points, the hot markers, the rubber band and the view
// switch.
void PaintGraph2D(const EditorView &view, const Graph2DView &graph, Scene &scene);

} // namespace zarvex1
