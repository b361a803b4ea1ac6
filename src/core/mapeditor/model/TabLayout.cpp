#include "core/mapeditor/model/TabLayout.h"

#include <algorithm>
#include <cmath>

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

int TableGeometry::ColumnEdge(int c) const {
    return Trunc(cellsX + c * static_cast<double>(columnWidth));
}

int TableGeometry::RowEdge(int r) const {
    return Trunc(cellsY + r * static_cast<double>(rowHeight));
}

TabLayout::TabLayout(int width, int height, int options, int ppi) {
    geo_.width = width;
    geo_.height = height;
    geo_.options = options;
    geo_.pixelsPerInch = ppi;
    geo_.headerGap = ppi * 15 / 96;
    geo_.rowHeaderWidth = ppi * 65 / 96;
}

void TabLayout::Resize(int width, int height) {
    geo_.width = std::max(1, width);
    geo_.height = std::max(1, height);
}

void TabLayout::SetWanted(int cols, int rows) {
    geo_.colsWanted = std::max(1, cols);
    geo_.rowsWanted = std::max(1, rows);
}

int TabLayout::ToolbarWidth(const TabSheets &sheets) const {
    if (!geo_.Has(ShowToolbar))
        return 0;
    int useButtons = 0;
    for (const CSheet &s : sheets.All()) {
        int e = 0;
        if (s.axisX.collapseMode != 2 && s.axisY.collapseMode != 2) {
            e = (s.axisX.collapseMode == 1 ? 1 : 0) + (s.axisY.collapseMode == 1 ? 1 : 0);
            if (e != 0)
                ++e;
        }
        useButtons = std::max(useButtons, e);
    }
    int views =
        (geo_.Has(AllowTable) ? 1 : 0) + (geo_.Has(AllowGraph2D) ? 1 : 0) + (geo_.Has(AllowGraph3D) ? 1 : 0);
    if (views == 1)
        views = 0; // a single view needs no buttons
    return useButtons * 75 + views * 63 + 123;
}

void TabLayout::Rebuild(const TabSheets &sheets) {
    TableGeometry &g = geo_;
    const int toolbar = ToolbarWidth(sheets);
    g.leftMargin = 10;
    g.rightMargin = 27;
    g.bottomMargin = 27;
    g.toolbarLeft = g.width - toolbar - 27;
    int tabs = 2;
    for (const CSheet &s : sheets.All())
        tabs += s.titleWidth;
    g.toolbarTop = sheets.Count() > 1 && tabs > g.toolbarLeft - 10 ? 25 : 5;
    if (g.Has(ShowToolbar))
        g.topMargin = g.toolbarTop + 31;
    else if (g.Has(ShowTitleLine) || sheets.Count() > 1)
        g.topMargin = g.toolbarTop + 20;
    else
        g.topMargin = 10;
    g.tableX = g.leftMargin;
    g.tableY = g.topMargin;
    g.columnHeaderHeight = (g.height - g.tableY - g.headerGap - g.bottomMargin) / (g.rowsWanted + 1);
    g.cellsX = g.leftMargin + g.rowHeaderWidth + g.headerGap;
    g.cellsY = g.tableY + g.columnHeaderHeight + g.headerGap;
    g.columnWidth = static_cast<float>(g.width - g.cellsX - g.rightMargin) / static_cast<float>(g.colsWanted);
    g.rowHeight =
        static_cast<float>(g.height - g.tableY - g.columnHeaderHeight - g.headerGap - g.bottomMargin) /
        static_cast<float>(g.rowsWanted);
}

