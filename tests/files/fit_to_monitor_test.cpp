#include "files/FitToMonitor.h"

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

} // namespace
} // namespace zarvex1
