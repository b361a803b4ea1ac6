#pragma once

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

// What the 3D graph is shown with: the angles of the chosen preset, its colouring quality (0 wire,
// 1 one colour, 2..5 height colours of grain 0..3) and which values it labels (0 none .. 3 all).
struct GraphSettings {
    int preset = CommandIso1; // the pressed one of TOP, ISO1, ISO2
    int angleX = -5;
    int angleXY = 4;
    int angleXYZ = 0;
    int quality = 4;
    int valuesMode = 0;
};

// Runs a command on the editor. A command on a disabled sheet other than the sheet switch does nothing.
void RunCommand(MapEditor &editor, int command);

} // namespace zarvex1
