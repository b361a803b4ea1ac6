#pragma once

namespace zarvex1 {

class BlockDrag;
class EditOperations;
class EditorSteps;
class SpinnerInput;
class TabLayout;
class TabSheets;
class TableCursor;
class ValueEntry;

// Hover zones of the table view.
struct TableHover {
    bool onBorder = false;     // on a selection border: drag-copy
    bool onFillHandle = false; // on the fill handle: drag-fill
    bool onMarker = false;     // on an interpolation marker: the preview shows
    bool onText = false;       // on the in-place text
};

// The mouse in the table view: hover zones, the spinner, block drags, the rubber band, the corner and
// select buttons, the in-place text and the scroll bars. Each handler returns whether it used the
// event where that matters to the dispatcher.
class TableMouse {
public:
    TableMouse(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TableCursor &cursor,
               EditOperations &operations, ValueEntry &entry, SpinnerInput &spinner, BlockDrag &drag)
        : steps_(steps), sheets_(sheets), layout_(layout), cursor_(cursor), operations_(operations),
          entry_(entry), spinner_(spinner), drag_(drag) {}

    const TableHover &Hover() const { return hover_; }
    bool PreviewOn() const { return hover_.onMarker; }
    // True once after the mouse moved onto or off an interpolation marker.
    bool MarkerChanged() const { return markerChanged_; }
    void ClearZones() { hover_ = TableHover{}; }

    // A move while the control has the focus; leftHeld tells whether the left button is down.
    void Move(int x, int y, bool leftHeld);
    bool LeftDown(int x, int y, bool shift, bool control);
    bool LeftUp(int x, int y);
    void RightDown(int x, int y);
    void DoubleClick(int x, int y);
    // Whether a table drag is in progress: a block drag or a rubber band.
    bool Dragging() const;

private:
    bool ScrollBarsMove(int x, int y);
    bool ScrollBarsPress(int x, int y);
    void ApplyScroll();
    // The select-all area: the select-all button, or with a collapsed axis the box of the value name.
    bool OnSelectAll(int x, int y) const;
    // The corner: AxisX above its diagonal, AxisY below it, 0 outside.
    int CornerAt(int x, int y) const;

    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    TableCursor &cursor_;
    EditOperations &operations_;
    ValueEntry &entry_;
    SpinnerInput &spinner_;
    BlockDrag &drag_;
    TableHover hover_;
    bool markerChanged_ = false;
};

} // namespace zarvex1
