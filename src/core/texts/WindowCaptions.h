#pragma once

#include "core/texts/Captions.h"

#include <string_view>

namespace zarvex1 {

// Object names of the pages, in page order (the tab order of PageControl1).
inline constexpr std::string_view PageNames[] = {
    "TabSheet_Bike", "TabSheet_Inputs", "TabSheet_Advance", "TabSheet_Servo",   "TabSheet_PowerOut",
    "TabSheet_Gear", "TabSheet_Race",   "TabSheet_Test",    "TabSheet_Monitor",
};

// Menu captions; a button named beside a menu item gets the same caption.
CaptionTable MenuCaptions();
// The hints of the menus, the tool bar and the check box beside it.
CaptionTable MenuHints();
// The texts of the window around the pages: the page tabs, the no-connection banner, the check box
// beside the tool bar.
CaptionTable WindowCaptions();

// The text of the first row of that kind for the target, or an empty text when there is none.
std::string_view CaptionText(CaptionTable rows, std::string_view target, CaptionKind kind, int languageIndex);

} // namespace zarvex1
