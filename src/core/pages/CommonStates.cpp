#include "core/pages/CommonStates.h"

namespace zarvex1 {

PageStates CommonStates(const ParameterImage &image, bool printing) {
    PageStates s;
    for (std::string_view name :
         {"StatusBar1", "GroupBoxToolBar", "CGaugeRpm", "CGaugeTps", "CheckBoxProgHned"})
        s.Visible(name, !printing);
    s.Visible("LabelAdvance2", image.byte(Adrb::OutputCount) >= 2);
    const int method = image.byte(Adrb::PickupSystem);
    bool secondPickup = false;
    for (int m : {0, 4, 6, 7, 10, 12, 13, 14})
        secondPickup = secondPickup || method == m;
    s.Visible("LabelMonSnimac2", secondPickup);
    return s;
}

} // namespace zarvex1