void TabLayout::Relayout(CSheet &s) {
    TableGeometry &g = geo_;
    CAxe &ax = s.axisX;
    CAxe &ay = s.axisY;
    g.visibleCols = std::min(g.colsWanted, ax.count);
    g.visibleRows = std::min(g.rowsWanted, ay.count);
    if (ax.collapsed())
        g.visibleCols = 1;
    else if (ay.collapsed())
        g.visibleRows = 1;
    ax.UpdateCollapsedIndex();
    ay.UpdateCollapsedIndex();
    ax.firstVisible = std::clamp(ax.firstVisible, 0, std::max(0, ax.count - g.visibleCols));
    ay.firstVisible = std::clamp(ay.firstVisible, 0, std::max(0, ay.count - g.visibleRows));

    ScrollBar &h = horizontalBar_;
    h.shown = g.visibleCols == g.colsWanted && ax.count > g.colsWanted ? 1 : 0;
    h.rect.left = g.cellsX;
    h.rect.top = Trunc(g.cellsY + g.visibleRows * static_cast<double>(g.rowHeight) + 1);
    h.rect.right = g.CellsRight();
    h.rect.bottom = h.rect.top + 15;
    h.total = ax.count;
    h.page = g.colsWanted;
    h.position = ax.firstVisible;

    ScrollBar &v = verticalBar_;
    v.shown = g.visibleRows == g.rowsWanted && ay.count > g.rowsWanted ? 1 : 0;
    v.rect.left = Trunc(g.cellsX + g.visibleCols * static_cast<double>(g.columnWidth) + 1);
    v.rect.top = g.cellsY;
    v.rect.right = v.rect.left + 15;
    v.rect.bottom = g.CellsBottom();
    v.total = ay.count;
    v.page = g.rowsWanted;
    v.position = ay.firstVisible;

    FillLayouts(s);
    SetViewMode(0, &s);
}

void TabLayout::SetFirstVisible(CSheet &s, int firstColumn, int firstRow) {
    s.axisX.firstVisible = horizontalBar_.position = firstColumn;
    s.axisY.firstVisible = verticalBar_.position = firstRow;
    Relayout(s);
}

void TabLayout::FillLayouts(const CSheet &s) {
    const TableGeometry &g = geo_;
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    const int c0 = ax.firstVisible, r0 = ay.firstVisible;
    const double cw = g.columnWidth, rh = g.rowHeight;
    const int nx = std::clamp(ax.count, 0, MaxX), ny = std::clamp(ay.count, 0, MaxY);
    for (LayoutRecord *record : {&tableLayout_, &fullLayout_}) {
        record->Reset();
        record->width = g.width;
        record->height = g.height;
        record->columns = nx;
        record->rows = ny;
        record->validXHeaders = record->validYHeaders = record->validColumnBars = record->validRowBars =
            record->validCells = 1;
    }
    auto colVisible = [&](int i) { return ax.collapsed() || (i >= c0 && i < c0 + g.visibleCols); };
    auto rowVisible = [&](int j) { return ay.collapsed() || (j >= r0 && j < r0 + g.visibleRows); };
    // Left edge of column i and top edge of row j at their scrolled positions.
    auto colLeft = [&](int i) { return g.cellsX + (ax.collapsed() ? 0 : i - c0) * cw; };
    auto rowTop = [&](int j) { return g.cellsY + (ay.collapsed() ? 0 : j - r0) * rh; };
    auto put = [&](auto member, int index, const Rect &r, bool visible) {
        (fullLayout_.*member)[static_cast<std::size_t>(index)] = r;
        if (visible)
            (tableLayout_.*member)[static_cast<std::size_t>(index)] = r;
    };

    if (!ax.collapsed()) {
        for (int i = 0; i < nx; ++i) {
            const double left = colLeft(i);
            put(&LayoutRecord::xHeaders, i,
                Rect{Trunc(left), g.tableY, Trunc(left + cw), g.tableY + g.columnHeaderHeight},
                colVisible(i));
            put(&LayoutRecord::columnBars, i,
                Rect{Trunc(left), g.tableY + g.columnHeaderHeight, Trunc(left + cw), g.cellsY},
                colVisible(i));
        }
    }
    if (!ay.collapsed()) {
        for (int j = 0; j < ny; ++j) {
            const double top = rowTop(j);
            put(&LayoutRecord::yHeaders, j,
                Rect{g.tableX, Trunc(top), g.tableX + g.rowHeaderWidth, Trunc(top + rh)}, rowVisible(j));
            put(&LayoutRecord::rowBars, j,
                Rect{g.tableX + g.rowHeaderWidth, Trunc(top), g.cellsX, Trunc(top + rh)}, rowVisible(j));
        }
    }
    for (int j = 0; j < ny; ++j) {
        if (ay.collapsed() && j != ay.collapsedIndex)
            continue;
        for (int i = 0; i < nx; ++i) {
            if (ax.collapsed() && i != ax.collapsedIndex)
                continue;
            const double left = colLeft(i), top = rowTop(j);
            const Rect r{Trunc(left), Trunc(top), Trunc(left + cw), Trunc(top + rh)};
            fullLayout_.Cell(i, j) = r;
            if (colVisible(i) && rowVisible(j))
                tableLayout_.Cell(i, j) = r;
        }
    }
}

