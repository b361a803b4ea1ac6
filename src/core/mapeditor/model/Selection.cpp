#include "core/mapeditor/model/Selection.h"

#include <algorithm>

namespace zarvex1 {

namespace {

constexpr std::uint8_t Pending = MarkPending;

bool IsEmpty(const Rect &r) {
    return r.right <= r.left || r.bottom <= r.top;
}

bool Meets(const Rect &r, const Rect &band) {
    return r.left <= band.right && r.right >= band.left && r.top <= band.bottom && r.bottom >= band.top;
}

// Families that mark cells: cells themselves and whole columns or rows through the bars.
int FamilyOf(int mode) {
    const int m = mode & SelFamilies;
    if ((m & (SelCells | SelColumns | SelRows)) != 0)
        return SelCells;
    if ((m & SelXHeaders) != 0)
        return SelXHeaders;
    if ((m & SelYHeaders) != 0)
        return SelYHeaders;
    return SelNothing;
}

int LayoutColumns(const LayoutRecord &layout) {
    return layout.columns > 0 ? std::min(layout.columns, SelMaxX) : SelMaxX;
}

int LayoutRows(const LayoutRecord &layout) {
    return layout.rows > 0 ? std::min(layout.rows, SelMaxY) : SelMaxY;
}

// Committed marks: pending becomes selected, pending and corner flags go.
template <std::size_t N> int CommitMarks(std::array<std::uint8_t, N> &marks) {
    int n = 0;
    for (auto &m : marks) {
        if ((m & MarkPending) != 0)
            m |= MarkSelected;
        m &= static_cast<std::uint8_t>(~(MarkPending | MarkCorner));
        if (m != 0)
            ++n;
    }
    return n;
}

// A contiguous run of selected headers; returns true with its ends when it is one run.
template <std::size_t N> bool SingleRun(const std::array<std::uint8_t, N> &marks, int &first, int &last) {
    first = last = -1;
    bool ended = false;
    for (int i = 0; i < static_cast<int>(N); ++i) {
        const bool sel = (marks[static_cast<std::size_t>(i)] & MarkSelected) != 0;
        if (sel) {
            if (ended)
                return false;
            if (first < 0)
                first = i;
            last = i;
        } else if (first >= 0) {
            ended = true;
        }
    }
    return first >= 0;
}

template <std::size_t N> void SelectedToPending(std::array<std::uint8_t, N> &marks) {
    for (auto &m : marks)
        m = (m & MarkSelected) != 0 ? Pending : 0;
}

} // namespace

void LayoutRecord::Reset() {
    width = height = columns = rows = 0;
    validXHeaders = validYHeaders = validColumnBars = validRowBars = validCells = 0;
    hitColumn = hitRow = 0;
    xHeaders.fill(Rect{});
    yHeaders.fill(Rect{});
    columnBars.fill(Rect{});
    rowBars.fill(Rect{});
    cells.fill(Rect{});
}

int TSel::Family() const {
    const int f = FamilyOf(mode);
    return f != SelNothing ? f : kind;
}

void TSel::ClearSelection() {
    xMarks.fill(0);
    yMarks.fill(0);
    cellMarks.fill(0);
    mode = kind = SelNothing;
    isRectangle = 0;
    rectX0 = rectX1 = rectY0 = rectY1 = -1;
    anchorX = anchorY = currentX = currentY = -1;
    boxX0 = boxX1 = boxY0 = boxY1 = -2;
    count = 0;
}

void TSel::Recount() {
    count = Measure(MarkPending);
}

// Counts the items with any mark in the current family and sets the bounding box over those with flag.
int TSel::Measure(std::uint8_t flag) {
    int n = 0;
    int lo = SelMaxX, hi = -1, top = SelMaxY, bottom = -1;
    auto take = [&](int x, int y) {
        lo = std::min(lo, x);
        hi = std::max(hi, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    };
    const int family = Family();
    if (family == SelCells) {
        for (int y = 0; y < SelMaxY; ++y) {
            for (int x = 0; x < SelMaxX; ++x) {
                const auto m = CellMark(x, y);
                n += m != 0 ? 1 : 0;
                if ((m & flag) != 0)
                    take(x, y);
            }
        }
    } else if (family == SelXHeaders) {
        for (int x = 0; x < SelMaxX; ++x) {
            const auto m = xMarks[static_cast<std::size_t>(x)];
            n += m != 0 ? 1 : 0;
            if ((m & flag) != 0)
                take(x, -1);
        }
    } else if (family == SelYHeaders) {
        for (int y = 0; y < SelMaxY; ++y) {
            const auto m = yMarks[static_cast<std::size_t>(y)];
            n += m != 0 ? 1 : 0;
            if ((m & flag) != 0)
                take(-1, y);
        }
    }
    if (hi < lo) {
        boxX0 = boxX1 = boxY0 = boxY1 = -2;
    } else {
        boxX0 = lo;
        boxX1 = hi;
        boxY0 = top;
        boxY1 = bottom;
    }
    return n;
}

void TSel::CommitSelection(const LayoutRecord &layout) {
    const int family = Family();
    isRectangle = 0;
    rectX0 = rectX1 = rectY0 = rectY1 = -1;
    int committed = 0;
    if (family == SelCells) {
        committed = CommitMarks(cellMarks);
        // Scan row by row for one solid rectangle.
        const int cols = LayoutColumns(layout);
        const int rows = LayoutRows(layout);
        int left = -1, right = -1, top = -1, bottom = -1;
        bool broken = false;
        for (int y = 0; y < rows && !broken; ++y) {
            for (int x = 0; x < cols && !broken; ++x) {
                const bool sel = (CellMark(x, y) & MarkSelected) != 0;
                if (top < 0) {
                    if (!sel)
                        continue;
                    left = right = x;
                    top = y;
                    while (right + 1 < cols && (CellMark(right + 1, y) & MarkSelected) != 0)
                        ++right;
                    x = right;
                } else if (sel) {
                    broken = x < left || x > right || (bottom >= 0 && y > bottom);
                } else if (bottom < 0 && y > top && x >= left && x <= right) {
                    bottom = y - 1;
                    broken = x != left; // a row that is only partly selected
                }
            }
        }
        if (top >= 0 && bottom < 0)
            bottom = rows - 1;
        if (top >= 0 && !broken && (right - left > 1 || bottom - top > 1)) {
            isRectangle = 1;
            rectX0 = left;
            rectX1 = right;
            rectY0 = top;
            rectY1 = bottom;
            for (const auto &[cx, cy] : {std::pair{left, top}, std::pair{right, top}, std::pair{left, bottom},
                                         std::pair{right, bottom}})
                CellMark(cx, cy) |= MarkCorner;
        }
    } else if (family == SelXHeaders || family == SelYHeaders) {
        committed = family == SelXHeaders ? CommitMarks(xMarks) : CommitMarks(yMarks);
        int first = -1, last = -1;
        const bool run =
            family == SelXHeaders ? SingleRun(xMarks, first, last) : SingleRun(yMarks, first, last);
        if (run && last - first + 1 > 2) {
            isRectangle = 1;
            if (family == SelXHeaders) {
                rectX0 = first;
                rectX1 = last;
                xMarks[static_cast<std::size_t>(first)] |= MarkCorner;
                xMarks[static_cast<std::size_t>(last)] |= MarkCorner;
            } else {
                rectY0 = first;
                rectY1 = last;
                yMarks[static_cast<std::size_t>(first)] |= MarkCorner;
                yMarks[static_cast<std::size_t>(last)] |= MarkCorner;
            }
        }
    }
    mode = SelNothing;
    kind = committed > 0 ? family : SelNothing;
    // The box describes the whole selection, also after a Control-click added a second block.
    Measure(MarkSelected);
    count = committed;
}

void TSel::BeginSelectionDrag(LayoutRecord &layout, int x, int y, bool shift, bool control) {
    StartDrag(layout, x, y, shift, control, false);
}

void TSel::BeginGraphSelectionDrag(LayoutRecord &layout, int x, int y, bool shift, bool control) {
    StartDrag(layout, x, y, shift, control, true);
}

void TSel::StartDrag(LayoutRecord &layout, int x, int y, bool shift, bool control, bool cellsOnly) {
    // A plain click starts afresh, Shift alone extends from the old anchor, Control alone adds.
    if (shift == control)
        ClearSelection();
    const bool keepAnchor = shift && !control && anchorX != -1;
    currentX = x;
    currentY = y;
    if (!keepAnchor) {
        anchorX = x;
        anchorY = y;
    }
    // The graph's band marks points wherever it starts: a press on a point starts a drag instead.
    const int hit = cellsOnly ? int{HitCell} : HitFamilies(layout, x, y) & int{SelFamilies};
    if (hit == 0)
        return;
    const int family = hit & -hit; // cells, X header, Y header, column bar, row bar: the first decides
    mode = family;
    if (FamilyOf(family) != kind) {
        ClearSelection();
        anchorX = currentX = x;
        anchorY = currentY = y;
        mode = family;
    }
    ExtendSelectionDrag(layout, x, y, true);
    int column = -2, row = -2;
    HitItem(layout, x, y, column, row);
    anchorCol = currentCol = column;
    anchorRow = currentRow = row;
    mode |= cellsOnly ? SelDragGraph : SelDragTable;
}

bool TSel::ExtendSelectionDrag(const LayoutRecord &layout, int x, int y, bool force) {
    const int family = mode & SelFamilies;
    if (family == SelNothing)
        return false;
    if (x == currentX && y == currentY && !force)
        return false;
    currentX = std::clamp(x, 0, std::max(0, layout.width - 1));
    currentY = std::clamp(y, 0, std::max(0, layout.height - 1));
    const Rect band{std::min(anchorX, currentX), std::min(anchorY, currentY), std::max(anchorX, currentX),
                    std::max(anchorY, currentY)};
    const int cols = LayoutColumns(layout);
    const int rows = LayoutRows(layout);
    bool changed = false;
    auto mark = [&changed](std::uint8_t &m, bool on) {
        const auto next = static_cast<std::uint8_t>(on ? (m | MarkPending) : (m & ~MarkPending));
        changed = changed || next != m;
        m = next;
    };
    auto spansX = [&band](const Rect &r) {
        return !IsEmpty(r) && r.left <= band.right && r.right >= band.left;
    };
    auto spansY = [&band](const Rect &r) {
        return !IsEmpty(r) && r.top <= band.bottom && r.bottom >= band.top;
    };

    if ((family & SelCells) != 0 && layout.validCells != 0) {
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < cols; ++i)
                mark(CellMark(i, j), !IsEmpty(layout.Cell(i, j)) && Meets(layout.Cell(i, j), band));
    } else if ((family & SelXHeaders) != 0 && layout.validXHeaders != 0) {
        for (int i = 0; i < cols; ++i)
            mark(xMarks[static_cast<std::size_t>(i)], spansX(layout.xHeaders[static_cast<std::size_t>(i)]));
    } else if ((family & SelYHeaders) != 0 && layout.validYHeaders != 0) {
        for (int j = 0; j < rows; ++j)
            mark(yMarks[static_cast<std::size_t>(j)], spansY(layout.yHeaders[static_cast<std::size_t>(j)]));
    } else if ((family & SelColumns) != 0 && layout.validColumnBars != 0) {
        // Only cells that are laid out: with a collapsed Y axis that is the one row in use.
        for (int i = 0; i < cols; ++i) {
            const bool on = spansX(layout.columnBars[static_cast<std::size_t>(i)]);
            for (int j = 0; j < rows; ++j)
                mark(CellMark(i, j), on && !IsEmpty(layout.Cell(i, j)));
        }
    } else if ((family & SelRows) != 0 && layout.validRowBars != 0) {
        for (int j = 0; j < rows; ++j) {
            const bool on = spansY(layout.rowBars[static_cast<std::size_t>(j)]);
            for (int i = 0; i < cols; ++i)
                mark(CellMark(i, j), on && !IsEmpty(layout.Cell(i, j)));
        }
    }
    Recount();
    return changed;
}

void TSel::SelectOne(const LayoutRecord &layout, int column, int row) {
    ClearSelection();
    if (row == -1 && column >= 0 && column < SelMaxX) {
        xMarks[static_cast<std::size_t>(column)] = MarkPending;
        mode = SelXHeaders;
    } else if (column == -1 && row >= 0 && row < SelMaxY) {
        yMarks[static_cast<std::size_t>(row)] = MarkPending;
        mode = SelYHeaders;
    } else if (column >= 0 && column < SelMaxX && row >= 0 && row < SelMaxY) {
        CellMark(column, row) = MarkPending;
        mode = SelCells;
    }
    Recount();
    CommitSelection(layout);
    anchorCol = currentCol = boxX0;
    anchorRow = currentRow = boxY0;
}

void TSel::SelectRange(const LayoutRecord &layout, int column, int row) {
    if (anchorCol < -1 || anchorRow < -1 || (anchorCol == -1 && anchorRow == -1)) {
        SelectOne(layout, column, row); // no anchor yet: the item itself starts one
        return;
    }
    ClearSelection();
    currentCol = anchorCol == -1 ? -1 : std::max(column, 0);
    currentRow = anchorRow == -1 ? -1 : std::max(row, 0);
    const int x0 = std::min(anchorCol, currentCol),
              x1 = std::min(std::max(anchorCol, currentCol), SelMaxX - 1);
    const int y0 = std::min(anchorRow, currentRow),
              y1 = std::min(std::max(anchorRow, currentRow), SelMaxY - 1);
    if (anchorRow == -1) {
        for (int i = x0; i <= x1; ++i)
            xMarks[static_cast<std::size_t>(i)] = MarkPending;
        mode = SelXHeaders;
    } else if (anchorCol == -1) {
        for (int j = y0; j <= y1; ++j)
            yMarks[static_cast<std::size_t>(j)] = MarkPending;
        mode = SelYHeaders;
    } else {
        for (int j = y0; j <= y1; ++j)
            for (int i = x0; i <= x1; ++i)
                CellMark(i, j) = MarkPending;
        mode = SelCells;
    }
    Recount();
    CommitSelection(layout);
}

void TSel::RebuildSelection(const LayoutRecord &layout) {
    SelectedToPending(cellMarks);
    SelectedToPending(xMarks);
    SelectedToPending(yMarks);
    mode = kind;
    kind = SelNothing;
    isRectangle = 0;
    anchorX = anchorY = currentX = currentY = -1;
    count = 0;
    Recount();
    CommitSelection(layout);
}

int TSel::ItemMark(int column, int row) const {
    if (column < -1 || row < -1 || (column < 0 && row < 0) || column >= SelMaxX || row >= SelMaxY)
        return 0;
    if (row == -1)
        return xMarks[static_cast<std::size_t>(column)];
    if (column == -1)
        return yMarks[static_cast<std::size_t>(row)];
    return CellMark(column, row);
}

int TSel::CornerMask(int column, int row, bool wholeRow, bool wholeColumn) const {
    if (isRectangle == 0)
        return 0;
    if (kind == SelXHeaders)
        return row != -1 ? 0 : (column == rectX0 ? 5 : 0) | (column == rectX1 ? 10 : 0);
    if (kind == SelYHeaders)
        return column != -1 ? 0 : (row == rectY0 ? 3 : 0) | (row == rectY1 ? 12 : 0);
    int mask = 0;
    if (wholeColumn)
        mask |= (column == rectX0 ? 5 : 0) | (column == rectX1 ? 10 : 0);
    if (wholeRow)
        mask |= (row == rectY0 ? 3 : 0) | (row == rectY1 ? 12 : 0);
    if (!wholeColumn && !wholeRow) {
        const bool left = column == rectX0, right = column == rectX1;
        const bool top = row == rectY0, bottom = row == rectY1;
        mask = (left && top ? 1 : 0) | (right && top ? 2 : 0) | (left && bottom ? 4 : 0) |
               (right && bottom ? 8 : 0);
    }
    return mask;
}

int HitFamilies(LayoutRecord &layout, int x, int y) {
    const int cols = LayoutColumns(layout);
    const int rows = LayoutRows(layout);
    auto inside = [x, y](const Rect &r) { return !IsEmpty(r) && r.Contains(x, y); };
    int hit = 0;
    if (layout.validCells != 0) {
        // Neighbouring cells share their edges: the highest column wins, then the first row in it.
        for (int i = cols - 1; i >= 0 && (hit & HitCell) == 0; --i) {
            for (int j = 0; j < rows; ++j) {
                if (inside(layout.Cell(i, j))) {
                    layout.hitColumn = i;
                    layout.hitRow = j;
                    hit |= HitCell;
                    break;
                }
            }
        }
    }
    auto highest = [&](const auto &rects, int n) {
        for (int i = n - 1; i >= 0; --i)
            if (inside(rects[static_cast<std::size_t>(i)]))
                return i;
        return -1;
    };
    auto lowest = [&](const auto &rects, int n) {
        for (int i = 0; i < n; ++i)
            if (inside(rects[static_cast<std::size_t>(i)]))
                return i;
        return -1;
    };
    if (layout.validXHeaders != 0) {
        if (const int i = highest(layout.xHeaders, cols); i >= 0) {
            layout.hitColumn = i;
            hit |= HitXHeader;
        }
    }
    if (layout.validYHeaders != 0) {
        if (const int j = lowest(layout.yHeaders, rows); j >= 0) {
            layout.hitRow = j;
            hit |= HitYHeader;
        }
    }
    if (layout.validColumnBars != 0) {
        if (const int i = highest(layout.columnBars, cols); i >= 0) {
            layout.hitColumn = i;
            hit |= HitColumnBar;
        }
    }
    if (layout.validRowBars != 0) {
        if (const int j = lowest(layout.rowBars, rows); j >= 0) {
            layout.hitRow = j;
            hit |= HitRowBar;
        }
    }
    return hit;
}

int HitItem(LayoutRecord &layout, int x, int y, int &column, int &row) {
    const int hit = HitFamilies(layout, x, y);
    if ((hit & HitCell) != 0) {
        column = layout.hitColumn;
        row = layout.hitRow;
        return HitCell;
    }
    if ((hit & HitXHeader) != 0) {
        column = layout.hitColumn;
        row = -1;
        return HitXHeader;
    }
    if ((hit & HitYHeader) != 0) {
        column = -1;
        row = layout.hitRow;
        return HitYHeader;
    }
    column = row = -2;
    return 0;
}

} // namespace zarvex1
