#include "mapeditor/Operations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "app/TextTables.h"
#include "mapeditor/TabModel.h"

namespace zarvex1 {

namespace {

// Rounded half away from zero; 0 stays 0.
int RoundAway(double m) {
    return RawFromPhysical(m, 1.0);
}

int Clamped(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Points move to other indices: what a pushed point remembers belongs to another point now.
void ForgetPushes(CAxe &axis) {
    std::fill(axis.pushed.begin(), axis.pushed.end(), 0);
    std::fill(axis.beforePush.begin(), axis.beforePush.end(), 0);
}

// Fraction of c between a and b, 0.5 when they coincide.
double Fraction(double c, double a, double b) {
    return a == b ? 0.5 : (c - a) / (b - a);
}

} // namespace

int Half(long long a, long long b) {
    return Clamped((a + b) / 2);
}

void BlockFill(CSheet &s, int x0, int x1, int y0, int y1) {
    BlockFill(s, s.axisData.values, x0, x1, y0, y1);
}

void BlockFill(const CSheet &s, std::vector<int> &cells, int x0, int x1, int y0, int y1) {
    auto xAt = [&](int i) {
        return s.axisX.hasValues != 0 ? s.axisX.values[static_cast<std::size_t>(i)] : i;
    };
    auto yAt = [&](int j) {
        return s.axisY.hasValues != 0 ? s.axisY.values[static_cast<std::size_t>(j)] : j;
    };
    auto cell = [&cells](int x, int y) -> int & { return cells[static_cast<std::size_t>(y * MaxX + x)]; };
    const double a = cell(x0, y0), b = cell(x1, y0), c = cell(x0, y1), d = cell(x1, y1);
    for (int y = y0; y <= y1; ++y) {
        const double h = Fraction(yAt(y), yAt(y0), yAt(y1));
        for (int x = x0; x <= x1; ++x) {
            const double g = Fraction(xAt(x), xAt(x0), xAt(x1));
            const double m = g * (h * d + (1 - h) * b) + (1 - g) * (h * c + (1 - h) * a);
            cell(x, y) = RoundAway(m);
        }
    }
}

void FillLine(std::vector<int> &values, int i0, int i1) {
    const double a = values[static_cast<std::size_t>(i0)], b = values[static_cast<std::size_t>(i1)];
    for (int i = i0; i <= i1; ++i) {
        const double g = Fraction(i, i0, i1);
        values[static_cast<std::size_t>(i)] = RoundAway(g * b + (1 - g) * a);
    }
}

void TTabModel::StepItems(int step, bool x, bool y, bool cells) {
    CSheet &s = Current();
    const TSel &sel = s.sel;
    if (x)
        for (int i = 0; i < std::min(s.axisX.count, MaxX); ++i)
            if ((sel.xMarks[static_cast<std::size_t>(i)] & MarkSelected) != 0)
                s.axisX.values[static_cast<std::size_t>(i)] =
                    Clamped(1LL * s.axisX.values[static_cast<std::size_t>(i)] + step);
    if (y)
        for (int j = 0; j < std::min(s.axisY.count, MaxY); ++j)
            if ((sel.yMarks[static_cast<std::size_t>(j)] & MarkSelected) != 0)
                s.axisY.values[static_cast<std::size_t>(j)] =
                    Clamped(1LL * s.axisY.values[static_cast<std::size_t>(j)] + step);
    if (cells)
        for (int j = 0; j < std::min(s.axisY.count, MaxY); ++j)
            for (int i = 0; i < std::min(s.axisX.count, MaxX); ++i)
                if ((sel.CellMark(i, j) & MarkSelected) != 0)
                    s.Cell(i, j) = Clamped(1LL * s.Cell(i, j) + step);
}

void TTabModel::Increment(int step) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const bool live = (s.flags & TrackLive) != 0 && s.actualState == 1;
    if (s.sel.Empty()) {
        if (live && s.actualX == -1 && (s.flags & BaseMarkerInRange) != 0) {
            // Below the first speed point the engine runs on the base advance.
            const ChangeKey key = MakeChangeKey(StepKind::BaseMarker, step, 0, 0);
            NoteChange(0, key);
            baseMarker = Clamped(1LL * baseMarker + step);
            NoteChange(AxisData, key);
        } else if (live && s.actualX >= 0 && s.actualX < s.axisX.count && s.actualY >= 0 &&
                   s.actualY < s.axisY.count && s.axisData.editable != 0) {
            const ChangeKey key = MakeChangeKey(StepKind::ActualCell, step, s.actualX, s.actualY);
            NoteChange(0, key);
            s.Cell(s.actualX, s.actualY) = Clamped(1LL * s.Cell(s.actualX, s.actualY) + step);
            NoteChange(AxisData, key);
        } else {
            return;
        }
    } else {
        const TSel &sel = s.sel;
        const bool anyCell = std::any_of(sel.cellMarks.begin(), sel.cellMarks.end(),
                                         [](std::uint8_t m) { return (m & MarkSelected) != 0; });
        const bool anyY = std::any_of(sel.yMarks.begin(), sel.yMarks.end(),
                                      [](std::uint8_t m) { return (m & MarkSelected) != 0; });
        const bool anyX = std::any_of(sel.xMarks.begin(), sel.xMarks.end(),
                                      [](std::uint8_t m) { return (m & MarkSelected) != 0; });
        int k = 0;
        if (anyCell && s.axisData.editable != 0)
            k = AxisData;
        else if (anyY && s.axisY.editable != 0)
            k = AxisY;
        else if (anyX && s.axisX.editable != 0)
            k = AxisX;
        // The key names the selection's position too, so that "+" on another block notifies apart.
        const ChangeKey key =
            MakeChangeKey(StepKind::Selection, step, sel.boxX0, sel.boxY0, sel.count * 8 + k);
        NoteChange(0, key);
        StepItems(step, s.axisX.editable != 0, s.axisY.editable != 0, s.axisData.editable != 0);
        NoteChange(k, key);
    }
    dirty |= DirtyRelayout | DirtyRedraw;
}

void TTabModel::InsertColumn(int index) {
    InsertPoint(AxisX, index);
}
void TTabModel::InsertRow(int index) {
    InsertPoint(AxisY, index);
}
void TTabModel::DeleteColumn(int index) {
    DeletePoint(AxisX, index);
}
void TTabModel::DeleteRow(int index) {
    DeletePoint(AxisY, index);
}
void TTabModel::DeleteSelectedColumns() {
    DeleteSelectedPoints(AxisX);
}
void TTabModel::DeleteSelectedRows() {
    DeleteSelectedPoints(AxisY);
}

void TTabModel::InsertPoint(int which, int b) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    const CAxe &other = s.Axis(columns ? AxisY : AxisX);
    if (axis.resizable == 0 || axis.collapsed != 0)
        return;
    if (axis.count >= axis.maxCount || axis.count >= axis.Capacity()) {
        if (ShowError) {
            const char *text = columns ? "Column count is on maximum !\nDelete some first..."
                                       : "Row count is on maximum !\nDelete some first...";
            ShowError(TranslateText(TextTableEditor, text, languageIndex),
                      TranslateText(TextTableGeneral, "Error", languageIndex));
        }
        return;
    }
    b = std::clamp(b, 0, axis.count);
    NoteChange(0, GroupBegin);
    ForgetPushes(axis);
    s.sel.ClearSelection();

