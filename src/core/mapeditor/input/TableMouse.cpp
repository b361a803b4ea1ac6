#include "core/mapeditor/input/TableMouse.h"

#include <algorithm>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/input/BlockDrag.h"
#include "core/mapeditor/input/SpinnerInput.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

bool TableMouse::Dragging() const {
    return drag_.Mode() != DragNone ||
           (sheets_.HasCurrent() && (sheets_.Current().sel.mode & SelDragTable) != 0);
}

void TableMouse::ApplyScroll() {
    CSheet &s = sheets_.Current();
    const ScrollBar &h = layout_.HorizontalBar();
    const ScrollBar &v = layout_.VerticalBar();
    s.axisX.firstVisible = h.position;
    s.axisY.firstVisible = v.position;
    steps_.Relayout();
    spinner_.Hide();
    steps_.Request(DirtyRedraw);
}

bool TableMouse::ScrollBarsMove(int x, int y) {
    bool moved = false;
    for (ScrollBar *bar : {&layout_.HorizontalBar(), &layout_.VerticalBar()}) {
        bool redraw = false;
        if (bar->Hover(x, y, redraw))
            moved = true;
        if (redraw)
            steps_.Request(DirtyRedraw);
    }
    if (moved)
        ApplyScroll();
    return moved;
}

bool TableMouse::ScrollBarsPress(int x, int y) {
    for (ScrollBar *bar : {&layout_.HorizontalBar(), &layout_.VerticalBar()}) {
        if (!bar->Drawn())
            continue;
        bool moved = false;
        if (bar->Press(x, y, steps_.TickCount(), moved)) {
            if (moved)
                ApplyScroll();
            steps_.Request(DirtyRedraw);
            return true;
        }
    }
    return false;
}

bool TableMouse::OnSelectAll(int x, int y) const {
    const TableGeometry &g = layout_.Geometry();
    const CSheet &s = sheets_.Current();
    Rect r;
    if (s.axisX.collapsed())
        r = Rect{g.tableX + g.rowHeaderWidth + 2, g.cellsY - 30, static_cast<int>(g.cellsX + g.columnWidth),
                 g.cellsY - 2};
    else if (s.axisY.collapsed())
        r = Rect{g.tableX, g.tableY + g.columnHeaderHeight + 2, g.cellsX - 2, g.RowEdge(1)};
    else
        r = Rect{g.tableX + g.rowHeaderWidth + 2, g.tableY + g.columnHeaderHeight + 2, g.cellsX - 1,
                 g.cellsY - 1};
    return r.Contains(x, y);
}

int TableMouse::CornerAt(int x, int y) const {
    const TableGeometry &g = layout_.Geometry();
    const CSheet &s = sheets_.Current();
    const bool xc = s.axisX.collapsed(), yc = s.axisY.collapsed();
    if (x < g.tableX || x >= g.cellsX || y < g.tableY || y >= g.cellsY)
        return 0;
    if (xc)
        return x < g.tableX + g.rowHeaderWidth && y >= g.cellsY - 30 ? AxisY : 0;
    if (yc)
        return y < g.tableY + g.columnHeaderHeight ? AxisX : 0;
    const bool above = static_cast<long long>(y - g.tableY) * g.rowHeaderWidth <
                       static_cast<long long>(x - g.tableX) * g.columnHeaderHeight;
    return above ? AxisX : AxisY;
}

