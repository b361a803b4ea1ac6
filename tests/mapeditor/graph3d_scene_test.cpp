#include <gtest/gtest.h>

#include <set>

#include "core/mapeditor/views/HeightColours.h"
#include "graph_fixture.h"
#include "scene_ops.h"

namespace zarvex1 {
namespace {

using testing::Graph3DEditor;
using testing::OpsOf;

constexpr std::uint32_t BackColour = Rgb(192, 192, 192);

// Texts in the value labels' font: 9 points, or 7 with all values.
int LabelTexts(const Scene &scene) {
    int n = 0;
    for (const TextOp &t : OpsOf<TextOp>(scene))
        n += t.font.size == 9 || t.font.size == 7 ? 1 : 0;
    return n;
}

TEST(Graph3DScene, flatMapFillsEveryTriangleInOneColourWithoutCutting) {
    Graph3DEditor e;
    std::fill(e.sheet().axisData.values.begin(), e.sheet().axisData.values.end(), 20);
    e.tab.Sheets().Markers().baseMarker = 20;
    e.tab.Graph3D().quality = 5;
    std::set<std::uint32_t> front;
    int triangles = 0;
    for (const TriangleOp &t : OpsOf<TriangleOp>(e.paint())) {
        ++triangles;
        if (t.colour != BackColour)
            front.insert(t.colour);
    }
    EXPECT_EQ(1u, front.size());
    // Cells -1 … 15 along the speeds (the base plateau first), 0 … 10 along the throttle; four
    // triangles each at most.
    EXPECT_LE(triangles, 17 * 11 * 4);
    EXPECT_GT(triangles, 17 * 11 * 2);
}

TEST(Graph3DScene, grainCutsSteepTrianglesAndTheWireModelFillsNothing) {
    Graph3DEditor e;
    std::vector<std::size_t> counts;
    for (int quality = 0; quality <= 5; ++quality) {
        e.tab.Graph3D().quality = quality;
        counts.push_back(OpsOf<TriangleOp>(e.paint()).size());
    }
    EXPECT_EQ(0u, counts[0]);
    EXPECT_EQ(counts[1], counts[2]); // one colour and grain 0: one fill per triangle
    EXPECT_LT(counts[2], counts[3]);
    EXPECT_LT(counts[4], counts[5]);
    EXPECT_LE(counts[5], counts[2] * (1 + 4 + 16 + 64));

    // Quality 0 draws the grid of the surface in black.
    e.tab.Graph3D().quality = 0;
    std::set<std::uint32_t> lines;
    for (const LineOp &l : OpsOf<LineOp>(e.paint()))
        lines.insert(l.colour);
    EXPECT_EQ(0u, lines.count(White));
    EXPECT_EQ(1u, lines.count(Black));
}

TEST(Graph3DScene, valueLabelsFollowTheMode) {
    Graph3DEditor e;
    e.tab.SetLiveValues(6000, 300, 0, false);
    e.tab.UpdateActualPosition();
    std::vector<int> labels;
    for (int mode = 0; mode <= 3; ++mode) {
        e.tab.Graph3D().valuesMode = mode;
        labels.push_back(LabelTexts(e.paint()));
    }
    EXPECT_EQ(0, labels[0]);
    EXPECT_EQ(3, labels[1]); // the live value: shadow, text, and once more on its marker
    EXPECT_GT(labels[2], labels[1]);
    EXPECT_LT(labels[2], labels[3]);
    // All values: every map point and the start of the base plateau along each throttle row.
    EXPECT_EQ(2 * (150 + 10) + 1, labels[3]);

    // The live marker is a disc in the live colour.
    e.tab.Graph3D().valuesMode = 0;
    const std::vector<DiscOp> discs = OpsOf<DiscOp>(e.paint());
    ASSERT_EQ(1u, discs.size());
    EXPECT_EQ(EditorPalette[PaletteLiveOk], discs[0].fill);
    EXPECT_EQ(10, discs[0].right - discs[0].left); // radius 5 inside the white ring of radius 6
}

TEST(Graph3DScene, legendReadOutAndAxes) {
    Graph3DEditor e;
    const Scene scene = e.paint();
    const auto colours = BuildHeightColours();
    int bands = 0;
    for (const FillOp &f : OpsOf<FillOp>(scene))
        bands += f.x == 10 + 30 && f.w == 60 && f.colour == colours[static_cast<std::size_t>(bands)] ? 1 : 0;
    EXPECT_EQ(61, bands);
    bool readOut = false;
    for (const TextOp &t : OpsOf<TextOp>(scene))
        readOut = readOut || t.text == "X:-25\u00b0  XY:120\u00b0  XYZ:0\u00b0";
    EXPECT_TRUE(readOut);

    // Axes that the surface may hide come again over it; seen from the top the value axis stands on
    // the origin and all three come again.
    auto axisBoxes = [&e](ViewAngles angles) {
        e.tab.Graph3D().angles = angles;
        return OpsOf<RoundRectOp>(e.paint()).size();
    };
    EXPECT_EQ(3u, axisBoxes({-5, -10, 0})); // both axes run away from the viewer
    EXPECT_EQ(4u, axisBoxes(ViewIso1));     // the speeds come nearer: the throttle axis again
    EXPECT_EQ(5u, axisBoxes({-5, -20, 0})); // the throttle comes nearer: the speed and value axes
    EXPECT_EQ(6u, axisBoxes(ViewTop));
}

// However it is turned, the surface stays inside the graph area.
TEST(Graph3DScene, surfaceStaysInsideTheGraphArea) {
    Graph3DEditor e;
    e.tab.Graph3D().quality = 1;
    const TableGeometry &g = e.tab.Geometry();
    const int left = g.graph.graphLeft, top = g.graph.graphTop;
    const int right = g.width - g.graph.graphRight, bottom = g.height - g.graph.graphBottom;
    std::vector<ViewAngles> views = {ViewTop, ViewIso1, ViewIso2};
    for (int x = -35; x <= 36; x += 6)
        for (int xy = -35; xy <= 36; xy += 6)
            views.push_back({x, xy, (x + xy) % 7});
    for (const ViewAngles &angles : views) {
        e.tab.Graph3D().angles = angles;
        int outside = 0;
        for (const TriangleOp &t : OpsOf<TriangleOp>(e.paint()))
            for (const ScenePoint &p : {t.a, t.b, t.c})
                outside += p.x < left || p.x > right || p.y < top || p.y > bottom ? 1 : 0;
        EXPECT_EQ(0, outside) << angles.angleX << " " << angles.angleXY << " " << angles.angleXYZ;
    }
}

} // namespace
} // namespace zarvex1
