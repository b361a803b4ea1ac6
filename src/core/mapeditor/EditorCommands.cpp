#include "core/mapeditor/EditorCommands.h"

#include "core/mapeditor/ClipboardCommands.h"
#include "core/mapeditor/MapEditor.h"

namespace zarvex1 {

void RunCommand(MapEditor &editor, int command) {
    if (!editor.HasCurrent())
        return;
    if (!editor.Current().enabled() && command != CommandSheetOnOff)
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
        editor.Graph3D().ApplyPreset(command);
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

void MapEditor::RunCommand(int command) {
    zarvex1::RunCommand(*this, command);
}

} // namespace zarvex1
