#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The servo map between the image and its editor. Its cells are steps of 20 mV (0..250 = 0..5 V) or,
// while B577 asks for percent, 0..100 %.

// Image -> editor: the load axis and the axes mode, the speeds W51.., the cells B580.. (unsigned),
// the switch on or off (B576) and the colour. When the image asks for the other presentation (volts
// or percent) the data axis switches and the map is written back in it; returns true then (the page
// gives the editor the focus when it is the active page).
bool LoadServoMap(MapEditor &servo, ParameterImage &image);
// Editor -> image, what a change of the map stores: the axes mode, the switch, the shared pressure
// axis, the speeds and the cells.
void ServoMapToImage(const MapEditor &servo, ParameterImage &image);
// The page's store, the editor's part, after the page's controls went into the image (before: the
// image as the store found it): the sheet is switched on or off with B576; a changed percent choice
// B577 converts every cell (volts to percent: x 0.4, back: x 2.5, rounded) and stores the map.
void StoreServoEditor(MapEditor &servo, const ParameterImage &before, ParameterImage &image);

} // namespace zarvex1
