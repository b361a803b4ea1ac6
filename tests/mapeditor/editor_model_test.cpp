#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mapeditor/EditorKeys.h"
#include "editor_fixture.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using V = std::vector<int>;

void Ticks(MapEditor &tab, int n) {
    for (int i = 0; i < n; ++i)
        tab.Tick(false, false);
}

void Type(MapEditor &tab, const std::string &keys) {
    for (char c : keys)
        tab.Keys().TableKey(static_cast<unsigned char>(c), false, false);
}

TEST(ChangeNotes, incrementsOnOneTargetCoalesceUntilFiveTicksAfterTheLast) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 2, 2);
    for (int i = 0; i < 3; ++i) {
        e.tab.Operations().Increment(+1);
        Ticks(e.tab, 2);
    }
    EXPECT_TRUE(e.notes.empty());
    Ticks(e.tab, 2);
    EXPECT_TRUE(e.notes.empty());
    Ticks(e.tab, 1);
    EXPECT_EQ(e.notes, (V{AxisData}));
    EXPECT_EQ(e.sheet().Cell(2, 2), 3);
    Ticks(e.tab, 10);
    EXPECT_EQ(e.notes.size(), 1u);
}

TEST(ChangeNotes, aSecondTargetDeliversThePendingChangeFirst) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 2, 2);
    e.tab.Operations().Increment(+1);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 3, 2);
    e.tab.Operations().Increment(+1);
    EXPECT_EQ(e.notes.size(), 1u);
    Ticks(e.tab, 5);
    EXPECT_EQ(e.notes.size(), 2u);
    e.tab.Operations().Increment(-1); // the same cell, the other direction
    EXPECT_EQ(e.notes.size(), 2u);
    Ticks(e.tab, 5);
    EXPECT_EQ(e.notes.size(), 3u);
}

TEST(ChangeNotes, maximumMessageFollowsTheLanguage) {
    AdvanceEditor e;
    e.tab.SetLanguage(3);
    e.tab.ClearDirty();
    EXPECT_TRUE(e.tab.Tick(false, false)); // the language change redraws
    e.tab.Operations().InsertRow(0);
    ASSERT_EQ(e.errors.size(), 1u);
    EXPECT_NE(e.errors[0].first, "Row count is on maximum !\nDelete some first...");
    EXPECT_EQ(e.errors[0].second, "Chyba");
}

TEST(ChangeNotes, beginAndEndFrameOneDelivery) {
    AdvanceEditor e;
    e.tab.NoteChange(AxisX, GroupEnd); // End without Begin is ignored
    EXPECT_TRUE(e.notes.empty());
    e.tab.NoteChange(0, GroupBegin);
    e.tab.NoteChange(AxisX, GroupBegin);
    e.tab.NoteChange(AxisData, GroupBegin);
    EXPECT_TRUE(e.notes.empty());
    e.tab.NoteChange(0, GroupEnd);
    EXPECT_EQ(e.notes, (V{AxisX | AxisData}));
    e.tab.NoteChange(0, GroupNow); // nothing pending: no delivery
    EXPECT_EQ(e.notes.size(), 1u);
}

TEST(ChangeNotes, anOperationStartingDuringACoalescedStepDeliversItFirst) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 2, 2);
    e.tab.Operations().Increment(+1);
    e.tab.NoteChange(0, GroupBegin);
    EXPECT_EQ(e.notes, (V{AxisData}));
    EXPECT_EQ(e.tab.Notes().Group(), GroupBegin);
    e.tab.NoteChange(AxisX, GroupEnd);
    EXPECT_EQ(e.notes, (V{AxisData, AxisX}));
}

