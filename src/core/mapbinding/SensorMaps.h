#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The throttle and intake-pressure calibrations of the Inputs page.

// Which of the two editors shows, by the load sensor B271 (another value leaves them as they are).
enum class SensorEditorShown { None, Tps, Iap, Unchanged };
SensorEditorShown ShownSensorEditor(const ParameterImage &image);

// Image -> editors: W4, W5 the throttle's voltages at 0 and 100 %; W6, W7 two pressures with their
// voltages W8, W9.
void LoadSensorMaps(MapEditor &tps, MapEditor &iap, const ParameterImage &image);
// Editors -> image, what a change of either calibration stores.
void SensorMapsToImage(const MapEditor &tps, const MapEditor &iap, ParameterImage &image);
// "TPS 0 % ->" (full false) and "TPS 100 % ->" (full true): the live sensor voltage, rounded to
// 10 mV, becomes the calibration point; false (nothing changed) outside 200 ... 4950 mV.
bool TakeTpsVoltage(ParameterImage &image, bool full, int millivolts);

} // namespace zarvex1
