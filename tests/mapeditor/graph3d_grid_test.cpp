#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_fixtures.h"
#include "core/mapeditor/views/Graph3DGrid.h"

namespace zarvex1 {
namespace {

using clipboard_test::AdvanceSheet;
using clipboard_test::SetPoints;
using clipboard_test::SetRows;

std::vector<double> Positions(const GroundAxis &ground, int from, int to) {
    std::vector<double> out;
    for (int i = from; i <= to; ++i)
        out.push_back(ground.Position(i));
    return out;
}

TEST(GroundAxisOf, positionsAndCellsPerKindOfAxis) {
    CAxe axis(MaxX, true);
    SetPoints(axis, {10, 20, 40});
    axis.displayMin = 0;
    axis.displayMax = 50;

    GroundAxis ground = GroundAxisOf(axis, false);
    EXPECT_EQ((std::vector<double>{0, 10, 20, 40, 50}),
              Positions(ground, -1, 3)); // flat ends to the axis ends
    EXPECT_EQ(0, ground.firstCell);
    EXPECT_EQ(3, ground.lastCell);

    ground = GroundAxisOf(axis, true); // engine speed with the base plateau from 0 rpm
    EXPECT_EQ((std::vector<double>{0, 10, 10, 20}), Positions(ground, -2, 1));
    EXPECT_EQ(-1, ground.firstCell);

    axis.SetCollapsed(true);
    EXPECT_EQ(0.0, GroundAxisOf(axis, true).Position(-1));

    axis.SetCollapsed(false);
    axis.SetHasValues(false); // an index axis spans its points only
    ground = GroundAxisOf(axis, false);
    EXPECT_EQ((std::vector<double>{0, 1, 2}), Positions(ground, 0, 2));
    EXPECT_EQ(1, ground.firstCell);
    EXPECT_EQ(2, ground.lastCell);
}

TEST(Graph3DGrid, heightsExtendTheTableAndCarryTheBasePlateau) {
    CSheet sheet = AdvanceSheet(); // rows 10 12 25 30 / 11 14 28 33 / 12 15 30 36
    sheet.flags = BaseMarkerInRange;
    sheet.axisData.displayMin = 10;
    const Graph3DGrid grid(sheet, 4);
    const struct {
        int i, j;
        double height;
    } rows[] = {
        {0, 0, 0},   {3, 2, 26},  {4, 2, 26}, // the extension copies the last column
        {1, -1, 2},  {1, 3, 5},               // and the first and last rows
        {-1, 1, -6}, {-2, 2, -6},             // base 4 - 10 on the lines before the first speed
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.height, grid.Height(row.i, row.j)) << row.i << ", " << row.j;
}

TEST(Graph3DGrid, collapsedAxisExtrudesItsUsedLineAndSwappedAxesExchangeCells) {
    CSheet sheet = AdvanceSheet();
    sheet.axisY.SetCollapsed(true);
    sheet.axisY.collapsedIndex = 1;
    const Graph3DGrid collapsed(sheet, 0);
    EXPECT_EQ(28.0, collapsed.Height(2, 0));
    EXPECT_EQ(28.0, collapsed.Height(2, 2));
    EXPECT_EQ(28.0, collapsed.Height(2, -2));

    sheet.axisY.SetCollapsed(false);
    sheet.flags = SwapGraphAxes; // graph X runs along the sheet's Y
    const Graph3DGrid swapped(sheet, 0);
    EXPECT_EQ(3, swapped.x.count);
    EXPECT_EQ((std::pair{3, 1}), swapped.SheetCell(1, 3));
    EXPECT_EQ(33.0, swapped.Height(1, 3));
}

TEST(CellOrderOf, farCellsFirstAndTheWiderAxisOutside) {
    const Graph3DArea area{500, 300, 10, 27, 36, 27, 140};
    const AxisSpans spans{0, 10, 0, 10, 0, 10};
    const struct {
        ViewAngles angles;
        CellOrder expected;
    } rows[] = {
        {{0, 0, 0}, {false, 1, 1, false}},
        {{0, 18, 0}, {true, -1, 1, false}}, // turned by 90 degrees: X runs into the depth
        {ViewTop, {false, 1, 1, true}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.angles.angleX) + " " + std::to_string(row.angles.angleXY));
        const CellOrder order = CellOrderOf(LayoutGraph3D(area, row.angles, spans), spans);
        EXPECT_EQ(row.expected.outerX, order.outerX);
        EXPECT_EQ(row.expected.signX, order.signX);
        EXPECT_EQ(row.expected.signY, order.signY);
        EXPECT_EQ(row.expected.topView, order.topView);
    }
}

TEST(LiveGridPoint, followsTheActualPosition) {
    CSheet sheet = AdvanceSheet();
    sheet.actualX = -1;
    sheet.actualY = 2;
    sheet.actualState = 1;
    EXPECT_EQ(std::nullopt, LiveGridPoint(sheet)); // without TrackLive
    sheet.flags = TrackLive;
    EXPECT_EQ((std::pair{-2, 2}), LiveGridPoint(sheet)); // below the first speed: the plateau start
    sheet.axisY.SetCollapsed(true);
    sheet.axisY.collapsedIndex = 0;
    sheet.actualX = 3;
    sheet.flags = TrackLive | SwapGraphAxes;
    EXPECT_EQ((std::pair{0, 3}), LiveGridPoint(sheet));
}

TEST(ShowsValueLabel, interestingPointsAreLiveCornersSmallSelectionsAndExtremes) {
    CSheet sheet = AdvanceSheet();
    SetPoints(sheet.axisX, {10, 20, 30});
    SetRows(sheet, {{5, 6, 5}, {6, 9, 8}, {7, 8, 9}}); // a peak in the middle, lows at the corners
    const Graph3DGrid grid(sheet, 0);
    const std::optional<std::pair<int, int>> live = std::pair{2, 0};

    // Mode 2 points in a 3 x 3 picture, '#' labelled.
    const auto picture = [&](int mode) {
        std::string text;
        for (int j = -1; j <= 3; ++j) {
            for (int i = -1; i <= 3; ++i)
                text += ShowsValueLabel(sheet, grid, mode, i, j, live) ? '#' : '.';
            text += '\n';
        }
        return text;
    };
    EXPECT_EQ(".....\n.....\n.....\n.....\n.....\n", picture(0));
    EXPECT_EQ(".....\n...#.\n.....\n.....\n.....\n", picture(1));
    EXPECT_EQ(".....\n.###.\n.###.\n.###.\n.....\n", picture(3)); // never on the flat extensions
    EXPECT_EQ(".....\n.#.#.\n..#..\n...#.\n.....\n", picture(2)); // 5, live, 9 peak, 9 corner max

    clipboard_test::Select(sheet, {{0, 1}});
    EXPECT_EQ(".....\n.#.#.\n.##..\n...#.\n.....\n", picture(2)); // a selected point joins
}

} // namespace
} // namespace zarvex1