TEST(ActualPosition, nearestBreakpointWithMidpointsGoingUp) {
    struct Case {
        const char *name;
        int rpm;
        int tpsTenths;
        bool noConnection;
        int state, x, y;
    };
    const Case cases[] = {
        {"on a point", 3000, 200, false, 1, 2, 2},
        {"midpoint goes to the upper point", 1500, 150, false, 1, 1, 2},
        {"below the midpoint", 1449, 149, false, 1, 0, 1},
        {"above the last point", 20000, 1000, false, 1, 14, 9},
        {"below the first speed point", 500, 0, false, 1, -1, 0},
        {"engine stopped", 0, 0, false, 0, -1, 0},
        {"no connection", 3000, 200, true, 0, -2, -2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AdvanceEditor e;
        e.tab.SetLiveValues(c.rpm, c.tpsTenths, 0, c.noConnection);
        e.tab.UpdateActualPosition();
        EXPECT_EQ((V{e.sheet().actualState, e.sheet().actualX, e.sheet().actualY}), (V{c.state, c.x, c.y}));
    }
}

TEST(ActualPosition, autoscrollBringsTheLivePointIntoView) {
    AdvanceEditor e;
    e.tab.SetWanted(5, 10);
    e.tab.SetLiveValues(10000, 0, 0, false); // point 9
    e.tab.UpdateActualPosition();
    EXPECT_EQ(e.sheet().axisX.firstVisible, 5);
    e.tab.SetLiveValues(3000, 0, 0, false); // point 2
    e.tab.UpdateActualPosition();
    EXPECT_EQ(e.sheet().axisX.firstVisible, 2);
    e.tab.SetAutoscroll(false);
    e.tab.SetLiveValues(15000, 0, 0, false);
    e.tab.UpdateActualPosition();
    EXPECT_EQ(e.sheet().actualX, 14);
    EXPECT_EQ(e.sheet().axisX.firstVisible, 2);
}

TEST(ActualPosition, followsTheActiveAdvanceMap) {
    AdvanceEditor e;
    e.tab.ApplyActiveMap(true);
    EXPECT_EQ(e.sheet().flags & TrackLive, 0);
    e.tab.SetLiveValues(3000, 200, 0, false);
    e.tab.UpdateActualPosition();
    EXPECT_EQ(e.sheet().actualState, 0);
    e.tab.ApplyActiveMap(false);
    EXPECT_EQ(e.sheet().flags & TrackLive, TrackLive);
}

TEST(Geometry, headerSizesFollowThePixelsPerInch) {
    const MapEditor at96(400, 300, AllowTable, 96), at120(400, 300, AllowTable, 120);
    EXPECT_EQ((V{at96.Geometry().headerGap, at96.Geometry().rowHeaderWidth}), (V{15, 65}));
    EXPECT_EQ((V{at120.Geometry().headerGap, at120.Geometry().rowHeaderWidth}), (V{18, 81}));
}

TEST(Geometry, sensorEditorLaysOutItsTwoCellsAlone) {
    MapEditor tab(250, 130, AllowTable | AllowGraph2D | ShowTitleLine, 96);
    tab.SetWanted(2, 2);
    tab.Sheets().AddSheet("TPS sensor", "Voltage", "TPS", "Voltage", 2, 2, 0x22);
    tab.Sheets().Sheet(0).axisX.SetCollapsed(true);
    tab.Sheets().Sheet(0).axisX.collapseMode = 2;
    tab.SelectSheet(0);
    EXPECT_EQ((V{tab.Geometry().topMargin, tab.Geometry().columnHeaderHeight, tab.Geometry().cellsX,
                 tab.Geometry().cellsY}),
              (V{25, 21, 90, 61}));
    EXPECT_FLOAT_EQ(tab.Geometry().columnWidth, 66.5f);
    EXPECT_FLOAT_EQ(tab.Geometry().rowHeight, 21.0f);
    EXPECT_EQ(tab.Geometry().shownViews, ViewTable);
    EXPECT_EQ((V{tab.Geometry().visibleCols, tab.Geometry().visibleRows}), (V{1, 2}));
    EXPECT_EQ(tab.Layout().FullRecord().Cell(0, 1), (Rect{90, 82, 156, 103}));
    EXPECT_EQ(tab.Layout().FullRecord().xHeaders[0], Rect{}); // a collapsed axis has no headers
}

TEST(Geometry, scrollBarAppearsOnlyBeyondTheWantedColumns) {
    MapEditor tab(600, 400, AllowTable);
    tab.Sheets().AddSheet("A", "RPM", "TPS", "D", 15, 10, 0);
    tab.Sheets().AddSheet("B", "RPM", "TPS", "D", 16, 10, 0);
    tab.SelectSheet(0);
    EXPECT_EQ(tab.Layout().HorizontalBar().shown, 0);
    EXPECT_EQ(tab.Layout().VerticalBar().shown, 0);
    tab.SelectSheet(1);
    EXPECT_EQ(tab.Layout().HorizontalBar().shown, 1);
    EXPECT_EQ((V{tab.Layout().HorizontalBar().page, tab.Layout().HorizontalBar().total}), (V{15, 16}));
    EXPECT_EQ(tab.Sheets().PreviousIndex(), 0);
    // The visible record holds columns 0..14, the full one column 15 beyond the right edge.
    EXPECT_EQ(tab.Layout().TableRecord().Cell(15, 0), Rect{});
    EXPECT_GT(tab.Layout().FullRecord().Cell(15, 0).left, tab.Layout().FullRecord().Cell(14, 0).left);
    tab.ScrollBy(5, 0);
    EXPECT_EQ(tab.Sheets().Sheet(1).axisX.firstVisible, 1);
    EXPECT_EQ(tab.Layout().TableRecord().Cell(0, 0), Rect{});
    EXPECT_EQ(tab.Layout().TableRecord().Cell(15, 0).left,
              tab.Geometry().cellsX + static_cast<int>(14 * tab.Geometry().columnWidth));
}

TEST(Geometry, viewModeFallsBackToAnAllowedView) {
    struct Case {
        int options;
        int mode;
        int result;
    };
    const Case cases[] = {
        {AllowTable | AllowGraph2D, ViewGraph3D, ViewTable},
        {AllowGraph2D, ViewTable, ViewGraph2D},
        {AllowGraph3D, ViewGraph2D, ViewGraph3D},
        {0, ViewTable, ViewNone},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options);
        MapEditor tab(600, 400, c.options);
        tab.SetViewMode(c.mode);
        EXPECT_EQ(tab.Geometry().viewMode, c.result);
    }
}

