#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/views/Graph2DLayout.h"
#include "core/mapeditor/views/Graph2DPoints.h"
#include "core/mapeditor/views/Graph3DLayout.h"
#include "core/mapeditor/views/Graph3DLegend.h"
#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {

class EditorSteps;
class LivePosition;
class TabLayout;
class TabSheets;
struct GraphSettings;

// What the 2D graph's mouse found and does, as its painter shows it.
struct Graph2DState {
    int selectedCurve = 0; // the curve under the pointer, drawn in colour
    int hotPoint = HotNone;
    bool dragging = false;  // a point or a marker is being dragged
    bool previewOn = false; // the pointer is on an interpolation corner
};

// The graphs of one editor: the display ranges and the layouts of the 2D and 3D graph for the
// current sheet, what the 2D graph's mouse found, and their drawing steps. Their mouse and keys are
// the graph controls (input/GraphControls.h).
class TabGraph {
public:
    TabGraph(const EditorSteps &steps, TabSheets &sheets, const TabLayout &layout, const LivePosition &live,
             const GraphSettings &settings)
        : steps_(steps), sheets_(sheets), layout_(layout), live_(live), settings_(settings) {}
    TabGraph(const TabGraph &) = delete;
    TabGraph &operator=(const TabGraph &) = delete;

    // Ranges and layouts of the graphs shown, for the current sheet at the control's size; false
    // when no graph is shown.
    bool Layout();
    bool Valid() const { return valid_; }
    const GraphRanges &Ranges() const { return ranges_; }
    const Graph2DLayout &Layout2D() const { return layout2D_; }
    LayoutRecord &PointRecord() { return layout2D_.layout; }
    const Graph3DLayout &Layout3D() const { return layout3D_; }
    const Graph3DArea &Area3D() const { return area3D_; }
    const Graph2DState &State2D() const { return state2D_; }
    Graph2DState &State2D() { return state2D_; }
    // Whether the 3D graph is the graph shown.
    bool Shows3D() const;

    // The drawing steps of the graphs shown, after Layout.
    void Paint(const EditorView &view, Scene &scene) const;

private:
    const EditorSteps &steps_;
    TabSheets &sheets_;
    const TabLayout &layout_;
    const LivePosition &live_;
    const GraphSettings &settings_;
    Graph2DState state2D_;
    bool valid_ = false;
    GraphRanges ranges_;
    Graph2DLayout layout2D_;
    Graph3DArea area3D_;
    Graph3DLayout layout3D_;
    ColourRange colours_;
    std::vector<LegendTick> legend_;
};

} // namespace zarvex1
