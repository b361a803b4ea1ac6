#pragma once

#include <string>
#include <vector>

namespace zarvex1 {

class MapEditor;

// What a popup item does.
enum class PopupAction {
    Separator,
    Command,      // value: an EditorCommand
    InsertRow,    // value: the row boundary nearest to the press
    InsertColumn, // value: the column boundary
    DeleteRows,
    DeleteColumns,
    Autoscroll, // value: 1 on, 0 off
    Quality,    // value: the 3D graph's quality 0..5
    ValuesMode, // value: the 3D graph's value labels 0..3
};

struct PopupItem {
    PopupAction action = PopupAction::Separator;
    int value = 0;
    std::string text; // translated
    bool checkable = false;
    bool checked = false;
};

// The popup menu of a right button press at (x, y) on the current sheet (onTab: on its sheet tab),
// rebuilt from scratch each time.
std::vector<PopupItem> BuildPopupMenu(MapEditor &editor, int x, int y, bool onTab);
void RunPopupItem(MapEditor &editor, const PopupItem &item);

} // namespace zarvex1
