#pragma once

#include <optional>
#include <string>

#include "core/mapeditor/TabGraph.h"
#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/views/Graph2DPoints.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabLayout;
class TabSheets;
class ValueEntry;

// The mouse of the 2D graph: the point, start point or limiter line nearest to the pointer, dragging
// them (values up and down, the shared axis point sideways) while the graph rescales under the
// pointer, the rubber band over the points, the right button and the wheel, and the hint.
class Graph2DInput {
public:
    Graph2DInput(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, EditOperations &operations,
                 ValueEntry &entry, TabGraph &graph)
        : steps_(steps), sheets_(sheets), layout_(layout), operations_(operations), entry_(entry),
          graph_(graph), state_(graph.State2D()) {}

    const Graph2DState &State() const { return state_; }
    void Move(int x, int y);
    bool LeftDown(int x, int y, bool shift, bool control);
    bool LeftUp(int x, int y);
    void RightDown(int x, int y);
    bool Wheel(int direction);
    // A drag of a point or marker, or a rubber band, in progress.
    bool Dragging() const;
    const std::string &Hint() const { return hint_; }

    // After a drag step rescaled the graph: where the pointer is to go so that it stays on the dragged
    // point (control pixels), once. The move the platform then reports is not a drag step.
    std::optional<ScenePoint> TakePointerWarp();
    bool TakeIgnoreNextMove();
    // The platform cannot move the pointer (Wayland): the drag goes on from where the pointer is.
    void PointerWarpRefused();

private:
    void Hover(int x, int y);
    void DragTo(int x, int y);
    // The ranges and the layout again; the pointer follows the dragged object where a scale changed.
    void Rescale(int x, int y, std::optional<int> horizontal, std::optional<int> value, int curve);
    void UpdateHint();
    int Lift(int curve) const;

    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    EditOperations &operations_;
    ValueEntry &entry_;
    TabGraph &graph_;
    Graph2DState &state_;
    int dragCurve_ = 0;
    int dragAxis_ = 0; // the horizontal axis bit when a point drag may move the shared axis
    int grabX_ = 0;
    int grabY_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
    std::optional<ScenePoint> warp_;
    ScenePoint pendingWarp_;
    bool ignoreNextMove_ = false;
    std::string hint_;
};

} // namespace zarvex1
