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

} // namespace
} // namespace zarvex1
