#include <gtest/gtest.h>

#include <vector>

#include "editor_fixture.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using V = std::vector<int>;

// The advance editor narrowed to five speed points 10..50 so that columns can be inserted.
struct FiveColumns : AdvanceEditor {
    FiveColumns() {
        sheet().axisX.count = 5;
        tab.NormalizeSheet(0, AxisX | ResetLastEdited);
        tab.Relayout();
    }
};

TEST(InsertColumn, newPointAndCellsLieMidwayBetweenNeighbours) {
    FiveColumns e;
    e.sheet().axisX.values[2] = 30;
    e.sheet().axisX.values[3] = 40;
    for (int y = 0; y < 10; ++y) {
        e.sheet().Cell(2, y) = 10;
        e.sheet().Cell(3, y) = 15;
        e.sheet().Cell(4, y) = 20;
    }
    e.tab.Operations().InsertColumn(3);
    EXPECT_EQ(e.xValues(), (V{10, 20, 30, 35, 40, 50}));
    EXPECT_EQ(e.row(9, 2, 5), (V{10, 12, 15, 20}));
    EXPECT_EQ(e.notes, (V{AxisX | AxisData}));
    const TSel &sel = e.sheet().sel;
    EXPECT_EQ(sel.kind, SelCells);
    EXPECT_EQ(sel.count, 10);
    EXPECT_EQ(sel.isRectangle, 1);
    EXPECT_EQ(sel.rectX0, 3);
}

TEST(InsertColumn, atEitherEndCopiesTheNeighbour) {
    FiveColumns e;
    e.setRow(0, 0, {5, 6, 7, 8, 9});
    e.sheet().axisX.values[5] = 0; // the slot beyond the last point holds no larger value
    e.tab.Operations().InsertColumn(5);
    EXPECT_EQ(e.xValues(), (V{10, 20, 30, 40, 49, 50})); // the edited copy of 50 pushes its neighbour down
    EXPECT_EQ(e.row(0, 4, 5), (V{9, 9}));
    e.tab.Operations().InsertColumn(0);
    EXPECT_EQ(e.xValues(), (V{9, 10, 20, 30, 40, 49, 50})); // the unchanged first point gives way
    EXPECT_EQ(e.row(0, 0, 1), (V{5, 5}));
}

TEST(InsertColumn, afterDeletingTheLastColumnItsPointComesBack) {
    FiveColumns e;
    e.tab.Operations().DeleteColumn(4);
    e.tab.NoteChange(0, GroupEnd);
    EXPECT_EQ(e.xValues(), (V{10, 20, 30, 40}));
    e.tab.Operations().InsertColumn(4);
    EXPECT_EQ(e.xValues(), (V{10, 20, 30, 40, 50}));
}

TEST(InsertColumn, pushedNeighbourDoesNotSpringBackToAnotherPointsValue) {
    FiveColumns e;
    e.sheet().axisX.values[1] = 33; // pushes point 2 from 30 to 34
    e.tab.NoteChange(AxisX, GroupNow);
    ASSERT_EQ(e.xValues(), (V{10, 33, 34, 40, 50}));
    e.tab.Operations().InsertColumn(1); // the new point 1 lies at 21; the edited one moves to index 2
    e.sheet().axisX.values[1] = 25;
    e.tab.NoteChange(AxisX, GroupNow);
    EXPECT_EQ(e.xValues(), (V{10, 25, 33, 34, 40, 50}));
}

TEST(InsertColumn, atMaximumShowsTheMessageAndChangesNothing) {
    AdvanceEditor e;
    const V before = e.xValues();
    e.tab.Operations().InsertColumn(3);
    e.tab.Operations().InsertRow(3);
    ASSERT_EQ(e.errors.size(), 2u);
    EXPECT_EQ(e.errors[0].first, "Column count is on maximum !\nDelete some first...");
    EXPECT_EQ(e.errors[0].second, "Error");
    EXPECT_EQ(e.errors[1].first, "Row count is on maximum !\nDelete some first...");
    EXPECT_EQ(e.xValues(), before);
    EXPECT_TRUE(e.notes.empty());
}

