#include "core/mapeditor/EditOperations.h"

#include <algorithm>
#include <limits>
#include <span>

#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/Operations.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/texts/TextTables.h"

namespace zarvex1 {

namespace {

int Clamped(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Points move to other indices: what a pushed point remembers belongs to another point now.
void ForgetPushes(CAxe &axis) {
    std::fill(axis.pushed.begin(), axis.pushed.end(), 0);
    std::fill(axis.beforePush.begin(), axis.beforePush.end(), 0);
}

} // namespace

void EditOperations::StepItems(int step, bool x, bool y, bool cells) {
    CSheet &s = sheets_.Current();
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

void EditOperations::IncrementActual(int step) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    if ((s.flags & TrackLive) == 0 || s.actualState != 1)
        return;
    if (s.actualX == -1 && (s.flags & BaseMarkerInRange) != 0) {
        // Below the first speed point the engine runs on the base advance.
        const ChangeKey key = MakeChangeKey(StepKind::BaseMarker, step, 0, 0);
        steps_.NoteChange(0, key);
        int &base = sheets_.Markers().baseMarker;
        base = Clamped(1LL * base + step);
        steps_.NoteChange(AxisData, key);
    } else if (s.actualX >= 0 && s.actualX < s.axisX.count && s.actualY >= 0 && s.actualY < s.axisY.count &&
               s.axisData.editable()) {
        const ChangeKey key = MakeChangeKey(StepKind::ActualCell, step, s.actualX, s.actualY);
        steps_.NoteChange(0, key);
        s.Cell(s.actualX, s.actualY) = Clamped(1LL * s.Cell(s.actualX, s.actualY) + step);
        steps_.NoteChange(AxisData, key);
    } else {
        return;
    }
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::Increment(int step) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    if (s.sel.Empty()) {
        IncrementActual(step);
        return;
    }
    const TSel &sel = s.sel;
    const bool anyCell = std::any_of(sel.cellMarks.begin(), sel.cellMarks.end(),
                                     [](std::uint8_t m) { return (m & MarkSelected) != 0; });
    const bool anyY = std::any_of(sel.yMarks.begin(), sel.yMarks.end(),
                                  [](std::uint8_t m) { return (m & MarkSelected) != 0; });
    const bool anyX = std::any_of(sel.xMarks.begin(), sel.xMarks.end(),
                                  [](std::uint8_t m) { return (m & MarkSelected) != 0; });
    int k = 0;
    if (anyCell && s.axisData.editable())
        k = AxisData;
    else if (anyY && s.axisY.editable())
        k = AxisY;
    else if (anyX && s.axisX.editable())
        k = AxisX;
    // The key names the selection's position too, so that "+" on another block notifies apart.
    const ChangeKey key = MakeChangeKey(StepKind::Selection, step, sel.boxX0, sel.boxY0, sel.count * 8 + k);
    steps_.NoteChange(0, key);
    StepItems(step, s.axisX.editable(), s.axisY.editable(), s.axisData.editable());
    steps_.NoteChange(k, key);
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::InsertColumn(int index) {
    InsertPoint(AxisX, index);
}
void EditOperations::InsertRow(int index) {
    InsertPoint(AxisY, index);
}
void EditOperations::DeleteColumn(int index) {
    DeletePoint(AxisX, index);
}
void EditOperations::DeleteRow(int index) {
    DeletePoint(AxisY, index);
}
void EditOperations::DeleteSelectedColumns() {
    DeleteSelectedPoints(AxisX);
}
void EditOperations::DeleteSelectedRows() {
    DeleteSelectedPoints(AxisY);
}

void EditOperations::InsertPoint(int which, int b) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    const CAxe &other = s.Axis(columns ? AxisY : AxisX);
    if (!axis.resizable() || axis.collapsed())
        return;
    if (axis.count >= axis.maxCount || axis.count >= axis.Capacity()) {
        if (const auto &show = steps_.Hooks().ShowError) {
            const char *text = columns ? "Column count is on maximum !\nDelete some first..."
                                       : "Row count is on maximum !\nDelete some first...";
            show(TranslateText(TextTableEditor, text, steps_.Language()),
                 TranslateText(TextTableGeneral, "Error", steps_.Language()));
        }
        return;
    }
    b = std::clamp(b, 0, axis.count);
    steps_.NoteChange(0, GroupBegin);
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
    steps_.Relayout();

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
        if (other.collapsed() && q != other.collapsedIndex)
            continue;
        (columns ? sel.CellMark(b, q) : sel.CellMark(q, b)) = MarkPending;
    }
    sel.mode = SelCells;
    sel.Recount();
    sel.CommitSelection(layout_.TableRecord());
    steps_.ScrollIntoView(sel.boxX0, sel.boxY0);

