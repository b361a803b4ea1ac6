#pragma once

#include "params/ParameterImage.h"

namespace zarvex1 {

// The value of a 10 x 15 map of the image (advance 1, advance 2 or servo) at an engine speed and load,
// interpolated between the four surrounding cells. Load is the throttle in 0.1 % or the intake
// pressure in kPa, as byte 271 says; maps that use the speed axis only read their first row.
int MapValueAt(const ParameterImage &image, int mapFirstByte, int rpmAxisFirstWord, int rpm, int load);

} // namespace zarvex1
