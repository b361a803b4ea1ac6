#include "core/mapeditor/model/ScrollBar.h"

#include <algorithm>

namespace zarvex1 {

int ScrollBar::Thickness() const {
    return std::min(rect.right - rect.left, rect.bottom - rect.top);
}

int ScrollBar::TrackLength() const {
    const int longSide = std::max(rect.right - rect.left, rect.bottom - rect.top);
    return longSide - 2 * Thickness();
}

int ScrollBar::ThumbLength() const {
    if (total <= 0)
        return 10;
    return std::max(10, TrackLength() * page / total);
}

int ScrollBar::ThumbOffset() const {
    const int c = TrackLength();
    const int f = ThumbLength();
    const int range = total - page;
    int g = range > 0 ? (c - f) * std::min(position, range) / range : 0;
    g = std::max(0, g);
    if (f + g > c)
        g = c - f;
    return g;
}

int ScrollBar::PartAt(int x, int y) const {
    if (!rect.Contains(x, y))
        return PartNone;
    const int o = Along(x, y) - Thickness();
    const int c = TrackLength();
    const int g = ThumbOffset();
    if (o < 0)
        return PartFirstArrow;
    if (o >= c)
        return PartSecondArrow;
    if (o < g)
        return PartTrackBefore;
    if (o >= ThumbLength() + g)
        return PartTrackAfter;
    return PartThumb;
}

bool ScrollBar::Hover(int x, int y, bool &redraw) {
    mouseX = x;
    mouseY = y;
    redraw = false;
    if (thumbDrag != 0) {
        const int c = std::max(1, TrackLength());
        const int next =
            std::clamp(total * (Along(x, y) - dragStartMouse) / c + dragStartPosition, 0, MaxPosition());
        const bool changed = next != position;
        position = next;
        redraw = changed;
        return changed;
    }
    if (rect.Contains(x, y)) {
        const int part = PartAt(x, y);
        redraw = part != hoverPart;
        hoverPart = part;
    } else {
        redraw = hoverPart != PartNone || pressedPart != PartNone;
        hoverPart = PartNone;
        pressedPart = PartNone;
    }
    return false;
}

bool ScrollBar::Step(int part) {
    const int stepSize = page < 2 ? 1 : page - 1;
    int next = position;
    switch (part) {
    case PartFirstArrow:
        next -= 1;
        break;
    case PartSecondArrow:
        next += 1;
        break;
    case PartTrackBefore:
        next -= stepSize;
        break;
    case PartTrackAfter:
        next += stepSize;
        break;
    default:
        break;
    }
    next = std::clamp(next, 0, MaxPosition());
    const bool changed = next != position;
    position = next;
    return changed;
}

bool ScrollBar::Press(int x, int y, int tick, bool &moved) {
    moved = false;
    if (!Drawn() || !rect.Contains(x, y))
        return false;
    mouseX = x;
    mouseY = y;
    const int part = PartAt(x, y);
    pressedPart = part;
    hoverPart = part;
    pressTick = tick;
    ticks = 0;
    if (part == PartThumb) {
        thumbDrag = 1;
        dragStartMouse = Along(x, y);
        dragStartPosition = position;
    } else {
        moved = Step(part);
    }
    return true;
}

bool ScrollBar::Release(int x, int y) {
    const bool wasActive = pressedPart != PartNone || thumbDrag != 0;
    pressedPart = PartNone;
    thumbDrag = 0;
    return wasActive || (Drawn() && rect.Contains(x, y));
}

bool ScrollBar::Tick() {
    if (pressedPart == PartNone || pressedPart == PartThumb || thumbDrag != 0)
        return false;
    if (++ticks < 3)
        return false;
    // On the track the repetition stops once the thumb has reached the mouse.
    if (pressedPart == PartTrackBefore || pressedPart == PartTrackAfter) {
        const int o = Along(mouseX, mouseY) - Thickness();
        const int g = ThumbOffset();
        const bool reached = pressedPart == PartTrackBefore ? o >= g : o < ThumbLength() + g;
        if (reached) {
            pressedPart = PartNone;
            return false;
        }
    }
    return Step(pressedPart);
}

} // namespace zarvex1
