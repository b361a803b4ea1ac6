#include "core/files/FitToMonitor.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zarvex1 {

namespace {

// Computed wide, so that any rectangle from the settings file is safe to move.
struct Wide {
    std::int64_t left, top, right, bottom;
};

Wide Widen(const ScreenRect &r) {
    return {r.left, r.top, r.right, r.bottom};
}

int Narrow(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// How far the window reaches out of the monitor, summed over the four sides.
std::int64_t Distance(const Wide &w, const Wide &m) {
    std::int64_t d = 0;
    if (w.left < m.left)
        d += m.left - w.left;
    if (w.right > m.right)
        d += w.right - m.right;
    if (w.top < m.top)
        d += m.top - w.top;
    if (w.bottom > m.bottom)
        d += w.bottom - m.bottom;
    return d;
}

// The steps of FitToMonitor on a wide rectangle; the result lies on the chosen monitor.
ScreenRect FitWide(Wide w, std::span<const ScreenRect> monitors) {
    if (monitors.empty())
        return {Narrow(w.left), Narrow(w.top), Narrow(w.right), Narrow(w.bottom)};
    Wide m = Widen(monitors.front());
    std::int64_t bestDistance = Distance(w, m);
    for (const ScreenRect &monitor : monitors.subspan(1))
        if (const std::int64_t d = Distance(w, Widen(monitor)); d < bestDistance) {
            m = Widen(monitor);
            bestDistance = d;
        }
    if (bestDistance == 0)
        return {Narrow(w.left), Narrow(w.top), Narrow(w.right), Narrow(w.bottom)};

    if (m.right - m.left < w.right - w.left) {
        w.left = m.left;
        w.right = m.right;
    }
    if (m.bottom - m.top < w.bottom - w.top) {
        w.top = m.top;
        w.bottom = m.bottom;
    }
    if (w.right > m.right) {
        w.left -= w.right - m.right;
        w.right = m.right;
    }
    if (w.bottom > m.bottom) {
        w.top -= w.bottom - m.bottom;
        w.bottom = m.bottom;
    }
    if (w.left < m.left) {
        w.right += m.left - w.left;
        w.left = m.left;
    }
    if (w.top < m.top) {
        w.bottom += m.top - w.top;
        w.top = m.top;
    }
    w.right = std::min(w.right, m.right);
    w.bottom = std::min(w.bottom, m.bottom);
    return {Narrow(w.left), Narrow(w.top), Narrow(w.right), Narrow(w.bottom)};
}

} // namespace

int ScreenRect::width() const {
    return Narrow(std::int64_t{right} - left);
}

int ScreenRect::height() const {
    return Narrow(std::int64_t{bottom} - top);
}

ScreenRect WindowRect(int left, int top, int width, int height) {
    return {left, top, Narrow(std::int64_t{left} + width), Narrow(std::int64_t{top} + height)};
}

ScreenRect FitToMonitor(ScreenRect window, std::span<const ScreenRect> monitors) {
    return FitWide(Widen(window), monitors);
}

ScreenRect RestoredWindowRect(const WindowPlacement &stored, const WindowPlacement &current,
                              std::span<const ScreenRect> monitors, int minimumWidth, int minimumHeight) {
    // A window cannot be smaller than its minimum: placed by a tiny stored size, it would hang over the
    // monitor's edge.
    const int width = std::max(stored.width > 0 ? stored.width : current.width, minimumWidth);
    const int height = std::max(stored.height > 0 ? stored.height : current.height, minimumHeight);
    // Wide, so that a place near the limit keeps its size until the monitor brings it back.
    return FitWide(
        {stored.left, stored.top, std::int64_t{stored.left} + width, std::int64_t{stored.top} + height},
        monitors);
}

} // namespace zarvex1