TEST(Geometry, smallTableInALargeControlGetsAGraphBelow) {
    MapEditor tab(600, 600, ShowToolbar | AllowTable | AllowGraph2D);
    tab.Sheets().AddSheet("A", "RPM", "TPS", "D", 15, 2, 0);
    tab.SelectSheet(0);
    EXPECT_EQ(tab.Geometry().shownViews, ViewTable | ViewGraph2D);
    EXPECT_GT(tab.Geometry().graph.graphTop, tab.Geometry().cellsY);
}

TEST(Cursor, wrapsThroughTheHeaders) {
    struct Case {
        const char *name;
        int col, row;
        int key;
        int toCol, toRow;
    };
    const Case cases[] = {
        {"Enter on the last row goes to the next X header", 3, 9, KeyEnter, 4, -1},
        {"Enter on an X header goes to row 0", 4, -1, KeyEnter, 4, 0},
        {"left from column 0 to the Y header", 0, 3, KeyLeft, -1, 3},
        {"left from the Y header to the last column", -1, 3, KeyLeft, 14, 3},
        {"on the header row left wraps to the last column", 0, -1, KeyLeft, 14, -1},
        {"right from the last column to the Y header", 14, 3, KeyRight, -1, 3},
        {"up from row 0 to the X header", 2, 0, KeyUp, 2, -1},
        {"End goes to the last column", 2, 5, KeyEnd, 14, 5},
        {"Page Up goes to the first row", 2, 5, KeyPageUp, 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AdvanceEditor e;
        e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), c.col, c.row);
        EXPECT_TRUE(e.tab.Keys().TableKey(c.key, false, false));
        int col = 0, row = 0;
        ASSERT_TRUE(e.tab.Cursor().At(col, row));
        EXPECT_EQ((V{col, row}), (V{c.toCol, c.toRow}));
    }
}

TEST(Cursor, shiftExtendsFromTheAnchorAndScrolls) {
    AdvanceEditor e;
    e.tab.SetWanted(5, 10);
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    e.tab.Keys().TableKey(KeyRight, true, false);
    e.tab.Keys().TableKey(KeyDown, true, false);
    e.tab.Keys().TableKey(KeyEnd, true, false);
    const TSel &sel = e.sheet().sel;
    EXPECT_EQ((V{sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1}), (V{1, 14, 1, 2}));
    EXPECT_EQ(sel.count, 28);
    EXPECT_EQ(e.sheet().axisX.firstVisible, 10);
    e.sheet().sel.ClearSelection();
    EXPECT_FALSE(e.tab.Keys().TableKey(KeyRight, false, false)); // no cursor without a selection
}

