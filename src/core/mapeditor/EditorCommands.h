#pragma once

#include "mapeditor/views/Graph3DLayout.h"

namespace zarvex1 {

class MapEditor;

// Commands of the toolbar and the popup menu; toolbar button i runs command i.
enum EditorCommand : int {
    CommandCopy = 0,
    CommandCopyTable = 1,
    CommandPaste = 2,
    CommandPlus = 3,
    CommandMinus = 4,
    CommandViewTable = 5,
    CommandView2D = 6,
    CommandView3D = 7,
    CommandUseX = 13,
    CommandUseY = 14,
    CommandUseBoth = 15,
    CommandTop = 16,
    CommandIso1 = 17,
    CommandIso2 = 18,
    CommandSheetOnOff = 19,
    CommandCopyGraph = 40,
    CommandInterpolate = 101,
};

// What the 3D graph is shown with: its view angles, its colouring quality (0 wire, 1 one colour,
// 2..5 height colours of grain 0..3), which values it labels (0 none .. 3 all) and which of its two
// helps still show as tooltips (1 rotation, 2 set value; each goes once the user has used it).
struct GraphSettings {
    ViewAngles angles;
    int quality = 4;
    int valuesMode = 0;
    int tooltipFlags = 3;

    // The preset command (TOP, ISO1, ISO2) whose angles the view has now, -1 for none.
    int Preset() const;
};

// Runs a command on the editor. A command on a disabled sheet other than the sheet switch does nothing.
void RunCommand(MapEditor &editor, int command);

} // namespace zarvex1
