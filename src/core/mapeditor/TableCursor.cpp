#include "core/mapeditor/TableCursor.h"

#include <algorithm>

#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

bool TableCursor::At(int &column, int &row) const {
    if (!sheets_.HasCurrent() || sheets_.Current().sel.Empty() || sheets_.Current().sel.boxX0 == -2)
        return false;
    column = sheets_.Current().sel.boxX0;
    row = sheets_.Current().sel.boxY0;
    return true;
}

bool TableCursor::TargetEditable(int column, int row) const {
    if (!sheets_.HasCurrent())
        return false;
    const CSheet &s = sheets_.Current();
    if (row == -1)
        return s.axisX.editable();
    if (column == -1)
        return s.axisY.editable();
    return s.axisData.editable();
}

Block TableCursor::SelectionBlock() const {
    if (!sheets_.HasCurrent() || sheets_.Current().sel.Empty())
        return Block{-2, -2, -2, -2};
    const TSel &sel = sheets_.Current().sel;
    return Block{std::min(sel.boxX0, sel.boxX1), std::max(sel.boxX0, sel.boxX1),
                 std::min(sel.boxY0, sel.boxY1), std::max(sel.boxY0, sel.boxY1)};
}

void TableCursor::MoveCursor(int dx, int dy, bool extend) {
    int cx = 0, cy = 0;
    if (!At(cx, cy))
        return;
    CSheet &s = sheets_.Current();
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    TSel &sel = s.sel;
    LayoutRecord &layout = layout_.TableRecord();
    if (extend) {
        // The moving corner goes by the step, or to an index; a header axis (-1) stays where it is.
        auto move = [](int corner, int d, const CAxe &a) {
            if (corner == -1)
                return -1;
            if (a.collapsed())
                return a.collapsedIndex;
            if (d >= MoveTo)
                return std::clamp(d - MoveTo, 0, a.count - 1);
            return std::clamp(corner + d, 0, a.count - 1);
        };
        const int col = move(sel.currentCol < -1 ? cx : sel.currentCol, dx, ax);
        const int row = move(sel.currentRow < -1 ? cy : sel.currentRow, dy, ay);
        if (sel.anchorCol < -1 || sel.anchorRow < -1) {
            sel.anchorCol = cx;
            sel.anchorRow = cy;
        }
        sel.SelectRange(layout, col, row);
        steps_.ScrollIntoView(sel.currentCol, sel.currentRow);
        steps_.Request(DirtyRedraw);
        return;
    }
    // Without extension the cursor wraps, passing through the header column and row.
    auto step = [](int from, int d, int lowest, const CAxe &a) {
        if (d == 0)
            return from;
        if (a.collapsed()) {
            if (d >= MoveTo)
                return d - MoveTo;
            return from == -1 ? a.collapsedIndex : lowest == -1 ? -1 : a.collapsedIndex;
        }
        int v = d >= MoveTo ? d - MoveTo : from + d;
        if (v < lowest)
            v = a.count - 1;
        else if (v >= a.count)
            v = lowest;
        return v;
    };
    const int x = step(cx, dx, (cy == -1 || ay.collapsed()) ? 0 : -1, ax);
    const int y = step(cy, dy, (x == -1 || ax.collapsed()) ? 0 : -1, ay);
    if (x == cx && y == cy)
        return;
    sel.SelectOne(layout, x, y);
    steps_.ScrollIntoView(x, y);
    steps_.Request(DirtyRedraw);
}

void TableCursor::SelectOne(int column, int row) {
    if (!sheets_.HasCurrent())
        return;
    sheets_.Current().sel.SelectOne(layout_.TableRecord(), column, row);
    steps_.Request(DirtyRedraw);
}

void TableCursor::ClearSelection() {
    if (!sheets_.HasCurrent())
        return;
    sheets_.Current().sel.ClearSelection();
    steps_.Request(DirtyRedraw);
}

namespace {

bool UsedCell(const CSheet &s, int x, int y) {
    return (!s.axisX.collapsed() || x == s.axisX.collapsedIndex) &&
           (!s.axisY.collapsed() || y == s.axisY.collapsedIndex);
}

} // namespace

