#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "mapeditor/views/ChromeRenderer.h"
#include "scene_ops.h"

namespace zarvex1 {
namespace {

using testing::AdvanceEditor;
using testing::OpsOf;

struct Drawn : AdvanceEditor {
    Drawn() {
        TextMetrics metrics;
        metrics.width = [](std::string_view text, const EditorFont &) {
            return static_cast<int>(text.size()) * 7;
        };
        metrics.xHeight = [](const EditorFont &) { return 10; };
        tab.SetMetrics(metrics);
        tab.RebuildToolbar();
        tab.SetFocused(true);
    }
    // The toolbar's buttons and the spinner's arrows, as the control draws them.
    std::size_t Buttons() {
        Scene chrome;
        RenderChrome(tab.View(), chrome);
        return OpsOf<BitmapOp>(chrome).size();
    }
    std::size_t Arrows() {
        Scene body;
        RenderBody(tab.View(), body);
        std::size_t grey = 0;
        for (const PolygonOp &p : OpsOf<PolygonOp>(body))
            grey += p.fill == Grey ? 1 : 0;
        return grey;
    }
};

TEST(PrintLook, showsNeitherToolbarNorSpinnerAndEndsAsItWas) {
    Drawn e;
    e.tab.Spinners().Place(3, 2);
    const std::size_t buttons = e.Buttons();
    ASSERT_GT(buttons, 0u);
    ASSERT_EQ(e.Arrows(), 2u);

    e.tab.SetPrintLook(true);
    EXPECT_NE(e.tab.Dirty() & DirtyRedraw, 0);
    EXPECT_FALSE(e.tab.Spinners().Shown());
    EXPECT_EQ(e.Buttons(), 0u);
    e.tab.Spinners().Place(3, 2); // the pointer moves over a cell meanwhile
    EXPECT_EQ(e.Arrows(), 0u);

    e.tab.SetPrintLook(false);
    EXPECT_EQ(e.Buttons(), buttons);
    e.tab.Spinners().Place(3, 2);
    EXPECT_EQ(e.Arrows(), 2u);
}

} // namespace
} // namespace zarvex1
