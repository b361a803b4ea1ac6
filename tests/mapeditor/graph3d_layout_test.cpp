#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "core/mapeditor/views/Graph3DLayout.h"
#include "core/mapeditor/views/HeightColours.h"

namespace zarvex1 {
namespace {

// Margins 0 and the default strip: plotWidth = width - 160, plotHeight = height - 20.
Graph3DArea AreaForPlot(int plotWidth, int plotHeight) {
    return {plotWidth + 160, plotHeight + 20, 0, 0, 0, 0, 140};
}

TEST(LayoutGraph3D, aspectIsShrunkAndSnapsToOneNearSquare) {
    const struct {
        int plotWidth;
        double expected;
    } rows[] = {
        {100, 1.0},   // 0.95 snaps
        {99, 1.0},    // 0.9405 snaps
        {98, 0.931},  // just below the window
        {111, 1.0},   // 1.0545 snaps
        {112, 1.064}, // just above the window
        {200, 1.9},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.plotWidth);
        const Graph3DLayout layout =
            LayoutGraph3D(AreaForPlot(row.plotWidth, 100), {}, {0, 10, 0, 10, 0, 10});
        EXPECT_EQ(row.plotWidth, layout.plotWidth);
        EXPECT_EQ(100, layout.plotHeight);
        EXPECT_NEAR(row.expected, layout.aspect, 1e-12);
    }
}

TEST(LayoutGraph3D, unrotatedViewMapsEachAxisOntoThePlotHeight) {
    const Graph3DArea area{400, 300, 10, 27, 36, 27, 140};
    const Graph3DLayout layout = LayoutGraph3D(area, {0, 0, 0}, {10, 60, 0, 40, 0, 9});
    ASSERT_EQ(300 - 36 - 27 - 20, layout.plotHeight);
    EXPECT_EQ(10 + 140 + 10, layout.originX);
    EXPECT_EQ(0, layout.originShift);
    EXPECT_EQ(300 - 27 - 10, layout.originY);

    const double h = layout.plotHeight;
    const ProjectedPoint xEnd = Project(layout, 50, 0, 0);
    EXPECT_NEAR(layout.originX + h * layout.aspect, xEnd.x, 1e-9);
    EXPECT_NEAR(layout.originY, xEnd.y, 1e-9);
    const ProjectedPoint valueEnd = Project(layout, 0, 40, 0);
    EXPECT_NEAR(layout.originX, valueEnd.x, 1e-9);
    EXPECT_NEAR(layout.originY - h, valueEnd.y, 1e-9);
    const ProjectedPoint yEnd = Project(layout, 0, 0, 9);
    EXPECT_NEAR(h, yEnd.depth, 1e-9);
    // Depth depends on the ground position only.
    EXPECT_EQ(Project(layout, 3, 0, 4).depth, Project(layout, 3, 40, 4).depth);
}

TEST(LayoutGraph3D, topViewProjectsTheValueAxisOntoTheOrigin) {
    const Graph3DLayout layout = LayoutGraph3D(AreaForPlot(300, 200), ViewTop, {0, 10, 0, 10, 0, 10});
    const ProjectedPoint origin = Project(layout, 0, 0, 0);
    const ProjectedPoint valueEnd = Project(layout, 0, 10, 0);
    EXPECT_NEAR(origin.x, valueEnd.x, 0.001);
    EXPECT_NEAR(origin.y, valueEnd.y, 0.001);
}

TEST(LayoutGraph3D, rotatedBoxStartsRightOfTheStripAndStandsAboveTheBottom) {
    const Graph3DArea area{600, 400, 10, 27, 36, 27, 140};
    for (const ViewAngles angles : {ViewIso1, ViewIso2, ViewAngles{7, -20, 3}, ViewAngles{-30, 33, -12}}) {
        SCOPED_TRACE(std::to_string(angles.angleX) + " " + std::to_string(angles.angleXY) + " " +
                     std::to_string(angles.angleXYZ));
        const Graph3DLayout layout = LayoutGraph3D(area, angles, {100, 250, -20, 40, 0, 90});
        double left = std::numeric_limits<double>::max();
        double bottom = std::numeric_limits<double>::lowest();
        for (int corner = 0; corner < 8; ++corner) {
            const ProjectedPoint p =
                Project(layout, corner & 1 ? 150 : 0, corner & 2 ? 60 : 0, corner & 4 ? 90 : 0);
            left = std::min(left, p.x);
            bottom = std::max(bottom, p.y);
        }
        // The origin shift and lift are truncated to whole pixels.
        EXPECT_NEAR(layout.originX, left, layout.aspect + 1e-9);
        EXPECT_NEAR(area.height - area.graphBottom - 10, bottom, 1.0 + 1e-9);
    }
}

TEST(LayoutGraph3D, emptyRangesStayFinite) {
    const Graph3DLayout layout = LayoutGraph3D({100, 30, 0, 0, 0, 0, 140}, ViewIso2, {0, 0, 5, 5, 0, 0});
    for (const auto &row : layout.projection)
        for (double value : row)
            EXPECT_TRUE(std::isfinite(value));
    EXPECT_TRUE(std::isfinite(layout.aspect));
}

TEST(WrapAngle, keepsAnglesWithinOneTurn) {
    const int rows[][2] = {{36, 36}, {37, -35}, {-35, -35}, {-36, 36}, {36 + 72 + 1, -35}, {0, 0}};
    for (const auto &row : rows)
        EXPECT_EQ(row[1], WrapAngle(row[0])) << row[0];
}

TEST(RotateByDrag, fivePixelsAreNoStepAndAFullTurnGivesThePictureBack) {
    const struct {
        int dx, dy;
        ViewAngles expected;
    } rows[] = {
        {100, 0, {-5, 34, 0}},  // 100 pixels right: 10 steps, 50 degrees
        {9, -9, {-5, 24, 0}},   // less than 10 pixels is no step, either way
        {-19, 25, {-7, 23, 0}}, // integer division toward zero
        {120, 0, {-5, 36, 0}},  // 180 degrees is the last angle of the turn
        {130, 0, {-5, -35, 0}}, // past it the angle wraps
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.dx) + ", " + std::to_string(row.dy));
        EXPECT_EQ(row.expected, RotateByDrag(ViewIso2, row.dx, row.dy));
    }
    // 72 steps are one turn: the same projection returns.
    const Graph3DArea area{500, 300, 10, 27, 36, 27, 140};
    const ViewAngles turned = RotateByDrag(ViewIso2, 720, 0);
    EXPECT_EQ(ViewIso2, turned);
    const Graph3DLayout once = LayoutGraph3D(area, RotateByDrag(ViewIso2, 70, 0), {0, 10, 0, 10, 0, 10});
    const Graph3DLayout again =
        LayoutGraph3D(area, {ViewIso2.angleX, ViewIso2.angleXY + 7 + 72, 0}, {0, 10, 0, 10, 0, 10});
    EXPECT_NEAR(Project(once, 3, 4, 5).x, Project(again, 3, 4, 5).x, 1e-9);
    EXPECT_NEAR(Project(once, 3, 4, 5).y, Project(again, 3, 4, 5).y, 1e-9);
}

