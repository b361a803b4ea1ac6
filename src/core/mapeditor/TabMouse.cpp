#include <algorithm>
#include <cmath>

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

} // namespace zarvex1
