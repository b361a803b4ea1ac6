#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/mapeditor/views/GraphRanges.h"

namespace zarvex1 {
namespace {

// A sheet with the given X and Y points and rows of cells (row 0 first).
CSheet MakeSheet(std::vector<int> xs, std::vector<int> ys, std::vector<std::vector<int>> rows) {
    CSheet sheet;
    sheet.axisX.count = static_cast<int>(xs.size());
    sheet.axisY.count = static_cast<int>(ys.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        sheet.axisX.values[i] = xs[i];
    for (std::size_t i = 0; i < ys.size(); ++i)
        sheet.axisY.values[i] = ys[i];
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (std::size_t j = 0; j < rows[k].size(); ++j)
            sheet.Cell(static_cast<int>(j), static_cast<int>(k)) = rows[k][j];
    return sheet;
}

void SetBands(CAxe &axis, std::initializer_list<CBand> rows) {
    std::vector<CBand> table(rows);
    table.push_back({0, 0, 0, 0, 0});
    axis.SetBands(table.data());
}

// The engine-speed axis of the advance maps: rpm / 100 with three bands.
void MakeRpmAxis(CAxe &axis) {
    axis.label = "RPM";
    axis.scale = 100;
    SetBands(
        axis,
        {{4000, 2000, 1000, 200, 1000}, {10000, 2000, 1000, 500, 1000}, {25000, 2000, 1000, 1000, 2000}});
}

TEST(RoundRangeEnds, endsArePushedOutToTheStepButNeverAcrossZero) {
    const struct {
        int min, max;
        double t, s;
        RawRange expected;
    } rows[] = {
        {3, 27, 5, 1, {0, 30}},           // 3 - 1 = 2 floors to 0, 27 + 1 = 28 ceils to 30
        {-7, -1, 10, 1, {-10, 0}},        // -1 + 2 = 1 is held at 0
        {-5, 5, 10, 1, {-10, 10}},        // a range across zero is pushed both ways
        {10, 20, 5, 1, {5, 25}},          // a fifth of a step past a multiple reaches the next one
        {10, 120, 2000, 100, {0, 140}},   // 1000 … 12000 rpm in units of 100
        {500, 4500, 1, 0.001, {0, 5000}}, // 0.5 … 4.5 V in millivolts
        {0, 0, 5, 1, {0, 0}},             // a flat zero stays empty here; the callers widen it
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.min) + " … " + std::to_string(row.max));
        EXPECT_EQ(row.expected, RoundRangeEnds(row.min, row.max, row.t, row.s));
    }
}

TEST(ComputeGraphRanges, valueAxisChoosesItsBandByTheShownWidth) {
    CSheet sheet = MakeSheet({0, 1}, {0}, {{3, 27}});
    SetBands(sheet.axisData, {{10, 5, 1, 1, 2}, {30, 5, 5, 5, 5}});
    ComputeGraphRanges(sheet, 3, false, {});
    EXPECT_EQ(30.0, sheet.axisData.currentBand.upTo);
    EXPECT_EQ(0, sheet.axisData.displayMin);
    EXPECT_EQ(30, sheet.axisData.displayMax);
}

TEST(ComputeGraphRanges, curvesAreStackedByTheLargestRiseRoundedUpWithHalfAStep) {
    // Three rows rising by at most 4 from one to the next.
    CSheet sheet = MakeSheet({0, 1, 2}, {0, 1, 2}, {{10, 12, 14}, {14, 13, 15}, {16, 17, 18}});
    SetBands(sheet.axisData, {{1000, 5, 5, 5, 5}});
    const GraphRanges g = ComputeGraphRanges(sheet, 3, true, {});
    EXPECT_EQ(10, g.curveOffset); // 4 + 2.5 = 6.5, up to the next multiple of 5
    EXPECT_EQ(3, g.curveCount);
    EXPECT_EQ(15, g.firstCurveMax); // row 0 reaches 14: 14 + 1 up to 15
    EXPECT_EQ(2 * 10 + 15, g.stackedMax);
    EXPECT_EQ(5, sheet.axisData.displayMin);
    EXPECT_EQ(20, sheet.axisData.displayMax);
    // With the 2D graph shown, its curves are counted by index.
    EXPECT_EQ(0, sheet.axisY.displayMin);
    EXPECT_EQ(2, sheet.axisY.displayMax);
}

TEST(ComputeGraphRanges, swappedAxesStackTheColumns) {
    CSheet sheet = MakeSheet({0, 1}, {0, 1}, {{10, 30}, {10, 11}});
    sheet.flags = SwapGraphAxes;
    SetBands(sheet.axisData, {{1000, 10, 10, 10, 10}});
    const GraphRanges g = ComputeGraphRanges(sheet, 3, false, {});
    EXPECT_EQ(&sheet.axisY, g.xAxis);
    EXPECT_EQ(&sheet.axisX, g.yAxis);
    EXPECT_EQ(30, g.curveOffset);   // the rise from column 0 to column 1 is 20: 20 + 5 up to 30
    EXPECT_EQ(20, g.firstCurveMax); // column 0 reaches 10: 10 + 2 up to 20
    EXPECT_EQ(sheet.axisX.count, g.curveCount);
}

TEST(ComputeGraphRanges, indexAxisSpansItsPointsWithUnitSteps) {
    CSheet sheet = MakeSheet({0, 0, 0, 0}, {5, 9}, {{1, 2, 3, 4}, {1, 2, 3, 4}});
    sheet.axisX.SetHasValues(false);
    SetBands(sheet.axisX, {{10, 5, 5, 5, 5}});
    ComputeGraphRanges(sheet, 3, false, {});
    EXPECT_EQ(0, sheet.axisX.displayMin);
    EXPECT_EQ(3, sheet.axisX.displayMax);
    EXPECT_EQ(1.0, sheet.axisX.currentBand.step1);
    EXPECT_EQ(1.0, sheet.axisX.currentBand.step4);
}

TEST(ComputeGraphRanges, markersWidenAnEngineSpeedAxis) {
    // 1000 … 6000 rpm, base advance below every cell, limiter at 9000 rpm.
    CSheet sheet = MakeSheet({10, 20, 40, 60}, {0}, {{20, 30, 40, 50}});
    sheet.axisY.SetCollapsed(true);
    MakeRpmAxis(sheet.axisX);
    SetBands(sheet.axisData, {{1000, 10, 10, 10, 10}});
    const GraphMarkers markers{5, 90, 0};

    sheet.flags = BaseMarkerInRange | LimiterMarkerInRange;
    ComputeGraphRanges(sheet, 1, true, markers);
    EXPECT_EQ(0, sheet.axisX.displayMin);    // starts at 0 rpm although the first point is 1000
    EXPECT_EQ(100, sheet.axisX.displayMax);  // 9000 + 400 up to 10000 rpm
    EXPECT_EQ(0, sheet.axisData.displayMin); // the base value 5 is in range

    sheet.flags = 0; // the same sheet without markers
    ComputeGraphRanges(sheet, 1, true, markers);
    EXPECT_EQ(0, sheet.axisX.displayMin); // 1000 - 400 floors to 0 anyway
    EXPECT_EQ(80, sheet.axisX.displayMax);
    EXPECT_EQ(10, sheet.axisData.displayMin);

    sheet.axisX.label = "TPS"; // markers only ever widen an axis labelled "RPM"
    sheet.flags = BaseMarkerInRange | LimiterMarkerInRange;
    ComputeGraphRanges(sheet, 1, true, markers);
    EXPECT_EQ(10, sheet.axisData.displayMin);
}

TEST(ComputeGraphRanges, singlePointAxisGetsOneStepOfWidthInItsOwnUnits) {
    // One engine-speed point at 0 rpm: the range must be one step (2000 rpm = 20 raw) wide, not
    // 2000 raw units (200000 rpm).
    CSheet sheet = MakeSheet({0}, {0, 1}, {{5}, {6}});
    MakeRpmAxis(sheet.axisX);
    ComputeGraphRanges(sheet, 3, false, {});
    EXPECT_EQ(0, sheet.axisX.displayMin);
    EXPECT_EQ(20, sheet.axisX.displayMax);
}

TEST(ComputeGraphRanges, horizontalAxisIsTheOneNotCollapsed) {
    const struct {
        bool collapseX, swap;
        CAxe CSheet::*horizontal;
    } rows[] = {
        {false, false, &CSheet::axisX}, // Y collapsed: the curve runs over X
        {false, true, &CSheet::axisX},
        {true, false, &CSheet::axisY}, // X collapsed: the curve runs over Y
        {true, true, &CSheet::axisY},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.collapseX ? "X" : "Y") +
                     (row.swap ? " collapsed, swapped" : " collapsed"));
        CSheet sheet = MakeSheet({0, 1, 2}, {0, 1}, {{1, 2, 3}, {4, 5, 6}});
        (row.collapseX ? sheet.axisX : sheet.axisY).SetCollapsed(true);
        sheet.flags = row.swap ? SwapGraphAxes : 0;
        const GraphRanges g = ComputeGraphRanges(sheet, GraphKindOf(sheet), true, {});
        EXPECT_EQ(&(sheet.*row.horizontal), g.horizontalAxis);
        EXPECT_EQ(1, g.curveCount);
        EXPECT_EQ(g.valueAxis->displayMax, g.stackedMax);
    }
}

TEST(ComputeGraphRanges, collapsedAxisRestrictsTheValuesToItsLine) {
    CSheet sheet = MakeSheet({0, 1}, {0, 1, 2}, {{1, 100}, {2, 200}, {3, 300}});
    SetBands(sheet.axisData, {{1000, 1, 1, 1, 1}});
    sheet.axisX.SetCollapsed(true);
    sheet.axisX.collapsedIndex = 0;
    ComputeGraphRanges(sheet, 2, true, {});
    EXPECT_EQ(0, sheet.axisData.displayMin);
    EXPECT_EQ(4, sheet.axisData.displayMax); // column 1 with its hundreds is not shown
}

} // namespace
} // namespace zarvex1