    // Cell of point p of the resized axis in line q of the other axis.
    auto cell = [&](int p, int q) -> int & { return columns ? s.Cell(p, q) : s.Cell(q, p); };
    const int lines = columns ? MaxY : MaxX;
    for (int i = axis.count; i > b; --i) {
        axis.values[static_cast<std::size_t>(i)] = axis.values[static_cast<std::size_t>(i - 1)];
        for (int q = 0; q < lines; ++q)
            cell(i, q) = cell(i - 1, q);
    }
    ++axis.count;
    Relayout();

    // The new point lies midway between its neighbours; at either end it copies the neighbour.
    const int after = b + 1 < axis.count ? 1 : 0;
    const int before = b - 1 < 0 ? b + 1 : b - 1;
    const int partner = b + 2 * after - 1;
    if (before < axis.count && partner >= 0 && partner < axis.count) {
        auto v = [&](int i) { return axis.values[static_cast<std::size_t>(i)]; };
        // After the last point the slot may still hold a larger value of an earlier, longer axis.
        if (after == 1 || b == 0 || v(b - 1) >= v(b))
            axis.values[static_cast<std::size_t>(b)] = Half(v(before), v(partner));
        for (int q = 0; q < lines; ++q)
            cell(b, q) = Half(cell(before, q), cell(partner, q));
    }