void TabLayout::SetViewMode(int mode, const CSheet *sheet) {
    TableGeometry &g = geo_;
    if (mode != 0)
        g.viewMode = mode;
    int m = g.viewMode;
    if (m == ViewTable && !g.Has(AllowTable))
        m = ViewGraph2D;
    if (m == ViewGraph2D && !g.Has(AllowGraph2D))
        m = ViewGraph3D;
    if (m == ViewGraph3D && !g.Has(AllowGraph3D))
        m = 8;
    if (m == 8)
        m = g.Has(AllowTable) ? ViewTable : g.Has(AllowGraph2D) ? ViewGraph2D : ViewNone;
    g.viewMode = g.shownViews = m;
    g.graph = GraphArea{g.leftMargin, g.topMargin, g.rightMargin, g.bottomMargin};
    if (m != ViewTable || sheet == nullptr || !g.Has(AllowGraph2D))
        return;
    // A 2D graph goes below or beside the table when it leaves more than 100 pixels.
    const CSheet &s = *sheet;
    const bool xc = s.axisX.collapsed(), yc = s.axisY.collapsed();
    const int nx = std::max(1, s.axisX.count), ny = std::max(1, s.axisY.count);
    int l = Trunc(static_cast<double>(g.columnWidth) * (xc ? 1 : nx) + g.cellsX + 5);
    if (!yc && ny > g.rowsWanted)
        l += verticalBar_.rect.right - verticalBar_.rect.left;
    int bottom = Trunc((yc ? 1 : ny) * static_cast<double>(g.rowHeight) + g.cellsY + 5);
    if (!xc && nx > g.colsWanted)
        bottom += horizontalBar_.rect.bottom - horizontalBar_.rect.top;
    const int t = g.width - l - g.rightMargin;
    const int x = g.height - bottom - g.bottomMargin;
    const int u = xc ? t : t / nx;
    const int v = yc ? Trunc(x * 1.5) : Trunc(x / (ny * 2.0 / 3.0));
    if (v > 100) {
        g.graph = GraphArea{g.leftMargin, bottom, g.rightMargin, g.bottomMargin};
        g.shownViews |= ViewGraph2D;
    } else if (u > 100) {
        g.graph = GraphArea{l, g.topMargin, g.rightMargin, g.bottomMargin};
        g.shownViews |= ViewGraph2D;
    }
}

Rect TabLayout::ItemRect(int column, int row) const {
    if (row == -1 && column >= 0 && column < MaxX)
        return fullLayout_.xHeaders[static_cast<std::size_t>(column)];
    if (column == -1 && row >= 0 && row < MaxY)
        return fullLayout_.yHeaders[static_cast<std::size_t>(row)];
    if (column >= 0 && column < MaxX && row >= 0 && row < MaxY)
        return fullLayout_.Cell(column, row);
    return Rect{};
}

Rect BlockPixels(const TableGeometry &g, const CSheet &s, const Block &b) {
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    Rect r;
    if (b.x0 == -1) {
        r.left = g.tableX;
        r.right = g.tableX + g.rowHeaderWidth;
    } else if (ax.collapsed()) {
        if (b.y0 == -1 || ax.collapsedIndex < b.x0 || ax.collapsedIndex > b.x1)
            return Rect{}; // the header row of a collapsed axis, or a block beside the used column
        r.left = g.cellsX;
        r.right = g.ColumnEdge(1);
    } else {
        r.left = g.ColumnEdge(b.x0 - ax.firstVisible);
        r.right = g.ColumnEdge(b.x1 + 1 - ax.firstVisible);
    }
    if (b.y0 == -1) {
        r.top = g.tableY;
        r.bottom = g.tableY + g.columnHeaderHeight;
    } else if (ay.collapsed()) {
        if (b.x0 == -1 || ay.collapsedIndex < b.y0 || ay.collapsedIndex > b.y1)
            return Rect{};
        r.top = g.cellsY;
        r.bottom = g.RowEdge(1);
    } else {
        r.top = g.RowEdge(b.y0 - ay.firstVisible);
        r.bottom = g.RowEdge(b.y1 + 1 - ay.firstVisible);
    }
    return r;
}

