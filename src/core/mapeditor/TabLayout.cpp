#include "mapeditor/TabModel.h"

#include <algorithm>
#include <cmath>

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

int TTabModel::ToolbarWidth() const {
    if ((EditorOptions & ShowToolbar) == 0)
        return 0;
    int useButtons = 0;
    for (const CSheet &s : sheets) {
        int e = 0;
        if (s.axisX.collapseMode != 2 && s.axisY.collapseMode != 2) {
            e = (s.axisX.collapseMode == 1 ? 1 : 0) + (s.axisY.collapseMode == 1 ? 1 : 0);
            if (e != 0)
                ++e;
        }
        useButtons = std::max(useButtons, e);
    }
    int views = ((EditorOptions & AllowTable) != 0 ? 1 : 0) + ((EditorOptions & AllowGraph2D) != 0 ? 1 : 0) +
                ((EditorOptions & AllowGraph3D) != 0 ? 1 : 0);
    if (views == 1)
        views = 0; // a single view needs no buttons
    return useButtons * 75 + views * 63 + 123;
}

void TTabModel::RebuildToolbar() {
    const int toolbar = ToolbarWidth();
    leftMargin = 10;
    rightMargin = 27;
    bottomMargin = 27;
    toolbarLeft = width - toolbar - 27;
    int tabs = 2;
    for (const CSheet &s : sheets)
        tabs += s.titleWidth;
    toolbarTop = SheetCount() > 1 && tabs > toolbarLeft - 10 ? 25 : 5;
    if ((EditorOptions & ShowToolbar) != 0)
        topMargin = toolbarTop + 31;
    else if ((EditorOptions & ShowTitleLine) != 0 || SheetCount() > 1)
        topMargin = toolbarTop + 20;
    else
        topMargin = 10;
    tableX = leftMargin;
    tableY = topMargin;
    columnHeaderHeight = (height - tableY - headerGap - bottomMargin) / (rowsWanted + 1);
    cellsX = leftMargin + rowHeaderWidth + headerGap;
    cellsY = tableY + columnHeaderHeight + headerGap;
    columnWidth =
        static_cast<float>(width - cellsX - rightMargin) / static_cast<float>(std::max(1, colsWanted));
    rowHeight = static_cast<float>(height - tableY - columnHeaderHeight - headerGap - bottomMargin) /
                static_cast<float>(std::max(1, rowsWanted));
    if (edit.active != 0)
        LayoutValueEdit();
    Relayout();
}

void TTabModel::Relayout() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    CAxe &ax = s.axisX;
    CAxe &ay = s.axisY;
    visibleCols = std::min(colsWanted, ax.count);
    visibleRows = std::min(rowsWanted, ay.count);
    if (ax.collapsed != 0)
        visibleCols = 1;
    else if (ay.collapsed != 0)
        visibleRows = 1;
    ax.UpdateCollapsedIndex();
    ay.UpdateCollapsedIndex();
    ax.firstVisible = std::clamp(ax.firstVisible, 0, std::max(0, ax.count - visibleCols));
    ay.firstVisible = std::clamp(ay.firstVisible, 0, std::max(0, ay.count - visibleRows));

    horizontalBar.shown = visibleCols == colsWanted && ax.count > colsWanted ? 1 : 0;
    horizontalBar.rect.left = cellsX;
    horizontalBar.rect.top = Trunc(cellsY + visibleRows * static_cast<double>(rowHeight) + 1);
    horizontalBar.rect.right = Trunc(cellsX + visibleCols * static_cast<double>(columnWidth));
    horizontalBar.rect.bottom = horizontalBar.rect.top + 15;
    horizontalBar.total = ax.count;
    horizontalBar.page = colsWanted;
    horizontalBar.position = ax.firstVisible;

    verticalBar.shown = visibleRows == rowsWanted && ay.count > rowsWanted ? 1 : 0;
    verticalBar.rect.left = Trunc(cellsX + visibleCols * static_cast<double>(columnWidth) + 1);
    verticalBar.rect.top = cellsY;
    verticalBar.rect.right = verticalBar.rect.left + 15;
    verticalBar.rect.bottom = Trunc(cellsY + visibleRows * static_cast<double>(rowHeight));
    verticalBar.total = ay.count;
    verticalBar.page = rowsWanted;
    verticalBar.position = ay.firstVisible;

    FillLayouts();
    SetViewMode(0);
}

