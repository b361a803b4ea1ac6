#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mapeditor/views/ChromeRenderer.h"
#include "core/mapeditor/views/TableRenderer.h"
#include "editor_fixture.h"
#include "scene_ops.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using testing::OpsOf;

// An editor drawn with texts 7 pixels a character and 10 high.
struct Drawn : AdvanceEditor {
    Drawn() {
        TextMetrics metrics;
        metrics.width = [](std::string_view text, const EditorFont &) {
            return static_cast<int>(text.size()) * 7;
        };
        metrics.xHeight = [](const EditorFont &) { return 10; };
        tab.SetMetrics(metrics);
        tab.RebuildToolbar();
    }
    Scene table() {
        Scene scene;
        PaintTable(tab.View(), scene);
        return scene;
    }
    Rect cell(int x, int y) { return tab.Layout().TableRecord().Cell(x, y); }
};

const TextOp *TextAt(const std::vector<TextOp> &texts, const std::string &text) {
    for (const TextOp &t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

TEST(TableScene, liveRingOnTheActualCellAndItsHeaders) {
    Drawn e;
    e.tab.SetLiveValues(3000, 200, 0, false); // speed point 2, throttle point 2
    e.tab.UpdateActualPosition();
    const Rect c = e.cell(2, 2);
    int rings = 0;
    bool onCell = false;
    for (const EllipseOp &ring : OpsOf<EllipseOp>(e.table())) {
        if (ring.colour != EditorPalette[PaletteLiveOk])
            continue;
        ++rings;
        onCell = onCell || (ring.left == c.left + 2 && ring.top == c.top + 2 && ring.right == c.right - 2);
    }
    EXPECT_EQ(rings, 3); // X header, Y header, cell
    EXPECT_TRUE(onCell);
    e.tab.SetLiveValues(0, 200, 0, false); // the engine stopped: no ring
    e.tab.UpdateActualPosition();
    EXPECT_TRUE(OpsOf<EllipseOp>(e.table()).empty());
}

TEST(TableScene, oneItemIsACursorSeveralAreTintedAndOutlined) {
    Drawn e;
    e.tab.Cursor().SelectOne(1, 1);
    Scene single = e.table();
    EXPECT_TRUE(OpsOf<TintOp>(single).empty());
    const Rect c = e.cell(1, 1);
    bool handle = false;
    for (const FillOp &f : OpsOf<FillOp>(single))
        handle = handle || (f.x == c.right - 2 && f.y == c.bottom - 2 && f.w == 5 && f.colour == Black);
    EXPECT_TRUE(handle);

    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 2);
    const std::vector<TintOp> tints = OpsOf<TintOp>(e.table());
    ASSERT_EQ(tints.size(), 4u);
    EXPECT_EQ(tints[0].x, c.left + 1);
    EXPECT_EQ(tints[0].w, static_cast<int>(e.tab.Geometry().columnWidth - 2));
    EXPECT_EQ(tints[0].colour, EditorPalette[PaletteSelectionTint]);
}

TEST(TableScene, aBlockBeyondTheVisibleColumnsLosesItsRightEdgeAndHandle) {
    Drawn e;
    e.tab.SetWanted(5, 10);
    e.tab.Cursor().SelectOne(3, 1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 6, 1);
    const int right = e.tab.Geometry().CellsRight();
    const Scene scene = e.table();
    int frameEdges = 0;
    for (const LineOp &line : OpsOf<LineOp>(scene)) {
        if (line.colour != Black || line.width < 2)
            continue;
        ++frameEdges;
        EXPECT_FALSE(line.x1 == right && line.x2 == right) << "the clamped right edge is drawn";
    }
    EXPECT_EQ(frameEdges, 3);
    for (const FillOp &f : OpsOf<FillOp>(scene)) {
        EXPECT_FALSE(f.w == 5 && f.h == 5 && f.colour == Black) << "the fill handle is drawn";
    }
}

TEST(TableScene, textsAreCentredAndLockedAxesGreyItalic) {
    Drawn e;
    e.sheet().Cell(2, 3) = 25;
    e.sheet().axisY.SetEditable(false);
    const std::vector<TextOp> texts = OpsOf<TextOp>(e.table());
    const Rect c = e.cell(2, 3);
    const TextOp *value = TextAt(texts, "25");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->x, (c.left + c.right - 1 - 14) / 2 + 2);
    EXPECT_EQ(value->y, (c.top + c.bottom - 1 - 10) / 2);
    EXPECT_TRUE(value->font.bold);
    EXPECT_EQ(value->font.size, 11); // 1.4 x the 8-point base
    const TextOp *speed = TextAt(texts, "2 000 rpm");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->colour, Black);
    const TextOp *throttle = TextAt(texts, "30 %");
    ASSERT_NE(throttle, nullptr);
    EXPECT_EQ(throttle->colour, Grey);
    EXPECT_TRUE(throttle->font.italic);
    EXPECT_EQ(throttle->font.size, 9);
    EXPECT_NE(TextAt(texts, "(15)"), nullptr); // the column count, rotated beside the header row
    EXPECT_EQ(TextAt(texts, "(15)")->angle, 90);
}

