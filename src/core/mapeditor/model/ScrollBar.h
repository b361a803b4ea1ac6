#pragma once

#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {

// Parts of a scroll bar (the part under the mouse and the part pressed).
enum ScrollPart : int {
    PartNone = 0,
    PartFirstArrow = 1,
    PartSecondArrow = 2,
    PartThumb = 4,
    PartTrackBefore = 8,
    PartTrackAfter = 16,
};

// One of the editor's own scroll bars: geometry along the bar, hover, press, thumb drag and the
// auto-repeat of a held part. Positions are in points of the axis (columns or rows).
class ScrollBar {
public:
    explicit ScrollBar(bool isHorizontal) : horizontal(isHorizontal) {}

    bool horizontal;
    int shown = 0;
    Rect rect;
    int total = 0;
    int page = 0;
    int position = 0;
    int hoverPart = PartNone;
    int pressedPart = PartNone;
    int thumbDrag = 0;
    int dragStartMouse = 0;
    int dragStartPosition = 0;
    int pressTick = 0;
    int ticks = 0;
    int mouseX = -1;
    int mouseY = -1;

    int Thickness() const;
    int TrackLength() const;
    int ThumbLength() const;
    int ThumbOffset() const;
    int MaxPosition() const { return total > page ? total - page : 0; }
    bool Drawn() const { return shown != 0 && total > 0 && page < total; }
    // The part at a mouse position inside the rectangle (edges inclusive), PartNone outside.
    int PartAt(int x, int y) const;

    // Mouse move: returns true when the position changed (thumb drag); redraw reports a changed look.
    bool Hover(int x, int y, bool &redraw);
    // Left button down: returns true when the bar took the press; moved reports a changed position.
    bool Press(int x, int y, int tick, bool &moved);
    // Left button up: true when handled (a press or drag ended, or the mouse is over the bar).
    bool Release(int x, int y);
    // Auto-repeat of a held part: returns true when the position changed.
    bool Tick();

private:
    int Along(int x, int y) const { return horizontal ? x - rect.left : y - rect.top; }
    bool Step(int part);
};

} // namespace zarvex1
