#include <gtest/gtest.h>

#include "graph_fixture.h"

namespace zarvex1 {
namespace {

using testing::Graph2DEditor;

TEST(Graph2DInput, layoutOfTheFixture) {
    Graph2DEditor e;
    EXPECT_EQ(5.0, e.layout().yScale);
    EXPECT_EQ(4.0, e.layout().xScale);
    EXPECT_EQ(1, e.ranges().curveCount);
}

// The pointer takes a point, the start point of the base advance or the limiter line within 5 pixels.
TEST(Graph2DInput, hitTestsFindPointsAndMarkersAtTheirPixels) {
    Graph2DEditor e;
    const Graph2DLayout &g = e.layout();
    const int limiterX = g.plotLeft + 130 * 4;
    struct Case {
        int x, y, hot;
    } cases[] = {
        {e.x(5), e.y(5), 5},
        {e.x(5) + 3, e.y(5) - 3, 5},       // 4.2 pixels away
        {e.x(5) + 4, e.y(5) - 3, HotNone}, // 5 pixels away
        {e.x(14), e.y(14) + 4, 14},
        {g.plotLeft + 1, g.startY[0] + 2, HotBase}, // the base advance at the start
        {limiterX + 4, g.plotBottom - 20, HotLimiter},
        {limiterX - 5, g.plotBottom - 20, HotNone},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        e.move(c.x, c.y);
        EXPECT_EQ(c.hot, e.hot());
    }
    // An interpolation corner shows the interpolation instead of offering a drag.
    e.tab.Cursor().SelectOne(2, 0);
    e.tab.Cursor().MoveCursor(4, 0, true); // cells 2 … 6
    ASSERT_EQ(1, e.sheet().sel.isRectangle);
    e.move(e.x(6), e.y(6));
    EXPECT_EQ(HotNone, e.hot());
    EXPECT_TRUE(e.tab.View().previewOn);
}

TEST(Graph2DInput, verticalDragChangesThatCellByPixelsOverScale) {
    Graph2DEditor e;
    const std::vector<int> before = e.sheet().axisData.values;
    const int x = e.x(5), y = e.y(5);
    e.press(x, y);
    e.move(x, y - 30, true); // 30 pixels at 5 a degree
    EXPECT_EQ(22 + 6, e.sheet().Cell(5, 0));
    e.move(x + 1, y + 10, true); // a step counts from the press, not from the last move
    EXPECT_EQ(22 - 2, e.sheet().Cell(5, 0));
    EXPECT_TRUE(e.notes.empty()); // the owner hears of the drag at its end, once
    e.release(x + 1, y + 10);
    std::vector<int> expected = before;
    expected[5] = 20;
    EXPECT_EQ(expected, e.sheet().axisData.values);
    EXPECT_EQ((std::vector<int>{AxisData | AxisX}), e.notes);
}

TEST(Graph2DInput, horizontalDragOfASharedAxisPointKeepsTheOrderAndLimits) {
    Graph2DEditor e(false); // ten curves share the speeds
    const int c = 3;
    e.move(e.x(5, c), e.y(5, c));
    ASSERT_EQ(c * MaxX + 5, e.hot());
    // Point 5 (6000 rpm) to 8500 rpm: 6 and 7 give way.
    const double pixels = (85 - 60) * e.layout().xScale;
    e.drag(e.x(5, c), e.y(5, c), e.x(5, c) + static_cast<int>(pixels), e.y(5, c));
    const std::vector<int> speeds = e.xValues();
    EXPECT_EQ((std::vector<int>{10, 20, 30, 40, 50, 85, 86, 87, 90, 100}),
              std::vector<int>(speeds.begin(), speeds.begin() + 10));
    EXPECT_EQ(22 - c, e.sheet().Cell(5, c)); // the value stayed
    // Far past the last point the points stay one apart below the axis limit.
    Graph2DEditor f(false);
    f.move(f.x(13, c), f.y(13, c));
    f.drag(f.x(13, c), f.y(13, c), f.x(13, c) + 2000, f.y(13, c));
    EXPECT_EQ(249, f.xValues()[13]);
    EXPECT_EQ(250, f.xValues()[14]);
    EXPECT_EQ(120, f.xValues()[11]);
}

TEST(Graph2DInput, axesThatAreNotEditableStayWhereTheyAre) {
    Graph2DEditor e;
    e.sheet().axisData.SetEditable(false); // only sideways
    const int x = e.x(5), y = e.y(5);
    e.drag(x, y, x + 8, y - 40);
    EXPECT_EQ(62, e.xValues()[5]);
    EXPECT_EQ(22, e.sheet().Cell(5, 0));
    e.sheet().axisX.SetEditable(false); // nothing: no drag starts
    e.press(e.x(7), e.y(7));
    EXPECT_FALSE(e.tab.GraphMouse().Dragging());
    e.release(e.x(7), e.y(7));
    EXPECT_EQ((std::vector<int>{AxisData | AxisX}), e.notes);
}

TEST(Graph2DInput, valueBeyondTheRangeRescalesAndKeepsThePointUnderThePointer) {
    Graph2DEditor e;
    Graph2DInput &input = e.tab.GraphMouse().Input2D();
    e.press(e.x(14), e.y(14) + 2); // grabbed 2 pixels below the point
    e.move(e.x(14), e.y(14) - 40 + 2, true);
    EXPECT_EQ(49 + 8, e.sheet().Cell(14, 0));
    const Graph2DLayout &g = e.layout();
    EXPECT_EQ(250.0 / 58, g.yScale); // the range grew to 0 … 58
    const auto warp = input.TakePointerWarp();
    ASSERT_TRUE(warp.has_value());
    EXPECT_EQ(e.x(14), warp->x);
    EXPECT_EQ(static_cast<int>(g.plotBottom - 57 * g.yScale + 2), warp->y);
    // The move that the warp causes is no drag step.
    e.move(warp->x, warp->y, true);
    EXPECT_EQ(57, e.sheet().Cell(14, 0));
    e.move(warp->x, warp->y - 10, true);
    EXPECT_EQ(59, e.sheet().Cell(14, 0));
    e.release(warp->x, warp->y - 10);
}

TEST(Graph2DInput, refusedPointerWarpLeavesThePointWhereItIs) {
    Graph2DEditor e;
    Graph2DInput &input = e.tab.GraphMouse().Input2D();
    e.press(e.x(14), e.y(14));
    const int top = e.y(14) - 40;
    e.move(e.x(14), top, true);
    ASSERT_TRUE(input.TakePointerWarp().has_value());
    input.PointerWarpRefused(); // Wayland: the pointer stays at top
    e.move(e.x(14), top + 1, true);
    e.move(e.x(14), top, true);
    EXPECT_EQ(57, e.sheet().Cell(14, 0)); // no runaway while the pointer rests
    e.move(e.x(14), top + static_cast<int>(4 * e.layout().yScale + 0.5), true);
    EXPECT_EQ(53, e.sheet().Cell(14, 0));
    e.release(e.x(14), top);
}

TEST(Graph2DInput, markersAndTheMovingSet) {
    Graph2DEditor e;
    const Graph2DLayout &g = e.layout();
    e.drag(g.plotLeft, g.startY[0], g.plotLeft + 40, g.startY[0] - 25); // sideways changes nothing
    EXPECT_EQ(30, e.tab.Sheets().Markers().baseMarker);
    const int limiterX = g.plotLeft + 130 * 4;
    e.drag(limiterX + 2, g.plotBottom - 30, limiterX + 2 - 20, g.plotBottom - 80);
    EXPECT_EQ(125, e.tab.Sheets().Markers().limiterMarker);
    EXPECT_EQ((std::vector<int>{AxisData, AxisData}), e.notes);

    // Shift moves the whole curve by what the dragged point moved.
    const std::vector<int> row = e.row(0, 1, 14);
    e.drag(e.x(3), e.y(3), e.x(3), e.y(3) - 10, true, false);
    std::vector<int> raised = row;
    for (int &v : raised)
        v = std::min(v + 2, 60);
    EXPECT_EQ(raised, e.row(0, 1, 14));
}

TEST(Graph2DInput, rubberBandSelectsPointsAndTheWheelStepsThem) {
    Graph2DEditor e;
    const Graph2DLayout &g = e.layout();
    e.press(e.x(3) - 8, g.plotBottom - g.plotHeight - 5); // above the plot: clamped into it
    EXPECT_TRUE(e.tab.GraphMouse().Dragging());
    e.move(e.x(5) + 8, g.plotBottom + 30, true);
    e.release(e.x(5) + 8, g.plotBottom + 30);
    EXPECT_EQ(3, e.sheet().sel.count);
    EXPECT_EQ(1, e.sheet().sel.isRectangle);
    e.move(g.plotLeft + 300, g.plotBottom - 5); // on nothing: the selection steps
    EXPECT_TRUE(e.tab.Mouse().Wheel(120, false));
    EXPECT_EQ((std::vector<int>{17, 20, 23}), e.row(0, 3, 5));
    e.move(e.x(9), e.y(9)); // an unselected point steps alone
    EXPECT_TRUE(e.tab.Mouse().Wheel(-120, false));
    EXPECT_EQ(33, e.sheet().Cell(9, 0));
    EXPECT_EQ(17, e.sheet().Cell(3, 0));
}

TEST(Graph2DInput, hintNamesThePointTheMarkerAndTheDrag) {
    Graph2DEditor e(false);
    e.move(e.x(2, 1), e.y(2, 1));
    EXPECT_EQ("TPS = 10 %; RPM = 3 000 rpm; Advance = 12 °", e.tab.Mouse().Hint());
    Graph2DEditor one;
    const int limiterX = one.layout().plotLeft + 130 * 4;
    one.press(limiterX, one.layout().plotBottom - 40);
    EXPECT_EQ("Dragging: Limiter = 13 000 rpm", one.tab.Mouse().Hint());
    one.move(limiterX + 4, one.layout().plotBottom - 40, true);
    EXPECT_EQ("Dragging: Limiter = 13 100 rpm", one.tab.Mouse().Hint());
    one.release(limiterX + 4, one.layout().plotBottom - 40);
    EXPECT_EQ("Limiter = 13 100 rpm", one.tab.Mouse().Hint());
}

} // namespace
} // namespace zarvex1