TEST(ValueEntry, typedNumbersAreScaledAndRounded) {
    struct Case {
        const char *name;
        double scale;
        std::string keys;
        int stored;
    };
    const Case cases[] = {
        {"decimal comma", 0.001, "1,5\r", 1500},
        {"tiny negative rounds to zero", 0.001, "-0,0004\r", 0},
        {"thousands with a space", 100, "12 000\r", 120},
        {"half away from zero", 1, "-2.5\r", -3},
        {"not a number changes nothing", 1, "-.\r", 7},
        {"Esc ends without storing", 1, "42\x1b", 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AdvanceEditor e;
        e.sheet().axisData.scale = c.scale;
        e.sheet().axisData.min = -100000;
        e.sheet().axisData.max = 100000;
        e.sheet().Cell(1, 1) = 7;
        e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
        e.tab.Keys().TableKey(KeyBackspace, false, false); // starts an empty entry
        Type(e.tab, c.keys);
        EXPECT_EQ(e.tab.Edit().active, 0);
        EXPECT_EQ(e.sheet().Cell(1, 1), c.stored);
        EXPECT_EQ(e.notes.size(), c.stored != 7 ? 1u : 0u);
    }
}

TEST(ValueEntry, minusDecrementsUnlessAnEntryIsOpen) {
    AdvanceEditor e;
    e.sheet().Cell(1, 1) = 7;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    EXPECT_TRUE(e.tab.Keys().CommonKey('-', false, false));
    EXPECT_EQ(e.sheet().Cell(1, 1), 6);
    e.tab.Keys().TableKey('5', false, false); // typing opens the entry with the character
    EXPECT_FALSE(e.tab.Keys().CommonKey('-', false, false));
    EXPECT_TRUE(e.tab.Keys().TableKey('-', false, false));
    EXPECT_EQ(e.tab.Edit().editText, "5-");
    e.tab.Keys().TableKey(KeyHome, false, false);
    e.tab.Keys().TableKey(KeyRight, true, false);
    EXPECT_EQ(e.tab.Edit().SelectedText(), "5");
    e.tab.Keys().TableKey('1', false, false); // replaces the text selection
    EXPECT_EQ(e.tab.Edit().editText, "1-");
    Type(e.tab, "234567890123456789");
    EXPECT_EQ(e.tab.Edit().editText.size(), 16u);
}

TEST(ValueEntry, headerEntryShowsTheValueAndMovesThePoint) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, -1);
    e.tab.Keys().TableKey(KeyInsert, false, false);
    EXPECT_EQ(e.tab.Edit().editText, "2 000"); // 20 x 100 rpm
    e.tab.Keys().TableKey(KeyBackspace, false, false);
    Type(e.tab, "\b\b\b\b3500\r");
    EXPECT_EQ(e.xValues()[1], 35);
    EXPECT_EQ(e.xValues()[2], 36); // pushed by the elastic normalization
    e.sheet().axisX.SetEditable(false);
    EXPECT_FALSE(e.tab.Keys().TableKey('1', false, false));
    EXPECT_EQ(e.tab.Edit().active, 0);
}

TEST(Spinner, holdingRepeatsFromTheSixthTickAndAShortPressStepsOnce) {
    AdvanceEditor e;
    e.tab.Spinners().Place(2, 3);
    ASSERT_EQ(e.tab.SpinnerState().shown, 1);
    const Rect up = e.tab.SpinnerState().upBox;
    e.tab.Spinners().Hover(up.left + 2, up.top + 2);
    e.tab.Spinners().Press(1);
    Ticks(e.tab, 5);
    EXPECT_EQ(e.sheet().Cell(2, 3), 0);
    Ticks(e.tab, 1);
    EXPECT_EQ(e.sheet().Cell(2, 3), 1);
    Ticks(e.tab, 3);
    EXPECT_EQ(e.sheet().Cell(2, 3), 4);
    e.tab.Spinners().Release();
    EXPECT_EQ(e.sheet().Cell(2, 3), 4);

    e.tab.Spinners().Press(1);
    Ticks(e.tab, 3);
    e.tab.Spinners().Release();
    EXPECT_EQ(e.sheet().Cell(2, 3), 5);

    e.tab.Spinners().Press(2);
    e.tab.Spinners().Hover(0, 0); // moving off releases without a step
    e.tab.Spinners().Release();
    EXPECT_EQ(e.sheet().Cell(2, 3), 5);
}

