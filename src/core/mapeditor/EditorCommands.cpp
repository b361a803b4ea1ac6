#include "mapeditor/EditorCommands.h"

#include "mapeditor/ClipboardCommands.h"
#include "mapeditor/MapEditor.h"

namespace zarvex1 {

namespace {

struct Preset {
    int command, angleX, angleXY, angleXYZ;
};
constexpr Preset Presets[] = {{CommandTop, -18, 0, 0}, {CommandIso1, -5, 4, 0}, {CommandIso2, -5, 24, 0}};

} // namespace

void RunCommand(MapEditor &editor, int command) {
    if (!editor.HasCurrent())
        return;
    if (editor.Current().enabled == 0 && command != CommandSheetOnOff)
        return;
    switch (command) {
    case CommandCopy:
        CopySelection(editor);
        break;
    case CommandCopyTable:
        CopyTable(editor);
        break;
    case CommandPaste:
        Paste(editor);
        break;
    case CommandPlus:
    case CommandMinus:
        editor.Operations().Increment(command == CommandPlus ? 1 : -1);
        break;
    case CommandViewTable:
        editor.SetViewMode(ViewTable);
        break;
    case CommandView2D:
        editor.SetViewMode(ViewGraph2D);
        break;
    case CommandView3D:
        editor.SetViewMode(ViewGraph3D);
        break;
    case CommandUseX:
    case CommandUseY:
    case CommandUseBoth:
        editor.Operations().UseAxes(command);
        break;
    case CommandTop:
    case CommandIso1:
    case CommandIso2:
        for (const Preset &p : Presets) {
            if (p.command != command)
                continue;
            GraphSettings &graph = editor.Graph3D();
            graph.preset = command;
            graph.angleX = p.angleX;
            graph.angleXY = p.angleXY;
            graph.angleXYZ = p.angleXYZ;
        }
        editor.Toolbar().SetPreset(command);
        editor.Request(DirtyRelayout | DirtyRedraw);
        break;
    case CommandSheetOnOff:
        editor.Operations().ToggleSheetEnabled();
        break;
    case CommandCopyGraph:
        if (ClipboardAccess *clipboard = editor.Clipboard())
            clipboard->PutGraph();
        break;
    case CommandInterpolate:
        editor.Operations().Interpolate();
        break;
    default:
        return;
    }
    editor.Request(DirtyRedraw);
}

} // namespace zarvex1