TEST(InsertColumn, lockedOrCollapsedAxesAreLeftAlone) {
    FiveColumns e;
    e.sheet().axisX.SetResizable(false);
    e.tab.Operations().InsertColumn(2);
    e.tab.Operations().DeleteColumn(2);
    EXPECT_EQ(e.sheet().axisX.count, 5);
    e.sheet().axisX.SetResizable(true);
    e.sheet().axisX.SetCollapsed(true);
    e.tab.Operations().InsertColumn(2);
    e.tab.Operations().DeleteColumn(2);
    EXPECT_EQ(e.sheet().axisX.count, 5);
    EXPECT_TRUE(e.errors.empty());
    EXPECT_TRUE(e.notes.empty());
}

TEST(InsertRow, newRowLiesMidwayAndIsSelected) {
    AdvanceEditor e;
    e.sheet().axisY.count = 4;
    e.tab.Relayout();
    e.setRow(1, 0, {10, 20});
    e.setRow(2, 0, {20, 31});
    e.tab.Operations().InsertRow(2);
    EXPECT_EQ(e.sheet().axisY.count, 5);
    EXPECT_EQ(e.sheet().axisY.values[2], 15);
    EXPECT_EQ(e.row(2, 0, 1), (V{15, 25}));
    EXPECT_EQ(e.row(3, 0, 1), (V{20, 31}));
    EXPECT_EQ(e.sheet().sel.count, 15);
    EXPECT_EQ(e.notes, (V{AxisY | AxisData}));
}

TEST(DeleteColumns, selectedColumnsGoButNeverBelowMinCount) {
    FiveColumns e;
    e.setRow(0, 0, {1, 2, 3, 4, 5});
    e.sheet().axisX.minCount = 3;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 3, 9); // whole columns 0..3
    e.tab.Operations().DeleteSelectedColumns();
    EXPECT_EQ(e.sheet().axisX.count, 3);
    EXPECT_EQ(e.xValues(), (V{30, 40, 50}));
    EXPECT_EQ(e.row(0, 0, 2), (V{3, 4, 5}));
    EXPECT_EQ(e.notes, (V{AxisX | AxisData})); // one notification for the whole deletion
    EXPECT_EQ(e.sheet().sel.count, 20);        // the kept columns 2 and 3 (now 0 and 1) stay selected
    EXPECT_EQ(e.sheet().sel.ItemMark(0, 0) & MarkSelected, MarkSelected);
    EXPECT_EQ(e.sheet().sel.ItemMark(3, 0), 0); // nothing left beyond the count
}

TEST(DeleteColumns, partlySelectedColumnsStayAndHeaderSelectionDeletes) {
    FiveColumns e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 8); // rows 0..8 only
    e.tab.Operations().DeleteSelectedColumns();
    EXPECT_EQ(e.sheet().axisX.count, 5);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, -1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 3, -1);
    e.tab.Operations().DeleteSelectedColumns();
    EXPECT_EQ(e.xValues(), (V{10, 50}));
    EXPECT_EQ(e.sheet().sel.count, 0);
}

TEST(DeleteRows, selectedYHeadersDeleteTheirRows) {
    AdvanceEditor e;
    e.setRow(3, 0, {33});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), -1, 1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), -1, 2);
    e.tab.Operations().DeleteSelectedRows();
    EXPECT_EQ(e.sheet().axisY.count, 8);
    EXPECT_EQ(e.sheet().axisY.values[1], 30);
    EXPECT_EQ(e.sheet().Cell(0, 1), 33);
}

