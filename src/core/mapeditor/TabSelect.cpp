#include <algorithm>

#include "mapeditor/Operations.h"
#include "mapeditor/TabModel.h"

namespace zarvex1 {

void TTabModel::SelectAllCells() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    TSel &sel = s.sel;
    const int nx = std::min(s.axisX.count, MaxX), ny = std::min(s.axisY.count, MaxY);
    auto used = [&s](int x, int y) {
        return (s.axisX.collapsed == 0 || x == s.axisX.collapsedIndex) &&
               (s.axisY.collapsed == 0 || y == s.axisY.collapsedIndex);
    };
    bool all = sel.kind == SelCells;
    for (int y = 0; y < ny && all; ++y)
        for (int x = 0; x < nx && all; ++x)
            all = !used(x, y) || (sel.CellMark(x, y) & MarkSelected) != 0;
    sel.ClearSelection();
    if (!all) {
        for (int y = 0; y < ny; ++y)
            for (int x = 0; x < nx; ++x)
                if (used(x, y))
                    sel.CellMark(x, y) = MarkPending;
        sel.mode = SelCells;
        sel.Recount();
        sel.CommitSelection(tableLayout);
        sel.anchorCol = sel.currentCol = sel.boxX0;
        sel.anchorRow = sel.currentRow = sel.boxY0;
    }
    dirty |= DirtyRedraw;
}

void TTabModel::SelectAllHeaders(int which) {
    if (!HasCurrent() || (which != AxisX && which != AxisY))
        return;
    const CAxe &axis = Current().Axis(which);
    if (axis.collapsed != 0 || axis.count < 1)
        return;
    TSel &sel = Current().sel;
    if (which == AxisX) {
        sel.SelectOne(tableLayout, 0, -1);
        sel.SelectRange(tableLayout, axis.count - 1, -1);
    } else {
        sel.SelectOne(tableLayout, -1, 0);
        sel.SelectRange(tableLayout, -1, axis.count - 1);
    }
    dirty |= DirtyRedraw;
}

void TTabModel::SelectLine(int which, int index) {
    if (!HasCurrent() || (which != AxisX && which != AxisY))
        return;
    CSheet &s = Current();
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
        all = (along.collapsed != 0 && q != along.collapsedIndex) || (mark(q) & MarkSelected) != 0;
    if (all)
        return; // already selected: the popup acts on it
    sel.ClearSelection();
    for (int q = 0; q < n; ++q)
        if (along.collapsed == 0 || q == along.collapsedIndex)
            mark(q) = MarkPending;
    sel.mode = SelCells;
    sel.Recount();
    sel.CommitSelection(tableLayout);
    sel.anchorCol = sel.currentCol = sel.boxX0;
    sel.anchorRow = sel.currentRow = sel.boxY0;
    dirty |= DirtyRedraw;
}

void TTabModel::SelectForPopup(int column, int row) {
    if (!HasCurrent())
        return;
    TSel &sel = Current().sel;
    if (sel.mode != SelNothing)
        sel.CommitSelection(tableLayout); // a band in progress is finished first
    if ((sel.ItemMark(column, row) & MarkSelected) != 0)
        return;
    if (column < -1 || row < -1 || (column == -1 && row == -1)) {
        sel.ClearSelection();
    } else {
        sel.SelectOne(tableLayout, column, row);
    }
    dirty |= DirtyRedraw;
}

bool TTabModel::PreviewInterpolation() {
    if (!HasCurrent() || Current().sel.isRectangle == 0)
        return false;
    const CSheet &s = Current();
    const TSel &sel = s.sel;
    if (sel.rectY0 == -1 || sel.rectX0 == -1) {
        const CAxe &axis = sel.rectY0 == -1 ? s.axisX : s.axisY;
        std::vector<int> line = axis.values;
        FillLine(line, sel.rectY0 == -1 ? sel.rectX0 : sel.rectY0,
                 sel.rectY0 == -1 ? sel.rectX1 : sel.rectY1);
        std::copy(line.begin(), line.end(), scratch.begin());
        return true;
    }
    std::copy(s.axisData.values.begin(), s.axisData.values.end(), scratch.begin());
    BlockFill(s, scratch, sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1);
    return true;
}

} // namespace zarvex1
