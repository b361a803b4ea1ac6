#include "core/mapeditor/input/EditorMouse.h"

#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/input/BlockDrag.h"
#include "core/mapeditor/input/GraphInput.h"
#include "core/mapeditor/input/SpinnerInput.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/model/TabToolbar.h"

namespace zarvex1 {

bool EditorMouse::GraphDragging() const {
    const GraphInput *graph = steps_.Graph();
    return graph != nullptr && graph->Dragging();
}

void EditorMouse::Move(int x, int y, bool leftHeld) {
    if (x == mouseX_ && y == mouseY_)
        return;
    mouseX_ = x;
    mouseY_ = y;
    GraphInput *graph = steps_.Graph();
    if (graph != nullptr && graph->TakeIgnoreNextMove())
        return;
    steps_.SetMouse(x, y);
    table_.ClearZones();
    overTable_ = overGraph_ = false;
    if (sheets_.HasCurrent() && sheets_.Current().enabled()) {
        overTable_ = layout_.OverTable(x, y, sheets_.Current());
        overGraph_ = layout_.OverGraph(x, y, sheets_.Current());
        if (table_.Dragging()) {
            table_.Move(x, y, leftHeld);
        } else if (GraphDragging()) {
            graph->Move(x, y);
        } else {
            if ((layout_.Geometry().shownViews & ViewTable) != 0)
                table_.Move(x, y, leftHeld);
            if (graph != nullptr && (layout_.Geometry().shownViews & (ViewGraph2D | ViewGraph3D)) != 0)
                graph->Move(x, y);
        }
    }
    const int tab = layout_.SheetTabAt(x, y, sheets_);
    if (tab != tabUnderMouse_)
        tabUnderMouse_ = tab;
    if (toolbar_.Hover(x, y))
        steps_.Request(DirtyRedraw);
    UpdateHint();
}

void EditorMouse::UpdateHint() {
    const int language = steps_.Language();
    std::string hint;
    const int button = toolbar_.HoveredButton();
    if (button >= 0)
        hint = EditorText(toolbar_.Button(button).hint, language);
    if (table_.MarkerChanged() || table_.PreviewOn())
        hint = table_.PreviewOn() ? EditorText("Interpolation", language) : std::string();
    if (const GraphInput *graph = steps_.Graph(); graph != nullptr && overGraph_) {
        std::string graphHint = graph->Hint();
        if (!graphHint.empty())
            hint = std::move(graphHint);
    }
    hint_ = std::move(hint);
}

MouseCursor EditorMouse::Cursor() const {
    const TableHover &hover = table_.Hover();
    if (drag_.Mode() == DragCopy || hover.onBorder)
        return MouseCursor::SizeAll;
    if (drag_.Mode() == DragFill || hover.onFillHandle)
        return MouseCursor::Cross;
    if (hover.onText)
        return MouseCursor::IBeam;
    return MouseCursor::Default;
}

void EditorMouse::LeftDown(int x, int y, bool shift, bool control) {
    if (!sheets_.HasCurrent())
        return;
    if (const int tab = layout_.SheetTabAt(x, y, sheets_)) {
        steps_.SelectSheet(tab - 1);
        return;
    }
    if (!sheets_.Current().enabled())
        return;
    TabToolbar &toolbar = toolbar_;
    toolbar.Hover(x, y);
    if (toolbar.HoveredButton() >= 0) {
        const int command = toolbar.Press();
        steps_.Request(DirtyRedraw);
        if (command >= 0)
            steps_.RunCommand(command);
        return;
    }
    if (ClickViewSwitch(x, y))
        return;
    GraphInput *graph = steps_.Graph();
    if (table_.Dragging()) {
        table_.LeftDown(x, y, shift, control);
        return;
    }
    if (GraphDragging()) {
        graph->LeftDown(x, y, shift, control);
        UpdateHint();
        return;
    }
    overTable_ = layout_.OverTable(x, y, sheets_.Current());
    overGraph_ = layout_.OverGraph(x, y, sheets_.Current());
    if (overTable_ && table_.LeftDown(x, y, shift, control))
        return;
    if (overGraph_ && graph != nullptr && graph->LeftDown(x, y, shift, control)) {
        UpdateHint(); // "Dragging: " from the press on
        return;
    }
    if (!sheets_.Current().sel.Empty()) {
        entry_.Commit();
        cursor_.ClearSelection();
    }
}

void EditorMouse::LeftUp(int x, int y) {
    if (!sheets_.HasCurrent())
        return;
    TabToolbar &toolbar = toolbar_;
    if (toolbar.AnyPressed()) {
        const int command = toolbar.Release();
        steps_.Request(DirtyRedraw);
        if (command >= 0)
            steps_.RunCommand(command);
        return;
    }
    GraphInput *graph = steps_.Graph();
    if (table_.Dragging()) {
        table_.LeftUp(x, y);
        return;
    }
    if (GraphDragging()) {
        graph->LeftUp(x, y);
        UpdateHint();
        return;
    }
    if (layout_.OverGraph(x, y, sheets_.Current()) && graph != nullptr)
        graph->LeftUp(x, y);
    else
        table_.LeftUp(x, y);
}

void EditorMouse::DoubleClick(int x, int y) {
    if (!sheets_.HasCurrent())
        return;
    if (toolbar_.ButtonAt(x, y) >= 0) {
        LeftDown(x, y, steps_.ShiftDown(), steps_.ControlDown());
        return;
    }
    if (sheets_.Current().enabled() && layout_.OverTable(x, y, sheets_.Current()))
        table_.DoubleClick(x, y);
}

PopupRequest EditorMouse::RightDown(int x, int y) {
    PopupRequest request;
    if (!sheets_.HasCurrent())
        return request;
    popupX_ = x;
    popupY_ = y;
    request = PopupRequest{true, false, x, y};
    if (const int tab = layout_.SheetTabAt(x, y, sheets_)) {
        steps_.SelectSheet(tab - 1);
        request.onTab = true;
        return request;
    }
    if (sheets_.Current().enabled()) {
        entry_.Commit();
        if (layout_.OverGraph(x, y, sheets_.Current())) {
            if (GraphInput *graph = steps_.Graph())
                graph->RightDown(x, y);
        } else if (layout_.OverTable(x, y, sheets_.Current())) {
            table_.RightDown(x, y);
        }
    }
    return request;
}

bool EditorMouse::Wheel(int delta, bool buttonHeld) {
    const bool overTable = sheets_.HasCurrent() && layout_.OverTable(mouseX_, mouseY_, sheets_.Current());
    const bool overGraph = sheets_.HasCurrent() && layout_.OverGraph(mouseX_, mouseY_, sheets_.Current());
    return Wheel(delta, buttonHeld, overTable, overGraph);
}

bool EditorMouse::Wheel(int delta, bool buttonHeld, bool overTable, bool overGraph) {
    if (buttonHeld)
        return true; // consumed without effect
    if (!sheets_.HasCurrent())
        return false;
    const int direction = delta > 0 ? 1 : -1;
    if (overTable && spinner_.Shown()) {
        spinner_.Step(direction);
        return true;
    }
    if (overGraph) {
        GraphInput *graph = steps_.Graph();
        return graph != nullptr && graph->Wheel(direction);
    }
    if (layout_.Geometry().viewMode != ViewTable)
        return false;
    if (layout_.VerticalBar().shown != 0)
        steps_.ScrollBy(0, -direction);
    else if (layout_.HorizontalBar().shown != 0)
        steps_.ScrollBy(-direction, 0);
    return true;
}

void EditorMouse::FocusGained() {
    steps_.SetFocused(true);
    steps_.Request(DirtyRedraw);
}

bool EditorMouse::FocusLost() {
    steps_.SetFocused(false);
    entry_.Commit();
    table_.ClearZones();
    steps_.Request(DirtyRedraw);
    return sheets_.HasCurrent() && !sheets_.Current().sel.Empty() && layout_.Geometry().viewMode == ViewTable;
}

bool EditorMouse::ClickViewSwitch(int x, int y) {
    if (layout_.Geometry().Has(ShowToolbar) || !sheets_.HasCurrent())
        return false;
    if (!layout_.ViewSwitchZone().Contains(x, y))
        return false;
    const int shown = layout_.Geometry().shownViews;
    if (shown == ViewTable)
        steps_.SetViewMode(ViewGraph2D);
    else if (shown == ViewGraph2D)
        steps_.SetViewMode(ViewTable);
    else
        return false;
    steps_.Request(DirtyRedraw);
    return true;
}

} // namespace zarvex1
