#include "core/mapeditor/TabGraph.h"

#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/GraphSettings.h"
#include "core/mapeditor/LivePosition.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/views/Graph2DRenderer.h"
#include "core/mapeditor/views/Graph3DRenderer.h"

namespace zarvex1 {

bool TabGraph::Layout() {
    valid_ = false;
    if (!sheets_.HasCurrent())
        return false;
    const TableGeometry &g = layout_.Geometry();
    const bool shown2D = (g.shownViews & ViewGraph2D) != 0;
    const bool shown3D = (g.shownViews & ViewGraph3D) != 0;
    if (!shown2D && !shown3D)
        return false;
    CSheet &s = sheets_.Current();
    const EditorMarkers &m = sheets_.Markers();
    ranges_ = ComputeGraphRanges(s, GraphKindOf(s), shown2D,
                                 GraphMarkers{m.baseMarker, m.limiterMarker, m.secondMarker});
    if (shown2D)
        layout2D_ =
            LayoutGraph2D(s, ranges_, g.width, g.height, g.graph, m.baseMarker, state2D_.selectedCurve);
    if (shown3D) {
        area3D_ = Graph3DArea{g.width,           g.height,
                              g.graph.graphLeft, g.graph.graphRight,
                              g.graph.graphTop,  g.graph.graphBottom,
                              LegendStripWidth};
        layout3D_ = LayoutGraph3D(area3D_, settings_.angles, SpansOf(ranges_));
        colours_ = ColourRangeOf(*ranges_.valueAxis);
        legend_ = LegendScale(*ranges_.valueAxis, colours_, ranges_.stackedMax,
                              g.height - g.graph.graphBottom, g.graph.graphTop + 45);
    }
    valid_ = true;
    return true;
}

void TabGraph::Paint(const EditorView &view, Scene &scene) const {
    if (!valid_ || view.sheet == nullptr || !view.sheet->enabled())
        return;
    const int shown = view.geometry.shownViews;
    if ((shown & ViewGraph2D) != 0) {
        const Graph2DState &state = state2D_;
        const EditorLiveValues &live = live_.Values();
        const Graph2DView graph{ranges_,           layout2D_,          state.hotPoint,
                                state.dragging,    steps_.ShiftDown(), steps_.ControlDown(),
                                sheets_.Markers(), live.rpm,           live.noConnection != 0};
        PaintGraph2D(view, graph, scene);
    }
    if ((shown & ViewGraph3D) != 0) {
        const GraphSettings &settings = settings_;
        const Graph3DView graph{ranges_,
                                layout3D_,
                                area3D_,
                                settings.angles,
                                settings.quality,
                                settings.valuesMode,
                                sheets_.Markers().baseMarker,
                                colours_,
                                legend_};
        PaintGraph3D(view, graph, scene);
    }
}

bool TabGraph::Shows3D() const {
    return (layout_.Geometry().shownViews & ViewGraph3D) != 0;
}

} // namespace zarvex1
