#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/views/Graph2DPoints.h"
#include "core/params/Defaults.h"
#include "core/safety/CompareMarks.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zarvex1 {
namespace {

// The Advance page's editor over a set whose maps use the throttle, and another set that differs in two
// cells of map 1 (row 2, columns 4 and 5) and nowhere else.
struct AdvanceCompare {
    ParameterImage screen = FirstStartSet();
    ParameterImage other;
    MapEditor editor{960, 560, MapEditorOptions};
    CompareMarks marks;
    const CatalogueEntry &map = *SheetMap("TabAdvance", 0);

    AdvanceCompare() {
        screen.setByte(Adrb::LoadSensor, SensorTps);
        screen.setByte(Adrb::MapsUseLoad, 1);
        other = screen;
        other.setByte(Adrb::Advance1 + 15 * 2 + 4, screen.byte(Adrb::Advance1 + 15 * 2 + 4) + 3);
        other.setByte(Adrb::Advance1 + 15 * 2 + 5, screen.byte(Adrb::Advance1 + 15 * 2 + 5) + 3);
        DefineAdvanceSheets(editor);
        LoadAdvanceMaps(editor, screen);
        marks.SetOther(&other);
    }
};

TEST(CompareMarks, sheetsOfTheMapEditorsShowTheirMaps) {
    EXPECT_EQ(SheetMap("TabAdvance", 0)->id, "ADVANCE1");
    EXPECT_EQ(SheetMap("TabAdvance", 1)->id, "ADVANCE2");
    EXPECT_EQ(SheetMap("TabServo", 0)->id, "SERVO");
    EXPECT_EQ(SheetMap("TabTpsSensor", 0), nullptr);
}

// The table frames exactly the differing cells at the boxes the table draws them in, with the other
// set's value; none while no compare is open, and none on the other map.
TEST(CompareMarks, theTableFramesTheDifferingCellsWithTheOtherValue) {
    AdvanceCompare f;
    const std::vector<CellMark> marks = f.marks.TableMarks(f.editor, f.map, f.screen, Language::English);
    ASSERT_EQ(marks.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(marks[i].column, 4 + i);
        EXPECT_EQ(marks[i].row, 2);
        const Rect box = BlockPixels(f.editor.Geometry(), f.editor.Current(), Block{4 + i, 4 + i, 2, 2});
        EXPECT_EQ(marks[i].box.left, box.left);
        EXPECT_EQ(marks[i].box.bottom, box.bottom);
        EXPECT_GT(box.right, box.left);
        EXPECT_EQ(marks[i].otherValue, std::to_string(f.other.byte(Adrb::Advance1 + 34 + i)) + "°");
    }
    EXPECT_TRUE(f.marks.TableMarks(f.editor, *SheetMap("TabAdvance", 1), f.screen, 0).empty());
    f.marks.SetOther(nullptr);
    EXPECT_TRUE(f.marks.TableMarks(f.editor, f.map, f.screen, 0).empty());
}

// The graphs: in 2D the one differing curve as a line whose points lie where the other values would be
// drawn; in 3D the other set's whole surface as a wire; nothing in either when the sets are the same.
TEST(CompareMarks, theGraphsDrawTheOtherSetAsThinLines) {
    AdvanceCompare f;
    f.editor.SetViewMode(ViewGraph2D);
    ASSERT_TRUE(f.editor.Graphs().Layout());
    const std::vector<LineOp> lines = f.marks.GraphLines(f.editor, f.map, f.screen);
    const Graph2DLayout &layout = f.editor.Graphs().Layout2D();
    const int points = PointCount(f.editor.Graphs().Ranges());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(points - 1)) << "one curve differs";
    // Where cell (4, 2) is drawn, and its other value 3 raw units higher up.
    ScenePoint screenPoint, otherPoint;
    for (int c = 0; c < f.editor.Graphs().Ranges().curveCount; ++c)
        for (int i = 0; i < points; ++i)
            if (const CellPosition at = PointCell(layout, c, i); at.column == 4 && at.row == 2) {
                screenPoint = {layout.X(c, i), layout.Y(c, i)};
                otherPoint = {screenPoint.x,
                              screenPoint.y - static_cast<int>(std::lround(3 * layout.yScale))};
            }
    ASSERT_NE(screenPoint, otherPoint);
    bool found = false;
    for (const LineOp &line : lines) {
        EXPECT_EQ(line.colour, CompareColour);
        EXPECT_EQ(line.width, 1);
        found = found ||
                (ScenePoint{line.x1, line.y1} == otherPoint || ScenePoint{line.x2, line.y2} == otherPoint);
    }
    EXPECT_TRUE(found) << "the line runs through the other value";

    f.editor.SetViewMode(ViewGraph3D);
    ASSERT_TRUE(f.editor.Graphs().Layout());
    EXPECT_EQ(f.marks.GraphLines(f.editor, f.map, f.screen).size(),
              static_cast<std::size_t>(14 * 10 + 15 * 9));
    EXPECT_TRUE(f.marks.GraphLines(f.editor, f.map, f.other).empty());
}

} // namespace
} // namespace zarvex1
