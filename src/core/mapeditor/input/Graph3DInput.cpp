#include "core/mapeditor/input/Graph3DInput.h"

#include <algorithm>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorKeys.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/GraphSettings.h"
#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabToolbar.h"

namespace zarvex1 {

namespace {

// The helps of the graph, and their bits in the tooltip flags.
constexpr int RotationHelp = 1;
constexpr int SetValueHelp = 2;
constexpr const char *RotationText =
    "Rotate: drag mouse (X, XY) and wheel (XYZ)   \nGraph quality: CTRL+mouse wheel   "
    "\nView values: SHIFT + mouse wheel";
constexpr const char *SetValueText = "Set actual value - mouse wheel";

} // namespace

void Graph3DInput::SetAngles(const ViewAngles &angles) {
    GraphSettings &settings = settings_;
    if (angles == settings.angles)
        return;
    settings.angles = angles;
    toolbar_.SetPreset(settings.Preset());
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void Graph3DInput::Move(int x, int y) {
    GraphSettings &settings = settings_;
    if (dragging_) {
        SetAngles(RotateByDrag(rotateStart_, x - rotateStartX_, y - rotateStartY_));
        settings.tooltipFlags &= ~RotationHelp;
    }
    hint_.clear();
    const TableGeometry &g = layout_.Geometry();
    if (y <= g.graph.graphTop + 45)
        return;
    const int strip = LegendStripWidth;
    int help = 0;
    if (x < strip - 10)
        help = SetValueHelp;
    else if (x > strip + 20)
        help = RotationHelp;
    if (help == 0)
        return;
    const std::string text =
        EditorText(help == SetValueHelp ? SetValueText : RotationText, steps_.Language());
    // A help shows as tooltip until the user has used it, then on the status line only.
    hint_ = (settings.tooltipFlags & help) != 0 ? text : "|" + text;
}

bool Graph3DInput::LeftDown(int x, int y) {
    if (x <= LegendStripWidth)
        return false;
    dragging_ = true;
    rotateStartX_ = x;
    rotateStartY_ = y;
    rotateStart_ = settings_.angles;
    return true;
}

bool Graph3DInput::LeftUp() {
    dragging_ = false;
    return true;
}

bool Graph3DInput::Wheel(int direction, int x) {
    GraphSettings &settings = settings_;
    if (x < LegendStripWidth) {
        operations_.IncrementActual(direction);
        settings.tooltipFlags &= ~SetValueHelp;
        return true;
    }
    if (steps_.ControlDown()) {
        settings.quality = std::clamp(settings.quality + direction, 0, 5);
        steps_.Request(DirtyRedraw);
    } else if (steps_.ShiftDown()) {
        settings.valuesMode = std::clamp(settings.valuesMode + direction, 0, 3);
        steps_.Request(DirtyRedraw);
    } else {
        ViewAngles angles = settings.angles;
        angles.angleXYZ = WrapAngle(angles.angleXYZ + direction);
        SetAngles(angles);
    }
    settings.tooltipFlags &= ~RotationHelp;
    return true;
}

bool Graph3DInput::Key(int key) {
    if (key != KeySpace)
        return false;
    GraphSettings &settings = settings_;
    settings.valuesMode = (settings.valuesMode + 1) % 4;
    steps_.Request(DirtyRelayout | DirtyRedraw);
    return true;
}

} // namespace zarvex1
