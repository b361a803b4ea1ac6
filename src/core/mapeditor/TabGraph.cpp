#include "mapeditor/TabGraph.h"

#include "mapeditor/MapEditor.h"
#include "mapeditor/views/Graph2DRenderer.h"
#include "mapeditor/views/Graph3DRenderer.h"

namespace zarvex1 {

bool TabGraph::Layout() {
    valid_ = false;
    if (!editor_.HasCurrent())
        return false;
    const TableGeometry &g = editor_.Geometry();
    const bool shown2D = (g.shownViews & ViewGraph2D) != 0;
    const bool shown3D = (g.shownViews & ViewGraph3D) != 0;
    if (!shown2D && !shown3D)
        return false;
    CSheet &s = editor_.Current();
    const EditorMarkers &m = editor_.Sheets().Markers();
    ranges_ = ComputeGraphRanges(s, GraphKindOf(s), shown2D,
                                 GraphMarkers{m.baseMarker, m.limiterMarker, m.secondMarker});
    if (shown2D)
        layout2D_ = LayoutGraph2D(s, ranges_, g.width, g.height, g.graph, m.baseMarker,
                                  input2D_.State().selectedCurve);
    if (shown3D) {
        area3D_ = Graph3DArea{g.width,           g.height,
                              g.graph.graphLeft, g.graph.graphRight,
                              g.graph.graphTop,  g.graph.graphBottom,
                              LegendStripWidth};
        layout3D_ = LayoutGraph3D(area3D_, editor_.Graph3D().angles, SpansOf(ranges_));
        colours_ = ColourRangeOf(*ranges_.valueAxis);
        legend_ = LegendScale(*ranges_.valueAxis, colours_, ranges_.stackedMax,
                              g.height - g.graph.graphBottom, g.graph.graphTop + 45);
    }
    valid_ = true;
    return true;
}

void TabGraph::Paint(const EditorView &view, Scene &scene) const {
    if (!valid_ || view.sheet == nullptr || view.sheet->enabled == 0)
        return;
    const int shown = view.geometry.shownViews;
    if ((shown & ViewGraph2D) != 0) {
        const Graph2DState &state = input2D_.State();
        const EditorLiveValues &live = editor_.Live().Values();
        const Graph2DView graph{ranges_,
                                layout2D_,
                                state.hotPoint,
                                state.dragging,
                                editor_.ShiftDown(),
                                editor_.ControlDown(),
                                editor_.Sheets().Markers(),
                                live.rpm,
                                live.noConnection != 0};
        PaintGraph2D(view, graph, scene);
    }
    if ((shown & ViewGraph3D) != 0) {
        const GraphSettings &settings = editor_.Graph3D();
        const Graph3DView graph{ranges_,
                                layout3D_,
                                area3D_,
                                settings.angles,
                                settings.quality,
                                settings.valuesMode,
                                editor_.Sheets().Markers().baseMarker,
                                colours_,
                                legend_};
        PaintGraph3D(view, graph, scene);
    }
}

bool TabGraph::Shows3D() const {
    return (editor_.Geometry().shownViews & ViewGraph3D) != 0;
}

void TabGraph::Move(int x, int y) {
    if (Shows3D()) {
        input3D_.Move(x, y);
        return;
    }
    if (Layout())
        input2D_.Move(x, y);
}

bool TabGraph::LeftDown(int x, int y, bool shift, bool control) {
    if (Shows3D())
        return input3D_.LeftDown(x, y);
    return Layout() && input2D_.LeftDown(x, y, shift, control);
}

void TabGraph::LeftUp(int x, int y) {
    if (input3D_.Dragging() || Shows3D()) {
        input3D_.LeftUp();
        return;
    }
    input2D_.LeftUp(x, y);
}

void TabGraph::RightDown(int x, int y) {
    if (!Shows3D() && Layout())
        input2D_.RightDown(x, y);
}

bool TabGraph::Wheel(int direction) {
    if (Shows3D())
        return input3D_.Wheel(direction, editor_.MouseX());
    return Layout() && input2D_.Wheel(direction);
}

bool TabGraph::Key(int key, bool, bool) {
    return Shows3D() && input3D_.Key(key);
}

bool TabGraph::Dragging() const {
    return input2D_.Dragging() || input3D_.Dragging();
}

std::string TabGraph::Hint() const {
    return Shows3D() ? input3D_.Hint() : input2D_.Hint();
}

bool TabGraph::PreviewOn() const {
    return !Shows3D() && input2D_.State().previewOn;
}

} // namespace zarvex1
