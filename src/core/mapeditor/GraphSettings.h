#pragma once

#include "core/mapeditor/views/Graph3DLayout.h"

namespace zarvex1 {

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
    // Turns the view to the angles of a preset command; false for another command.
    bool ApplyPreset(int command);
};

} // namespace zarvex1
