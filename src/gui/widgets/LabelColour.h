#pragma once

#include "core/link/Colours.h"

#include <QColor>

#include <cstdint>

namespace zarvex1 {

// A colour of the program (0x00BBGGRR, or the button face) as the widgets paint it.
QColor LabelColour(std::uint32_t colour);

} // namespace zarvex1
