#include <gtest/gtest.h>

#include <vector>

#include "core/mapeditor/EditorKeys.h"
#include "editor_fixture.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using V = std::vector<int>;

// The advance editor with the keyboard focus, clicked as the widget hands clicks on.
struct Clicks : AdvanceEditor {
    Clicks() {
        tab.Mouse().FocusGained();
        for (int x = 0; x < 15; ++x)
            for (int y = 0; y < 10; ++y)
                sheet().Cell(x, y) = 10 + 2 * x;
    }
    Rect cell(int x, int y) { return tab.Layout().TableRecord().Cell(x, y); }
    void click(int x, int y, bool shift = false) {
        tab.Mouse().Move(x, y, false);
        tab.Mouse().LeftDown(x, y, shift, false);
        tab.Mouse().LeftUp(x, y);
    }
    // The middle of a cell: away from the fill handle of a neighbour's selection.
    void clickCell(int c, int r, bool shift = false) {
        click((cell(c, r).left + cell(c, r).right) / 2, (cell(c, r).top + cell(c, r).bottom) / 2, shift);
    }
    V box() const {
        const TSel &sel = tab.Sheets().Sheet(0).sel;
        return {sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1};
    }
    void drag(int fromX, int fromY, int toX, int toY) {
        tab.Mouse().Move(fromX, fromY, false);
        tab.Mouse().LeftDown(fromX, fromY, false, false);
        tab.Mouse().Move(toX, toY, true);
        tab.Mouse().LeftUp(toX, toY);
    }
};

TEST(TableMouse, clicksSelectCellsHeadersAndTheWholeTable) {
    Clicks e;
    e.clickCell(1, 1);
    EXPECT_EQ(e.box(), (V{1, 1, 1, 1}));
    e.clickCell(3, 2, true);
    EXPECT_EQ(e.box(), (V{1, 3, 1, 2}));
    EXPECT_EQ(e.sheet().sel.count, 6);

    const TableGeometry &g = e.tab.Geometry();
    e.click(g.cellsX - 4, g.tableY + 2); // above the corner's diagonal
    EXPECT_EQ(e.sheet().sel.kind, SelXHeaders);
    EXPECT_EQ(e.sheet().sel.count, 15);
    e.click(g.tableX + 2, g.cellsY - 4); // below it
    EXPECT_EQ(e.sheet().sel.kind, SelYHeaders);

    const int allX = g.cellsX - 4, allY = g.cellsY - 4;
    e.click(allX, allY);
    EXPECT_EQ(e.sheet().sel.count, 150);
    e.tab.Mouse().RightDown(allX, allY); // a right click keeps everything selected
    EXPECT_EQ(e.sheet().sel.count, 150);
    e.click(allX, allY); // a second left click clears
    EXPECT_EQ(e.sheet().sel.count, 0);
}

TEST(TableMouse, rightClickKeepsASelectedCellAndSelectsAnotherAlone) {
    Clicks e;
    e.clickCell(1, 1);
    e.clickCell(2, 2, true);
    e.tab.Mouse().RightDown(e.cell(2, 1).left + 8, e.cell(2, 1).top + 8);
    EXPECT_EQ(e.sheet().sel.count, 4);
    e.tab.Mouse().RightDown(e.cell(8, 8).left + 8, e.cell(8, 8).top + 8);
    EXPECT_EQ(e.box(), (V{8, 8, 8, 8}));
}

TEST(TableMouse, spinnerShowsOnlyWithTheFocusAndStepsOnRelease) {
    Clicks e;
    const Rect c = e.cell(4, 3);
    e.tab.Mouse().FocusLost();
    e.tab.Mouse().Move(c.left + 10, c.top + 10, false);
    EXPECT_EQ(e.tab.SpinnerState().shown, 0);
    e.tab.Mouse().FocusGained();
    e.tab.Mouse().Move(c.left + 11, c.top + 10, false);
    ASSERT_EQ(e.tab.SpinnerState().shown, 1);
    const Rect down = e.tab.SpinnerState().downBox;
    e.click(down.left + 3, down.top + 2);
    EXPECT_EQ(e.sheet().Cell(4, 3), 17);
}

