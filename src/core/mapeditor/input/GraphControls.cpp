#include "core/mapeditor/input/GraphControls.h"

#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TabGraph.h"

namespace zarvex1 {

void GraphControls::Move(int x, int y) {
    if (graph_.Shows3D()) {
        input3D_.Move(x, y);
        return;
    }
    if (graph_.Layout())
        input2D_.Move(x, y);
}

bool GraphControls::LeftDown(int x, int y, bool shift, bool control) {
    if (graph_.Shows3D())
        return input3D_.LeftDown(x, y);
    return graph_.Layout() && input2D_.LeftDown(x, y, shift, control);
}

void GraphControls::LeftUp(int x, int y) {
    if (input3D_.Dragging() || graph_.Shows3D()) {
        input3D_.LeftUp();
        return;
    }
    input2D_.LeftUp(x, y);
}

void GraphControls::RightDown(int x, int y) {
    if (!graph_.Shows3D() && graph_.Layout())
        input2D_.RightDown(x, y);
}

bool GraphControls::Wheel(int direction) {
    if (graph_.Shows3D())
        return input3D_.Wheel(direction, steps_.MouseX());
    return graph_.Layout() && input2D_.Wheel(direction);
}

bool GraphControls::Key(int key, bool, bool) {
    return graph_.Shows3D() && input3D_.Key(key);
}

bool GraphControls::Dragging() const {
    return input2D_.Dragging() || input3D_.Dragging();
}

std::string GraphControls::Hint() const {
    return graph_.Shows3D() ? input3D_.Hint() : input2D_.Hint();
}

bool GraphControls::PreviewOn() const {
    return !graph_.Shows3D() && input2D_.State().previewOn;
}

} // namespace zarvex1
