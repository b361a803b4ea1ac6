#pragma once

#include <span>

namespace zarvex1 {

// A window or monitor rectangle in screen pixels; right and bottom lie just outside.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect &, const ScreenRect &) = default;
};

// The rectangle of a window placed at left, top with the given size.
ScreenRect WindowRect(int left, int top, int width, int height);

// Brings a window rectangle onto the nearest monitor, shrinking it to the monitor when it is larger.
// A rectangle already inside a monitor, or an empty list of monitors, leaves it as it is.
ScreenRect FitToMonitor(ScreenRect window, std::span<const ScreenRect> monitors);

} // namespace zarvex1