void TTabModel::FillLayouts() {
    const CSheet &s = Current();
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    const int c0 = ax.firstVisible, r0 = ay.firstVisible;
    const double cw = columnWidth, rh = rowHeight;
    const int nx = std::clamp(ax.count, 0, MaxX), ny = std::clamp(ay.count, 0, MaxY);
    for (LayoutRecord *record : {&tableLayout, &fullLayout}) {
        record->Reset();
        record->width = width;
        record->height = height;
        record->columns = nx;
        record->rows = ny;
        record->validXHeaders = record->validYHeaders = record->validColumnBars = record->validRowBars =
            record->validCells = 1;
    }
    auto colVisible = [&](int i) { return ax.collapsed != 0 || (i >= c0 && i < c0 + visibleCols); };
    auto rowVisible = [&](int j) { return ay.collapsed != 0 || (j >= r0 && j < r0 + visibleRows); };
    // Left edge of column i and top edge of row j at their scrolled positions.
    auto colLeft = [&](int i) { return cellsX + (ax.collapsed != 0 ? 0 : i - c0) * cw; };
    auto rowTop = [&](int j) { return cellsY + (ay.collapsed != 0 ? 0 : j - r0) * rh; };
    auto put = [&](auto member, int index, const Rect &r, bool visible) {
        (fullLayout.*member)[static_cast<std::size_t>(index)] = r;
        if (visible)
            (tableLayout.*member)[static_cast<std::size_t>(index)] = r;
    };

    if (ax.collapsed == 0) {
        for (int i = 0; i < nx; ++i) {
            const double left = colLeft(i);
            put(&LayoutRecord::xHeaders, i,
                Rect{Trunc(left), tableY, Trunc(left + cw), tableY + columnHeaderHeight}, colVisible(i));
            put(&LayoutRecord::columnBars, i,
                Rect{Trunc(left), tableY + columnHeaderHeight, Trunc(left + cw), cellsY}, colVisible(i));
        }
    }
    if (ay.collapsed == 0) {
        for (int j = 0; j < ny; ++j) {
            const double top = rowTop(j);
            put(&LayoutRecord::yHeaders, j,
                Rect{tableX, Trunc(top), tableX + rowHeaderWidth, Trunc(top + rh)}, rowVisible(j));
            put(&LayoutRecord::rowBars, j, Rect{tableX + rowHeaderWidth, Trunc(top), cellsX, Trunc(top + rh)},
                rowVisible(j));
        }
    }
    for (int j = 0; j < ny; ++j) {
        if (ay.collapsed != 0 && j != ay.collapsedIndex)
            continue;
        for (int i = 0; i < nx; ++i) {
            if (ax.collapsed != 0 && i != ax.collapsedIndex)
                continue;
            const double left = colLeft(i), top = rowTop(j);
            const Rect r{Trunc(left), Trunc(top), Trunc(left + cw), Trunc(top + rh)};
            fullLayout.Cell(i, j) = r;
            if (colVisible(i) && rowVisible(j))
                tableLayout.Cell(i, j) = r;
        }
    }
}

