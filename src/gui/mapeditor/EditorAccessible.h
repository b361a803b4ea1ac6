#pragma once

namespace zarvex1 {

// Makes the map editor known to screen readers and GUI automation: the control names its current
// sheet and exposes its current cell and value; the toolbar buttons and sheet tabs it paints are its
// children, named by their translated hints and titles.
void InstallEditorAccessibility();

} // namespace zarvex1
