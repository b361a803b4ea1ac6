#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {
namespace {

// A table of cols x rows cells of 10 x 10 pixels at (100, 100), headers and bars in front of them.
LayoutRecord Grid(int cols, int rows) {
    LayoutRecord l;
    l.width = 400;
    l.height = 300;
    l.columns = cols;
    l.rows = rows;
    l.validXHeaders = l.validYHeaders = l.validColumnBars = l.validRowBars = l.validCells = 1;
    for (int i = 0; i < cols; ++i) {
        l.xHeaders[static_cast<std::size_t>(i)] = Rect{100 + 10 * i, 50, 110 + 10 * i, 80};
        l.columnBars[static_cast<std::size_t>(i)] = Rect{100 + 10 * i, 80, 110 + 10 * i, 100};
    }
    for (int j = 0; j < rows; ++j) {
        l.yHeaders[static_cast<std::size_t>(j)] = Rect{20, 100 + 10 * j, 80, 110 + 10 * j};
        l.rowBars[static_cast<std::size_t>(j)] = Rect{80, 100 + 10 * j, 100, 110 + 10 * j};
    }
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i)
            l.Cell(i, j) = Rect{100 + 10 * i, 100 + 10 * j, 110 + 10 * i, 110 + 10 * j};
    return l;
}

// Centre of a cell of Grid.
std::pair<int, int> At(int col, int row) {
    return {105 + 10 * col, 105 + 10 * row};
}

TSel MarkCells(const LayoutRecord &layout, const std::vector<std::pair<int, int>> &cells) {
    TSel sel;
    for (auto [x, y] : cells)
        sel.CellMark(x, y) = MarkPending;
    sel.mode = SelCells;
    sel.Recount();
    sel.CommitSelection(layout);
    return sel;
}

TEST(SelectionRectangle, onlySolidBlocksLongerThanTwoCount) {
    struct Case {
        const char *name;
        std::vector<std::pair<int, int>> cells;
        int rect;
        int x0, x1, y0, y1;
    };
    const Case cases[] = {
        {"3 x 1 row", {{1, 2}, {2, 2}, {3, 2}}, 1, 1, 3, 2, 2},
        {"1 x 3 column", {{0, 0}, {0, 1}, {0, 2}}, 1, 0, 0, 0, 2},
        {"3 x 2 block to the last row", {{2, 2}, {3, 2}, {4, 2}, {2, 3}, {3, 3}, {4, 3}}, 1, 2, 4, 2, 3},
        {"2 x 2 block", {{1, 1}, {2, 1}, {1, 2}, {2, 2}}, 0, -1, -1, -1, -1},
        {"single cell", {{1, 1}}, 0, -1, -1, -1, -1},
        {"L shape", {{1, 0}, {1, 1}, {1, 2}, {2, 2}}, 0, -1, -1, -1, -1},
        {"row with a gap", {{0, 1}, {1, 1}, {3, 1}}, 0, -1, -1, -1, -1},
        {"3 x 3 with a hole",
         {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
         0,
         -1,
         -1,
         -1,
         -1},
        {"second row shorter on the right", {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}}, 0, -1, -1, -1, -1},
        {"two separate rows", {{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}}, 0, -1, -1, -1, -1},
    };
    const LayoutRecord layout = Grid(5, 4);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const TSel sel = MarkCells(layout, c.cells);
        EXPECT_EQ(sel.isRectangle, c.rect);
        EXPECT_EQ(sel.kind, SelCells);
        EXPECT_EQ(sel.count, static_cast<int>(c.cells.size()));
        if (c.rect != 0) {
            EXPECT_EQ((std::vector<int>{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1}),
                      (std::vector<int>{c.x0, c.x1, c.y0, c.y1}));
            EXPECT_EQ(sel.ItemMark(c.x0, c.y0), MarkSelected | MarkCorner);
            EXPECT_EQ(sel.ItemMark(c.x1, c.y1), MarkSelected | MarkCorner);
        }
    }
}

TEST(SelectionRectangle, headerRunsOfThreeAreRectangles) {
    const LayoutRecord layout = Grid(6, 5);
    TSel sel;
    for (int i : {2, 3, 4})
        sel.xMarks[static_cast<std::size_t>(i)] = MarkPending;
    sel.mode = SelXHeaders;
    sel.Recount();
    sel.CommitSelection(layout);
    EXPECT_EQ(sel.isRectangle, 1);
    EXPECT_EQ((std::vector<int>{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1}),
              (std::vector<int>{2, 4, -1, -1}));
    EXPECT_EQ(sel.ItemMark(2, -1), MarkSelected | MarkCorner);
    EXPECT_EQ(sel.ItemMark(3, -1), MarkSelected);
    EXPECT_EQ(sel.ItemMark(4, -1), MarkSelected | MarkCorner);
    EXPECT_EQ(sel.kind, SelXHeaders);
    EXPECT_EQ((std::vector<int>{sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1}),
              (std::vector<int>{2, 4, -1, -1}));

    TSel gap;
    for (int j : {0, 1, 3})
        gap.yMarks[static_cast<std::size_t>(j)] = MarkPending;
    gap.mode = SelYHeaders;
    gap.Recount();
    gap.CommitSelection(layout);
    EXPECT_EQ(gap.isRectangle, 0);
    EXPECT_EQ(gap.count, 3);
    EXPECT_EQ((std::vector<int>{gap.boxX0, gap.boxX1, gap.boxY0, gap.boxY1}),
              (std::vector<int>{-1, -1, 0, 3}));
}