std::uint32_t Rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}

TEST(HeightColours, stopsAndLinearStepsBetweenThem) {
    const auto colours = BuildHeightColours();
    const struct {
        int index;
        std::uint32_t expected;
    } rows[] = {
        {0, Rgb(0, 0, 85)},     {15, Rgb(0, 0, 255)}, {25, Rgb(0, 255, 0)},   {32, Rgb(255, 255, 0)},
        {40, Rgb(204, 204, 0)}, {52, Rgb(255, 0, 0)}, {61, Rgb(255, 0, 255)}, {62, Rgb(255, 0, 255)},
        {20, Rgb(0, 127, 127)}, // halfway: each channel truncated
        {5, Rgb(0, 0, 141)},    // 85 + 170 / 3 = 141.67
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.expected, colours[static_cast<std::size_t>(row.index)]) << "entry " << row.index;
}

TEST(HeightColours, heightsRoundToTheNearestEntryWithinTheScale) {
    const double rows[][2] = {{-3, 0}, {0.49, 0}, {0.5, 1}, {30.5, 31}, {60.6, 61}, {99, 61}};
    for (const auto &row : rows)
        EXPECT_EQ(static_cast<int>(row[1]), HeightColourIndex(row[0])) << row[0];
    EXPECT_EQ(0, HeightColourIndex(std::nan(""))); // an empty colour range divides 0 by 0
}

TEST(HeightColours, heightsRunOverTheDisplayRangeOrTheFixedRange) {
    CAxe values;
    values.min = 0;
    values.max = 60;
    values.displayMin = 10;
    values.displayMax = 40;
    ColourRange range = ColourRangeOf(values);
    EXPECT_EQ(0.0, HeightIndexOf(0, values.displayMin, range));   // at the display minimum
    EXPECT_EQ(61.0, HeightIndexOf(30, values.displayMin, range)); // at the display maximum

    values.SetFixedRange(true);
    range = ColourRangeOf(values);
    EXPECT_EQ(10.0 / 60 * 61, HeightIndexOf(0, values.displayMin, range));

    EXPECT_EQ(0.0, HeightIndexOf(5, 0, ColourRange{7, 7})); // a flat range does not divide by zero
}

} // namespace
} // namespace zarvex1
