#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "core/mapeditor/model/Sheet.h"
#include "editor_fixture.h"

namespace zarvex1 {
namespace {

CAxe MakeAxis(std::vector<int> values, int min, int max, int step = 1) {
    CAxe a(MaxX, true);
    a.min = min;
    a.max = max;
    a.step = step;
    a.count = a.maxCount = static_cast<int>(values.size());
    std::copy(values.begin(), values.end(), a.values.begin());
    a.Normalize(); // first pass treats every point as changed and settles previous
    return a;
}

std::vector<int> Used(const CAxe &a) {
    return {a.values.begin(), a.values.begin() + a.count};
}

std::vector<int> Range(int first, int last) {
    std::vector<int> v(static_cast<std::size_t>(last - first + 1));
    std::iota(v.begin(), v.end(), first);
    return v;
}

TEST(AxisNormalize, allZeroAxisBecomesAscendingFromMin) {
    CAxe a = MakeAxis(std::vector<int>(15, 0), 1, 250);
    EXPECT_EQ(Used(a), Range(1, 15));
}

TEST(AxisNormalize, editedFirstPointLeavesRoomAboveAndPushesTheRest) {
    CAxe a = MakeAxis(Range(1, 15), 1, 20);
    a.values[0] = 19;
    a.Normalize();
    std::vector<int> expected{6};
    for (int v : Range(7, 20))
        expected.push_back(v);
    EXPECT_EQ(Used(a), expected);
    EXPECT_EQ(a.lastEdited, 0);
}

TEST(AxisNormalize, lastPointIsHeldAtMax) {
    CAxe a = MakeAxis(Range(1, 15), 1, 20);
    a.values[14] = 30;
    a.Normalize();
    EXPECT_EQ(a.values[14], 20);
    EXPECT_EQ(a.values[13], 14);
}

TEST(AxisNormalize, pushedNeighbourSpringsBackWhenEditIsUndone) {
    struct Case {
        const char *name;
        int point;
        int pushTo;
        int backTo;
        std::vector<int> pushed;
        std::vector<int> restored;
    };
    const Case cases[] = {
        {"push up", 1, 31, 25, {10, 31, 32}, {10, 25, 30}},
        {"push down", 1, 5, 15, {4, 5, 30}, {10, 15, 30}},
        {"push two up", 0, 35, 12, {35, 36, 37}, {12, 20, 30}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CAxe a = MakeAxis({10, 20, 30}, 0, 100);
        a.lastEdited = c.point;
        a.values[static_cast<std::size_t>(c.point)] = c.pushTo;
        a.Normalize();
        EXPECT_EQ(Used(a), c.pushed);
        a.values[static_cast<std::size_t>(c.point)] = c.backTo;
        a.Normalize();
        EXPECT_EQ(Used(a), c.restored);
        EXPECT_EQ(std::count(a.pushed.begin(), a.pushed.end(), 1), 0);
    }
}

TEST(AxisNormalize, editingAnotherPointMakesTheDisplacementPermanent) {
    CAxe a = MakeAxis({10, 20, 30}, 0, 100);
    a.lastEdited = 1;
    a.values[1] = 31;
    a.Normalize();
    a.values[0] = 5;
    a.Normalize();
    a.values[1] = 25;
    a.Normalize();
    EXPECT_EQ(Used(a), (std::vector<int>{5, 25, 32}));
}

TEST(AxisNormalize, severalChangesAreOrderedWithStep) {
    CAxe a = MakeAxis({10, 20, 30, 40}, 0, 100, 5);
    a.values[1] = 50;
    a.values[2] = 12;
    a.Normalize();
    EXPECT_EQ(Used(a), (std::vector<int>{10, 50, 55, 60}));
}

TEST(AxisNormalize, pointsPulledBelowALoweredPointStayAboveMin) {
    CAxe a = MakeAxis({10, 20, 30, 40}, 0, 100, 5);
    a.values[2] = 5;
    a.values[3] = 8;
    a.Normalize();
    EXPECT_EQ(Used(a), (std::vector<int>{0, 5, 10, 15}));
}

TEST(SheetCells, clampOnlyTheUsedBlock) {
    CSheet s;
    s.axisX.count = 2;
    s.axisY.count = 2;
    s.axisData.min = -10;
    s.axisData.max = 60;
    s.Cell(0, 0) = 99;
    s.Cell(1, 1) = -50;
    s.Cell(2, 0) = 99; // outside the 2 x 2 block
    s.Cell(0, 2) = -99;
    s.ClampCells();
    EXPECT_EQ(s.Cell(0, 0), 60);
    EXPECT_EQ(s.Cell(1, 1), -10);
    EXPECT_EQ(s.Cell(2, 0), 99);
    EXPECT_EQ(s.Cell(0, 2), -99);
}

TEST(SheetBands, pickFirstRowReachingTheValueElseTheLast) {
    const CBand table[] = {
        {4000, 1, 500, 1, 1000}, {10000, 1, 1000, 1, 2000}, {25000, 1, 5000, 1, 5000}, {0, 0, 0, 0, 0}};
    CAxe a(MaxX, true);
    a.SetBands(table);
    ASSERT_EQ(a.bandCount, 3);
    a.SelectBand(5000);
    EXPECT_EQ(a.currentBand.upTo, 10000);
    a.SelectBand(30000);
    EXPECT_EQ(a.currentBand.upTo, 25000);
    a.SelectBand(4000);
    EXPECT_EQ(a.currentBand.upTo, 4000);
    a.SetHasValues(false);
    a.SelectBand(5000);
    EXPECT_EQ(a.currentBand.step2, 1.0);
    EXPECT_EQ(a.currentBand.step4, 1.0);
}

TEST(SheetBands, rowsBeyondFiveOverwriteTheFifthAndNullClears) {
    std::vector<CBand> table;
    for (int i = 1; i <= 7; ++i)
        table.push_back(CBand{i * 100.0, 1, 1, 1, 1});
    table.push_back(CBand{0, 0, 0, 0, 0});
    CAxe a(MaxX, true);
    a.SetBands(table.data());
    EXPECT_EQ(a.bandCount, 5);
    EXPECT_EQ(a.bands[4].upTo, 700);
    EXPECT_EQ(a.bands[3].upTo, 400);
    a.SetBands(nullptr);
    EXPECT_EQ(a.bandCount, 0);
}

TEST(SheetAxis, collapsedIndexFromPosition) {
    struct Case {
        int position;
        int expected;
    };
    const Case cases[] = {
        {CollapseFirst, 0}, {CollapseLast, 9}, {CollapseMiddle, 5}, {4, 4}, {40, 9}, {-7, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.position);
        CAxe a(MaxY, true);
        a.count = 10;
        a.collapsePosition = c.position;
        EXPECT_EQ(a.CollapsedIndexFor(), c.expected);
    }
}

TEST(SheetText, limitCountsCharactersNotBytes) {
    EXPECT_EQ(LimitText("abcdefghij", 7), "abcdefg");
    EXPECT_EQ(LimitText("°C°C°C°C°C", 7), "°C°C°C°");
    EXPECT_EQ(LimitText("kPa", 7), "kPa");
}

TEST(SheetText, typedValuesRoundHalfAwayFromZero) {
    EXPECT_EQ(RawFromPhysical(1.5, 0.001), 1500);
    EXPECT_EQ(RawFromPhysical(-0.0004, 0.001), 0);
    EXPECT_EQ(RawFromPhysical(250, 100), 3);
    EXPECT_EQ(RawFromPhysical(-250, 100), -3);
    EXPECT_EQ(RawFromPhysical(1e30, 1), std::numeric_limits<int>::max());
    EXPECT_EQ(RawFromPhysical(5, 0), std::numeric_limits<int>::max());
}

TEST(EditorSheets, ninthSheetIsRefusedAndSizesAreClamped) {
    MapEditor tab(400, 300, AllowTable);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tab.Sheets().AddSheet("S", "X", "Y", "D", 60, 40, 0), i);
    EXPECT_EQ(tab.Sheets().AddSheet("S", "X", "Y", "D", 2, 2, 0), -1);
    EXPECT_EQ(tab.Sheets().Count(), 8);
    const CSheet &s = tab.Sheets().Sheet(0);
    EXPECT_EQ(s.axisX.maxCount, 50);
    EXPECT_EQ(s.axisY.maxCount, 30);
    EXPECT_EQ(s.axisX.values[49], 49); // normalized with the default limits 0 ... 100
    EXPECT_EQ(s.axisX.showUnit(), 1);
    EXPECT_EQ(s.axisData.showUnit(), 0);
}

TEST(EditorSheets, defineAxisClampsCountsAndLeavesDataCountsAlone) {
    MapEditor tab(400, 300, AllowTable);
    tab.Sheets().AddSheet("S", "X", "Y", "D", 15, 10, 0);
    tab.Sheets().DefineAxis(0, AxisX | AxisY, "RPM", nullptr, 1, 250, 100, 2, nullptr, 1,
                            AxisHasValues | AxisFixedRange, 0, 99, 1, 0, 1, -1, ColorWhite);
    const CSheet &s = tab.Sheets().Sheet(0);
    EXPECT_EQ(s.axisX.minCount, 1);
    EXPECT_EQ(s.axisX.count, 15);
    EXPECT_EQ(s.axisY.count, 10);
    EXPECT_EQ(s.axisX.fixedRange(), 1);
    EXPECT_EQ(s.axisX.unit, "");
    tab.Sheets().DefineAxis(0, AxisX, nullptr, nullptr, 1, 250, 100, 1, nullptr, 1, 0, 20, 3, 1, 0, 1, -1,
                            ColorWhite);
    EXPECT_EQ(s.axisX.minCount, 15); // lowered to maxCount
    EXPECT_EQ(s.axisX.count, 15);
    EXPECT_EQ(s.axisX.key, "RPM"); // null keeps the key
    tab.Sheets().DefineAxis(0, AxisData, "ADV", "°", -10, 60, 1, 7, nullptr, 0, AxisFixedRange, 1, 1, 2, 1, 0,
                            5, ColorWhite);
    EXPECT_EQ(s.axisData.step, 1);
    EXPECT_EQ(s.axisData.collapseMode, 1);
    EXPECT_EQ(s.axisData.editable(), 0);
    EXPECT_EQ(s.axisData.hasValues(), 1);
    tab.Sheets().DefineAxis(5, AxisX, "TPS", nullptr, 0, 1, 1, 1, nullptr, 1, 0, 1, 1, 1, 0, 1, -1,
                            ColorWhite); // ignored
}

TEST(EditorSheets, titleWidthIsTheWidestTranslationPlus15) {
    MapEditor tab(400, 300, AllowTable);
    TextMetrics metrics;
    metrics.width = [](std::string_view text, const EditorFont &) { return static_cast<int>(text.size()); };
    tab.SetMetrics(metrics);
    tab.Sheets().AddSheet("A custom map title", "X", "Y", "D", 2, 2, 0);
    EXPECT_EQ(tab.Sheets().Sheet(0).titleWidth, 15 + 18); // unknown to the tables: shown as it is
    tab.Sheets().SetSheetTitle(0, std::string(60, 'x'));
    EXPECT_EQ(tab.Sheets().Sheet(0).title.size(), 47u);
    tab.Sheets().AddSheet("Advance 1", "X", "Y", "D", 2, 2, 0);
    EXPECT_GE(tab.Sheets().Sheet(1).titleWidth, 15 + 9);
}

TEST(EditorSheets, markersAreHeldInRangeOnRpmSheets) {
    testing::AdvanceEditor e;
    e.tab.Sheets().Markers().baseMarker = 99;
    e.tab.Sheets().Markers().limiterMarker = 400;
    e.tab.Sheets().Markers().secondMarker = -5;
    e.tab.NormalizeSheet(0, 0);
    EXPECT_EQ(e.tab.Sheets().Markers().baseMarker, 60);
    EXPECT_EQ(e.tab.Sheets().Markers().limiterMarker, 250);
    EXPECT_EQ(e.tab.Sheets().Markers().secondMarker, 1);
    e.sheet().axisX.label = "TPS";
    e.tab.Sheets().Markers().baseMarker = 99;
    e.tab.NormalizeSheet(0, 0);
    EXPECT_EQ(e.tab.Sheets().Markers().baseMarker, 99);
}

} // namespace
} // namespace zarvex1
