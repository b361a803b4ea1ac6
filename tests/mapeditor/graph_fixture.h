#pragma once

#include "editor_fixture.h"

#include "core/mapeditor/EditorCommands.h"
#include "core/mapeditor/views/Graph2DPoints.h"

namespace zarvex1::testing {

// The advance-map editor showing its 2D graph, sized so that one raw unit is 5 pixels of value and
// 4 pixels of engine speed (plot 600 x 250 over 0 … 150 and 0 … 50). With useOnlyRpm the graph is
// the one curve of the throttle row 0 (advance 0, 10, 13 … 49); else the ten throttle rows stacked.
struct Graph2DEditor : AdvanceEditor {
    explicit Graph2DEditor(bool useOnlyRpm = true) {
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 15; ++i)
                sheet().Cell(i, j) = i == 0 ? 0 : 3 * i + 7 - j;
        tab.Sheets().Markers() = EditorMarkers{25, 130, 120};
        tab.Resize(697, 339);
        if (useOnlyRpm)
            RunCommand(tab, CommandUseX);
        tab.SetViewMode(ViewGraph2D);
        tab.Graphs().Layout();
        notes.clear();
    }

    const Graph2DLayout &layout() const { return tab.Graphs().Layout2D(); }
    const GraphRanges &ranges() const { return tab.Graphs().Ranges(); }
    int hot() const { return tab.GraphMouse().Input2D().State().hotPoint; }
    // Point i of curve c on the screen.
    int x(int i, int c = 0) const { return layout().X(c, i); }
    int y(int i, int c = 0) const { return layout().Y(c, i); }

    void move(int px, int py, bool held = false) { tab.Mouse().Move(px, py, held); }
    void press(int px, int py, bool shift = false, bool control = false) {
        move(px, py);
        tab.SetModifiers(shift, control);
        tab.Mouse().LeftDown(px, py, shift, control);
    }
    void release(int px, int py) { tab.Mouse().LeftUp(px, py); }
    void drag(int fromX, int fromY, int toX, int toY, bool shift = false, bool control = false) {
        press(fromX, fromY, shift, control);
        move(toX, toY, true);
        release(toX, toY);
    }
};

} // namespace zarvex1::testing

namespace zarvex1::testing {

// The advance-map editor showing its 3D graph at 1000 x 600, texts 7 pixels a character and 10 high.
struct Graph3DEditor : AdvanceEditor {
    Graph3DEditor() {
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 15; ++i)
                sheet().Cell(i, j) = 10 + 2 * i - j;
        TextMetrics metrics;
        metrics.width = [](std::string_view text, const EditorFont &) {
            return static_cast<int>(text.size()) * 7;
        };
        metrics.xHeight = [](const EditorFont &) { return 10; };
        tab.SetMetrics(metrics);
        tab.Resize(1000, 600);
        RunCommand(tab, CommandView3D);
        notes.clear();
    }

    const GraphSettings &settings() const { return tab.Graph3D(); }
    Scene paint() {
        Scene scene;
        tab.Graphs().Layout();
        tab.Graphs().Paint(tab.View(), scene);
        return scene;
    }
    void drag(int fromX, int fromY, int toX, int toY) {
        tab.Mouse().Move(fromX, fromY, false);
        tab.Mouse().LeftDown(fromX, fromY, false, false);
        tab.Mouse().Move(toX, toY, true);
        tab.Mouse().LeftUp(toX, toY);
    }
    bool wheel(int x, int y, int delta, bool shift = false, bool control = false) {
        tab.Mouse().Move(x, y, false);
        tab.SetModifiers(shift, control);
        return tab.Mouse().Wheel(delta, false);
    }
};

} // namespace zarvex1::testing