TEST(SelectionMouse, shiftClickSpansAndControlClickAdds) {
    LayoutRecord layout = Grid(5, 4);
    TSel sel;
    auto click = [&](int col, int row, bool shift, bool control) {
        const auto [x, y] = At(col, row);
        sel.BeginSelectionDrag(layout, x, y, shift, control);
        sel.CommitSelection(layout);
    };
    click(1, 1, false, false);
    EXPECT_EQ(sel.count, 1);
    click(3, 2, true, false);
    EXPECT_EQ(sel.count, 6);
    EXPECT_EQ(sel.isRectangle, 1);
    EXPECT_EQ((std::vector<int>{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1}),
              (std::vector<int>{1, 3, 1, 2}));
    click(0, 3, false, true);
    EXPECT_EQ(sel.count, 7);
    EXPECT_EQ(sel.isRectangle, 0);
    // The box covers both blocks, so the cursor is the top-left of the whole selection.
    EXPECT_EQ((std::vector<int>{sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1}), (std::vector<int>{0, 3, 1, 3}));
    click(4, 0, false, false); // a plain click starts afresh
    EXPECT_EQ(sel.count, 1);
    EXPECT_EQ(sel.ItemMark(4, 0), MarkSelected);
}

TEST(SelectionMouse, dragKeepsTheFamilyOfThePress) {
    LayoutRecord layout = Grid(5, 4);
    TSel sel;
    const auto [x, y] = At(1, 1);
    sel.BeginSelectionDrag(layout, x, y, false, false);
    EXPECT_EQ(sel.mode, SelCells | SelDragTable);
    EXPECT_EQ(sel.anchorCol, 1);
    EXPECT_EQ(sel.anchorRow, 1);
    EXPECT_TRUE(sel.ExtendSelectionDrag(layout, 135, 60, false)); // into the X header of column 3
    EXPECT_FALSE(sel.ExtendSelectionDrag(layout, 135, 60, false));
    sel.CommitSelection(layout);
    EXPECT_EQ(sel.kind, SelCells);
    EXPECT_EQ(sel.count, 6); // columns 1..3 of rows 0 and 1
    EXPECT_EQ(sel.ItemMark(3, -1), 0);
    EXPECT_EQ(sel.ItemMark(3, 0), MarkSelected | MarkCorner);
}

TEST(SelectionMouse, barsSelectWholeColumnsAndHeadersReplaceCells) {
    LayoutRecord layout = Grid(5, 4);
    TSel sel;
    sel.BeginSelectionDrag(layout, 115, 90, false, false); // column bar of column 1
    sel.ExtendSelectionDrag(layout, 125, 90, false);
    sel.CommitSelection(layout);
    EXPECT_EQ(sel.kind, SelCells);
    EXPECT_EQ(sel.count, 8);
    EXPECT_EQ(sel.isRectangle, 1);
    EXPECT_EQ((std::vector<int>{sel.rectX0, sel.rectX1, sel.rectY0, sel.rectY1}),
              (std::vector<int>{1, 2, 0, 3}));
    // Control-click on a header while cells are selected starts a new header selection.
    sel.BeginSelectionDrag(layout, 145, 60, false, true);
    sel.CommitSelection(layout);
    EXPECT_EQ(sel.kind, SelXHeaders);
    EXPECT_EQ(sel.count, 1);
    EXPECT_EQ(sel.ItemMark(1, 0), 0);
}

TEST(SelectionMouse, pressOutsideEveryRectangleSelectsNothing) {
    LayoutRecord layout = Grid(5, 4);
    layout.validXHeaders = 0; // e.g. the headers of a collapsed axis
    TSel sel;
    sel.BeginSelectionDrag(layout, 105, 60, false, false);
    EXPECT_EQ(sel.mode, SelNothing);
    sel.BeginSelectionDrag(layout, 5, 5, false, false);
    EXPECT_EQ(sel.mode, SelNothing);
    EXPECT_FALSE(sel.ExtendSelectionDrag(layout, 120, 120, true));
}