void TTabModel::SetViewMode(int mode) {
    if (mode != 0)
        viewMode = mode;
    int m = viewMode;
    if (m == ViewTable && (EditorOptions & AllowTable) == 0)
        m = ViewGraph2D;
    if (m == ViewGraph2D && (EditorOptions & AllowGraph2D) == 0)
        m = ViewGraph3D;
    if (m == ViewGraph3D && (EditorOptions & AllowGraph3D) == 0)
        m = 8;
    if (m == 8)
        m = (EditorOptions & AllowTable) != 0     ? ViewTable
            : (EditorOptions & AllowGraph2D) != 0 ? ViewGraph2D
                                                  : 0;
    viewMode = shownViews = m;
    graph = GraphArea{leftMargin, topMargin, rightMargin, bottomMargin};
    if (m == ViewTable && HasCurrent() && (EditorOptions & AllowGraph2D) != 0) {
        // A 2D graph goes below or beside the table when it leaves more than 100 pixels.
        const CSheet &s = Current();
        const bool xc = s.axisX.collapsed != 0, yc = s.axisY.collapsed != 0;
        const int nx = std::max(1, s.axisX.count), ny = std::max(1, s.axisY.count);
        int l = Trunc(static_cast<double>(columnWidth) * (xc ? 1 : nx) + cellsX + 5);
        if (!yc && ny > rowsWanted)
            l += verticalBar.rect.right - verticalBar.rect.left;
        int bottom = Trunc((yc ? 1 : ny) * static_cast<double>(rowHeight) + cellsY + 5);
        if (!xc && nx > colsWanted)
            bottom += horizontalBar.rect.bottom - horizontalBar.rect.top;
        const int t = width - l - rightMargin;
        const int x = height - bottom - bottomMargin;
        const int u = xc ? t : t / nx;
        const int v = yc ? Trunc(x * 1.5) : Trunc(x / (ny * 2.0 / 3.0));
        if (v > 100) {
            graph = GraphArea{leftMargin, bottom, rightMargin, bottomMargin};
            shownViews |= ViewGraph2D;
        } else if (u > 100) {
            graph = GraphArea{l, topMargin, rightMargin, bottomMargin};
            shownViews |= ViewGraph2D;
        }
    }
    if (mode != 0)
        dirty |= DirtyRelayout;
}

void TTabModel::ScrollTo(int firstColumn, int firstRow) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const int nc = s.axisX.collapsed != 0
                       ? s.axisX.firstVisible
                       : std::clamp(firstColumn, 0, std::max(0, s.axisX.count - visibleCols));
    const int nr = s.axisY.collapsed != 0 ? s.axisY.firstVisible
                                          : std::clamp(firstRow, 0, std::max(0, s.axisY.count - visibleRows));
    if (nc == s.axisX.firstVisible && nr == s.axisY.firstVisible)
        return;
    s.axisX.firstVisible = horizontalBar.position = nc;
    s.axisY.firstVisible = verticalBar.position = nr;
    Relayout();
    HideSpinner();
    CommitValueEdit();
    dirty |= DirtyRedraw;
}

void TTabModel::ScrollBy(int dx, int dy) {
    if (!HasCurrent())
        return;
    ScrollTo(Current().axisX.firstVisible + dx, Current().axisY.firstVisible + dy);
}

void TTabModel::ScrollIntoView(int column, int row) {
    if (!HasCurrent())
        return;
    const CSheet &s = Current();
    int nc = s.axisX.firstVisible, nr = s.axisY.firstVisible;
    if (column >= 0 && s.axisX.collapsed == 0) {
        if (column < nc)
            nc = column;
        else if (column >= nc + visibleCols)
            nc = column - visibleCols + 1;
    }
    if (row >= 0 && s.axisY.collapsed == 0) {
        if (row < nr)
            nr = row;
        else if (row >= nr + visibleRows)
            nr = row - visibleRows + 1;
    }
    ScrollTo(nc, nr);
}

Rect TTabModel::ItemRect(int column, int row) const {
    if (row == -1 && column >= 0 && column < MaxX)
        return fullLayout.xHeaders[static_cast<std::size_t>(column)];
    if (column == -1 && row >= 0 && row < MaxY)
        return fullLayout.yHeaders[static_cast<std::size_t>(row)];
    if (column >= 0 && column < MaxX && row >= 0 && row < MaxY)
        return fullLayout.Cell(column, row);
    return Rect{};
}

int TTabModel::ColumnBoundaryAt(int x) const {
    const double cw = columnWidth > 0 ? columnWidth : 1.0;
    return Trunc((x - cellsX + cw / 2) / cw) + (HasCurrent() ? Current().axisX.firstVisible : 0);
}

int TTabModel::RowBoundaryAt(int y) const {
    const double rh = rowHeight > 0 ? rowHeight : 1.0;
    return Trunc((y - cellsY + rh / 2) / rh) + (HasCurrent() ? Current().axisY.firstVisible : 0);
}

} // namespace zarvex1