bool TableCursor::AllCellsSelected() const {
    if (!sheets_.HasCurrent())
        return false;
    const CSheet &s = sheets_.Current();
    const TSel &sel = s.sel;
    const int nx = std::min(s.axisX.count, MaxX), ny = std::min(s.axisY.count, MaxY);
    bool all = sel.kind == SelCells;
    for (int y = 0; y < ny && all; ++y)
        for (int x = 0; x < nx && all; ++x)
            all = !UsedCell(s, x, y) || (sel.CellMark(x, y) & MarkSelected) != 0;
    return all;
}

void TableCursor::SelectAllCells() {
    if (!sheets_.HasCurrent())
        return;
    const bool all = AllCellsSelected();
    CSheet &s = sheets_.Current();
    TSel &sel = s.sel;
    const int nx = std::min(s.axisX.count, MaxX), ny = std::min(s.axisY.count, MaxY);
    auto used = [&s](int x, int y) { return UsedCell(s, x, y); };
    sel.ClearSelection();
    if (!all) {
        for (int y = 0; y < ny; ++y)
            for (int x = 0; x < nx; ++x)
                if (used(x, y))
                    sel.CellMark(x, y) = MarkPending;
        sel.mode = SelCells;
        sel.Recount();
        sel.CommitSelection(layout_.TableRecord());
        sel.anchorCol = sel.currentCol = sel.boxX0;
        sel.anchorRow = sel.currentRow = sel.boxY0;
    }
    steps_.Request(DirtyRedraw);
}

void TableCursor::SelectAllHeaders(int which) {
    if (!sheets_.HasCurrent() || (which != AxisX && which != AxisY))
        return;
    const CAxe &axis = sheets_.Current().Axis(which);
    if (axis.collapsed() || axis.count < 1)
        return;
    TSel &sel = sheets_.Current().sel;
    LayoutRecord &layout = layout_.TableRecord();
    if (which == AxisX) {
        sel.SelectOne(layout, 0, -1);
        sel.SelectRange(layout, axis.count - 1, -1);
    } else {
        sel.SelectOne(layout, -1, 0);
        sel.SelectRange(layout, -1, axis.count - 1);
    }
    steps_.Request(DirtyRedraw);
}

void TableCursor::SelectLine(int which, int index) {
    if (!sheets_.HasCurrent() || (which != AxisX && which != AxisY))
        return;
    CSheet &s = sheets_.Current();
    const bool column = which == AxisX;
    const CAxe &along = s.Axis(column ? AxisY : AxisX);
    if (index < 0 || index >= s.Axis(which).count)
        return;
    TSel &sel = s.sel;
    const int n = std::min(along.count, column ? MaxY : MaxX);
    auto mark = [&](int q) -> std::uint8_t & {
        return column ? sel.CellMark(index, q) : sel.CellMark(q, index);
    };
    bool all = sel.kind == SelCells;
    for (int q = 0; q < n && all; ++q)
        all = (along.collapsed() && q != along.collapsedIndex) || (mark(q) & MarkSelected) != 0;
    if (all)
        return; // already selected: the popup acts on it
    sel.ClearSelection();
    for (int q = 0; q < n; ++q)
        if (!along.collapsed() || q == along.collapsedIndex)
            mark(q) = MarkPending;
    sel.mode = SelCells;
    sel.Recount();
    sel.CommitSelection(layout_.TableRecord());
    sel.anchorCol = sel.currentCol = sel.boxX0;
    sel.anchorRow = sel.currentRow = sel.boxY0;
    steps_.Request(DirtyRedraw);
}

void TableCursor::SelectForPopup(int column, int row) {
    if (!sheets_.HasCurrent())
        return;
    TSel &sel = sheets_.Current().sel;
    if (sel.mode != SelNothing)
        sel.CommitSelection(layout_.TableRecord()); // a band in progress is finished first
    if ((sel.ItemMark(column, row) & MarkSelected) != 0)
        return;
    if (column < -1 || row < -1 || (column == -1 && row == -1))
        sel.ClearSelection();
    else
        sel.SelectOne(layout_.TableRecord(), column, row);
    steps_.Request(DirtyRedraw);
}

} // namespace zarvex1
