#include <gtest/gtest.h>

#include <algorithm>

#include "core/mapeditor/views/Graph2DRenderer.h"
#include "graph_fixture.h"
#include "scene_ops.h"

namespace zarvex1 {
namespace {

using testing::Graph2DEditor;
using testing::OpsOf;

constexpr std::uint32_t Red = Rgb(255, 0, 0);

// The 2D graph drawn with texts 6 pixels a character and 10 high.
struct Drawn2D : Graph2DEditor {
    explicit Drawn2D(bool useOnlyRpm = true) : Graph2DEditor(useOnlyRpm) {
        TextMetrics metrics;
        metrics.width = [](std::string_view text, const EditorFont &) {
            return static_cast<int>(text.size()) * 6;
        };
        metrics.xHeight = [](const EditorFont &) { return 10; };
        tab.SetMetrics(metrics);
        tab.Graphs().Layout();
    }
    Scene paint() {
        Scene scene;
        tab.Graphs().Layout();
        tab.Graphs().Paint(tab.View(), scene);
        return scene;
    }
    std::vector<TextOp> texts(const std::string &ending) {
        std::vector<TextOp> found;
        for (const TextOp &t : OpsOf<TextOp>(paint()))
            if (t.text.size() >= ending.size() &&
                t.text.compare(t.text.size() - ending.size(), ending.size(), ending) == 0)
                found.push_back(t);
        return found;
    }
};

TEST(Graph2DScene, valueLabelsStandLeftOfOneCurveAndRightOfStackedOnes) {
    Drawn2D one;
    const Graph2DLayout &g = one.layout();
    const std::vector<TextOp> degrees = one.texts("°");
    ASSERT_FALSE(degrees.empty());
    for (const TextOp &t : degrees)
        EXPECT_EQ(g.plotLeft - 5, t.x + static_cast<int>(t.text.size()) * 6) << t.text;
    // Labels closer than a text height and 2 pixels are left out, not squeezed.
    for (std::size_t k = 1; k < degrees.size(); ++k)
        EXPECT_GT(degrees[k - 1].y - degrees[k].y, 12);

    Drawn2D stacked(false);
    const Graph2DLayout &s = stacked.layout();
    for (const TextOp &t : stacked.texts("°"))
        EXPECT_EQ(s.plotLeft + s.plotWidth + 5, t.x) << t.text;
    // Each curve's throttle stands left of its start.
    const std::vector<TextOp> curves = stacked.texts(" %");
    ASSERT_EQ(10u, curves.size());
    EXPECT_EQ("0 %", curves[0].text);
    EXPECT_EQ(s.startY[0] - 5, curves[0].y);
}

TEST(Graph2DScene, horizontalLabelsNeverOverlap) {
    Drawn2D e;
    const CBand everyHalfThousand[] = {{25000, 1000, 500, 500, 500}, {0, 0, 0, 0, 0}};
    e.sheet().axisX.SetBands(everyHalfThousand); // "10500" is wider than the 18.75 pixels between labels
    std::vector<TextOp> labels;
    for (const TextOp &t : OpsOf<TextOp>(e.paint()))
        if (t.y == e.layout().plotBottom + 4)
            labels.push_back(t);
    ASSERT_GT(labels.size(), 3u);
    EXPECT_EQ("0", labels[0].text);
    EXPECT_EQ("1500", labels[2].text); // "1000" would touch "500"
    for (std::size_t k = 1; k < labels.size(); ++k)
        EXPECT_GT(labels[k].x, labels[k - 1].x + static_cast<int>(labels[k - 1].text.size()) * 6);
}

TEST(Graph2DScene, flatEndsAndTheLiveRing) {
    Drawn2D e;
    const Graph2DLayout &g = e.layout();
    auto startsAtLeft = [&] {
        for (const LineOp &l : OpsOf<LineOp>(e.paint()))
            if (l.width == 2 && l.x1 == g.plotLeft)
                return true;
        return false;
    };
    EXPECT_TRUE(startsAtLeft());
    e.sheet().flags |= NoFlatEnds;
    EXPECT_FALSE(startsAtLeft());

    // Below the first speed point the live ring goes round the start point of the base advance.
    e.tab.SetLiveValues(500, 0, 0, false);
    e.tab.UpdateActualPosition();
    ASSERT_EQ(-1, e.sheet().actualX);
    std::vector<EllipseOp> rings = OpsOf<EllipseOp>(e.paint());
    ASSERT_EQ(2u, rings.size());
    EXPECT_EQ((EllipseOp{g.plotLeft - 7, g.startY[0] - 7, g.plotLeft + 7, g.startY[0] + 7,
                         EditorPalette[PaletteLiveOk], 1}
                   .left),
              rings[0].left);
    EXPECT_EQ(g.startY[0] + 8, rings[1].bottom);
}

TEST(Graph2DScene, hotMarkersShowWhatADragWouldMove) {
    Drawn2D e(false);
    auto markers = [&] {
        int n = 0;
        for (const LineOp &l : OpsOf<LineOp>(e.paint()))
            n += l.colour == Red && l.width == 1 ? 1 : 0;
        return n / 4; // a square of four lines each
    };
    e.move(e.x(4, 2), e.y(4, 2));
    EXPECT_EQ(1, markers());
    e.tab.SetModifiers(true, false);
    EXPECT_EQ(15, markers()); // its curve
    e.tab.SetModifiers(false, true);
    EXPECT_EQ(10, markers()); // its speed on every curve
    e.tab.SetModifiers(true, true);
    EXPECT_EQ(150, markers());
}

} // namespace
} // namespace zarvex1