Rect BlockPart(const TableGeometry &g, const Block &b) {
    if (b.y0 == -1)
        return Rect{g.cellsX, g.tableY, g.CellsRight(), g.tableY + g.columnHeaderHeight};
    if (b.x0 == -1)
        return Rect{g.tableX, g.cellsY, g.tableX + g.rowHeaderWidth, g.CellsBottom()};
    return Rect{g.cellsX, g.cellsY, g.CellsRight(), g.CellsBottom()};
}

Rect TabLayout::BlockPixels(const Block &b, const CSheet &s) const {
    return zarvex1::BlockPixels(geo_, s, b);
}

Rect TabLayout::BlockPart(const Block &b) const {
    return zarvex1::BlockPart(geo_, b);
}

Rect TabLayout::SheetTabRect(int index, const TabSheets &sheets) const {
    if (!sheets.Valid(index))
        return Rect{};
    int left = 2;
    for (int i = 0; i < index; ++i)
        left += sheets.Sheet(i).titleWidth + 1;
    const int right = left + sheets.Sheet(index).titleWidth;
    if (index == sheets.CurrentIndex())
        return Rect{left - 2, 0, right + 2, 20};
    return Rect{left, 0, right, 18};
}

int TabLayout::SheetTabAt(int x, int y, const TabSheets &sheets) const {
    if (sheets.Count() < 2 || y < 0 || y > 19)
        return 0;
    int left = 2;
    for (int i = 0; i < sheets.Count(); ++i) {
        const int right = left + sheets.Sheet(i).titleWidth + (i == sheets.CurrentIndex() ? 2 : 0);
        if (x >= left && x <= right)
            return i + 1;
        left += sheets.Sheet(i).titleWidth + 1;
    }
    return 0;
}

bool TabLayout::OverTable(int x, int y, const CSheet &s) const {
    const TableGeometry &g = geo_;
    if ((g.shownViews & ViewTable) == 0 || !s.enabled())
        return false;
    return x >= g.tableX && x <= Trunc(g.cellsX + g.visibleCols * static_cast<double>(g.columnWidth) + 15) &&
           y >= g.tableY && y <= Trunc(g.cellsY + g.visibleRows * static_cast<double>(g.rowHeight) + 15);
}

bool TabLayout::OverGraph(int x, int y, const CSheet &s) const {
    const TableGeometry &g = geo_;
    if ((g.shownViews & (ViewGraph2D | ViewGraph3D)) == 0 || !s.enabled())
        return false;
    return x >= g.graph.graphLeft && x <= g.width - g.graph.graphRight && y >= g.graph.graphTop &&
           y <= g.height - g.graph.graphBottom;
}

Rect TabLayout::ViewSwitchZone() const {
    const TableGeometry &g = geo_;
    const int top = Trunc(g.cellsY + g.rowHeight * static_cast<double>(g.visibleRows) - 2);
    return Rect{g.tableX - 10, top, g.tableX + 1, top + 12};
}

int TabLayout::ColumnBoundaryAt(int x, const CSheet &s) const {
    const double cw = geo_.columnWidth > 0 ? geo_.columnWidth : 1.0;
    return Trunc((x - geo_.cellsX + cw / 2) / cw) + s.axisX.firstVisible;
}

int TabLayout::RowBoundaryAt(int y, const CSheet &s) const {
    const double rh = geo_.rowHeight > 0 ? geo_.rowHeight : 1.0;
    return Trunc((y - geo_.cellsY + rh / 2) / rh) + s.axisY.firstVisible;
}

} // namespace zarvex1