    steps_.NoteChange(which | AxisData, GroupEnd);
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::DeletePoint(int which, int index) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    if (!axis.resizable() || axis.collapsed() || axis.count <= axis.minCount || index < 0 ||
        index >= axis.count)
        return;
    steps_.NoteChange(0, GroupBegin);
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
    steps_.Relayout();
    steps_.NoteChange(which | AxisData, GroupBegin);
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::DeleteSelectedPoints(int which) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    const bool columns = which == AxisX;
    CAxe &axis = s.Axis(which);
    const CAxe &other = s.Axis(columns ? AxisY : AxisX);
    if (!axis.resizable() || axis.collapsed())
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
            if (other.collapsed() && q != other.collapsedIndex)
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
    sel.RebuildSelection(layout_.TableRecord());
    steps_.NoteChange(0, GroupEnd);
    steps_.Request(DirtyRedraw);
}

void EditOperations::Interpolate() {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    TSel &sel = s.sel;
    if (sel.isRectangle == 0)
        return;
    if (sel.rectX0 >= 0 && sel.rectY0 >= 0) {
        if (!s.axisData.editable())
            return;
        steps_.NoteChange(0, GroupBegin);
        BlockFill(s, sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1);
        steps_.NoteChange(AxisData, GroupNow);
    } else if (sel.rectY0 == -1 && sel.rectX0 >= 0) {
        if (!s.axisX.editable())
            return;
        FillLine(s.axisX.values, sel.rectX0, sel.rectX1);
        steps_.NoteChange(AxisX, GroupNow);
    } else if (sel.rectX0 == -1 && sel.rectY0 >= 0) {
        if (!s.axisY.editable())
            return;
        FillLine(s.axisY.values, sel.rectY0, sel.rectY1);
        steps_.NoteChange(AxisY, GroupNow);
    } else {
        return;
    }
    sel.ClearSelection();
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::ApplyDrag(int mode, const Block &target) {
    if (!sheets_.HasCurrent() || (mode != DragFill && mode != DragCopy))
        return;
    CSheet &s = sheets_.Current();
    TSel &sel = s.sel;
    if (sel.Empty())
        return;
    std::vector<int> &scratch = steps_.Scratch();
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
        if (!s.axisX.editable())
            return;
        axisBit = AxisX;
        std::copy(s.axisX.values.begin(), s.axisX.values.end(), scratch.begin());
    } else if (sx0 == -1) {
        if (!s.axisY.editable())
            return;
        axisBit = AxisY;
        std::copy(s.axisY.values.begin(), s.axisY.values.end(), scratch.begin());
    } else {
        if (!s.axisData.editable())
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
    steps_.NoteChange(0, GroupBegin);

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
    steps_.NoteChange(axisBit, GroupNow);
    sel.Recount();
    sel.CommitSelection(layout_.TableRecord());
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

bool EditOperations::UseAxesAllowed(int command) const {
    if (!sheets_.HasCurrent())
        return false;
    const int mx = sheets_.Current().axisX.collapseMode, my = sheets_.Current().axisY.collapseMode;
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

void EditOperations::UseAxes(int command) {
    if (!UseAxesAllowed(command))
        return;
    steps_.NoteChange(0, GroupBegin);
    CSheet &s = sheets_.Current();
    s.axisX.SetCollapsed(command == 14 ? 1 : 0);
    s.axisY.SetCollapsed(command == 13 ? 1 : 0);
    steps_.SelectSheet(sheets_.CurrentIndex());
    steps_.NoteChange(AxisX | AxisY | AxisData, GroupNow);
    steps_.Request(DirtyRedraw);
}

void EditOperations::ToggleSheetEnabled() {
    if (!sheets_.HasCurrent())
        return;
    steps_.NoteChange(0, GroupBegin);
    sheets_.Current().SetEnabled(!sheets_.Current().enabled());
    steps_.Request(DirtyRelayout | DirtyRedraw);
    steps_.NoteChange(AxisX | AxisY | AxisData, GroupNow);
}

void EditOperations::StepTarget(int c, int r, int step) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    TSel &sel = s.sel;
    if (r == -1 && c >= 0 && c < s.axisX.count) {
        if (!s.axisX.editable())
            return;
        const bool many = (sel.xMarks[static_cast<std::size_t>(c)] & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedX, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerX, step, c, -1);
        steps_.NoteChange(0, key);
        if (many)
            StepItems(step, true, false, false);
        else
            s.axisX.values[static_cast<std::size_t>(c)] =
                Clamped(1LL * s.axisX.values[static_cast<std::size_t>(c)] + step);
        steps_.NoteChange(AxisX, key);
    } else if (c == -1 && r >= 0 && r < s.axisY.count) {
        if (!s.axisY.editable())
            return;
        const bool many = (sel.yMarks[static_cast<std::size_t>(r)] & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedY, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerY, step, -1, r);
        steps_.NoteChange(0, key);
        if (many)
            StepItems(step, false, true, false);
        else
            s.axisY.values[static_cast<std::size_t>(r)] =
                Clamped(1LL * s.axisY.values[static_cast<std::size_t>(r)] + step);
        steps_.NoteChange(AxisY, key);
    } else if (c >= 0 && r >= 0 && c < s.axisX.count && r < s.axisY.count) {
        if (!s.axisData.editable())
            return;
        const bool many = (sel.CellMark(c, r) & MarkSelected) != 0;
        const ChangeKey key =
            many ? MakeChangeKey(StepKind::SpinnerSelectedCell, step, sel.boxX0, sel.boxY0, sel.count)
                 : MakeChangeKey(StepKind::SpinnerCell, step, c, r);
        steps_.NoteChange(0, key);
        if (many)
            StepItems(step, false, false, true);
        else
            s.Cell(c, r) = Clamped(1LL * s.Cell(c, r) + step);
        steps_.NoteChange(AxisData, key);
    } else {
        return;
    }
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

void EditOperations::StoreValue(int c, int r, double value) {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    int which = 0;
    if (r == -1 && c >= 0 && c < s.axisX.count)
        which = AxisX;
    else if (c == -1 && r >= 0 && r < s.axisY.count)
        which = AxisY;
    else if (c >= 0 && r >= 0 && c < s.axisX.count && r < s.axisY.count)
        which = AxisData;
    if (which == 0 || !s.Axis(which).editable())
        return; // typed values on a locked axis are dropped
    steps_.NoteChange(0, GroupBegin);
    const int raw = RawFromPhysical(value, s.Axis(which).scale);
    if (which == AxisX)
        s.axisX.values[static_cast<std::size_t>(c)] = raw;
    else if (which == AxisY)
        s.axisY.values[static_cast<std::size_t>(r)] = raw;
    else
        s.Cell(c, r) = raw;
    steps_.NoteChange(which, GroupNow);
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

bool EditOperations::PreviewInterpolation(std::vector<int> &preview) const {
    if (!sheets_.HasCurrent() || sheets_.Current().sel.isRectangle == 0)
        return false;
    const CSheet &s = sheets_.Current();
    const TSel &sel = s.sel;
    preview.resize(MaxCells);
    if (sel.rectY0 == -1 || sel.rectX0 == -1) {
        const CAxe &axis = sel.rectY0 == -1 ? s.axisX : s.axisY;
        std::vector<int> line = axis.values;
        FillLine(line, sel.rectY0 == -1 ? sel.rectX0 : sel.rectY0,
                 sel.rectY0 == -1 ? sel.rectX1 : sel.rectY1);
        std::copy(line.begin(), line.end(), preview.begin());
        return true;
    }
    std::copy(s.axisData.values.begin(), s.axisData.values.end(), preview.begin());
    BlockFill(s, preview, sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1);
    return true;
}

} // namespace zarvex1
