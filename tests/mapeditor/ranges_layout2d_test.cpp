#include <gtest/gtest.h>

#include "clipboard_fixtures.h"
#include "core/mapeditor/views/Graph2DLayout.h"

namespace zarvex1 {
namespace {

using clipboard_test::SetPoints;
using clipboard_test::SetRows;

// Two curves over three speeds; ranges chosen so that one raw unit is 10 pixels both ways.
class Graph2DLayoutTest : public ::testing::Test {
protected:
    CSheet sheet;
    GraphRanges ranges;
    static constexpr int Width = 445; // plot 370 wide with two curves
    static constexpr int Height = 226;

    void SetUp() override {
        sheet.axisX.label = "RPM";
        SetPoints(sheet.axisX, {0, 10, 20});
        SetPoints(sheet.axisY, {0, 50});
        SetRows(sheet, {{1, 2, 3}, {4, 5, 6}});
        sheet.axisX.displayMin = 0;
        sheet.axisX.displayMax = 37;
        sheet.axisData.displayMin = 0;
        ranges.xAxis = ranges.horizontalAxis = &sheet.axisX;
        ranges.yAxis = ranges.curveAxis = &sheet.axisY;
        ranges.valueAxis = &sheet.axisData;
        ranges.curveCount = 2;
        ranges.curveOffset = 5;
        ranges.stackedMax = 20;
    }

    Graph2DLayout Layout(int baseMarker = 0) {
        return LayoutGraph2D(sheet, ranges, Width, Height, GraphArea{}, baseMarker, 7);
    }
};

TEST_F(Graph2DLayoutTest, pointsAreStackedCurvesOverTheHorizontalAxis) {
    const Graph2DLayout g = Layout();
    EXPECT_EQ(45, g.plotLeft);
    EXPECT_EQ(208, g.plotBottom);
    EXPECT_EQ(370, g.plotWidth);
    EXPECT_EQ(200, g.plotHeight);
    EXPECT_EQ(1, g.selectedCurve); // clamped to the last curve
    // Curve 0 is lifted by one offset above curve 1.
    EXPECT_EQ(145, g.pointX[0 * MaxX + 1]);
    EXPECT_EQ(208 - (2 + 5) * 10, g.pointY[0 * MaxX + 1]);
    EXPECT_EQ(245, g.pointX[1 * MaxX + 2]);
    EXPECT_EQ(208 - 6 * 10, g.pointY[1 * MaxX + 2]);
    EXPECT_EQ(208 - (1 + 5) * 10, g.startY[0]); // the start point continues point 0 flat
    // The mouse finds point 2 of curve 1 at the index of its cell (column 2, row 1).
    EXPECT_EQ((Rect{243, 146, 247, 150}), g.layout.Cell(2, 1));
    EXPECT_EQ(1, g.layout.validCells);
}

TEST_F(Graph2DLayoutTest, basePlateauStartsAtTheBaseMarker) {
    sheet.flags = BaseMarkerInRange;
    EXPECT_EQ(208 - (3 + 5) * 10, Layout(3).startY[0]);
    sheet.axisX.label = "TPS"; // only an engine-speed axis starts at the base value
    EXPECT_EQ(208 - (1 + 5) * 10, Layout(3).startY[0]);
}

TEST_F(Graph2DLayoutTest, curvesAlongTheSheetsYAxisStepThroughColumns) {
    std::swap(ranges.horizontalAxis, ranges.curveAxis);
    sheet.axisY.displayMin = 0;
    sheet.axisY.displayMax = 50;
    ranges.curveCount = 3;
    const Graph2DLayout g = Layout();
    EXPECT_EQ(MaxX, g.pointStride);
    EXPECT_EQ(1, g.curveStride);
    EXPECT_EQ(sheet.Cell(2, 1), sheet.axisData.values[static_cast<std::size_t>(g.ValueIndex(2, 1))]);

    sheet.axisX.SetCollapsed(true); // one curve: the used column
    sheet.axisX.collapsedIndex = 2;
    ranges.curveCount = 1;
    EXPECT_EQ(2, Layout().ValueIndex(0, 0));
}

TEST_F(Graph2DLayoutTest, emptyRangesDoNotDivideByZero) {
    sheet.axisX.displayMax = sheet.axisX.displayMin;
    ranges.stackedMax = sheet.axisData.displayMin;
    const Graph2DLayout g = Layout();
    EXPECT_EQ(370.0, g.xScale);
    EXPECT_EQ(200.0, g.yScale);
}

} // namespace
} // namespace zarvex1
