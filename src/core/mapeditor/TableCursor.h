#pragma once

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class EditorSteps;
class TabLayout;
class TabSheets;

// The table cursor and the selections the table makes: the cursor is the top-left item of the
// current sheet's selection; moving it, extending it and the whole-line selections of the table.
class TableCursor {
public:
    static constexpr int MoveTo = 10000; // dx or dy of MoveTo + i moves to index i

    TableCursor(EditorSteps &steps, TabSheets &sheets, TabLayout &layout)
        : steps_(steps), sheets_(sheets), layout_(layout) {}

    // The top-left item of the selection, or false when nothing is selected.
    bool At(int &column, int &row) const;
    // Whether the axis of an item may be edited: the data axis for a cell, X or Y for a header.
    bool TargetEditable(int column, int row) const;
    // The selection's bounding box, ordered; x or y -1 on a header line, all -2 when empty.
    Block SelectionBlock() const;

    // Moves by (dx, dy), wrapping through the header column and row; with extend the moving corner
    // goes without wrap and the selection becomes the rectangle from the anchor.
    void MoveCursor(int dx, int dy, bool extend);
    void SelectOne(int column, int row);
    // Whether every cell in use is selected.
    bool AllCellsSelected() const;
    // Every cell in use (only the used line of a collapsed axis); clears instead when all are selected.
    void SelectAllCells();
    // Every X header (AxisX) or Y header (AxisY).
    void SelectAllHeaders(int which);
    // The cells of a column (AxisX, index) or row (AxisY, index) unless all are selected already.
    void SelectLine(int which, int index);
    // Right click on an item: an unselected cell or header becomes the only selection.
    void SelectForPopup(int column, int row);
    void ClearSelection();

private:
    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
};

} // namespace zarvex1