    // The new line becomes the selection.
    TSel &sel = s.sel;
    for (int q = 0; q < std::min(other.count, lines); ++q) {
        if (other.collapsed != 0 && q != other.collapsedIndex)
            continue;
        (columns ? sel.CellMark(b, q) : sel.CellMark(q, b)) = MarkPending;
    }
    sel.mode = SelCells;
    sel.Recount();
    sel.CommitSelection(tableLayout);
    ScrollIntoView(sel.boxX0, sel.boxY0);

    NoteChange(which | AxisData, GroupEnd);
    dirty |= DirtyRelayout | DirtyRedraw;
}

void TTabModel::DeletePoint(int which, int index) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    if (axis.resizable == 0 || axis.collapsed != 0 || axis.count <= axis.minCount || index < 0 ||
        index >= axis.count)
        return;
    NoteChange(0, GroupBegin);
    ForgetPushes(axis);
    TSel &sel = s.sel;
    std::span<std::uint8_t> headerMarks =
        columns ? std::span<std::uint8_t>(sel.xMarks) : std::span<std::uint8_t>(sel.yMarks);
    auto cell = [&](int p, int q) -> int & { return columns ? s.Cell(p, q) : s.Cell(q, p); };
    auto mark = [&](int p, int q) -> std::uint8_t & {
        return columns ? sel.CellMark(p, q) : sel.CellMark(q, p);
    };
    const int lines = columns ? MaxY : MaxX;
    for (int i = index + 1; i < axis.count; ++i) {
        axis.values[static_cast<std::size_t>(i - 1)] = axis.values[static_cast<std::size_t>(i)];
        headerMarks[static_cast<std::size_t>(i - 1)] = headerMarks[static_cast<std::size_t>(i)];
        for (int q = 0; q < lines; ++q) {
            cell(i - 1, q) = cell(i, q);
            mark(i - 1, q) = mark(i, q);
        }
    }
    // The vacated slot keeps its value (a later insertion after the end brings it back) but no mark.
    const int last = axis.count - 1;
    headerMarks[static_cast<std::size_t>(last)] = 0;
    for (int q = 0; q < lines; ++q)
        mark(last, q) = 0;
    --axis.count;
    Relayout();
    NoteChange(which | AxisData, GroupBegin);
    dirty |= DirtyRelayout | DirtyRedraw;
}

void TTabModel::DeleteSelectedPoints(int which) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    const CAxe &other = s.Axis(columns ? AxisY : AxisX);
    if (axis.resizable == 0 || axis.collapsed != 0)
        return;
    TSel &sel = s.sel;
    const int headerKind = columns ? SelXHeaders : SelYHeaders;
    auto selected = [&](int p) {
        if (sel.kind == headerKind)
            return ((columns ? sel.xMarks[static_cast<std::size_t>(p)]
                             : sel.yMarks[static_cast<std::size_t>(p)]) &
                    MarkSelected) != 0;
        if (sel.kind != SelCells)
            return false;
        const int lines = std::min(other.count, columns ? MaxY : MaxX);
        for (int q = 0; q < lines; ++q) {
            if (other.collapsed != 0 && q != other.collapsedIndex)
                continue;
            if (((columns ? sel.CellMark(p, q) : sel.CellMark(q, p)) & MarkSelected) == 0)
                return false;
        }
        return lines > 0;
    };
    for (int p = 0; p < axis.count;) {
        const int before = axis.count;
        if (selected(p))
            DeletePoint(which, p);
        if (axis.count == before)
            ++p; // kept, or the count is at its minimum
    }
    sel.RebuildSelection(tableLayout);
    NoteChange(0, GroupEnd);
    dirty |= DirtyRedraw;
}

