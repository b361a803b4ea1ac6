#pragma once

namespace zarvex1 {

class MapEditor;

// The mouse and focus of the editor control: which part of the control an event goes to.
class EditorMouse {
public:
    explicit EditorMouse(MapEditor &editor) : editor_(editor) {}

    // Mouse wheel outside the graphs' own handling: returns true when consumed.
    bool Wheel(int delta, bool buttonHeld, bool overTable, bool overGraph);
    // Focus lost: commits the entry; returns whether the control stays a tab stop.
    bool FocusLost();
    // Without a toolbar, the small zone left of the table below its last row switches table and 2D graph.
    bool ClickViewSwitch(int x, int y);

private:
    MapEditor &editor_;
};

} // namespace zarvex1