TEST(Spinner, stepsEverySelectedItemWhenItsTargetIsSelected) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, -1);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 1, -1);
    e.tab.Spinners().Place(1, -1);
    e.tab.Spinners().Step(+1);
    EXPECT_EQ((V{e.xValues()[0], e.xValues()[1], e.xValues()[2]}), (V{11, 21, 30}));
    e.tab.Spinners().Place(5, -1);
    e.tab.Spinners().Step(-1);
    EXPECT_EQ(e.xValues()[5], 59);
    e.tab.Spinners().Place(20, 0); // outside the visible columns: no spinner
    EXPECT_EQ(e.tab.SpinnerState().shown, 0);
}

TEST(ScrollBarTicks, heldArrowStepsOnPressThenFromTheThirdTick) {
    ScrollBar bar(true);
    bar.shown = 1;
    bar.rect = Rect{0, 0, 300, 15};
    bar.total = 40;
    bar.page = 15;
    bool moved = false;
    EXPECT_TRUE(bar.Press(290, 5, 0, moved)); // second arrow
    EXPECT_TRUE(moved);
    EXPECT_EQ(bar.position, 1);
    EXPECT_FALSE(bar.Tick());
    EXPECT_FALSE(bar.Tick());
    EXPECT_TRUE(bar.Tick());
    EXPECT_TRUE(bar.Tick());
    EXPECT_EQ(bar.position, 3);
    EXPECT_TRUE(bar.Release(290, 5));
    EXPECT_FALSE(bar.Tick());
}

TEST(ScrollBarTicks, trackPagesUntilTheThumbReachesTheMouse) {
    ScrollBar bar(true);
    bar.shown = 1;
    bar.rect = Rect{0, 0, 300, 15};
    bar.total = 40;
    bar.page = 15;
    // Track 270 long, thumb 101: the thumb starts at 15..116.
    EXPECT_EQ((V{bar.TrackLength(), bar.ThumbLength(), bar.ThumbOffset()}), (V{270, 101, 0}));
    bool moved = false;
    bar.Press(250, 5, 0, moved);
    EXPECT_EQ(bar.position, 14);
    for (int i = 0; i < 10; ++i)
        bar.Tick();
    EXPECT_EQ(bar.position, 25); // clamped at total - page
    EXPECT_EQ(bar.pressedPart, PartNone);
    bool redraw = false;
    EXPECT_EQ(bar.PartAt(194, 5), PartThumb); // the thumb now lies at 184..285
    bar.Press(194, 5, 0, moved);
    EXPECT_TRUE(bar.Hover(194 - 54, 5, redraw));
    EXPECT_EQ(bar.position, 17); // 40 x -54 / 270 = -8
}

TEST(Keys, disabledSheetTakesOnlyTab) {
    AdvanceEditor e;
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 1, 1);
    e.tab.Operations().ToggleSheetEnabled();
    EXPECT_FALSE(e.tab.Keys().HandleKey('+', false, false));
    EXPECT_FALSE(e.tab.Keys().HandleKey('5', false, false));
    EXPECT_EQ(e.sheet().Cell(1, 1), 0);
    e.tab.Operations().ToggleSheetEnabled();
    EXPECT_TRUE(e.tab.Keys().HandleKey('+', false, false));
    EXPECT_TRUE(e.tab.Keys().HandleKey('5', false, false));
    EXPECT_EQ(e.tab.Edit().active, 1);
    e.tab.SetViewMode(ViewGraph3D);
    EXPECT_FALSE(e.tab.Keys().HandleKey(KeyLeft, false, false)); // left to the 3D graph
}

