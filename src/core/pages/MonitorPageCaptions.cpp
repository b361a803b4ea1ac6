#include "core/pages/MonitorPageStates.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

// The boxes of the live values; the labels in them are built from the message texts on every refresh.
constexpr CaptionRow Rows[] = {
    {"GroupBoxMonEngine", C::Caption, {"Engine", "Motor", "Motor"}},
    {"GroupBoxMonLoad", C::Caption, {"Load and voltages", "Last und Spannungen", "Zatížení a napětí"}},
    {"GroupBoxMonLimiter",
     C::Caption,
     {"Limiters and functions", "Begrenzer und Funktionen", "Omezovače a funkce"}},
    {"GroupBoxMonInput", C::Caption, {"Input to ground", "Eingang zu Erde", "Vstup uzeměn"}},
    {"GroupBoxMonGear", C::Caption, {"Gear and speed", "Gang und Geschwindigkeit", "Převod a rychlost"}},
    {"GroupBoxPotencKor",
     C::Caption,
     {"Potenciometer change of", "Potentiometer ändert", "Potenciometr mění"}},
    {"GroupBoxMonUnit", C::Caption, {"Ignition unit", "Zündung", "Zapalování"}},
};

} // namespace

CaptionTable MonitorPageCaptions() {
    return Rows;
}

} // namespace zarvex1
