#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "mapeditor/TabModel.h"

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

Rect TTabModel::SheetTabRect(int index) const {
    if (index < 0 || index >= SheetCount())
        return Rect{};
    int left = 2;
    for (int i = 0; i < index; ++i)
        left += Sheet(i).titleWidth + 1;
    Rect r{left, 0, left + Sheet(index).titleWidth, 18};
    if (index == currentIndex) {
        r.left -= 2;
        r.right += 2;
        r.bottom = 20;
    }
    return r;
}

int TTabModel::SheetTabAt(int x, int y) const {
    if (SheetCount() < 2 || y < 0 || y > 19)
        return 0;
    int left = 2;
    for (int i = 0; i < SheetCount(); ++i) {
        const int right = left + Sheet(i).titleWidth + (i == currentIndex ? 2 : 0);
        if (x >= left && x <= right)
            return i + 1;
        left += Sheet(i).titleWidth + 1;
    }
    return 0;
}

bool TTabModel::OverTable(int x, int y) const {
    if ((shownViews & ViewTable) == 0 || !HasCurrent() || Current().enabled == 0)
        return false;
    return x >= tableX && x <= Trunc(cellsX + visibleCols * static_cast<double>(columnWidth) + 15) &&
           y >= tableY && y <= Trunc(cellsY + visibleRows * static_cast<double>(rowHeight) + 15);
}

bool TTabModel::OverGraph(int x, int y) const {
    if ((shownViews & (ViewGraph2D | ViewGraph3D)) == 0 || !HasCurrent() || Current().enabled == 0)
        return false;
    return x >= graph.graphLeft && x <= width - graph.graphRight && y >= graph.graphTop &&
           y <= height - graph.graphBottom;
}

bool TTabModel::ClickViewSwitch(int x, int y) {
    if ((EditorOptions & ShowToolbar) != 0 || !HasCurrent())
        return false;
    const int top = Trunc(cellsY + rowHeight * static_cast<double>(visibleRows) - 2);
    if (x < tableX - 10 || x > tableX + 1 || y < top || y > top + 12)
        return false;
    if (shownViews == ViewTable)
        SetViewMode(ViewGraph2D);
    else if (shownViews == ViewGraph2D)
        SetViewMode(ViewTable);
    else
        return false;
    dirty |= DirtyRedraw;
    return true;
}

bool TTabModel::MouseWheel(int delta, bool buttonHeld, bool overTable, bool overGraph) {
    if (buttonHeld)
        return true; // consumed without effect
    if (!HasCurrent())
        return false;
    const int direction = delta > 0 ? 1 : -1;
    if (overTable && spinner.shown != 0) {
        StepSpinnerTarget(direction);
        return true;
    }
    if (overGraph || viewMode != ViewTable)
        return false; // the graphs have their own wheel
    if (verticalBar.shown != 0)
        ScrollBy(0, -direction);
    else if (horizontalBar.shown != 0)
        ScrollBy(-direction, 0);
    return true;
}

bool TTabModel::FocusLost() {
    CommitValueEdit();
    dirty |= DirtyRedraw;
    return HasCurrent() && !Current().sel.Empty() && viewMode == ViewTable;
}

Rect TTabModel::BlockPixels(const Block &b) const {
    if (!HasCurrent())
        return Rect{};
    const CAxe &ax = Current().axisX;
    const CAxe &ay = Current().axisY;
    const double cw = columnWidth, rh = rowHeight;
    Rect r;
    if (b.x0 == -1) {
        r.left = tableX;
        r.right = tableX + rowHeaderWidth;
    } else if (ax.collapsed != 0) {
        if (b.y0 == -1 || ax.collapsedIndex < b.x0 || ax.collapsedIndex > b.x1)
            return Rect{}; // the header row of a collapsed axis, or a block beside the used column
        r.left = cellsX;
        r.right = Trunc(cellsX + cw);
    } else {
        r.left = Trunc(cellsX + (b.x0 - ax.firstVisible) * cw);
        r.right = Trunc(cellsX + (b.x1 + 1 - ax.firstVisible) * cw);
    }
    if (b.y0 == -1) {
        r.top = tableY;
        r.bottom = tableY + columnHeaderHeight;
    } else if (ay.collapsed != 0) {
        if (b.x0 == -1 || ay.collapsedIndex < b.y0 || ay.collapsedIndex > b.y1)
            return Rect{};
        r.top = cellsY;
        r.bottom = Trunc(cellsY + rh);
    } else {
        r.top = Trunc(cellsY + (b.y0 - ay.firstVisible) * rh);
        r.bottom = Trunc(cellsY + (b.y1 + 1 - ay.firstVisible) * rh);
    }
    return r;
}

Rect TTabModel::BlockPart(const Block &b) const {
    const int right = Trunc(cellsX + visibleCols * static_cast<double>(columnWidth));
    const int bottom = Trunc(cellsY + visibleRows * static_cast<double>(rowHeight));
    if (b.y0 == -1)
        return Rect{cellsX, tableY, right, tableY + columnHeaderHeight};
    if (b.x0 == -1)
        return Rect{tableX, cellsY, tableX + rowHeaderWidth, bottom};
    return Rect{cellsX, cellsY, right, bottom};
}

namespace {

Rect Grown(const Rect &r, int by) {
    return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool BlockEditable(const CSheet &s, const Block &b) {
    if (b.y0 == -1)
        return s.axisX.editable != 0;
    if (b.x0 == -1)
        return s.axisY.editable != 0;
    return s.axisData.editable != 0;
}

} // namespace

int TTabModel::BlockZoneAt(int x, int y) const {
    if (!HasCurrent() || Current().sel.mode != SelNothing || Current().sel.Empty())
        return DragNone;
    const Block b = SelectionBlock();
    if (b.x0 < -1 || !BlockEditable(Current(), b))
        return DragNone;
    const Rect r = BlockPixels(b);
    if (r == Rect{} || !Grown(BlockPart(b), 2).Contains(x, y))
        return DragNone;
    if (std::abs(x - r.right) <= 5 && std::abs(y - r.bottom) <= 5)
        return DragFill;
    const bool onEdge = std::abs(x - r.left) <= 2 || std::abs(x - r.right) <= 2 || std::abs(y - r.top) <= 2 ||
                        std::abs(y - r.bottom) <= 2;
    return onEdge && Grown(r, 2).Contains(x, y) ? DragCopy : DragNone;
}

bool TTabModel::InterpolationMarkerAt(int x, int y) const {
    if (!HasCurrent() || Current().sel.isRectangle == 0)
        return false;
    const TSel &sel = Current().sel;
    const Block b{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1};
    if (!BlockEditable(Current(), b))
        return false;
    const Rect r = BlockPixels(b);
    if (r == Rect{} || !r.Contains(x, y) || !BlockPart(b).Contains(x, y))
        return false;
    const int reach = Trunc(rowHeight);
    for (const auto &[cx, cy] : {std::pair{r.left, r.top}, std::pair{r.right, r.top},
                                 std::pair{r.left, r.bottom}, std::pair{r.right, r.bottom}})
        if (std::abs(x - cx) + std::abs(y - cy) <= reach)
            return true;
    return false;
}

} // namespace zarvex1