TEST(SelectionHit, sharedEdgesGoToTheHigherColumnAndTheFirstRow) {
    LayoutRecord layout = Grid(5, 4);
    int col = 0, row = 0;
    EXPECT_EQ(HitItem(layout, 110, 110, col, row), HitCell);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(1, 0));
    EXPECT_EQ(HitItem(layout, 125, 60, col, row), HitXHeader);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(2, -1));
    EXPECT_EQ(HitItem(layout, 30, 125, col, row), HitYHeader);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(-1, 2));
    EXPECT_EQ(HitItem(layout, 90, 90, col, row), 0);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(-2, -2));
    EXPECT_EQ(HitFamilies(layout, 105, 100), HitCell | HitColumnBar);
    EXPECT_EQ(HitFamilies(layout, 80, 105), HitRowBar | HitYHeader); // shared edge x = 80
}

TEST(SelectionKeys, selectOneAndRangeFollowTheAnchor) {
    const LayoutRecord layout = Grid(6, 5);
    TSel sel;
    sel.SelectOne(layout, 2, -1);
    EXPECT_EQ(sel.kind, SelXHeaders);
    EXPECT_EQ(std::make_pair(sel.anchorCol, sel.anchorRow), std::make_pair(2, -1));
    sel.SelectRange(layout, 4, 3); // the anchor row -1 keeps the range on the header row
    EXPECT_EQ(sel.kind, SelXHeaders);
    EXPECT_EQ(sel.count, 3);
    EXPECT_EQ(sel.currentRow, -1);
    EXPECT_EQ(sel.isRectangle, 1);

    sel.SelectOne(layout, 1, 1);
    sel.SelectRange(layout, -1, 3); // a current -1 where the anchor is not becomes 0
    EXPECT_EQ(sel.kind, SelCells);
    EXPECT_EQ(std::make_pair(sel.currentCol, sel.currentRow), std::make_pair(0, 3));
    EXPECT_EQ(sel.count, 6);
    EXPECT_EQ(std::make_pair(sel.anchorCol, sel.anchorRow), std::make_pair(1, 1));
}

TEST(SelectionKeys, rebuildAfterDeletionFindsTheRectangleAgain) {
    const LayoutRecord layout = Grid(6, 5);
    TSel sel = MarkCells(layout, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    sel.CellMark(3, 0) = 0; // a deleted column leaves three cells
    sel.CellMark(0, 0) = MarkSelected;
    sel.RebuildSelection(layout);
    EXPECT_EQ(sel.kind, SelCells);
    EXPECT_EQ(sel.count, 3);
    EXPECT_EQ(sel.isRectangle, 1);
    EXPECT_EQ(sel.rectX1, 2);
    EXPECT_EQ(sel.ItemMark(0, 0), MarkSelected | MarkCorner);
    EXPECT_EQ(sel.boxX1, 2);
}

TEST(SelectionQueries, itemMarkOutOfRangeIsZero) {
    TSel sel;
    sel.xMarks.fill(1);
    sel.yMarks.fill(1);
    sel.cellMarks.fill(1);
    const std::pair<int, int> outside[] = {{50, 0}, {-1, -1}, {-2, 0}, {0, -2}, {0, 30}, {-1, 30}, {50, -1}};
    for (auto [c, r] : outside) {
        SCOPED_TRACE(c * 100 + r);
        EXPECT_EQ(sel.ItemMark(c, r), 0);
    }
    EXPECT_EQ(sel.ItemMark(49, 29), 1);
}

TEST(SelectionQueries, cornerMaskOfRectanglesAndRuns) {
    const LayoutRecord layout = Grid(6, 5);
    const TSel cells = MarkCells(layout, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}});
    struct Case {
        int col, row;
        bool wholeRow, wholeColumn;
        int mask;
    };
    const Case cases[] = {
        {1, 1, false, false, 1},  {3, 1, false, false, 2}, {1, 2, false, false, 4},
        {3, 2, false, false, 8},  {2, 1, false, false, 0}, {1, -1, false, true, 5},
        {3, -1, false, true, 10}, {-1, 1, true, false, 3}, {-1, 2, true, false, 12},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.col * 100 + c.row);
        EXPECT_EQ(cells.CornerMask(c.col, c.row, c.wholeRow, c.wholeColumn), c.mask);
    }
    TSel run;
    for (int j : {0, 1, 2})
        run.yMarks[static_cast<std::size_t>(j)] = MarkPending;
    run.mode = SelYHeaders;
    run.Recount();
    run.CommitSelection(layout);
    EXPECT_EQ(run.CornerMask(-1, 0, false, false), 3);
    EXPECT_EQ(run.CornerMask(-1, 2, false, false), 12);
    EXPECT_EQ(run.CornerMask(0, 0, false, false), 0);
    EXPECT_EQ(MarkCells(layout, {{1, 1}, {2, 1}}).CornerMask(1, 1, false, false), 0);
}

} // namespace
} // namespace zarvex1
