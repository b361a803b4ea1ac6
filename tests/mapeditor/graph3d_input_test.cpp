#include <gtest/gtest.h>

#include "core/mapeditor/EditorKeys.h"
#include "core/mapeditor/PopupMenu.h"
#include "graph_fixture.h"

namespace zarvex1 {
namespace {

using testing::Graph3DEditor;

// 5 degrees for every whole 10 pixels: sideways turns about the value axis, up and down tilts.
TEST(Graph3DInput, dragTurnsTheViewInStepsAndWraps) {
    struct Case {
        int dx, dy, angleX, angleXY;
    } cases[] = {
        {100, 0, -5, 34},   {109, 0, -5, 34}, {9, 9, -5, 24},    {-100, 0, -5, 14},
        {0, 100, -15, 24},  {0, -95, 4, 24},  {130, 0, -5, -35}, // 24 + 13 = 37 turns into -35
        {720, 0, -5, 24},                                        // a whole turn
        {0, -420, -35, 24},                                      // -5 + 42 = 37 as well
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        Graph3DEditor e;
        e.drag(500, 300, 500 + c.dx, 300 + c.dy);
        EXPECT_EQ((ViewAngles{c.angleX, c.angleXY, 0}), e.settings().angles);
    }
    Graph3DEditor e;
    e.drag(100, 300, 300, 300); // in the legend strip nothing turns
    EXPECT_EQ(ViewIso2, e.settings().angles);
}

TEST(Graph3DInput, presetsSetTheAnglesAndShowWhichOneIsOn) {
    Graph3DEditor e;
    const TabToolbar &toolbar = e.tab.Toolbar();
    auto pressed = [&] {
        std::vector<int> on;
        for (int command : {CommandTop, CommandIso1, CommandIso2})
            if (toolbar.Button(command).pressed != 0)
                on.push_back(command);
        return on;
    };
    EXPECT_EQ(std::vector<int>{CommandIso2}, pressed()); // the graph starts as ISO2
    const std::pair<int, ViewAngles> presets[] = {
        {CommandTop, {-18, 0, 0}}, {CommandIso1, {-5, 4, 0}}, {CommandIso2, {-5, 24, 0}}};
    for (const auto &[command, angles] : presets) {
        RunCommand(e.tab, command);
        EXPECT_EQ(angles, e.settings().angles);
        EXPECT_EQ(std::vector<int>{command}, pressed());
        EXPECT_NE(0, e.tab.Dirty() & DirtyRelayout);
    }
    RunCommand(e.tab, CommandTop);
    e.drag(500, 300, 520, 300); // turned away from it: no preset is on
    EXPECT_TRUE(pressed().empty());
    bool topChecked = true;
    for (const PopupItem &item : BuildPopupMenu(e.tab, 500, 300, false))
        if (item.action == PopupAction::Command && item.value == CommandTop)
            topChecked = item.checked;
    EXPECT_FALSE(topChecked);
}

TEST(Graph3DInput, wheelTurnsSetsQualityAndLabelsOrStepsTheLiveValue) {
    Graph3DEditor e;
    EXPECT_TRUE(e.wheel(500, 300, 120, false, true));
    EXPECT_TRUE(e.wheel(500, 300, 120, false, true));
    EXPECT_EQ(5, e.settings().quality); // 4 + 1, then held at 5
    EXPECT_TRUE(e.wheel(500, 300, -120, true, false));
    EXPECT_EQ(0, e.settings().valuesMode);
    EXPECT_TRUE(e.wheel(500, 300, 120, true, false));
    EXPECT_EQ(1, e.settings().valuesMode);
    for (int i = 0; i < 37; ++i)
        e.wheel(500, 300, 120);
    EXPECT_EQ(-35, e.settings().angles.angleXYZ); // 37 steps past 0 come round to -35
    EXPECT_EQ(ViewIso2.angleXY, e.settings().angles.angleXY);

    // Over the legend strip the wheel steps the value where the engine runs, selection or not.
    e.tab.SetLiveValues(6000, 300, 0, false); // speed point 5, throttle point 3
    e.tab.UpdateActualPosition();
    e.tab.Cursor().SelectOne(0, 0);
    EXPECT_TRUE(e.wheel(60, 300, 120));
    EXPECT_EQ(10 + 10 - 3 + 1, e.sheet().Cell(5, 3));
    EXPECT_EQ(10, e.sheet().Cell(0, 0));
}

TEST(Graph3DInput, helpShowsAsTooltipUntilUsed) {
    Graph3DEditor e;
    const std::string rotate =
        "Rotate: drag mouse (X, XY) and wheel (XYZ)   \nGraph quality: CTRL+mouse wheel   "
        "\nView values: SHIFT + mouse wheel";
    e.tab.Mouse().Move(500, 300, false);
    EXPECT_EQ(rotate, e.tab.Mouse().Hint());
    e.tab.Mouse().Move(60, 300, false);
    EXPECT_EQ("Set actual value - mouse wheel", e.tab.Mouse().Hint());
    e.tab.Mouse().Move(60, 70, false); // the read-out and the presets above: no help
    EXPECT_EQ("", e.tab.Mouse().Hint());
    e.wheel(500, 300, 120);
    e.tab.Mouse().Move(501, 300, false);
    EXPECT_EQ("|" + rotate, e.tab.Mouse().Hint()); // the status line only, from now on
    e.tab.Mouse().Move(60, 300, false);
    EXPECT_EQ("Set actual value - mouse wheel", e.tab.Mouse().Hint());
}

TEST(Graph3DInput, spaceStepsThroughTheValueLabels) {
    Graph3DEditor e;
    std::vector<int> modes;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(e.tab.GraphMouse().Key(KeySpace, false, false));
        modes.push_back(e.settings().valuesMode);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 1}), modes);
    EXPECT_FALSE(e.tab.GraphMouse().Key(KeyLeft, false, false));
}

} // namespace
} // namespace zarvex1
