#pragma once

#include <optional>
#include <string>

#include "core/mapeditor/input/Graph2DInput.h"
#include "core/mapeditor/input/Graph3DInput.h"
#include "core/mapeditor/input/GraphInput.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabGraph;
class TabLayout;
class TabSheets;
class TabToolbar;
class ValueEntry;
struct GraphSettings;

// The mouse and keys of the graphs: the editor's dispatch hands the graph area's events here and
// the graph shown takes them.
class GraphControls : public GraphInput {
public:
    GraphControls(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TabToolbar &toolbar,
                  GraphSettings &settings, EditOperations &operations, ValueEntry &entry, TabGraph &graph)
        : steps_(steps), graph_(graph), input2D_(steps, sheets, layout, operations, entry, graph),
          input3D_(steps, layout, toolbar, settings, operations) {}
    GraphControls(const GraphControls &) = delete;
    GraphControls &operator=(const GraphControls &) = delete;

    const Graph2DInput &Input2D() const { return input2D_; }
    Graph2DInput &Input2D() { return input2D_; }
    const Graph3DInput &Input3D() const { return input3D_; }

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
    EditorSteps &steps_;
    TabGraph &graph_;
    Graph2DInput input2D_;
    Graph3DInput input3D_;
};

} // namespace zarvex1
