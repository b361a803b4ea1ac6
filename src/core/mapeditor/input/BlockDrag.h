#pragma once

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabLayout;
class TabSheets;
class TableCursor;

// The block drags of the table (the fill handle at the selection's bottom-right corner and its
// border), their hover zones and the interpolation markers, and the scrolling of a drag towards a
// mouse beyond the visible cells.
class BlockDrag {
public:
    BlockDrag(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TableCursor &cursor,
              EditOperations &operations)
        : steps_(steps), sheets_(sheets), layout_(layout), cursor_(cursor), operations_(operations) {}

    int Mode() const { return mode_; }
    // The block being resized or moved.
    const Block &Dragged() const { return block_; }

    // Hover zone of the selection block: DragFill at its bottom-right corner, DragCopy on its border.
    int ZoneAt(int x, int y) const;
    // Whether the pointer is on a corner marker of the interpolation rectangle.
    bool InterpolationMarkerAt(int x, int y) const;

    void Begin(int mode, int x, int y);
    // Mouse move during a drag: returns true when the dragged block changed.
    bool Update(int x, int y);
    // Button up: applies the drag to the dragged block.
    void End();
    // Scrolls a selection or block drag towards a mouse beyond the visible cells (once per tick).
    void ScrollTick();

private:
    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    TableCursor &cursor_;
    EditOperations &operations_;
    int mode_ = DragNone;
    int startX_ = 0;
    int startY_ = 0;
    Block block_;
};

} // namespace zarvex1
