#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mapeditor/EditorView.h"
#include "mapeditor/Graph2DInput.h"
#include "mapeditor/Graph3DInput.h"
#include "mapeditor/GraphInput.h"
#include "mapeditor/views/Graph2DLayout.h"
#include "mapeditor/views/Graph3DLayout.h"
#include "mapeditor/views/Graph3DLegend.h"
#include "mapeditor/views/GraphRanges.h"
#include "mapeditor/views/Scene.h"

namespace zarvex1 {

class MapEditor;

// The graphs of one editor: the display ranges and the layouts of the 2D and 3D graph for the
// current sheet, their mouse and keys, and their drawing steps. The editor's dispatch hands the
// graph area's events here; the shown graph takes them.
class TabGraph : public GraphInput {
public:
    explicit TabGraph(MapEditor &editor) : editor_(editor), input2D_(editor, *this), input3D_(editor) {}
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
    const Graph2DInput &Input2D() const { return input2D_; }
    Graph2DInput &Input2D() { return input2D_; }
    const Graph3DInput &Input3D() const { return input3D_; }

    // The drawing steps of the graphs shown, after Layout.
    void Paint(const EditorView &view, Scene &scene) const;

    std::optional<ScenePoint> TakePointerWarp() { return input2D_.TakePointerWarp(); }
    void PointerWarpRefused() { input2D_.PointerWarpRefused(); }

    void Move(int x, int y) override;
    bool LeftDown(int x, int y, bool shift, bool control) override;
    void LeftUp(int x, int y) override;
    void RightDown(int x, int y) override;
    bool Wheel(int direction) override;
    bool Key(int key, bool shift, bool control) override;
    bool Dragging() const override;
    bool TakeIgnoreNextMove() override { return input2D_.TakeIgnoreNextMove(); }
    std::string Hint() const override;
    bool PreviewOn() const override;

private:
    bool Shows3D() const;

    MapEditor &editor_;
    Graph2DInput input2D_;
    Graph3DInput input3D_;
    bool valid_ = false;
    GraphRanges ranges_;
    Graph2DLayout layout2D_;
    Graph3DArea area3D_;
    Graph3DLayout layout3D_;
    ColourRange colours_;
    std::vector<LegendTick> legend_;
};

} // namespace zarvex1
