#pragma once

#include "app/Captions.h"

#include <string_view>

namespace zarvex1 {

// Object names of the pages, in page order (the tab order of PageControl1).
inline constexpr std::string_view PageNames[] = {
    "TabSheet_Bike", "TabSheet_Inputs", "TabSheet_Advance", "TabSheet_Servo",   "TabSheet_PowerOut",
    "TabSheet_Gear", "TabSheet_Race",   "TabSheet_Test",    "TabSheet_Monitor",
};

// Menu captions; a button named beside a menu item gets the same caption.
CaptionTable MenuCaptions();
// The texts of the window around the pages: the page tabs, the no-connection banner, the check box
// beside the tool bar.
CaptionTable WindowCaptions();

} // namespace zarvex1
