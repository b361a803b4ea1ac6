#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardCommands.h"
#include "core/mapeditor/EditorCommands.h"
#include "core/mapeditor/PopupMenu.h"
#include "editor_fixture.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;

// The advance map as its page defines it: speed always used, throttle that the user may leave out.
struct AdvancePage : AdvanceEditor {
    AdvancePage() {
        sheet().axisX.collapseMode = 0;
        sheet().axisY.SetEditable(false);
        sheet().axisY.SetResizable(false);
        tab.RebuildToolbar();
    }
};

std::vector<std::string> Texts(const std::vector<PopupItem> &items) {
    std::vector<std::string> texts;
    for (const PopupItem &item : items)
        texts.push_back(item.action == PopupAction::Separator ? "-" : item.text);
    return texts;
}

bool Has(const std::vector<std::string> &texts, const std::string &text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(Toolbar, useButtonsFollowTheCollapseModes) {
    AdvancePage advance;
    const TabToolbar &toolbar = advance.tab.Toolbar();
    EXPECT_EQ(toolbar.Count(), TabToolbar::Size);
    EXPECT_EQ(toolbar.Button(CommandUseX).caption, "only RPM");
    EXPECT_FALSE(toolbar.Button(CommandUseY).Defined());
    EXPECT_EQ(toolbar.Button(CommandUseBoth).caption, "RPM and TPS");
    EXPECT_EQ(toolbar.Button(CommandUseBoth).pressed, 1);
    const int e = advance.tab.Geometry().toolbarLeft;
    EXPECT_EQ(toolbar.Button(CommandUseX).rect.left, e + 128);
    EXPECT_EQ(toolbar.Button(CommandUseBoth).rect.left, e + 203);
    // Three views: from the right margin back by 3 x 63, each 58 wide.
    EXPECT_EQ(toolbar.Button(CommandViewTable).rect.left, 600 - 27 - 3 * 63 + 5);
    EXPECT_EQ(toolbar.Button(CommandViewTable).pressed, 1);
    EXPECT_EQ(toolbar.Button(CommandView3D).rect.left, 600 - 27 - 63 + 5);

    AdvanceEditor servo; // both axes may be left out
    EXPECT_TRUE(servo.tab.Toolbar().Button(CommandUseY).Defined());
    servo.tab.SetLanguage(1);
    servo.tab.Tick(false, false);
    EXPECT_EQ(servo.tab.Toolbar().Button(CommandUseX).caption, "nur RPM");

    MapEditor sensor(250, 130, AllowTable | AllowGraph2D | ShowTitleLine);
    sensor.Sheets().AddSheet("TPS sensor", "", "TPS", "Voltage", 2, 2, 0x722);
    sensor.SelectSheet(0);
    EXPECT_EQ(sensor.Toolbar().Count(), 0);
}

TEST(Toolbar, stepButtonsActOnASelectionOrTheLivePosition) {
    AdvancePage e;
    const TabToolbar &toolbar = e.tab.Toolbar();
    e.tab.UpdateToolbarStates(false);
    EXPECT_EQ(toolbar.Button(CommandPlus).active, 0);
    EXPECT_EQ(toolbar.Button(CommandCopy).active, 0);
    EXPECT_EQ(toolbar.Button(CommandCopyTable).active, 1);
    e.tab.SetLiveValues(3000, 200, 0, false);
    e.tab.UpdateActualPosition();
    e.tab.UpdateToolbarStates(false);
    EXPECT_EQ(toolbar.Button(CommandPlus).active, 1);
    EXPECT_FALSE(toolbar.ActsOnSelection()); // the ring around + and - in the live colour
    e.tab.Cursor().SelectOne(1, 1);
    e.tab.UpdateToolbarStates(false);
    EXPECT_TRUE(toolbar.ActsOnSelection());
    EXPECT_EQ(toolbar.Button(CommandCopy).active, 1);
}

TEST(Toolbar, aButtonRunsOnReleaseOverItAndNotWhenTheMouseLeftIt) {
    AdvancePage e;
    e.tab.Cursor().SelectOne(2, 2);
    e.tab.UpdateToolbarStates(false);
    const Rect plus = e.tab.Toolbar().Button(CommandPlus).rect;
    EditorMouse &mouse = e.tab.Mouse();
    mouse.Move(plus.left + 3, plus.top + 3, false);
    mouse.LeftDown(plus.left + 3, plus.top + 3, false, false);
    EXPECT_EQ(e.sheet().Cell(2, 2), 0);
    mouse.LeftUp(plus.left + 3, plus.top + 3);
    EXPECT_EQ(e.sheet().Cell(2, 2), 1);
    mouse.LeftDown(plus.left + 3, plus.top + 3, false, false);
    mouse.Move(plus.left - 40, plus.top + 3, true);
    mouse.LeftUp(plus.left - 40, plus.top + 3);
    EXPECT_EQ(e.sheet().Cell(2, 2), 1);
    const Rect graph3D = e.tab.Toolbar().Button(CommandView3D).rect;
    mouse.Move(graph3D.left + 5, graph3D.top + 5, false);
    mouse.LeftDown(graph3D.left + 5, graph3D.top + 5, false, false); // a toggle runs at once
    EXPECT_EQ(e.tab.Geometry().viewMode, ViewGraph3D);
    EXPECT_EQ(e.tab.Toolbar().Button(CommandTop).active, 1); // the presets show in the 3D view
    EXPECT_EQ(e.tab.Toolbar().Button(CommandTop).rect.left, e.tab.Geometry().leftMargin);
}

// Text that another program put on the clipboard: the paste button lights up at the next probe.
TEST(Toolbar, aButtonThatLooksDifferentAsksForARedraw) {
    struct HeldText : ClipboardAccess {
        int probe = 0;
        int Probe() const override { return probe; }
        std::string Text() const override { return probe != 0 ? "5" : ""; }
        std::string SheetText() const override { return ""; }
        void PutText(const std::string &) override {}
        void PutTable(const std::string &, const std::string &) override {}
    } clipboard;
    AdvancePage e;
    e.tab.SetClipboard(&clipboard);
    e.tab.Cursor().SelectOne(2, 2);
    for (int i = 0; i < 16; ++i)
        e.tab.Tick(false, false);
    e.tab.ClearDirty();
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(e.tab.Tick(false, false)) << i;
    clipboard.probe = ClipboardHasText;
    bool redraw = false;
    for (int i = 0; i < 16 && !redraw; ++i)
        redraw = e.tab.Tick(false, false);
    EXPECT_TRUE(redraw);
    EXPECT_EQ(e.tab.Toolbar().Button(CommandPaste).active, 1);
}

TEST(PopupMenu, itemsFollowWhereTheUserClickedAndWhatIsSelected) {
    AdvancePage e;
    MapEditor &tab = e.tab;
    tab.Current().sel.SelectOne(tab.Layout().TableRecord(), 3, 0);
    tab.Current().sel.SelectRange(tab.Layout().TableRecord(), 5, 9);
    const Rect cell = tab.Layout().TableRecord().Cell(4, 4);
    auto texts = Texts(BuildPopupMenu(tab, cell.left + 5, cell.top + 5, false));
    EXPECT_TRUE(Has(texts, "Copy"));
    EXPECT_TRUE(Has(texts, "Copy table"));
    EXPECT_TRUE(Has(texts, "Insert column here"));
    EXPECT_FALSE(Has(texts, "Insert row here")); // the throttle axis cannot grow
    EXPECT_TRUE(Has(texts, "Delete columns (3)"));
    EXPECT_TRUE(Has(texts, "Interpolate"));
    EXPECT_TRUE(Has(texts, "View as graph 3D"));
    EXPECT_TRUE(Has(texts, "Use only RPM"));
    EXPECT_TRUE(Has(texts, "Use RPM and TPS"));
    EXPECT_FALSE(Has(texts, "Use only TPS"));

    tab.Cursor().SelectAllCells();
    texts = Texts(BuildPopupMenu(tab, cell.left + 5, cell.top + 5, false));
    EXPECT_FALSE(Has(texts, "Delete columns (15)")); // every column: nothing would be left

    const Rect bar = tab.Layout().TableRecord().columnBars[7];
    tab.Cursor().ClearSelection();
    const std::vector<PopupItem> items = BuildPopupMenu(tab, bar.left + 2, bar.top + 2, false);
    ASSERT_TRUE(Has(Texts(items), "Insert column here"));
    for (const PopupItem &item : items) {
        if (item.action == PopupAction::InsertColumn) {
            EXPECT_EQ(item.value, 7); // the boundary nearest to the press
        }
    }
}

TEST(PopupMenu, sheetTabsSensorsAndDisabledSheets) {
    AdvanceEditor servo;
    servo.sheet().flags |= HasEnableBox;
    servo.sheet().title = "Servo";
    auto texts = Texts(BuildPopupMenu(servo.tab, 5, 5, true));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], "Disable  Servo");
    EXPECT_TRUE(Has(texts, "Copy table"));
    EXPECT_FALSE(Has(texts, "Copy"));
    EXPECT_TRUE(Has(texts, "Use only RPM"));
    RunPopupItem(servo.tab, BuildPopupMenu(servo.tab, 5, 5, true)[0]);
    EXPECT_EQ(servo.sheet().enabled(), 0);
    texts = Texts(BuildPopupMenu(servo.tab, 5, 5, true));
    EXPECT_EQ(texts, (std::vector<std::string>{"Enable  Servo"}));

    MapEditor sensor(250, 130, AllowTable | AllowGraph2D | ShowTitleLine);
    sensor.Sheets().AddSheet("TPS sensor", "", "TPS", "Voltage", 2, 2, 0x722);
    sensor.SelectSheet(0);
    texts = Texts(BuildPopupMenu(sensor, 100, 100, false));
    EXPECT_TRUE(Has(texts, "View as table"));
    EXPECT_TRUE(Has(texts, "View as graph 2D"));
    EXPECT_FALSE(Has(texts, "View as graph 3D"));
}

} // namespace
} // namespace zarvex1
