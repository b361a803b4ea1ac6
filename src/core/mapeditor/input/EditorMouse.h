#pragma once

#include <string>

#include "core/mapeditor/input/TableMouse.h"

namespace zarvex1 {

class BlockDrag;
class EditOperations;
class EditorSteps;
class SpinnerInput;
class TabLayout;
class TabSheets;
class TabToolbar;
class TableCursor;
class ValueEntry;

// Mouse cursor shapes of the control.
enum class MouseCursor { Default, SizeAll, Cross, IBeam };

// Where a right button press leaves the popup menu: shown at (x, y), on a sheet tab or not.
struct PopupRequest {
    bool show = false;
    bool onTab = false;
    int x = 0;
    int y = 0;
};

// The mouse and focus of the editor control: the order in which an event is offered to the sheet
// tabs, the toolbar, the view switch, the table and the graphs, the hint and the mouse cursor.
class EditorMouse {
public:
    EditorMouse(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TabToolbar &toolbar,
                TableCursor &cursor, EditOperations &operations, ValueEntry &entry, SpinnerInput &spinner,
                BlockDrag &drag)
        : steps_(steps), sheets_(sheets), layout_(layout), toolbar_(toolbar), cursor_(cursor), entry_(entry),
          spinner_(spinner), drag_(drag),
          table_(steps, sheets, layout, cursor, operations, entry, spinner, drag) {}

    TableMouse &Table() { return table_; }
    const TableMouse &Table() const { return table_; }

    // Mouse move; a leave comes as a move far outside. leftHeld: the left button is down.
    void Move(int x, int y, bool leftHeld);
    void LeftDown(int x, int y, bool shift, bool control);
    void LeftUp(int x, int y);
    void DoubleClick(int x, int y);
    PopupRequest RightDown(int x, int y);
    // Mouse wheel: returns true when consumed.
    bool Wheel(int delta, bool buttonHeld);
    // Mouse wheel outside the graphs' own handling: returns true when consumed.
    bool Wheel(int delta, bool buttonHeld, bool overTable, bool overGraph);
    void FocusGained();
    // Focus lost: commits the entry; returns whether the control stays a tab stop.
    bool FocusLost();
    // Without a toolbar, the small zone left of the table below its last row switches table and 2D graph.
    bool ClickViewSwitch(int x, int y);

    bool OverTable() const { return overTable_; }
    bool OverGraph() const { return overGraph_; }
    // Index + 1 of the sheet tab under the mouse, 0 for none.
    int TabUnderMouse() const { return tabUnderMouse_; }
    MouseCursor Cursor() const;
    // The hint to show (translated), empty while there is none.
    const std::string &Hint() const { return hint_; }
    // The popup menu's position, kept from the last right button press.
    int PopupX() const { return popupX_; }
    int PopupY() const { return popupY_; }

private:
    bool GraphDragging() const;
    void UpdateHint();

    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    TabToolbar &toolbar_;
    TableCursor &cursor_;
    ValueEntry &entry_;
    SpinnerInput &spinner_;
    BlockDrag &drag_;
    TableMouse table_;
    int mouseX_ = -10000;
    int mouseY_ = -10000;
    bool overTable_ = false;
    bool overGraph_ = false;
    int tabUnderMouse_ = 0;
    std::string hint_;
    int popupX_ = 0;
    int popupY_ = 0;
};

} // namespace zarvex1