TEST(Interpolate, blockFillsBilinearlyFromItsCorners) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 0, 20});
    e.setRow(1, 0, {0, 0, 0});
    e.setRow(2, 0, {30, 0, 40});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 2);
    e.tab.Operations().Interpolate();
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 15, 20}));
    EXPECT_EQ(e.row(1, 0, 2), (V{20, 25, 30}));
    EXPECT_EQ(e.row(2, 0, 2), (V{30, 35, 40}));
    EXPECT_EQ(e.notes, (V{AxisData}));
    EXPECT_EQ(e.sheet().sel.count, 0);
}

TEST(Interpolate, usesAxisValuesAndRoundsHalfAwayFromZero) {
    AdvanceEditor e;
    e.sheet().axisX.values[1] = 11; // X 10, 11, 30: the middle column lies near the left corner
    e.setRow(0, 0, {-10, 0, 9});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 0);
    e.tab.Operations().Interpolate();
    EXPECT_EQ(e.row(0, 0, 2), (V{-10, -9, 9})); // -10 + 19 / 20 = -9.05
    e.sheet().axisX.SetHasValues(false);
    e.setRow(0, 0, {-10, 0, -1});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 0);
    e.tab.Operations().Interpolate();
    EXPECT_EQ(e.row(0, 0, 2), (V{-10, -6, -1})); // -5.5 by index
}

TEST(Interpolate, headerRunIsRefilledLinearly) {
    AdvanceEditor e;
    e.sheet().axisX.values[0] = 1;
    e.sheet().axisX.values[1] = 7;
    e.sheet().axisX.values[2] = 9;
    e.tab.NormalizeSheet(0, AxisX | ResetLastEdited);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, -1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, -1);
    e.tab.Operations().Interpolate();
    EXPECT_EQ(V(e.sheet().axisX.values.begin(), e.sheet().axisX.values.begin() + 4), (V{1, 5, 9, 40}));
    EXPECT_EQ(e.notes, (V{AxisX}));
}

TEST(Interpolate, withoutRectangleNothingHappens) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 0});
    e.setRow(1, 0, {0, 40});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 1, 1);
    e.tab.Operations().Interpolate();
    EXPECT_EQ(e.row(0, 0, 1), (V{10, 0}));
    EXPECT_TRUE(e.notes.empty());
}

struct DragCase {
    const char *name;
    int mode;
    Block source;
    Block target;
    int row;
    V expected; // cells of `row`, columns 0..5
};

TEST(ApplyDrag, fillAndCopyInEveryShape) {
    const DragCase cases[] = {
        {"one cell fills the target", DragFill, {1, 1, 1, 1}, {1, 3, 1, 2}, 2, {0, 11, 11, 11, 12, 0}},
        {"row repeated one row down", DragFill, {0, 1, 0, 0}, {0, 1, 0, 1}, 1, {10, 12, 0, 0, 0, 0}},
        {"row extended two columns right", DragFill, {0, 1, 0, 0}, {0, 3, 0, 0}, 0, {10, 12, 14, 16, 0, 0}},
        {"column extended down", DragFill, {4, 4, 2, 3}, {4, 5, 2, 5}, 5, {0, 0, 0, 0, 18, 18}},
        {"copy moves the block", DragCopy, {0, 1, 0, 0}, {2, 3, 1, 1}, 1, {0, 11, 10, 12, 0, 0}},
        {"copy overlapping its source", DragCopy, {0, 1, 0, 0}, {1, 2, 0, 0}, 0, {10, 10, 12, 0, 0, 0}},
    };
    for (const DragCase &c : cases) {
        SCOPED_TRACE(c.name);
        AdvanceEditor e;
        e.setRow(0, 0, {10, 12});
        e.sheet().Cell(1, 1) = 11;
        e.sheet().Cell(4, 2) = 12;
        e.sheet().Cell(4, 3) = 14;
        TSel &sel = e.sheet().sel;
        sel.SelectOne(e.tab.Layout().TableRecord(), c.source.x0, c.source.y0);
        sel.SelectRange(e.tab.Layout().TableRecord(), c.source.x1, c.source.y1);
        e.tab.Operations().ApplyDrag(c.mode, c.target);
        EXPECT_EQ(e.row(c.row, 0, 5), c.expected);
        EXPECT_EQ(e.notes, (V{AxisData}));
        EXPECT_EQ((V{sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1}),
                  (V{c.target.x0, c.target.x1, c.target.y0, c.target.y1}));
        EXPECT_EQ(sel.kind, SelCells);
    }
}