void TableMouse::Move(int x, int y, bool leftHeld) {
    if (!sheets_.HasCurrent() || !steps_.Focused())
        return;
    CSheet &s = sheets_.Current();
    BlockDrag &drag = drag_;
    SpinnerInput &spinner = spinner_;
    ValueEntry &entry = entry_;
    if (drag.Mode() != DragNone) {
        drag.Update(x, y);
        return;
    }
    // 1. A pressed scroll-bar part takes the move alone.
    const ScrollBar &h = layout_.HorizontalBar(), &v = layout_.VerticalBar();
    if (h.pressedPart != PartNone || v.pressedPart != PartNone) {
        ScrollBarsMove(x, y);
        return;
    }
    // 2. The in-place text; with the left button held the caret follows the pointer.
    if (entry.Active()) {
        const TValueEdit &edit = entry.State();
        hover_.onText = layout_.ItemRect(edit.editCol, edit.editRow).Contains(x, y);
        if (leftHeld) {
            entry.Text().DragCaretTo(x);
            entry.Layout();
            steps_.Request(DirtyRedraw);
            return;
        }
    }
    // 3. The fill handle and the border of the selection block.
    if (s.sel.mode == SelNothing && !s.sel.Empty() && cursor_.SelectionBlock().x0 >= -1) {
        const int zone = drag.ZoneAt(x, y);
        hover_.onFillHandle = zone == DragFill;
        hover_.onBorder = zone == DragCopy;
    }
    // 4. The corners of the interpolation rectangle.
    const bool marker = drag.InterpolationMarkerAt(x, y);
    markerChanged_ = marker != hover_.onMarker;
    if (marker) {
        hover_.onFillHandle = hover_.onBorder = false;
    }
    if (markerChanged_)
        steps_.Request(DirtyRedraw);
    hover_.onMarker = marker;
    // 5. The rubber band.
    const TableGeometry &g = layout_.Geometry();
    if ((s.sel.mode & SelDragTable) != 0) {
        const int cx = std::clamp(x, g.cellsX + 1, std::max(g.cellsX + 1, g.CellsRight() - 1));
        const int cy = std::clamp(y, g.cellsY + 1, std::max(g.cellsY + 1, g.CellsBottom() - 1));
        if (s.sel.ExtendSelectionDrag(layout_.FullRecord(), cx, cy, false))
            steps_.Request(DirtyRedraw);
    }
    // 6. The spinner.
    bool onBox = false;
    if (s.sel.mode != SelNothing) {
        spinner.Hide();
    } else {
        const bool wasPressed = spinner.Pressed();
        if (spinner.Shown() && spinner.Hover(x, y) != 0) {
            onBox = true;
            hover_.onBorder = hover_.onFillHandle = hover_.onMarker = false;
        }
        const bool onZone = hover_.onBorder || hover_.onFillHandle || hover_.onMarker;
        if (!onBox && !onZone) {
            if (wasPressed) {
                steps_.Request(DirtyRedraw); // moved off a held box: released without a step
                return;
            }
            int column = -2, row = -2;
            const int oldColumn = spinner.State().column, oldRow = spinner.State().row;
            const bool wasShown = spinner.Shown();
            if (HitItem(layout_.TableRecord(), x, y, column, row) != 0)
                spinner.Place(column, row);
            else
                spinner.Hide();
            if (wasShown != spinner.Shown() || oldColumn != spinner.State().column ||
                oldRow != spinner.State().row)
                steps_.Request(DirtyRedraw);
        }
    }
    // 7. The scroll bars.
    if (!onBox)
        ScrollBarsMove(x, y);
}

bool TableMouse::LeftDown(int x, int y, bool shift, bool control) {
    if (!sheets_.HasCurrent())
        return false;
    SpinnerInput &spinner = spinner_;
    ValueEntry &entry = entry_;
    if (spinner.Shown() && spinner.Hover(x, y) != 0) {
        spinner.Press(spinner.State().hoverBox);
        return true;
    }
    if (hover_.onMarker) {
        operations_.Interpolate();
        hover_.onMarker = false;
        return true;
    }
    if (entry.Active()) {
        const TValueEdit &edit = entry.State();
        if (layout_.ItemRect(edit.editCol, edit.editRow).Contains(x, y)) {
            entry.Text().PlaceCaretAt(x);
            entry.Layout();
            steps_.Request(DirtyRedraw);
            return true;
        }
        entry.Commit();
    }
    if (hover_.onFillHandle || hover_.onBorder) {
        drag_.Begin(hover_.onFillHandle ? DragFill : DragCopy, x, y);
        spinner.Hide();
        return true;
    }
    if (OnSelectAll(x, y)) {
        cursor_.SelectAllCells();
        return true;
    }
    if (const int corner = CornerAt(x, y)) {
        cursor_.SelectAllHeaders(corner);
        return true;
    }
    if (ScrollBarsPress(x, y))
        return true;
    LayoutRecord &record = layout_.TableRecord();
    if (HitFamilies(record, x, y) == 0)
        return false;
    sheets_.Current().sel.BeginSelectionDrag(record, x, y, shift, control);
    spinner.Hide();
    steps_.Request(DirtyRedraw);
    return true;
}

