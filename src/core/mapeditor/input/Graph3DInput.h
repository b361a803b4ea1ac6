#pragma once

#include <string>

#include "core/mapeditor/views/Graph3DLayout.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class GraphSettings;
class TabLayout;
class TabToolbar;

// The mouse and keys of the 3D graph: a drag right of the legend strip turns the view (5 degrees per
// 10 pixels), the wheel rolls it, with Control sets the quality and with Shift the value labels, and
// over the legend strip steps the value at the live position; Space steps through the value labels.
class Graph3DInput {
public:
    Graph3DInput(EditorSteps &steps, TabLayout &layout, TabToolbar &toolbar, GraphSettings &settings,
                 EditOperations &operations)
        : steps_(steps), layout_(layout), toolbar_(toolbar), settings_(settings), operations_(operations) {}

    void Move(int x, int y);
    bool LeftDown(int x, int y);
    bool LeftUp();
    // x: the pointer's position in the control.
    bool Wheel(int direction, int x);
    bool Key(int key);
    bool Dragging() const { return dragging_; }
    // "short|long" as tooltip and status text; "|" + text once its help has been used.
    const std::string &Hint() const { return hint_; }

private:
    void SetAngles(const ViewAngles &angles);

    EditorSteps &steps_;
    TabLayout &layout_;
    TabToolbar &toolbar_;
    GraphSettings &settings_;
    EditOperations &operations_;
    bool dragging_ = false;
    int rotateStartX_ = 0;
    int rotateStartY_ = 0;
    ViewAngles rotateStart_;
    std::string hint_;
};

} // namespace zarvex1