TEST(ApplyDrag, blockFillExtrapolatesFromTheNearestCorner) {
    AdvanceEditor e;
    e.setRow(1, 1, {20, 22});
    e.setRow(2, 1, {24, 26});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 2);
    e.tab.Operations().ApplyDrag(DragFill, Block{0, 3, 0, 3});
    EXPECT_EQ(e.row(0, 0, 3), (V{14, 16, 18, 20}));
    EXPECT_EQ(e.row(1, 0, 3), (V{18, 20, 22, 24}));
    EXPECT_EQ(e.row(2, 0, 3), (V{22, 24, 26, 28}));
    EXPECT_EQ(e.row(3, 0, 3), (V{26, 28, 30, 32}));
}

TEST(ApplyDrag, headerFillExtendsThePointSpacing) {
    AdvanceEditor e;
    e.sheet().axisX.values[0] = 10;
    e.sheet().axisX.values[1] = 12;
    e.tab.NormalizeSheet(0, AxisX | ResetLastEdited);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, -1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 1, -1);
    e.tab.Operations().ApplyDrag(DragFill, Block{0, 3, -1, -1});
    EXPECT_EQ(V(e.sheet().axisX.values.begin(), e.sheet().axisX.values.begin() + 5), (V{10, 12, 14, 16, 50}));
    EXPECT_EQ(e.notes, (V{AxisX}));
    EXPECT_EQ(e.sheet().sel.kind, SelXHeaders);
    EXPECT_EQ(e.sheet().sel.count, 4);
}

TEST(ApplyDrag, lockedDataAxisIsNotTouched) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 12});
    e.sheet().axisData.SetEditable(false);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.tab.Operations().ApplyDrag(DragFill, Block{0, 3, 0, 0});
    EXPECT_EQ(e.row(0, 0, 3), (V{10, 12, 0, 0}));
    EXPECT_TRUE(e.notes.empty());
}

TEST(Increment, selectionStepsEveryEditableSelectedItem) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 20, 60});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 2, 0);
    e.tab.Operations().Increment(+1);
    EXPECT_EQ(e.row(0, 0, 3), (V{11, 21, 60, 0})); // 61 is clamped to the maximum
    e.tab.Operations().Increment(-1);
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 20, 59}));
    e.sheet().axisData.SetEditable(false);
    e.tab.Operations().Increment(+1);
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 20, 59}));
}

TEST(Increment, emptySelectionStepsTheLivePosition) {
    struct Case {
        const char *name;
        int rpm;
        int tpsTenths;
        bool connected;
        int base;
        V row2;
    };
    const Case cases[] = {
        {"below the first speed point: base advance", 500, 200, true, 11, {0, 0, 0, 0}},
        {"inside the map: the actual cell", 3000, 200, true, 10, {0, 0, 1, 0}},
        {"no connection: nothing", 3000, 200, false, 10, {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AdvanceEditor e;
        e.tab.Sheets().Markers().baseMarker = 10;
        e.tab.SetLiveValues(c.rpm, c.tpsTenths, 0, !c.connected);
        e.tab.UpdateActualPosition();
        e.tab.Operations().Increment(+1);
        EXPECT_EQ(e.tab.Sheets().Markers().baseMarker, c.base);
        EXPECT_EQ(e.row(2, 0, 3), c.row2);
    }
}

} // namespace
} // namespace zarvex1
