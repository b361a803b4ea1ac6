#include "core/pages/RacePageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

// The rows are named by their gears alike in every language; the first row holds gears 0 and 1.
#define ZX_ROW(n, text)                                                                                      \
    {"LabelGearKor" n, C::Caption, {text, text, text}}, {                                                    \
        "LabelRaceGear" n, C::Caption, {                                                                     \
            text, text, text                                                                                 \
        }                                                                                                    \
    }
#define ZX_POUT(n)                                                                                           \
    {                                                                                                        \
        "LabelGearKorPOut" n, C::Caption, {                                                                  \
            "Power out " n " [rpm]", "Ausgang " n " [U/min]", "Výstup " n " [ot/min]"                        \
        }                                                                                                    \
    }

constexpr CaptionRow Rows[] = {
    {"GroupBoxClutch", C::Caption, {"Clutch master", "Schaltautomat", "Clutch master"}},
    {"RadioGroupClutchMode", C::Caption, {"Clutch mode", "Schaltautomat-Modus", "Režim clutch master"}},
    {"RadioGroupClutchMode", C::Item, {"No ignition", "Keine Zündung", "Bez zapalování"}, 0},
    {"RadioGroupClutchMode", C::Item, {"Retard", "Spätzündung", "Snížení předstihu"}, 1},
    {"LabelClutchPause1",
     C::Caption,
     {"Clutch master delay #1 [ms]", "Schaltautomat Verzögerung #1 [ms]", "Zpoždění clutch master #1 [ms]"}},
    {"LabelClutchPause2",
     C::Caption,
     {"Clutch master delay #2 [ms]", "Schaltautomat Verzögerung #2 [ms]", "Zpoždění clutch master #2 [ms]"}},
    {"LabelClutchMinRpm",
     C::Caption,
     {"Min Rpm for Clutch", "Min. Drehzahl für Schaltautomat", "Min. otáčky pro clutch master"}},
    {"LabelClutchAdv",
     C::Caption,
     {"Clutch advance [°]", "Vorzündung beim Schalten [°]", "Předstih při řazení [°]"}},
    {"GroupBoxClutchTime", C::Caption, {"Setting according gear", "Einstellung nach Gang", "Podle stupně"}},
    {"LabelClutchTime",
     C::Caption,
     {"Clutch master time [ms]", "Schaltautomat-Zeit [ms]", "Čas clutch master [ms]"}},
    {"GroupBoxGearKor",
     C::Caption,
     {"Correction according gear", "Korrektur nach Gang", "Korekce podle rychlostního stupně"}},
    {"LabelGearKorAdv", C::Caption, {"Advance  [°]", "Vorzündung [°]", "Předstih [°]"}},
    {"LabelGearKorLimiter", C::Caption, {"Limiter [rpm]", "Begrenzer [U/min]", "Omezovač [ot/min]"}},
    // The servo correction has no unit.
    {"LabelGearKorServo", C::Caption, {"Servo", "Servo", "Servo"}},
    ZX_POUT("1"),
    ZX_POUT("2"),
    ZX_POUT("3"),
    ZX_ROW("1", "0-1"),
    ZX_ROW("2", "2"),
    ZX_ROW("3", "3"),
    ZX_ROW("4", "4"),
    ZX_ROW("5", "5"),
    ZX_ROW("6", "6"),
};

#undef ZX_ROW
#undef ZX_POUT

} // namespace

CaptionTable RacePageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
