#include "core/pages/PowerOutPageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

#define ZX_MODES                                                                                             \
    {                                                                                                        \
        "Off\nFuel pump\nPilot light\nPower jet Honda\nSpecial setting",                                     \
            "Aus\nBenzinpumpe\nKontrollleuchte\nPower Jet Honda\nSonderstellung",                            \
            "Vypnut\nPalivové čerpadlo\nKontrolka\nPower jet Honda\nSpeciální nastavení"                \
    }

// The grid's labels keep their texts in every language; "Tps" or "Iap" follows the load sensor.
#define ZX_OUTPUT(n, pin)                                                                                    \
    {"RadioGroupPOut" n,                                                                                     \
     C::Caption,                                                                                             \
     {"Mode power out  " n " (pin " pin ")", "Modus Ausgang  " n " (pin " pin ")",                           \
      "Režim výstupu  " n " (pin " pin ")"}},                                                                \
        {"RadioGroupPOut" n, C::Items, ZX_MODES},                                                            \
        {"GroupBoxPOutMap" n,                                                                                \
         C::Caption,                                                                                         \
         {"Setting power out " n, "Einstellung Ausgang " n, "Nastavení výstupu " n}},                        \
        {"LabelPOut" n "Rpm", C::Caption, {"Rpm", "Rpm", "Rpm"}}, {                                          \
        "LabelPOut" n "Hyst", C::Caption, {                                                                  \
            "Hysterese", "Hysterese", "Hysterese"                                                            \
        }                                                                                                    \
    }

constexpr CaptionRow Rows[] = {
    ZX_OUTPUT("1", "6"),
    ZX_OUTPUT("2", "7"),
    ZX_OUTPUT("3", "8"),
};

#undef ZX_OUTPUT
#undef ZX_MODES

} // namespace

CaptionTable PowerOutPageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