TEST(TableMouse, fillHandleAndBorderDragsChangeTheCells) {
    Clicks e;
    e.setRow(0, 0, {10, 12});
    e.clickCell(0, 0);
    e.clickCell(1, 0, true);
    const Rect last = e.cell(1, 0);
    const int cw = static_cast<int>(e.tab.Geometry().columnWidth);
    // The handle just below the corner: the spinner's down box covers the cell's own corner.
    e.tab.Mouse().Move(last.right + 2, last.bottom + 3, false);
    EXPECT_EQ(e.tab.Mouse().Cursor(), MouseCursor::Cross);
    e.drag(last.right + 2, last.bottom + 3, last.right + 2 * cw + 4, last.bottom + 3);
    EXPECT_EQ(e.row(0, 0, 4), (V{10, 12, 14, 16, 10 + 2 * 4}));
    EXPECT_EQ(e.box(), (V{0, 3, 0, 0}));

    // Grabbing the block's top border away from the interpolation markers at its corners moves a copy.
    const int x = e.cell(2, 0).left, top = e.cell(2, 0).top;
    e.tab.Mouse().Move(x, top + 1, false);
    EXPECT_EQ(e.tab.Mouse().Cursor(), MouseCursor::SizeAll);
    const int rh = static_cast<int>(e.tab.Geometry().rowHeight);
    e.drag(x, top + 1, x, top + rh + 3);
    EXPECT_EQ(e.row(1, 0, 3), (V{10, 12, 14, 16}));
    EXPECT_EQ(e.box(), (V{0, 3, 1, 1}));
}

TEST(TableMouse, interpolationMarkerPreviewsAndAClickInterpolates) {
    Clicks e;
    e.setRow(0, 0, {10, 99, 20});
    e.clickCell(0, 0);
    e.clickCell(2, 0, true);
    const Rect first = e.cell(0, 0);
    e.tab.Mouse().Move(first.left + 3, first.top + 3, false);
    EXPECT_TRUE(e.tab.Mouse().Table().PreviewOn());
    EXPECT_EQ(e.tab.Mouse().Hint(), "Interpolation");
    const EditorView view = e.tab.View();
    EXPECT_TRUE(view.previewOn);
    EXPECT_EQ(view.preview[1], 15);
    EXPECT_EQ(e.sheet().Cell(1, 0), 99); // only a preview
    e.tab.Mouse().LeftDown(first.left + 3, first.top + 3, false, false);
    EXPECT_EQ(e.row(0, 0, 2), (V{10, 15, 20}));
}

TEST(TableMouse, doubleClickOpensTheEntryWithTheValueSelected) {
    Clicks e;
    const Rect c = e.cell(2, 2);
    e.clickCell(2, 2);
    e.tab.Mouse().DoubleClick(c.left + 5, c.top + 5);
    const TValueEdit &edit = e.tab.Edit();
    ASSERT_EQ(edit.active, 1);
    EXPECT_EQ(edit.editText, "14");
    EXPECT_EQ(edit.SelectedText(), "14");
    e.tab.Keys().TableKey('7', false, false);
    e.tab.Keys().TableKey(KeyEnter, false, false);
    EXPECT_EQ(e.sheet().Cell(2, 2), 7);
}

TEST(TableMouse, wheelScrollsRowsOverEmptySpaceAndStepsTheSpinner) {
    Clicks e;
    e.tab.SetWanted(15, 5);
    const Rect c = e.cell(1, 1);
    e.tab.Mouse().Move(c.left + 10, c.top + 5, false);
    ASSERT_EQ(e.tab.SpinnerState().shown, 1);
    EXPECT_TRUE(e.tab.Mouse().Wheel(120, false));
    EXPECT_EQ(e.sheet().Cell(1, 1), 13);
    EXPECT_TRUE(e.tab.Mouse().Wheel(120, true)); // a held button: consumed, nothing happens
    EXPECT_EQ(e.sheet().Cell(1, 1), 13);
    e.tab.Mouse().Move(e.tab.Geometry().tableX + 2, e.tab.Geometry().tableY + 2, false);
    EXPECT_TRUE(e.tab.Mouse().Wheel(-120, false));
    EXPECT_EQ(e.sheet().axisY.firstVisible, 1);
}

} // namespace
} // namespace zarvex1
