#include <gtest/gtest.h>

#include <vector>

#include "editor_fixture.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using V = std::vector<int>;

V Box(const TSel &sel) {
    return {sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1};
}

TEST(SelectionLines, selectAllTogglesAndRespectsACollapsedAxis) {
    AdvanceEditor e;
    e.tab.Cursor().SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 150);
    EXPECT_EQ(e.sheet().sel.isRectangle, 1);
    e.tab.Cursor().SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 0);
    e.sheet().axisY.SetCollapsed(true);
    e.sheet().axisY.collapsePosition = CollapseLast;
    e.tab.Relayout();
    e.tab.Cursor().SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 15);
    EXPECT_EQ(Box(e.sheet().sel), (V{0, 14, 9, 9}));
}

TEST(SelectionLines, columnButtonSelectsItsCellsUnlessAlreadySelected) {
    AdvanceEditor e;
    e.tab.Cursor().SelectLine(AxisX, 3);
    EXPECT_EQ(e.sheet().sel.count, 10);
    EXPECT_EQ(Box(e.sheet().sel), (V{3, 3, 0, 9}));
    e.tab.Cursor().SelectAllCells();
    e.tab.Cursor().SelectLine(AxisY, 2); // all selected already: the selection stays for the popup
    EXPECT_EQ(e.sheet().sel.count, 150);
    e.tab.Cursor().SelectAllHeaders(AxisY);
    EXPECT_EQ(e.sheet().sel.kind, SelYHeaders);
    EXPECT_EQ(Box(e.sheet().sel), (V{-1, -1, 0, 9}));
}

TEST(SelectionLines, rightClickKeepsASelectedItemAndReplacesOtherwise) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 3, 3);
    e.tab.Cursor().SelectForPopup(2, 2);
    EXPECT_EQ(e.sheet().sel.count, 9);
    e.tab.Cursor().SelectForPopup(5, -1);
    EXPECT_EQ(e.sheet().sel.kind, SelXHeaders);
    EXPECT_EQ(e.sheet().sel.count, 1);
    e.tab.Cursor().SelectForPopup(-2, -2);
    EXPECT_EQ(e.sheet().sel.count, 0);
}

TEST(SelectionLines, previewShowsTheInterpolationWithoutChangingTheSheet) {
    AdvanceEditor e;
    std::vector<int> preview;
    e.setRow(0, 0, {10, 0, 20});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 0);
    ASSERT_TRUE(e.tab.Operations().PreviewInterpolation(preview));
    EXPECT_EQ(V(preview.begin(), preview.begin() + 3), (V{10, 15, 20}));
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 0, 20}));
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, -1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 3, -1);
    e.sheet().axisX.values[1] = 11;
    ASSERT_TRUE(e.tab.Operations().PreviewInterpolation(preview));
    EXPECT_EQ(V(preview.begin(), preview.begin() + 4), (V{10, 20, 30, 40}));
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    EXPECT_FALSE(e.tab.Operations().PreviewInterpolation(preview));
}

TEST(SelectionZones, fillHandleBorderAndInterpolationMarkers) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 3, 2);
    const Rect r = e.tab.Layout().BlockPixels(e.tab.Cursor().SelectionBlock(), e.sheet());
    EXPECT_EQ(r.left, e.tab.Layout().TableRecord().Cell(1, 1).left);
    EXPECT_EQ(r.bottom, e.tab.Layout().TableRecord().Cell(3, 2).bottom);
    struct Case {
        const char *name;
        int x, y;
        int zone;
    };
    const Case cases[] = {
        {"fill handle", r.right + 3, r.bottom - 4, DragFill},
        {"left border", r.left - 1, (r.top + r.bottom) / 2, DragCopy},
        {"top border", (r.left + r.right) / 2, r.top + 2, DragCopy},
        {"inside", (r.left + r.right) / 2, (r.top + r.bottom) / 2, DragNone},
        {"beside the border line", r.left - 1, r.bottom + 10, DragNone},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(e.tab.Drag().ZoneAt(c.x, c.y), c.zone);
    }
    EXPECT_TRUE(e.tab.Drag().InterpolationMarkerAt(r.left + 3, r.top + 3));
    EXPECT_FALSE(e.tab.Drag().InterpolationMarkerAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    e.sheet().axisData.SetEditable(false);
    EXPECT_EQ(e.tab.Drag().ZoneAt(r.right, r.bottom), DragNone);
    EXPECT_FALSE(e.tab.Drag().InterpolationMarkerAt(r.left + 3, r.top + 3));
}

TEST(SelectionZones, collapsedAxisReducesTheBlockToItsUsedColumn) {
    AdvanceEditor e;
    e.sheet().axisX.SetCollapsed(true);
    e.sheet().axisX.collapsePosition = 4;
    e.tab.Relayout();
    const int cellsX = e.tab.Geometry().cellsX;
    EXPECT_EQ(e.tab.Layout().BlockPixels(Block{2, 6, 0, 1}, e.sheet()).left, cellsX);
    EXPECT_EQ(e.tab.Layout().BlockPixels(Block{5, 6, 0, 1}, e.sheet()), Rect{});
    EXPECT_EQ(e.tab.Layout().BlockPixels(Block{2, 6, -1, -1}, e.sheet()), Rect{});
    EXPECT_EQ(e.tab.Layout().BlockPixels(Block{-1, -1, 0, 1}, e.sheet()).left, e.tab.Geometry().tableX);
}

} // namespace
} // namespace zarvex1
