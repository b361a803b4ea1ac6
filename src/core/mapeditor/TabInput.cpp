#include <algorithm>
#include <cmath>

#include "mapeditor/EditorKeys.h"
#include "mapeditor/TabModel.h"
#include "mapeditor/views/NumberFormat.h"

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

int Clamped(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

bool TTabModel::Cursor(int &column, int &row) const {
    if (!HasCurrent() || Current().sel.Empty() || Current().sel.boxX0 == -2)
        return false;
    column = Current().sel.boxX0;
    row = Current().sel.boxY0;
    return true;
}

bool TTabModel::TargetEditable(int column, int row) const {
    if (!HasCurrent())
        return false;
    const CSheet &s = Current();
    if (row == -1)
        return s.axisX.editable != 0;
    if (column == -1)
        return s.axisY.editable != 0;
    return s.axisData.editable != 0;
}

void TTabModel::MoveCursor(int dx, int dy, bool extend) {
    int cx = 0, cy = 0;
    if (!Cursor(cx, cy))
        return;
    CSheet &s = Current();
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    TSel &sel = s.sel;
    if (extend) {
        // The moving corner goes by the step, or to an index; a header axis (-1) stays where it is.
        auto move = [](int corner, int d, const CAxe &a) {
            if (corner == -1)
                return -1;
            if (a.collapsed != 0)
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
        sel.SelectRange(tableLayout, col, row);
        ScrollIntoView(sel.currentCol, sel.currentRow);
        dirty |= DirtyRedraw;
        return;
    }
    // Without extension the cursor wraps, passing through the header column and row.
    auto step = [](int from, int d, int lowest, const CAxe &a) {
        if (d == 0)
            return from;
        if (a.collapsed != 0) {
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
    const int x = step(cx, dx, (cy == -1 || ay.collapsed != 0) ? 0 : -1, ax);
    const int y = step(cy, dy, (x == -1 || ax.collapsed != 0) ? 0 : -1, ay);
    if (x == cx && y == cy)
        return;
    sel.SelectOne(tableLayout, x, y);
    ScrollIntoView(x, y);
    dirty |= DirtyRedraw;
}

void TTabModel::StepSpinnerTarget(int step) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    TSel &sel = s.sel;
    const int c = spinner.column, r = spinner.row;
    if (r == -1 && c >= 0 && c < s.axisX.count) {
        if (s.axisX.editable == 0)
            return;
        const bool many = (sel.xMarks[static_cast<std::size_t>(c)] & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedX, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerX, step, c, -1);
        NoteChange(0, key);
        if (many)
            StepItems(step, true, false, false);
        else
            s.axisX.values[static_cast<std::size_t>(c)] =
                Clamped(1LL * s.axisX.values[static_cast<std::size_t>(c)] + step);
        NoteChange(AxisX, key);
    } else if (c == -1 && r >= 0 && r < s.axisY.count) {
        if (s.axisY.editable == 0)
            return;
        const bool many = (sel.yMarks[static_cast<std::size_t>(r)] & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedY, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerY, step, -1, r);
        NoteChange(0, key);
        if (many)
            StepItems(step, false, true, false);
        else
            s.axisY.values[static_cast<std::size_t>(r)] =
                Clamped(1LL * s.axisY.values[static_cast<std::size_t>(r)] + step);
        NoteChange(AxisY, key);
    } else if (c >= 0 && r >= 0 && c < s.axisX.count && r < s.axisY.count) {
        if (s.axisData.editable == 0)
            return;
        const bool many = (sel.CellMark(c, r) & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedCell, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerCell, step, c, r);
        NoteChange(0, key);
        if (many)
            StepItems(step, false, false, true);
        else
            s.Cell(c, r) = Clamped(1LL * s.Cell(c, r) + step);
        NoteChange(AxisData, key);
    } else {
        return;
    }
    dirty |= DirtyRelayout | DirtyRedraw;
}

void TTabModel::PlaceSpinner(int column, int row) {
    if (!HasCurrent())
        return;
    const CSheet &s = Current();
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    const int c0 = ax.firstVisible, r0 = ay.firstVisible;
    const bool colShown =
        ax.collapsed != 0 ? column == ax.collapsedIndex : column >= c0 && column < c0 + visibleCols;
    const bool rowShown = ay.collapsed != 0 ? row == ay.collapsedIndex : row >= r0 && row < r0 + visibleRows;
    const double cw = columnWidth, rh = rowHeight;
    int left = 0, top = 0, h = 0;
    bool shown = TargetEditable(column, row);
    if (row == -1) {
        shown = shown && column >= 0 && ax.collapsed == 0 && colShown;
        left = Trunc(cellsX + (column - c0 + 1) * cw - 10);
        top = tableY;
        h = columnHeaderHeight;
    } else if (column == -1) {
        shown = shown && row >= 0 && ay.collapsed == 0 && rowShown;
        left = tableX + rowHeaderWidth;
        top = Trunc(cellsY + (row - r0) * rh);
        h = Trunc(rh);
    } else {
        shown = shown && column >= 0 && row >= 0 && colShown && rowShown;
        left = ax.collapsed != 0 ? Trunc(cellsX + cw - 10) : Trunc(cellsX + (column - c0 + 1) * cw - 10);
        top = ay.collapsed != 0 ? cellsY : Trunc(cellsY + (row - r0) * rh);
        h = Trunc(rh);
    }
    if (!shown) {
        spinner.shown = 0;
        return;
    }
    if (spinner.column != column || spinner.row != row)
        spinner.upPressed = spinner.downPressed = spinner.hoverBox = 0;
    spinner.shown = 1;
    spinner.column = column;
    spinner.row = row;
    spinner.upBox = Rect{left, top, left + 15, top + h / 2};
    spinner.downBox = Rect{left, top + h / 2 + 1, left + 15, top + h};
}

void TTabModel::HoverSpinner(int x, int y) {
    int box = 0;
    if (spinner.shown != 0)
        box = spinner.upBox.Contains(x, y) ? 1 : spinner.downBox.Contains(x, y) ? 2 : 0;
    if ((spinner.upPressed != 0 && box != 1) || (spinner.downPressed != 0 && box != 2))
        spinner.upPressed = spinner.downPressed = 0; // moved off: released without a step
    spinner.hoverBox = box;
}

void TTabModel::PressSpinner(int box) {
    if (spinner.shown == 0 || (box != 1 && box != 2))
        return;
    CommitValueEdit();
    spinner.hoverBox = box;
    spinner.upPressed = box == 1 ? 1 : 0;
    spinner.downPressed = box == 2 ? 1 : 0;
    spinner.repeating = 0;
    spinner.pressTick = tickCount;
    dirty |= DirtyRedraw;
}

void TTabModel::ReleaseSpinner() {
    const int step = spinner.upPressed != 0 ? 1 : spinner.downPressed != 0 ? -1 : 0;
    spinner.upPressed = spinner.downPressed = 0;
    if (step != 0 && spinner.repeating == 0)
        StepSpinnerTarget(step);
    spinner.repeating = 0;
    dirty |= DirtyRedraw;
}

void TTabModel::BeginValueEdit(int column, int row, bool empty) {
    if (!HasCurrent())
        return;
    const CSheet &s = Current();
    std::string text;
    if (!empty) {
        if (row == -1 && column >= 0 && column < MaxX)
            text = FormatValue(s.axisX.values[static_cast<std::size_t>(column)], s.axisX.scale);
        else if (column == -1 && row >= 0 && row < MaxY)
            text = FormatValue(s.axisY.values[static_cast<std::size_t>(row)], s.axisY.scale);
        else if (column >= 0 && row >= 0 && column < MaxX && row < MaxY)
            text = FormatValue(s.Cell(column, row), s.axisData.scale);
    }
    edit.Start(column, row, std::move(text));
    LayoutValueEdit();
    dirty |= DirtyRedraw;
}

void TTabModel::LayoutValueEdit() {
    if (edit.active == 0)
        return;
    edit.Layout(ItemRect(edit.editCol, edit.editRow), MeasureEntry, entryXHeight);
}

void TTabModel::CommitValueEdit() {
    if (edit.active == 0)
        return;
    edit.active = 0;
    dirty |= DirtyRedraw;
    const auto value = ParseEntryValue(edit.editText);
    if (!value || !HasCurrent())
        return;
    CSheet &s = Current();
    const int c = edit.editCol, r = edit.editRow;
    int which = 0;
    if (r == -1 && c >= 0 && c < s.axisX.count)
        which = AxisX;
    else if (c == -1 && r >= 0 && r < s.axisY.count)
        which = AxisY;
    else if (c >= 0 && r >= 0 && c < s.axisX.count && r < s.axisY.count)
        which = AxisData;
    if (which == 0 || s.Axis(which).editable == 0)
        return; // typed values on a locked axis are dropped
    NoteChange(0, GroupBegin);
    const int raw = RawFromPhysical(*value, s.Axis(which).scale);
    if (which == AxisX)
        s.axisX.values[static_cast<std::size_t>(c)] = raw;
    else if (which == AxisY)
        s.axisY.values[static_cast<std::size_t>(r)] = raw;
    else
        s.Cell(c, r) = raw;
    NoteChange(which, GroupNow);
    dirty |= DirtyRelayout;
}

bool TTabModel::CommonKey(int key, bool shift, bool control) {
    if (!HasCurrent())
        return false;
    const bool entryInTable = edit.active != 0 && (viewMode & ViewTable) != 0;
    if (key == '+' || key == '-') {
        if (entryInTable)
            return false; // the character goes into the text
        Increment(key == '+' ? 1 : -1);
        return true;
    }
    if (key == KeyCopyChar || (control && (key == 'c' || key == 'C')) ||
        (control && !shift && key == KeyInsert)) {
        if (OnCopy)
            OnCopy();
        return true;
    }
    if (key == KeyPasteChar || (control && (key == 'v' || key == 'V')) ||
        (shift && !control && key == KeyInsert)) {
        if (OnPaste)
            OnPaste();
        return true;
    }
    if (key == KeyTab && SheetCount() > 1) {
        if (control)
            SelectSheet(previousIndex);
        else if (shift)
            SelectSheet(currentIndex == 0 ? SheetCount() - 1 : currentIndex - 1);
        else
            SelectSheet(currentIndex + 1 >= SheetCount() ? 0 : currentIndex + 1);
        return true;
    }
    return false;
}

bool TTabModel::HandleKey(int key, bool shift, bool control) {
    if (!HasCurrent())
        return false;
    if (Current().enabled == 0)
        return key == KeyTab && CommonKey(key, shift, control);
    if (CommonKey(key, shift, control))
        return true;
    return viewMode == ViewTable && TableKey(key, shift, control);
}

bool TTabModel::TableKey(int key, bool shift, bool control) {
    (void)control;
    if (!HasCurrent())
        return false;
    const CSheet &s = Current();
    if (edit.active != 0) {
        switch (key) {
        case KeyBackspace:
            edit.Backspace();
            break;
        case KeyDelete:
            edit.Delete();
            break;
        case KeyHome:
            edit.MoveCaret(TValueEdit::CaretHome, shift);
            break;
        case KeyEnd:
            edit.MoveCaret(TValueEdit::CaretEnd, shift);
            break;
        case KeyLeft:
            edit.MoveCaret(TValueEdit::CaretLeft, shift);
            break;
        case KeyRight:
            edit.MoveCaret(TValueEdit::CaretRight, shift);
            break;
        case KeyEnter:
        case KeyUp:
        case KeyDown:
        case KeyPageUp:
        case KeyPageDown:
            CommitValueEdit();
            return true;
        case KeyEscape:
            CancelValueEdit();
            dirty |= DirtyRedraw;
            return true;
        default:
            if (key > 0 && key < 128 && edit.InsertChar(static_cast<char>(key)))
                break;
            return key == ' ' || key == ',' || key == '-' || key == '.' || (key >= '0' && key <= '9');
        }
        LayoutValueEdit();
        dirty |= DirtyRedraw;
        return true;
    }

    if (key == KeyEscape) {
        if (!Current().sel.Empty()) {
            Current().sel.ClearSelection();
            dirty |= DirtyRedraw;
            return true;
        }
        return false;
    }
    int cx = 0, cy = 0;
    if (!Cursor(cx, cy))
        return false;
    const bool editable = TargetEditable(cx, cy);
    const bool typed = key == KeySpace || key == ',' || key == '.' || (key >= '0' && key <= '9');
    if (typed || key == KeyBackspace || key == KeyDelete || key == KeyInsert) {
        if (!editable)
            return false;
        BeginValueEdit(cx, cy, key != KeyInsert);
        if (typed) {
            edit.InsertChar(static_cast<char>(key));
            LayoutValueEdit();
        }
        return true;
    }
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    switch (key) {
    case KeyEnter: {
        const bool lastRow = cy == ay.count - 1 || (ay.collapsed != 0 && cy >= 0);
        MoveCursor(lastRow ? 1 : 0, 1, false);
        return true;
    }
    case KeyLeft:
        MoveCursor(-1, 0, shift);
        return true;
    case KeyRight:
        MoveCursor(1, 0, shift);
        return true;
    case KeyUp:
        MoveCursor(0, -1, shift);
        return true;
    case KeyDown:
        MoveCursor(0, 1, shift);
        return true;
    case KeyHome:
        MoveCursor(MoveTo + (ax.collapsed != 0 ? ax.collapsedIndex : 0), 0, shift);
        return true;
    case KeyEnd:
        MoveCursor(MoveTo + (ax.collapsed != 0 ? ax.collapsedIndex : ax.count - 1), 0, shift);
        return true;
    case KeyPageUp:
        MoveCursor(0, MoveTo + (ay.collapsed != 0 ? ay.collapsedIndex : 0), shift);
        return true;
    case KeyPageDown:
        MoveCursor(0, MoveTo + (ay.collapsed != 0 ? ay.collapsedIndex : ay.count - 1), shift);
        return true;
    default:
        return false;
    }
}

} // namespace zarvex1