void TTabModel::Interpolate() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    TSel &sel = s.sel;
    if (sel.isRectangle == 0)
        return;
    if (sel.rectX0 >= 0 && sel.rectY0 >= 0) {
        if (s.axisData.editable == 0)
            return;
        NoteChange(0, GroupBegin);
        BlockFill(s, sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1);
        NoteChange(AxisData, GroupNow);
    } else if (sel.rectY0 == -1 && sel.rectX0 >= 0) {
        if (s.axisX.editable == 0)
            return;
        FillLine(s.axisX.values, sel.rectX0, sel.rectX1);
        NoteChange(AxisX, GroupNow);
    } else if (sel.rectX0 == -1 && sel.rectY0 >= 0) {
        if (s.axisY.editable == 0)
            return;
        FillLine(s.axisY.values, sel.rectY0, sel.rectY1);
        NoteChange(AxisY, GroupNow);
    } else {
        return;
    }
    sel.ClearSelection();
    dirty |= DirtyRelayout | DirtyRedraw;
}

void TTabModel::ApplyDrag(int mode, const Block &target) {
    if (!HasCurrent() || (mode != DragFill && mode != DragCopy))
        return;
    CSheet &s = Current();
    TSel &sel = s.sel;
    if (sel.Empty())
        return;
    const int sx0 = std::min(sel.boxX0, sel.boxX1), sx1 = std::max(sel.boxX0, sel.boxX1);
    const int sy0 = std::min(sel.boxY0, sel.boxY1), sy1 = std::max(sel.boxY0, sel.boxY1);
    const int nx = std::min(s.axisX.count, MaxX), ny = std::min(s.axisY.count, MaxY);
    // The target stays inside the table and on the source's header line.
    const int tx0 = sx0 == -1 ? -1 : std::clamp(std::min(target.x0, target.x1), 0, nx - 1);
    const int tx1 = sx0 == -1 ? -1 : std::clamp(std::max(target.x0, target.x1), 0, nx - 1);
    const int ty0 = sy0 == -1 ? -1 : std::clamp(std::min(target.y0, target.y1), 0, ny - 1);
    const int ty1 = sy0 == -1 ? -1 : std::clamp(std::max(target.y0, target.y1), 0, ny - 1);

    // 1. The source, read from a copy so that an overlapping target cannot disturb it.
    int axisBit = AxisData;
    if (sy0 == -1) {
        if (s.axisX.editable == 0)
            return;
        axisBit = AxisX;
        std::copy(s.axisX.values.begin(), s.axisX.values.end(), scratch.begin());
    } else if (sx0 == -1) {
        if (s.axisY.editable == 0)
            return;
        axisBit = AxisY;
        std::copy(s.axisY.values.begin(), s.axisY.values.end(), scratch.begin());
    } else {
        if (s.axisData.editable == 0)
            return;
        std::copy(s.axisData.values.begin(), s.axisData.values.end(), scratch.begin());
    }
    auto S1 = [&](int i) -> long long {
        return scratch[static_cast<std::size_t>(std::clamp(i, 0, MaxCells - 1))];
    };
    auto S = [&](int i, int j) -> long long {
        return scratch[static_cast<std::size_t>(std::clamp(j, 0, MaxY - 1) * MaxX +
                                                std::clamp(i, 0, MaxX - 1))];
    };

    // 2.
    sel.ClearSelection();
    NoteChange(0, GroupBegin);

    if (axisBit != AxisData) {
        // Header line: along X for the X headers, along Y for the Y headers.
        CAxe &axis = s.Axis(axisBit);
        const int a0 = axisBit == AxisX ? sx0 : sy0, a1 = axisBit == AxisX ? sx1 : sy1;
        const int t0 = axisBit == AxisX ? tx0 : ty0, t1 = axisBit == AxisX ? tx1 : ty1;
        for (int i = t0; i <= t1; ++i) {
            long long v = axis.values[static_cast<std::size_t>(i)];
            if (mode == DragCopy)
                v = S1(a0 + i - t0);
            else if (a0 == a1)
                v = S1(a0);
            else if (i < a0)
                v = (S1(a0 + 1) - S1(a0)) * (i - a0) + S1(a0);
            else if (i > a1)
                v = (i - a1) * (S1(a1) - S1(a1 - 1)) + S1(a1);
            axis.values[static_cast<std::size_t>(i)] = Clamped(v);
            (axisBit == AxisX ? sel.xMarks[static_cast<std::size_t>(i)]
                              : sel.yMarks[static_cast<std::size_t>(i)]) = MarkPending;
        }
        sel.mode = axisBit == AxisX ? SelXHeaders : SelYHeaders;
    } else {
        for (int j = ty0; j <= ty1; ++j) {
            for (int i = tx0; i <= tx1; ++i) {
                long long v = S(i, j);
                if (mode == DragCopy) {
                    v = S(sx0 + i - tx0, sy0 + j - ty0);
                } else if (sx0 == sx1 && sy0 == sy1) {
                    v = S(sx0, sy0);
                } else if (sy0 == sy1) { // one row: extended sideways, repeated vertically
                    if (i < sx0)
                        v = (i - sx0) * (S(sx0 + 1, sy0) - S(sx0, sy0)) + S(sx0, sy0);
                    else if (i > sx1)
                        v = (S(sx1, sy0) - S(sx1 - 1, sy0)) * (i - sx1) + S(sx1, sy0);
                    else
                        v = S(i, sy0);
                } else if (sx0 == sx1) { // one column: extended vertically, repeated sideways
                    if (j < sy0)
                        v = (j - sy0) * (S(sx0, sy0 + 1) - S(sx0, sy0)) + S(sx0, sy0);
                    else if (j > sy1)
                        v = (S(sx0, sy1) - S(sx0, sy1 - 1)) * (j - sy1) + S(sx0, sy1);
                    else
                        v = S(sx0, j);
                } else {
                    const bool left = i<sx0, right = i> sx1, above = j<sy0, below = j> sy1;
                    const int dx = left ? i - sx0 : i - sx1;
                    const int dy = above ? j - sy0 : j - sy1;
                    if (!left && !right && !above && !below) {
                        v = S(i, j);
                    } else if (!above && !below) {
                        v = left ? (S(sx0 + 1, j) - S(sx0, j)) * dx + S(sx0, j)
                                 : (S(sx1, j) - S(sx1 - 1, j)) * dx + S(sx1, j);
                    } else if (!left && !right) {
                        v = above ? S(i, sy0) + (S(i, sy0 + 1) - S(i, sy0)) * dy
                                  : S(i, sy1) + (S(i, sy1) - S(i, sy1 - 1)) * dy;
                    } else {
                        // Diagonal regions: the nearest corner with its inward slopes.
                        const int kx = left ? sx0 : sx1, ky = above ? sy0 : sy1;
                        const long long k = S(kx, ky);
                        const long long h = left ? S(sx0 + 1, ky) - k : k - S(sx1 - 1, ky);
                        const long long w = above ? S(kx, sy0 + 1) - k : k - S(kx, sy1 - 1);
                        v = k + h * dx + w * dy;
                    }
                }
                s.Cell(i, j) = Clamped(v);
                sel.CellMark(i, j) = MarkPending;
            }
        }
        sel.mode = SelCells;
    }
    NoteChange(axisBit, GroupNow);
    sel.Recount();
    sel.CommitSelection(tableLayout);
    dirty |= DirtyRelayout | DirtyRedraw;
}

bool TTabModel::UseAxesAllowed(int command) const {
    if (!HasCurrent())
        return false;
    const int mx = Current().axisX.collapseMode, my = Current().axisY.collapseMode;
    switch (command) {
    case 13:
        return mx < 2 && my != 0;
    case 14:
        return mx != 0 && my < 2;
    case 15:
        return mx < 2 && my < 2;
    default:
        return false;
    }
}

void TTabModel::UseAxes(int command) {
    if (!UseAxesAllowed(command))
        return;
    NoteChange(0, GroupBegin);
    CSheet &s = Current();
    s.axisX.collapsed = command == 14 ? 1 : 0;
    s.axisY.collapsed = command == 13 ? 1 : 0;
    SelectSheet(currentIndex);
    NoteChange(AxisX | AxisY | AxisData, GroupNow);
    dirty |= DirtyRedraw;
}

void TTabModel::ToggleSheetEnabled() {
    if (!HasCurrent())
        return;
    NoteChange(0, GroupBegin);
    Current().enabled = Current().enabled != 0 ? 0 : 1;
    dirty |= DirtyRelayout | DirtyRedraw;
    NoteChange(AxisX | AxisY | AxisData, GroupNow);
}

} // namespace zarvex1
