#include "mapeditor/EditorMouse.h"

#include "mapeditor/EditorCommands.h"
#include "mapeditor/EditorTexts.h"
#include "mapeditor/GraphInput.h"
#include "mapeditor/MapEditor.h"

namespace zarvex1 {

bool EditorMouse::GraphDragging() const {
    const GraphInput *graph = editor_.Graph();
    return graph != nullptr && graph->Dragging();
}

void EditorMouse::Move(int x, int y, bool leftHeld) {
    if (x == mouseX_ && y == mouseY_)
        return;
    mouseX_ = x;
    mouseY_ = y;
    GraphInput *graph = editor_.Graph();
    if (graph != nullptr && graph->TakeIgnoreNextMove())
        return;
    editor_.SetMouse(x, y);
    table_.ClearZones();
    overTable_ = overGraph_ = false;
    if (editor_.HasCurrent() && editor_.Current().enabled != 0) {
        overTable_ = editor_.Layout().OverTable(x, y, editor_.Current());
        overGraph_ = editor_.Layout().OverGraph(x, y, editor_.Current());
        if (table_.Dragging()) {
            table_.Move(x, y, leftHeld);
        } else if (GraphDragging()) {
            graph->Move(x, y);
        } else {
            if ((editor_.Geometry().shownViews & ViewTable) != 0)
                table_.Move(x, y, leftHeld);
            if (graph != nullptr && (editor_.Geometry().shownViews & (ViewGraph2D | ViewGraph3D)) != 0)
                graph->Move(x, y);
        }
    }
    const int tab = editor_.Layout().SheetTabAt(x, y, editor_.Sheets());
    if (tab != tabUnderMouse_)
        tabUnderMouse_ = tab;
    if (editor_.Toolbar().Hover(x, y))
        editor_.Request(DirtyRedraw);
    UpdateHint();
}

void EditorMouse::UpdateHint() {
    const int language = editor_.Language();
    std::string hint;
    const int button = editor_.Toolbar().HoveredButton();
    if (button >= 0)
        hint = EditorText(editor_.Toolbar().Button(button).hint, language);
    if (table_.MarkerChanged() || table_.PreviewOn())
        hint = table_.PreviewOn() ? EditorText("Interpolation", language) : std::string();
    if (const GraphInput *graph = editor_.Graph(); graph != nullptr && overGraph_) {
        std::string graphHint = graph->Hint();
        if (!graphHint.empty())
            hint = std::move(graphHint);
    }
    hint_ = std::move(hint);
}

MouseCursor EditorMouse::Cursor() const {
    const TableHover &hover = table_.Hover();
    if (editor_.Drag().Mode() == DragCopy || hover.onBorder)
        return MouseCursor::SizeAll;
    if (editor_.Drag().Mode() == DragFill || hover.onFillHandle)
        return MouseCursor::Cross;
    if (hover.onText)
        return MouseCursor::IBeam;
    return MouseCursor::Default;
}

void EditorMouse::LeftDown(int x, int y, bool shift, bool control) {
    if (!editor_.HasCurrent())
        return;
    if (const int tab = editor_.Layout().SheetTabAt(x, y, editor_.Sheets())) {
        editor_.SelectSheet(tab - 1);
        return;
    }
    if (editor_.Current().enabled == 0)
        return;
    TabToolbar &toolbar = editor_.Toolbar();
    toolbar.Hover(x, y);
    if (toolbar.HoveredButton() >= 0) {
        const int command = toolbar.Press();
        editor_.Request(DirtyRedraw);
        if (command >= 0)
            RunCommand(editor_, command);
        return;
    }
    if (ClickViewSwitch(x, y))
        return;
    GraphInput *graph = editor_.Graph();
    if (table_.Dragging()) {
        table_.LeftDown(x, y, shift, control);
        return;
    }
    if (GraphDragging()) {
        graph->LeftDown(x, y, shift, control);
        UpdateHint();
        return;
    }
    overTable_ = editor_.Layout().OverTable(x, y, editor_.Current());
    overGraph_ = editor_.Layout().OverGraph(x, y, editor_.Current());
    if (overTable_ && table_.LeftDown(x, y, shift, control))
        return;
    if (overGraph_ && graph != nullptr && graph->LeftDown(x, y, shift, control)) {
        UpdateHint(); // "Dragging: " from the press on
        return;
    }
    if (!editor_.Current().sel.Empty()) {
        editor_.Entry().Commit();
        editor_.Cursor().ClearSelection();
    }
}

void EditorMouse::LeftUp(int x, int y) {
    if (!editor_.HasCurrent())
        return;
    TabToolbar &toolbar = editor_.Toolbar();
    if (toolbar.AnyPressed()) {
        const int command = toolbar.Release();
        editor_.Request(DirtyRedraw);
        if (command >= 0)
            RunCommand(editor_, command);
        return;
    }
    GraphInput *graph = editor_.Graph();
    if (table_.Dragging()) {
        table_.LeftUp(x, y);
        return;
    }
    if (GraphDragging()) {
        graph->LeftUp(x, y);
        UpdateHint();
        return;
    }
    if (editor_.Layout().OverGraph(x, y, editor_.Current()) && graph != nullptr)
        graph->LeftUp(x, y);
    else
        table_.LeftUp(x, y);
}

void EditorMouse::DoubleClick(int x, int y) {
    if (!editor_.HasCurrent())
        return;
    if (editor_.Toolbar().ButtonAt(x, y) >= 0) {
        LeftDown(x, y, editor_.ShiftDown(), editor_.ControlDown());
        return;
    }
    if (editor_.Current().enabled != 0 && editor_.Layout().OverTable(x, y, editor_.Current()))
        table_.DoubleClick(x, y);
}

PopupRequest EditorMouse::RightDown(int x, int y) {
    PopupRequest request;
    if (!editor_.HasCurrent())
        return request;
    popupX_ = x;
    popupY_ = y;
    request = PopupRequest{true, false, x, y};
    if (const int tab = editor_.Layout().SheetTabAt(x, y, editor_.Sheets())) {
        editor_.SelectSheet(tab - 1);
        request.onTab = true;
        return request;
    }
    if (editor_.Current().enabled != 0) {
        editor_.Entry().Commit();
        if (editor_.Layout().OverGraph(x, y, editor_.Current())) {
            if (GraphInput *graph = editor_.Graph())
                graph->RightDown(x, y);
        } else if (editor_.Layout().OverTable(x, y, editor_.Current())) {
            table_.RightDown(x, y);
        }
    }
    return request;
}

bool EditorMouse::Wheel(int delta, bool buttonHeld) {
    const bool overTable =
        editor_.HasCurrent() && editor_.Layout().OverTable(mouseX_, mouseY_, editor_.Current());
    const bool overGraph =
        editor_.HasCurrent() && editor_.Layout().OverGraph(mouseX_, mouseY_, editor_.Current());
    return Wheel(delta, buttonHeld, overTable, overGraph);
}

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
    if (overGraph) {
        GraphInput *graph = editor_.Graph();
        return graph != nullptr && graph->Wheel(direction);
    }
    if (editor_.Geometry().viewMode != ViewTable)
        return false;
    if (editor_.Layout().VerticalBar().shown != 0)
        editor_.ScrollBy(0, -direction);
    else if (editor_.Layout().HorizontalBar().shown != 0)
        editor_.ScrollBy(-direction, 0);
    return true;
}

void EditorMouse::FocusGained() {
    editor_.SetFocused(true);
    editor_.Request(DirtyRedraw);
}

bool EditorMouse::FocusLost() {
    editor_.SetFocused(false);
    editor_.Entry().Commit();
    table_.ClearZones();
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
