#include "core/pages/GearPageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

#define ZX_GEAR(n)                                                                                           \
    {"LabelGear" n, C::Caption, {"Gear " n, "Gang " n, "Stupeň " n}}, {                                      \
        "ButtonGear" n, C::Caption, {                                                                        \
            "<- Gear " n, "<- Gang " n, "<- Stupeň " n                                                       \
        }                                                                                                    \
    }
#define ZX_RATIO(n)                                                                                          \
    {"LabelPomerRpmSpeed" n, C::Caption, {"Gear " n, "Gang " n, "Stupeň " n}}, {                             \
        "LabelMonGearAuto" n, C::Caption, {                                                                  \
            "Gear " n, "Gang " n, "Stupeň " n                                                                \
        }                                                                                                    \
    }

constexpr CaptionRow Rows[] = {
    {"RadioGroupGearSystem",
     C::Caption,
     {"Determining of gear", "Gangbestimmung", "Určení rychlostního stupně"}},
    {"RadioGroupGearSystem", C::Item, {"Voltage", "Spannung", "Napětí"}, 1},
    {"RadioGroupGearSystem",
     C::Item,
     {"Ration Rpm Speed", "Proportion Rpm Geschwindigkeit", "Poměr Rpm rychlost"},
     2},
    {"RadioGroupGearSystem",
     C::Item,
     {"Automatic (Ratio Rpm Speed)", "Automatisch aus Rpm/Geschwindigkeit",
      "Automaticky z poměru RPM - rychlost"},
     3},
    {"RadioGroupGearSystem", C::Item, {"No", "Keine ", "Není"}, 0},
    {"LabelPocetGear", C::Caption, {"Number of gears", "Anzahl der Gänge", "Počet rychlostních stupňů"}},
    {"GroupBoxNapetiProGear", C::Caption, {"Voltage of gears", "Spannung der Gänge", "Napětí stupňů"}},
    {"GroupBoxRpmSpeedProGear",
     C::Caption,
     {"Ration Rpm/Speed", "Proportion Rpm/Geschw.", "Poměr Rpm/rychlost"}},
    {"GroupBoxMonAutoGear",
     C::Caption,
     {"Automatic from ratio rpm speed", "Automatisch aus Rpm/Geschwindigkeit",
      "Automaticky z poměru rpm - rychlost"}},
    {"LabelGearAutoTime", C::Caption, {"Min Time [s]", "Min. Zeit [s]", "Min. čas [s]"}},
    {"LabelGearAutoRpm", C::Caption, {"Min Rpm", "Min. Drehzahl", "Min. otáčky"}},
    {"LabelGearAutoTps", C::Caption, {"Min Tps [%]", "Min. Drosselklappe [%]", "Min. plyn [%]"}},
    {"LabelGearAutoBand", C::Caption, {"Zone [0.1%]", "Zone [0,1%]", "Pásmo [0,1%]"}},
    {"GroupBoxPulsuProSpeed",
     C::Caption,
     {"Setting of speedometer", "Einstellung des Tachometers", "Nastavení rychloměru"}},
    {"RadioGroupSpeedMode", C::Caption, {"Speed sensor", "Geschwindigkeitsgeber", "Snímač rychlosti"}},
    {"RadioGroupSpeedMode",
     C::Item,
     {"Pulse over 1s for 100 km/h", "Impulse in 1 s bei 100 km/h", "Pulzů za 1 s při 100 km/h"},
     0},
    {"RadioGroupSpeedMode",
     C::Item,
     {"Distance for pulse [mm]", "Weg pro Impuls [mm]", "Vzdálenost na pulz [mm]"},
     1},
    {"LabelPulsuProSpeed", C::Caption, {"Value", "Wert", "Hodnota"}},
    ZX_GEAR("0"),
    ZX_GEAR("1"),
    ZX_GEAR("2"),
    ZX_GEAR("3"),
    ZX_GEAR("4"),
    ZX_GEAR("5"),
    ZX_GEAR("6"),
    ZX_RATIO("1"),
    ZX_RATIO("2"),
    ZX_RATIO("3"),
    ZX_RATIO("4"),
    ZX_RATIO("5"),
    ZX_RATIO("6"),
};

#undef ZX_GEAR
#undef ZX_RATIO

} // namespace

CaptionTable GearPageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
