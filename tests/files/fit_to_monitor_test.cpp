#include "core/files/FitToMonitor.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace zarvex1 {

std::ostream &operator<<(std::ostream &out, const ScreenRect &r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(FitToMonitor, windowIsBroughtOntoTheNearestMonitor) {
    const ScreenRect full{0, 0, 1920, 1080};
    const ScreenRect second{1920, 0, 3840, 1080};
    const struct {
        const char *name;
        std::vector<ScreenRect> monitors;
        ScreenRect window;
        ScreenRect fitted;
    } cases[] = {
        {"inside", {full}, {100, 100, 900, 700}, {100, 100, 900, 700}},
        {"entirelyLeft", {full}, {-900, 100, -100, 600}, {0, 100, 800, 600}},
        {"largerThanMonitor", {full}, {-10, -10, 3000, 2000}, {0, 0, 1920, 1080}},
        {"widerOnly", {full}, {500, 100, 2500, 600}, {0, 100, 1920, 600}},
        {"overRightEdge", {full}, {1500, 500, 2300, 900}, {1120, 500, 1920, 900}},
        {"belowBottom", {full}, {100, 900, 500, 1300}, {100, 680, 500, 1080}},
        {"aboveTop", {full}, {100, -50, 500, 300}, {100, 0, 500, 350}},
        {"nearestOfTwo", {full, second}, {3000, 100, 4000, 500}, {2840, 100, 3840, 500}},
        {"insideSecond", {full, second}, {2000, 10, 2100, 20}, {2000, 10, 2100, 20}},
        {"tieTakesTheFirst", {{0, 0, 100, 100}, {200, 0, 300, 100}}, {100, 0, 200, 50}, {0, 0, 100, 50}},
        {"noMonitors", {}, {-5000, 0, -4000, 10}, {-5000, 0, -4000, 10}},
        {"extremeValues", {full}, {2147483000, 0, 2147483647, 100}, {1273, 0, 1920, 100}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitToMonitor(c.window, c.monitors), c.fitted) << c.name;
}

TEST(FitToMonitor, windowRectFromPlacementSaturates) {
    EXPECT_EQ(WindowRect(10, 20, 300, 400), (ScreenRect{10, 20, 310, 420}));
    EXPECT_EQ(WindowRect(2147483000, 0, 1000, 10).right, 2147483647);
}

// Stored values near the limits of int saturate and the window still lands on the monitor; a size of 0
// or less keeps the window's current size.
TEST(FitToMonitor, restoredWindowLandsOnAMonitorWhateverTheStoredValues) {
    constexpr int Max = 2147483647;
    constexpr int Min = -Max - 1;
    const std::vector<ScreenRect> monitors{{0, 0, 1920, 1080}, {1920, 0, 3840, 1200}};
    const WindowPlacement current{100, 100, 1000, 720};
    const struct {
        const char *name;
        WindowPlacement stored;
        ScreenRect placed;
    } cases[] = {
        {"asStored", {50, 60, 800, 600}, {50, 60, 850, 660}},
        {"leftAndWidthNearTheLimit", {Max - 10, 0, Max - 10, 500}, {1920, 0, 3840, 500}},
        {"allNearTheLimit", {Max, Max, Max, Max}, {1920, 0, 3840, 1200}},
        {"farLeftAndUp", {Min, Min, 800, 600}, {0, 0, 800, 600}},
        {"noSize", {10, 10, 0, Min}, {10, 10, 1010, 730}},
    };
    for (const auto &c : cases) {
        const ScreenRect placed = RestoredWindowRect(c.stored, current, monitors);
        EXPECT_EQ(placed, c.placed) << c.name;
        EXPECT_GT(placed.width(), 0) << c.name;
    }
    EXPECT_EQ((ScreenRect{Min, 0, Max, 10}).width(), Max);
}

// A tiny stored size in the monitor's corner: the window gets its minimum size, and it is that size which
// is brought onto the monitor, not the stored one (which fits and would leave the window hanging over).
TEST(FitToMonitor, restoredWindowIsFittedAtTheSizeItActuallyGets) {
    const std::vector<ScreenRect> monitor{{0, 0, 1600, 1000}};
    const WindowPlacement current{0, 0, 1000, 720};
    EXPECT_EQ(RestoredWindowRect({1599, 999, 1, 1}, current, monitor, 959, 747),
              (ScreenRect{641, 253, 1600, 1000}));
    EXPECT_EQ(RestoredWindowRect({10, 20, 1200, 800}, current, monitor, 959, 747),
              (ScreenRect{10, 20, 1210, 820}));
    // A minimum larger than the monitor still keeps the window's corner on it.
    EXPECT_EQ(RestoredWindowRect({1500, 900, 1, 1}, current, monitor, 2000, 1200),
              (ScreenRect{0, 0, 1600, 1000}));
}

} // namespace
} // namespace zarvex1
