#pragma once

#include "core/mapeditor/GraphSettings.h"
#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class MapEditor;

// Runs a command on the editor. A command on a disabled sheet other than the sheet switch does nothing.
void RunCommand(MapEditor &editor, int command);

} // namespace zarvex1
