#pragma once

#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/ScrollBar.h"
#include "core/mapeditor/model/Selection.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

// The numbers of the editor's table layout: margins, header sizes, the first cell's corner, the cell
// size, what is visible, the views drawn and the graph area. Pixel values are integers; the cell size
// is fractional and every coordinate computed from it is truncated.
struct TableGeometry {
    int width = 0;
    int height = 0;
    int options = 0; // EditorOptions
    int pixelsPerInch = 96;
    int colsWanted = 15; // the table is laid out for this many columns and rows
    int rowsWanted = 10;
    int visibleCols = 0;
    int visibleRows = 0;
    int leftMargin = 10;
    int topMargin = 10;
    int rightMargin = 27;
    int bottomMargin = 27;
    int headerGap = 15;
    int rowHeaderWidth = 65;
    int toolbarLeft = 0;
    int toolbarTop = 5;
    int tableX = 0;
    int tableY = 0;
    int columnHeaderHeight = 0;
    int cellsX = 0;
    int cellsY = 0;
    float columnWidth = 0.0f;
    float rowHeight = 0.0f;
    int viewMode = ViewTable;
    int shownViews = ViewTable;
    GraphArea graph;

    bool Has(int option) const { return (options & option) != 0; }
    // Boundary between visible columns c - 1 and c (c counted from the first visible one), and rows.
    int ColumnEdge(int c) const;
    int RowEdge(int r) const;
    int CellsRight() const { return ColumnEdge(visibleCols); }
    int CellsBottom() const { return RowEdge(visibleRows); }
};

// Pixel rectangle of a block of items at its scrolled position (the header column and row for -1);
// empty when the block is not shown because of a collapsed axis. The layout and the painters share it.
Rect BlockPixels(const TableGeometry &geometry, const CSheet &sheet, const Block &block);
// The part of the table that holds a block: the cell area, the header row or the header column.
Rect BlockPart(const TableGeometry &geometry, const Block &block);

// The table's geometry for the current sheet: computed from the control's size and options and the
// sheets, it lays out the scroll bars and the rectangles the mouse is tested against, and answers
// where things are.
class TabLayout {
public:
    TabLayout(int width, int height, int options, int pixelsPerInch);

    const TableGeometry &Geometry() const { return geo_; }

    // A new control size; Rebuild lays the table out for it.
    void Resize(int width, int height);
    // The columns and rows the table is laid out for; pages set them before the first layout.
    void SetWanted(int cols, int rows);
    // Width of the toolbar: its use buttons for the sheet that needs most, its view buttons, the rest.
    int ToolbarWidth(const TabSheets &sheets) const;
    // Margins, toolbar place and cell size (RebuildToolbar's geometry).
    void Rebuild(const TabSheets &sheets);
    // Visible counts, collapsed indices, scroll limits and bars, the layout records, then the view mode.
    void Relayout(CSheet &sheet);
    // mode 1, 2 or 4 becomes the chosen view, 0 re-applies it; the result is an allowed view, and in the
    // table view a 2D graph joins it where it leaves room.
    void SetViewMode(int mode, const CSheet *sheet);
    void SetFirstVisible(CSheet &sheet, int firstColumn, int firstRow);

    ScrollBar &HorizontalBar() { return horizontalBar_; }
    ScrollBar &VerticalBar() { return verticalBar_; }
    const ScrollBar &HorizontalBar() const { return horizontalBar_; }
    const ScrollBar &VerticalBar() const { return verticalBar_; }
    // The visible items (tableLayout) and all items at their scrolled positions (fullLayout).
    LayoutRecord &TableRecord() { return tableLayout_; }
    LayoutRecord &FullRecord() { return fullLayout_; }
    const LayoutRecord &TableRecord() const { return tableLayout_; }
    const LayoutRecord &FullRecord() const { return fullLayout_; }

    // Pixel rectangle of an item (column or row -1 for headers) at its scrolled position.
    Rect ItemRect(int column, int row) const;
    // Pixel rectangle of a block at its scrolled position (header column and row for -1); empty when
    // the block is not shown because of a collapsed axis.
    Rect BlockPixels(const Block &block, const CSheet &sheet) const;
    // The part of the table that holds a block: the cell area, the header row or the header column.
    Rect BlockPart(const Block &block) const;
    // Sheet tab i: from the previous tab's right edge + 1 (2 for the first), titleWidth wide, down to
    // y 18 (the current one to y 20, 2 pixels wider on both sides).
    Rect SheetTabRect(int index, const TabSheets &sheets) const;
    // Index + 1 of the sheet tab under the mouse, 0 for none (only with more than one sheet).
    int SheetTabAt(int x, int y, const TabSheets &sheets) const;
    bool OverTable(int x, int y, const CSheet &sheet) const;
    bool OverGraph(int x, int y, const CSheet &sheet) const;
    // Without a toolbar: the small zone left of the table below its last row that switches views.
    Rect ViewSwitchZone() const;
    // Insertion boundary nearest to a pixel position (the popup menu's position).
    int ColumnBoundaryAt(int x, const CSheet &sheet) const;
    int RowBoundaryAt(int y, const CSheet &sheet) const;

private:
    void FillLayouts(const CSheet &sheet);

    TableGeometry geo_;
    ScrollBar horizontalBar_{true};
    ScrollBar verticalBar_{false};
    LayoutRecord tableLayout_;
    LayoutRecord fullLayout_;
};

} // namespace zarvex1