bool TableMouse::LeftUp(int x, int y) {
    if (!sheets_.HasCurrent())
        return false;
    SpinnerInput &spinner = spinner_;
    if (spinner.Pressed()) {
        spinner.Release();
        return true;
    }
    if (drag_.Mode() != DragNone) {
        drag_.End();
        return true;
    }
    bool handled = false;
    for (ScrollBar *bar : {&layout_.HorizontalBar(), &layout_.VerticalBar()})
        if (bar->Drawn() && bar->Release(x, y)) {
            handled = true;
            steps_.Request(DirtyRedraw);
        }
    TSel &sel = sheets_.Current().sel;
    if ((sel.mode & SelDragTable) != 0) {
        sel.CommitSelection(layout_.TableRecord());
        steps_.Request(DirtyRedraw);
        Move(x, y, false);
        handled = true;
    }
    return handled;
}

void TableMouse::RightDown(int x, int y) {
    if (!sheets_.HasCurrent())
        return;
    TSel &sel = sheets_.Current().sel;
    TableCursor &cursor = cursor_;
    if (sel.mode != SelNothing)
        sel.CommitSelection(layout_.TableRecord());
    if (OnSelectAll(x, y)) {
        if (!cursor.AllCellsSelected())
            cursor.SelectAllCells(); // a right click keeps a table that is all selected
        return;
    }
    if (const int corner = CornerAt(x, y)) {
        cursor.SelectAllHeaders(corner);
        return;
    }
    LayoutRecord &record = layout_.TableRecord();
    const int families = HitFamilies(record, x, y);
    if ((families & (HitCell | HitXHeader | HitYHeader)) != 0) {
        int column = -2, row = -2;
        HitItem(record, x, y, column, row);
        cursor.SelectForPopup(column, row);
    } else if ((families & HitColumnBar) != 0) {
        cursor.SelectLine(AxisX, record.hitColumn);
    } else if ((families & HitRowBar) != 0) {
        cursor.SelectLine(AxisY, record.hitRow);
    } else {
        cursor.ClearSelection();
    }
}

void TableMouse::DoubleClick(int x, int y) {
    if (!sheets_.HasCurrent())
        return;
    SpinnerInput &spinner = spinner_;
    if (spinner.Shown() && spinner.Hover(x, y) != 0) {
        spinner.Press(spinner.State().hoverBox, false); // like a press, without committing an entry
        return;
    }
    int column = -2, row = -2;
    if (HitItem(layout_.TableRecord(), x, y, column, row) != 0 && cursor_.TargetEditable(column, row)) {
        ValueEntry &entry = entry_;
        const TValueEdit &edit = entry.State();
        if (!entry.Active() || edit.editCol != column || edit.editRow != row) {
            entry.Commit();
            if (sheets_.Current().sel.ItemMark(column, row) == 0)
                cursor_.SelectOne(column, row);
            entry.Begin(column, row, false);
        }
        entry.Text().SelectAll();
        entry.Layout();
        steps_.Request(DirtyRedraw);
        return;
    }
    ScrollBarsPress(x, y);
}

} // namespace zarvex1
