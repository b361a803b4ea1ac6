#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The two advance maps between the image and their editor.

// Image -> editor: the load axis from B271 and B273, then both maps (speeds W21.., W36.. in hundreds
// of rpm, advance bytes B276.., B426.. as signed bytes).
void LoadAdvanceMaps(MapEditor &advance, const ParameterImage &image);
// Editor -> image for the current sheet, what a change of the map stores: whether the map uses the
// load, the shared pressure axis, the speeds, the advance bytes and the base advance.
void AdvanceMapToImage(const MapEditor &advance, ParameterImage &image);
// The page's store, the editor's part: whether the current map uses the load; the base marker
// follows the base advance.
void StoreAdvanceEditor(MapEditor &advance, ParameterImage &image);

// The base advance applies below the first speed point of the current map: its label shows it while
// the engine runs there.
bool BaseAdvanceApplies(const MapEditor &advance, int liveRpm);

} // namespace zarvex1