TEST(Keys, tabSwitchesSheetsOnlyWhenThereAreSeveral) {
    AdvanceEditor e;
    EXPECT_FALSE(e.tab.Keys().CommonKey(KeyTab, false, false));
    e.tab.Sheets().AddSheet("Advance 2", "RPM", "TPS", "Advance", 15, 10, TrackLive);
    e.tab.Sheets().AddSheet("C", "RPM", "TPS", "Advance", 15, 10, 0);
    EXPECT_TRUE(e.tab.Keys().CommonKey(KeyTab, false, false));
    EXPECT_EQ(e.tab.CurrentIndex(), 1);
    EXPECT_TRUE(e.tab.Keys().CommonKey(KeyTab, true, false));
    EXPECT_EQ(e.tab.CurrentIndex(), 0);
    EXPECT_TRUE(e.tab.Keys().CommonKey(KeyTab, true, false));
    EXPECT_EQ(e.tab.CurrentIndex(), 2);
    EXPECT_TRUE(e.tab.Keys().CommonKey(KeyTab, false, true));
    EXPECT_EQ(e.tab.CurrentIndex(), 0);
}

TEST(Commands, useOnlyOneAxisCollapsesTheOther) {
    AdvanceEditor e;
    e.tab.Operations().UseAxes(13);
    EXPECT_EQ((V{e.sheet().axisX.collapsed(), e.sheet().axisY.collapsed()}), (V{0, 1}));
    EXPECT_EQ(e.tab.Geometry().visibleRows, 1);
    EXPECT_EQ(e.notes, (V{AxisX | AxisY | AxisData}));
    e.tab.Operations().UseAxes(15);
    EXPECT_EQ(e.tab.Geometry().visibleRows, 10);
    e.sheet().axisY.collapseMode = 0;
    EXPECT_FALSE(e.tab.Operations().UseAxesAllowed(13));
    e.tab.Operations().ToggleSheetEnabled();
    EXPECT_EQ(e.sheet().enabled(), 0);
}

TEST(BlockDrag, fillHandleAndBorderDragsFollowTheMouseByCells) {
    AdvanceEditor e;
    e.setRow(0, 0, {10, 12});
    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 0, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 1, 0);
    const int cw = static_cast<int>(e.tab.Geometry().columnWidth) + 1;
    e.tab.Drag().Begin(DragFill, 200, 100);
    EXPECT_FALSE(e.tab.Drag().Update(200 + cw / 2, 100));
    EXPECT_TRUE(e.tab.Drag().Update(200 + 2 * cw, 100));
    EXPECT_EQ(e.tab.Drag().Dragged(), (Block{0, 3, 0, 0}));
    EXPECT_TRUE(e.tab.Drag().Update(200 - 5 * cw, 100)); // dragged past the first column: ordered, clamped
    EXPECT_EQ(e.tab.Drag().Dragged(), (Block{0, 0, 0, 0}));
    e.tab.Drag().Update(200 + 2 * cw, 100);
    e.tab.Drag().End();
    EXPECT_EQ(e.row(0, 0, 4), (V{10, 12, 14, 16, 0}));
    EXPECT_EQ(e.tab.Drag().Mode(), DragNone);

    e.sheet().sel.SelectOne(e.tab.Layout().TableRecord(), 13, 0);
    e.sheet().sel.SelectRange(e.tab.Layout().TableRecord(), 14, 0);
    e.tab.Drag().Begin(DragCopy, 200, 100);
    e.tab.Drag().Update(200 + 3 * cw, 100 + 20 * static_cast<int>(e.tab.Geometry().rowHeight + 1));
    EXPECT_EQ(e.tab.Drag().Dragged(), (Block{13, 14, 9, 9})); // shifted back inside the table
}

