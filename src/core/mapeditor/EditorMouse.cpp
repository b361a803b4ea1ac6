#include "mapeditor/EditorMouse.h"

#include "mapeditor/MapEditor.h"

namespace zarvex1 {

bool EditorMouse::Wheel(int delta, bool buttonHeld, bool overTable, bool overGraph) {
    if (buttonHeld)
        return true; // consumed without effect
    if (!editor_.HasCurrent())
        return false;
    const int direction = delta > 0 ? 1 : -1;
    if (overTable && editor_.Spinners().Shown()) {
        editor_.Spinners().Step(direction);
        return true;
    }
    if (overGraph || editor_.Geometry().viewMode != ViewTable)
        return false; // the graphs have their own wheel
    if (editor_.Layout().VerticalBar().shown != 0)
        editor_.ScrollBy(0, -direction);
    else if (editor_.Layout().HorizontalBar().shown != 0)
        editor_.ScrollBy(-direction, 0);
    return true;
}

bool EditorMouse::FocusLost() {
    editor_.Entry().Commit();
    editor_.Request(DirtyRedraw);
    return editor_.HasCurrent() && !editor_.Current().sel.Empty() && editor_.Geometry().viewMode == ViewTable;
}

bool EditorMouse::ClickViewSwitch(int x, int y) {
    if (editor_.Geometry().Has(ShowToolbar) || !editor_.HasCurrent())
        return false;
    if (!editor_.Layout().ViewSwitchZone().Contains(x, y))
        return false;
    const int shown = editor_.Geometry().shownViews;
    if (shown == ViewTable)
        editor_.SetViewMode(ViewGraph2D);
    else if (shown == ViewGraph2D)
        editor_.SetViewMode(ViewTable);
    else
        return false;
    editor_.Request(DirtyRedraw);
    return true;
}

} // namespace zarvex1
