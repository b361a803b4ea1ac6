#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "mapeditor/TabModel.h"

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

// One step towards a mouse d pixels beyond an edge, faster the further it is.
bool ScrollDue(int tick, int d) {
    return d > 0 && tick % std::max(1, (100 - std::abs(d)) / 10) == 0;
}

} // namespace

Block TTabModel::SelectionBlock() const {
    if (!HasCurrent() || Current().sel.Empty())
        return Block{-2, -2, -2, -2};
    const TSel &sel = Current().sel;
    return Block{std::min(sel.boxX0, sel.boxX1), std::max(sel.boxX0, sel.boxX1),
                 std::min(sel.boxY0, sel.boxY1), std::max(sel.boxY0, sel.boxY1)};
}

void TTabModel::BeginBlockDrag(int mode, int x, int y) {
    const Block block = SelectionBlock();
    if ((mode != DragFill && mode != DragCopy) || block.x0 < -1)
        return;
    dragMode = mode;
    dragStartX = x;
    dragStartY = y;
    dragBlock = block;
    dirty |= DirtyRedraw;
}

bool TTabModel::UpdateBlockDrag(int x, int y) {
    if (dragMode == DragNone || !HasCurrent())
        return false;
    mouseX = x;
    mouseY = y;
    const CSheet &s = Current();
    const Block src = SelectionBlock();
    const int dc = columnWidth > 0 ? Trunc((x - dragStartX) / static_cast<double>(columnWidth)) : 0;
    const int dr = rowHeight > 0 ? Trunc((y - dragStartY) / static_cast<double>(rowHeight)) : 0;
    const int nx = s.axisX.count, ny = s.axisY.count;
    // One axis of the block: the fill moves its last index, the copy moves both and stays inside.
    auto along = [this](int first, int last, int d, int count, bool fixed, int &outFirst, int &outLast) {
        if (fixed || first == -1) {
            outFirst = first;
            outLast = last;
            return;
        }
        if (dragMode == DragFill) {
            outFirst = first;
            outLast = last + d;
            if (outFirst > outLast)
                std::swap(outFirst, outLast);
            outFirst = std::clamp(outFirst, 0, count - 1);
            outLast = std::clamp(outLast, 0, count - 1);
        } else {
            const int shift = std::clamp(d, -first, count - 1 - last);
            outFirst = first + shift;
            outLast = last + shift;
        }
    };
    Block next;
    along(src.x0, src.x1, dc, nx, s.axisX.collapsed != 0, next.x0, next.x1);
    along(src.y0, src.y1, dr, ny, s.axisY.collapsed != 0, next.y0, next.y1);
    if (next == dragBlock)
        return false;
    dragBlock = next;
    dirty |= DirtyRedraw;
    return true;
}

void TTabModel::EndBlockDrag() {
    if (dragMode == DragNone)
        return;
    const int mode = dragMode;
    dragMode = DragNone;
    ApplyDrag(mode, dragBlock);
}

void TTabModel::DragScrollTick() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    TSel &sel = s.sel;
    const bool selecting = (sel.mode & SelDragTable) != 0;
    if (!selecting && dragMode == DragNone)
        return;
    bool sideways = s.axisX.collapsed == 0;
    bool vertical = s.axisY.collapsed == 0;
    if (selecting) {
        const int family = sel.mode & SelFamilies;
        sideways = sideways && (family & (SelCells | SelXHeaders | SelColumns)) != 0;
        vertical = vertical && (family & (SelCells | SelYHeaders | SelRows)) != 0;
    } else {
        sideways = sideways && dragBlock.x0 != -1;
        vertical = vertical && dragBlock.y0 != -1;
    }
    const int right = Trunc(cellsX + visibleCols * static_cast<double>(columnWidth));
    const int bottom = Trunc(cellsY + visibleRows * static_cast<double>(rowHeight));
    int dc = 0, dr = 0;
    if (sideways) {
        if (mouseX < cellsX && ScrollDue(tickCount, cellsX - mouseX))
            dc = -1;
        else if (mouseX > right && ScrollDue(tickCount, mouseX - right))
            dc = 1;
    }
    if (vertical) {
        if (mouseY < cellsY && ScrollDue(tickCount, cellsY - mouseY))
            dr = -1;
        else if (mouseY > bottom && ScrollDue(tickCount, mouseY - bottom))
            dr = 1;
    }
    if (dc == 0 && dr == 0)
        return;
    const int c0 = s.axisX.firstVisible, r0 = s.axisY.firstVisible;
    ScrollBy(dc, dr);
    const int scrolledX = Trunc((s.axisX.firstVisible - c0) * static_cast<double>(columnWidth));
    const int scrolledY = Trunc((s.axisY.firstVisible - r0) * static_cast<double>(rowHeight));
    if (scrolledX == 0 && scrolledY == 0)
        return;
    if (selecting) {
        // The band's anchor stays on its item while the cells move under it.
        sel.anchorX -= scrolledX;
        sel.anchorY -= scrolledY;
        const int x = std::clamp(mouseX, cellsX + 1, std::max(cellsX + 1, right - 1));
        const int y = std::clamp(mouseY, cellsY + 1, std::max(cellsY + 1, bottom - 1));
        sel.ExtendSelectionDrag(fullLayout, x, y, true);
    } else {
        dragStartX -= scrolledX;
        dragStartY -= scrolledY;
        UpdateBlockDrag(mouseX, mouseY);
    }
    dirty |= DirtyRedraw;
}

} // namespace zarvex1