TEST(BlockDrag, selectionBandScrollsTowardsAMouseBeyondTheCells) {
    AdvanceEditor e;
    e.tab.SetWanted(5, 10);
    const Rect start = e.tab.Layout().TableRecord().Cell(3, 1);
    e.sheet().sel.BeginSelectionDrag(e.tab.Layout().TableRecord(), start.left + 3, start.top + 3, false,
                                     false);
    const int right = static_cast<int>(e.tab.Geometry().cellsX + 5 * e.tab.Geometry().columnWidth);
    e.tab.SetMouse(right + 95, start.top + 3); // far out: one column every tick
    Ticks(e.tab, 1);
    EXPECT_EQ(e.sheet().axisX.firstVisible, 1);
    EXPECT_EQ(e.sheet().sel.CellMark(5, 1), MarkPending);
    EXPECT_EQ(e.sheet().sel.CellMark(3, 1), MarkPending); // the anchor stays on its cell
    Ticks(e.tab, 3);
    EXPECT_EQ(e.sheet().axisX.firstVisible, 4);
    e.sheet().sel.CommitSelection(e.tab.Layout().FullRecord());
    EXPECT_EQ((V{e.sheet().sel.boxX0, e.sheet().sel.boxX1}), (V{3, 8}));
    e.tab.SetMouse(right + 50, start.top + 3); // nearer: one column every fifth tick
    const int first = e.sheet().axisX.firstVisible;
    Ticks(e.tab, 5);
    EXPECT_EQ(e.sheet().axisX.firstVisible, first); // the band was committed: no drag any more
}

TEST(Mouse, wheelStepsTheSpinnerOrScrollsAndIsIgnoredWhileAButtonIsHeld) {
    AdvanceEditor e;
    e.tab.SetWanted(15, 5);
    ASSERT_EQ(e.tab.Layout().VerticalBar().shown, 1);
    e.tab.Spinners().Place(2, 3);
    EXPECT_TRUE(e.tab.Mouse().Wheel(120, true, true, false));
    EXPECT_EQ(e.sheet().Cell(2, 3), 0);
    EXPECT_TRUE(e.tab.Mouse().Wheel(120, false, true, false));
    EXPECT_EQ(e.sheet().Cell(2, 3), 1);
    e.tab.Spinners().Hide();
    EXPECT_TRUE(e.tab.Mouse().Wheel(-120, false, true, false));
    EXPECT_EQ(e.sheet().axisY.firstVisible, 1);
    EXPECT_FALSE(e.tab.Mouse().Wheel(-120, false, false, true)); // for the graph
}

TEST(Mouse, sheetTabsSitSideBySideAndTheCurrentOneIsWider) {
    AdvanceEditor e;
    e.tab.Sheets().AddSheet("Advance 2", "RPM", "TPS", "Advance", 15, 10, 0);
    e.tab.Sheets().Sheet(0).titleWidth = 60;
    e.tab.Sheets().Sheet(1).titleWidth = 70;
    EXPECT_EQ(e.tab.Layout().SheetTabRect(0, e.tab.Sheets()), (Rect{0, 0, 64, 20}));
    EXPECT_EQ(e.tab.Layout().SheetTabRect(1, e.tab.Sheets()), (Rect{63, 0, 133, 18}));
    EXPECT_EQ(e.tab.Layout().SheetTabAt(64, 10, e.tab.Sheets()),
              1); // the current tab reaches 2 pixels further
    EXPECT_EQ(e.tab.Layout().SheetTabAt(65, 10, e.tab.Sheets()), 2);
    EXPECT_EQ(e.tab.Layout().SheetTabAt(64, 25, e.tab.Sheets()), 0);
    EXPECT_EQ(e.tab.Layout().SheetTabAt(200, 10, e.tab.Sheets()), 0);
}

TEST(Mouse, sensorEditorSwitchesViewsInTheZoneBelowTheTable) {
    MapEditor tab(250, 300, AllowTable | AllowGraph2D | ShowTitleLine, 96);
    tab.SetWanted(2, 2);
    tab.Sheets().AddSheet("TPS sensor", "Voltage", "TPS", "Voltage", 2, 2, 0x22);
    tab.SelectSheet(0);
    const int y = static_cast<int>(tab.Geometry().cellsY + 2 * tab.Geometry().rowHeight - 2) + 5;
    EXPECT_FALSE(tab.Mouse().ClickViewSwitch(tab.Geometry().tableX + 5, y));
    EXPECT_TRUE(tab.Mouse().ClickViewSwitch(tab.Geometry().tableX - 5, y));
    EXPECT_EQ(tab.Geometry().shownViews, ViewGraph2D);
    EXPECT_TRUE(tab.Mouse().ClickViewSwitch(tab.Geometry().tableX - 5, y));
    EXPECT_EQ(tab.Geometry().viewMode, ViewTable);
}

} // namespace
} // namespace zarvex1
