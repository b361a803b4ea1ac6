#include "core/mapeditor/input/BlockDrag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

namespace {

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

// One step towards a mouse d pixels beyond an edge, faster the further it is.
bool ScrollDue(int tick, int d) {
    return d > 0 && tick % std::max(1, (100 - std::abs(d)) / 10) == 0;
}

Rect Grown(const Rect &r, int by) {
    return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool BlockEditable(const CSheet &s, const Block &b) {
    if (b.y0 == -1)
        return s.axisX.editable();
    if (b.x0 == -1)
        return s.axisY.editable();
    return s.axisData.editable();
}

} // namespace

int BlockDrag::ZoneAt(int x, int y) const {
    if (!sheets_.HasCurrent() || sheets_.Current().sel.mode != SelNothing || sheets_.Current().sel.Empty())
        return DragNone;
    const Block b = cursor_.SelectionBlock();
    if (b.x0 < -1 || !BlockEditable(sheets_.Current(), b))
        return DragNone;
    const Rect r = layout_.BlockPixels(b, sheets_.Current());
    if (r == Rect{} || !Grown(layout_.BlockPart(b), 2).Contains(x, y))
        return DragNone;
    if (std::abs(x - r.right) <= 5 && std::abs(y - r.bottom) <= 5)
        return DragFill;
    const bool onEdge = std::abs(x - r.left) <= 2 || std::abs(x - r.right) <= 2 || std::abs(y - r.top) <= 2 ||
                        std::abs(y - r.bottom) <= 2;
    return onEdge && Grown(r, 2).Contains(x, y) ? DragCopy : DragNone;
}

bool BlockDrag::InterpolationMarkerAt(int x, int y) const {
    if (!sheets_.HasCurrent() || sheets_.Current().sel.isRectangle == 0)
        return false;
    const TSel &sel = sheets_.Current().sel;
    const Block b{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1};
    if (!BlockEditable(sheets_.Current(), b))
        return false;
    const Rect r = layout_.BlockPixels(b, sheets_.Current());
    if (r == Rect{} || !r.Contains(x, y) || !layout_.BlockPart(b).Contains(x, y))
        return false;
    const int reach = Trunc(layout_.Geometry().rowHeight);
    for (const auto &[cx, cy] : {std::pair{r.left, r.top}, std::pair{r.right, r.top},
                                 std::pair{r.left, r.bottom}, std::pair{r.right, r.bottom}})
        if (std::abs(x - cx) + std::abs(y - cy) <= reach)
            return true;
    return false;
}

void BlockDrag::Begin(int mode, int x, int y) {
    const Block block = cursor_.SelectionBlock();
    if ((mode != DragFill && mode != DragCopy) || block.x0 < -1)
        return;
    mode_ = mode;
    startX_ = x;
    startY_ = y;
    block_ = block;
    steps_.Request(DirtyRedraw);
}

bool BlockDrag::Update(int x, int y) {
    if (mode_ == DragNone || !sheets_.HasCurrent())
        return false;
    steps_.SetMouse(x, y);
    const CSheet &s = sheets_.Current();
    const TableGeometry &g = layout_.Geometry();
    const Block src = cursor_.SelectionBlock();
    const int dc = g.columnWidth > 0 ? Trunc((x - startX_) / static_cast<double>(g.columnWidth)) : 0;
    const int dr = g.rowHeight > 0 ? Trunc((y - startY_) / static_cast<double>(g.rowHeight)) : 0;
    const int nx = s.axisX.count, ny = s.axisY.count;
    // One axis of the block: the fill moves its last index, the copy moves both and stays inside.
    auto along = [this](int first, int last, int d, int count, bool fixed, int &outFirst, int &outLast) {
        if (fixed || first == -1) {
            outFirst = first;
            outLast = last;
            return;
        }
        if (mode_ == DragFill) {
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
    along(src.x0, src.x1, dc, nx, s.axisX.collapsed(), next.x0, next.x1);
    along(src.y0, src.y1, dr, ny, s.axisY.collapsed(), next.y0, next.y1);
    if (next == block_)
        return false;
    block_ = next;
    steps_.Request(DirtyRedraw);
    return true;
}

void BlockDrag::End() {
    if (mode_ == DragNone)
        return;
    const int mode = mode_;
    mode_ = DragNone;
    operations_.ApplyDrag(mode, block_);
}

void BlockDrag::ScrollTick() {
    if (!sheets_.HasCurrent())
        return;
    CSheet &s = sheets_.Current();
    TSel &sel = s.sel;
    const bool selecting = (sel.mode & SelDragTable) != 0;
    if (!selecting && mode_ == DragNone)
        return;
    bool sideways = !s.axisX.collapsed();
    bool vertical = !s.axisY.collapsed();
    if (selecting) {
        const int family = sel.mode & SelFamilies;
        sideways = sideways && (family & (SelCells | SelXHeaders | SelColumns)) != 0;
        vertical = vertical && (family & (SelCells | SelYHeaders | SelRows)) != 0;
    } else {
        sideways = sideways && block_.x0 != -1;
        vertical = vertical && block_.y0 != -1;
    }
    const TableGeometry &g = layout_.Geometry();
    const int right = g.CellsRight();
    const int bottom = g.CellsBottom();
    const int mouseX = steps_.MouseX(), mouseY = steps_.MouseY();
    const int tick = steps_.TickCount();
    int dc = 0, dr = 0;
    if (sideways) {
        if (mouseX < g.cellsX && ScrollDue(tick, g.cellsX - mouseX))
            dc = -1;
        else if (mouseX > right && ScrollDue(tick, mouseX - right))
            dc = 1;
    }
    if (vertical) {
        if (mouseY < g.cellsY && ScrollDue(tick, g.cellsY - mouseY))
            dr = -1;
        else if (mouseY > bottom && ScrollDue(tick, mouseY - bottom))
            dr = 1;
    }
    if (dc == 0 && dr == 0)
        return;
    const int c0 = s.axisX.firstVisible, r0 = s.axisY.firstVisible;
    steps_.ScrollBy(dc, dr);
    const int scrolledX = Trunc((s.axisX.firstVisible - c0) * static_cast<double>(g.columnWidth));
    const int scrolledY = Trunc((s.axisY.firstVisible - r0) * static_cast<double>(g.rowHeight));
    if (scrolledX == 0 && scrolledY == 0)
        return;
    if (selecting) {
        // The band's anchor stays on its item while the cells move under it.
        sel.anchorX -= scrolledX;
        sel.anchorY -= scrolledY;
        const int x = std::clamp(mouseX, g.cellsX + 1, std::max(g.cellsX + 1, right - 1));
        const int y = std::clamp(mouseY, g.cellsY + 1, std::max(g.cellsY + 1, bottom - 1));
        sel.ExtendSelectionDrag(layout_.FullRecord(), x, y, true);
    } else {
        startX_ -= scrolledX;
        startY_ -= scrolledY;
        Update(mouseX, mouseY);
    }
    steps_.Request(DirtyRedraw);
}

} // namespace zarvex1
