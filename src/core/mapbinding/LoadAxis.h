#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The load (Y) axis of a sheet for the load sensor: none (the map is its last row, one curve over
// speed), the throttle points (fixed), or the shared intake-pressure axis W11..W20 (editable).
void SetLoadAxis(CSheet &sheet, int sensor, const ParameterImage &image);

// Every advance sheet: the sensor's axis, in use when use is 1 and there is a sensor.
void ApplyLoadAxis(MapEditor &advance, int sensor, int use, const ParameterImage &image);
// The servo sheet: the sensor's axis and the axes mode B578 (0 both, 1 speed only, 2 load only).
void ApplyServoLoadAxis(MapEditor &servo, int sensor, int axesMode, const ParameterImage &image);

} // namespace zarvex1
