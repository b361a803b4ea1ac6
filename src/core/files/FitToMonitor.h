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

    // Saturated at the limits of int, so that any rectangle gives a size.
    int width() const;
    int height() const;
};

// A window's place and size as application.ini keeps them.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The rectangle of a window placed at left, top with the given size.
ScreenRect WindowRect(int left, int top, int width, int height);

// Brings a window rectangle onto the nearest monitor, shrinking it to the monitor when it is larger.
// A rectangle already inside a monitor, or an empty list of monitors, leaves it as it is.
ScreenRect FitToMonitor(ScreenRect window, std::span<const ScreenRect> monitors);

// Where the window goes at start: the stored place, with the current size for a stored size of 0 or
// less and never smaller than the window's minimum size (what it actually gets), fitted to the monitors.
// Values near the limits of int, as a damaged or hostile settings file may hold, saturate instead of
// overflowing, and the window always lands on a monitor.
ScreenRect RestoredWindowRect(const WindowPlacement &stored, const WindowPlacement &current,
                              std::span<const ScreenRect> monitors, int minimumWidth = 0,
                              int minimumHeight = 0);

} // namespace zarvex1
