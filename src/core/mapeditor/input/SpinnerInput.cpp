#include "core/mapeditor/input/SpinnerInput.h"

#include <cmath>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

void SpinnerInput::Place(int column, int row) {
    if (!sheets_.HasCurrent())
        return;
    const CSheet &s = sheets_.Current();
    const TableGeometry &g = layout_.Geometry();
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    const int c0 = ax.firstVisible, r0 = ay.firstVisible;
    const bool colShown =
        ax.collapsed() ? column == ax.collapsedIndex : column >= c0 && column < c0 + g.visibleCols;
    const bool rowShown = ay.collapsed() ? row == ay.collapsedIndex : row >= r0 && row < r0 + g.visibleRows;
    const double cw = g.columnWidth, rh = g.rowHeight;
    int left = 0, top = 0, h = 0;
    bool shown = cursor_.TargetEditable(column, row);
    if (row == -1) {
        shown = shown && column >= 0 && !ax.collapsed() && colShown;
        left = Trunc(g.cellsX + (column - c0 + 1) * cw - 10);
        top = g.tableY;
        h = g.columnHeaderHeight;
    } else if (column == -1) {
        shown = shown && row >= 0 && !ay.collapsed() && rowShown;
        left = g.tableX + g.rowHeaderWidth;
        top = Trunc(g.cellsY + (row - r0) * rh);
        h = Trunc(rh);
    } else {
        shown = shown && column >= 0 && row >= 0 && colShown && rowShown;
        left = ax.collapsed() ? Trunc(g.cellsX + cw - 10) : Trunc(g.cellsX + (column - c0 + 1) * cw - 10);
        top = ay.collapsed() ? g.cellsY : Trunc(g.cellsY + (row - r0) * rh);
        h = Trunc(rh);
    }
    if (!shown) {
        spinner_.shown = 0;
        return;
    }
    if (spinner_.column != column || spinner_.row != row)
        spinner_.upPressed = spinner_.downPressed = spinner_.hoverBox = 0;
    spinner_.shown = 1;
    spinner_.column = column;
    spinner_.row = row;
    spinner_.upBox = Rect{left, top, left + 15, top + h / 2};
    spinner_.downBox = Rect{left, top + h / 2 + 1, left + 15, top + h};
}

int SpinnerInput::Hover(int x, int y) {
    int box = 0;
    if (spinner_.shown != 0)
        box = spinner_.upBox.Contains(x, y) ? 1 : spinner_.downBox.Contains(x, y) ? 2 : 0;
    if ((spinner_.upPressed != 0 && box != 1) || (spinner_.downPressed != 0 && box != 2))
        spinner_.upPressed = spinner_.downPressed = 0; // moved off: released without a step
    spinner_.hoverBox = box;
    return box;
}

void SpinnerInput::Press(int box, bool commitEntry) {
    if (spinner_.shown == 0 || (box != 1 && box != 2))
        return;
    if (commitEntry)
        entry_.Commit();
    spinner_.hoverBox = box;
    spinner_.upPressed = box == 1 ? 1 : 0;
    spinner_.downPressed = box == 2 ? 1 : 0;
    spinner_.repeating = 0;
    spinner_.pressTick = steps_.TickCount();
    steps_.Request(DirtyRedraw);
}

void SpinnerInput::Release() {
    const int step = spinner_.upPressed != 0 ? 1 : spinner_.downPressed != 0 ? -1 : 0;
    spinner_.upPressed = spinner_.downPressed = 0;
    if (step != 0 && spinner_.repeating == 0)
        Step(step);
    spinner_.repeating = 0;
    steps_.Request(DirtyRedraw);
}

void SpinnerInput::Tick() {
    const bool held = (spinner_.hoverBox == 1 && spinner_.upPressed != 0) ||
                      (spinner_.hoverBox == 2 && spinner_.downPressed != 0);
    if (spinner_.shown != 0 && held && steps_.TickCount() - spinner_.pressTick >= 6) {
        spinner_.repeating = 1;
        Step(spinner_.hoverBox == 1 ? 1 : -1);
    }
}

void SpinnerInput::Step(int step) {
    operations_.StepTarget(spinner_.column, spinner_.row, step);
}

} // namespace zarvex1
