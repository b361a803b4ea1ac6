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
    e.tab.SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 150);
    EXPECT_EQ(e.sheet().sel.isRectangle, 1);
    e.tab.SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 0);
    e.sheet().axisY.collapsed = 1;
    e.sheet().axisY.collapsePosition = CollapseLast;
    e.tab.Relayout();
    e.tab.SelectAllCells();
    EXPECT_EQ(e.sheet().sel.count, 15);
    EXPECT_EQ(Box(e.sheet().sel), (V{0, 14, 9, 9}));
}

TEST(SelectionLines, columnButtonSelectsItsCellsUnlessAlreadySelected) {
    AdvanceEditor e;
    e.tab.SelectLine(AxisX, 3);
    EXPECT_EQ(e.sheet().sel.count, 10);
    EXPECT_EQ(Box(e.sheet().sel), (V{3, 3, 0, 9}));
    e.tab.SelectAllCells();
    e.tab.SelectLine(AxisY, 2); // all selected already: the selection stays for the popup
    EXPECT_EQ(e.sheet().sel.count, 150);
    e.tab.SelectAllHeaders(AxisY);
    EXPECT_EQ(e.sheet().sel.kind, SelYHeaders);
    EXPECT_EQ(Box(e.sheet().sel), (V{-1, -1, 0, 9}));
}

TEST(SelectionLines, rightClickKeepsASelectedItemAndReplacesOtherwise) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.tableLayout, 1, 1);
    e.sheet().sel.SelectRange(e.tab.tableLayout, 3, 3);
    e.tab.SelectForPopup(2, 2);
    EXPECT_EQ(e.sheet().sel.count, 9);
    e.tab.SelectForPopup(5, -1);
    EXPECT_EQ(e.sheet().sel.kind, SelXHeaders);
    EXPECT_EQ(e.sheet().sel.count, 1);
    e.tab.SelectForPopup(-2, -2);
    EXPECT_EQ(e.sheet().sel.count, 0);
}

TEST(SelectionLines, previewShowsTheInterpolationWithoutChangingTheSheet) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 0, 20});
    e.sheet().sel.SelectOne(e.tab.tableLayout, 0, 0);
    e.sheet().sel.SelectRange(e.tab.tableLayout, 2, 0);
    ASSERT_TRUE(e.tab.PreviewInterpolation());
    EXPECT_EQ(V(e.tab.scratch.begin(), e.tab.scratch.begin() + 3), (V{10, 15, 20}));
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 0, 20}));
    e.sheet().sel.SelectOne(e.tab.tableLayout, 0, -1);
    e.sheet().sel.SelectRange(e.tab.tableLayout, 3, -1);
    e.sheet().axisX.values[1] = 11;
    ASSERT_TRUE(e.tab.PreviewInterpolation());
    EXPECT_EQ(V(e.tab.scratch.begin(), e.tab.scratch.begin() + 4), (V{10, 20, 30, 40}));
    e.sheet().sel.SelectOne(e.tab.tableLayout, 0, 0);
    EXPECT_FALSE(e.tab.PreviewInterpolation());
}

TEST(SelectionZones, fillHandleBorderAndInterpolationMarkers) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.tableLayout, 1, 1);
    e.sheet().sel.SelectRange(e.tab.tableLayout, 3, 2);
    const Rect r = e.tab.BlockPixels(e.tab.SelectionBlock());
    EXPECT_EQ(r.left, e.tab.tableLayout.Cell(1, 1).left);
    EXPECT_EQ(r.bottom, e.tab.tableLayout.Cell(3, 2).bottom);
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
        EXPECT_EQ(e.tab.BlockZoneAt(c.x, c.y), c.zone);
    }
    EXPECT_TRUE(e.tab.InterpolationMarkerAt(r.left + 3, r.top + 3));
    EXPECT_FALSE(e.tab.InterpolationMarkerAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    e.sheet().axisData.editable = 0;
    EXPECT_EQ(e.tab.BlockZoneAt(r.right, r.bottom), DragNone);
    EXPECT_FALSE(e.tab.InterpolationMarkerAt(r.left + 3, r.top + 3));
}

TEST(SelectionZones, collapsedAxisReducesTheBlockToItsUsedColumn) {
    AdvanceEditor e;
    e.sheet().axisX.collapsed = 1;
    e.sheet().axisX.collapsePosition = 4;
    e.tab.Relayout();
    const int cellsX = e.tab.cellsX;
    EXPECT_EQ(e.tab.BlockPixels(Block{2, 6, 0, 1}).left, cellsX);
    EXPECT_EQ(e.tab.BlockPixels(Block{5, 6, 0, 1}), Rect{});
    EXPECT_EQ(e.tab.BlockPixels(Block{2, 6, -1, -1}), Rect{});
    EXPECT_EQ(e.tab.BlockPixels(Block{-1, -1, 0, 1}).left, e.tab.tableX);
}

} // namespace
} // namespace zarvex1