TEST(TableScene, collapsedSpeedAxisGivesOneColumnUnderTheValueName) {
    Drawn e;
    e.sheet().axisX.SetCollapsed(true);
    e.tab.Relayout();
    const std::vector<TextOp> texts = OpsOf<TextOp>(e.table());
    EXPECT_NE(TextAt(texts, "Advance"), nullptr);
    EXPECT_EQ(TextAt(texts, "RPM"), nullptr);
    EXPECT_EQ(TextAt(texts, "1 000 rpm"), nullptr);
    EXPECT_EQ(e.tab.Geometry().visibleCols, 1);
}

TEST(ChromeScene, sheetTabsAndTheToolbarFrame) {
    Drawn e;
    e.tab.Sheets().AddSheet("Advance 2", "RPM", "TPS", "Advance", 15, 10, 0);
    e.tab.RebuildToolbar();
    Scene chrome;
    e.tab.SetLiveValues(3000, 200, 0, false);
    e.tab.UpdateActualPosition();
    e.tab.UpdateToolbarStates(false);
    RenderChrome(e.tab.View(), chrome);
    const std::vector<TextOp> texts = OpsOf<TextOp>(chrome);
    ASSERT_NE(TextAt(texts, "Advance 1"), nullptr);
    ASSERT_NE(TextAt(texts, "Advance 2"), nullptr);
    EXPECT_EQ(TextAt(texts, "Advance 1")->y, 20 - 16); // the current tab hangs 2 pixels lower
    EXPECT_EQ(TextAt(texts, "Advance 2")->y, 18 - 16);
    bool ring = false; // the live position, not a selection: a ring around + and -
    for (const EllipseOp &e2 : OpsOf<EllipseOp>(chrome))
        ring = ring || e2.colour == EditorPalette[PaletteLiveOk];
    EXPECT_TRUE(ring);
    int images = 0;
    for (const BitmapOp &b : OpsOf<BitmapOp>(chrome))
        images += b.bitmap == BitmapId::ClipboardCopyOff ? 1 : 0;
    EXPECT_EQ(images, 1); // Copy greyed: nothing selected
}

// On paper: no toolbar and no spinner, and both back afterwards.
TEST(ChromeScene, thePrintLookShowsNeitherToolbarNorSpinnerAndEndsAsItWas) {
    Drawn e;
    e.tab.SetFocused(true);
    auto buttons = [&e] {
        Scene chrome;
        RenderChrome(e.tab.View(), chrome);
        return OpsOf<BitmapOp>(chrome).size();
    };
    auto arrows = [&e] {
        std::size_t grey = 0;
        for (const PolygonOp &p : OpsOf<PolygonOp>(e.table()))
            grey += p.fill == Grey ? 1 : 0;
        return grey;
    };
    e.tab.Spinners().Place(3, 2);
    const std::size_t shown = buttons();
    ASSERT_GT(shown, 0u);
    ASSERT_EQ(arrows(), 2u);

    e.tab.SetPrintLook(true);
    EXPECT_NE(e.tab.Dirty() & DirtyRedraw, 0);
    EXPECT_FALSE(e.tab.Spinners().Shown());
    EXPECT_EQ(buttons(), 0u);
    e.tab.Spinners().Place(3, 2); // the pointer moves over a cell meanwhile
    EXPECT_EQ(arrows(), 0u);

    e.tab.SetPrintLook(false);
    EXPECT_EQ(buttons(), shown);
    e.tab.Spinners().Place(3, 2);
    EXPECT_EQ(arrows(), 2u);
}

} // namespace
} // namespace zarvex1
