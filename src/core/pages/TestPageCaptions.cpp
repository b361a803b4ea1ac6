#include "core/pages/TestPageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

constexpr CaptionRow Rows[] = {
    {"GroupBoxTestIgn", C::Caption, {"Ignition", "Zündung", "Zapalování"}},
    {"ButtonTestIgn1", C::Caption, {"Cylinder 1", "Zylinder 1", "Válec 1"}},
    {"ButtonTestIgn2", C::Caption, {"Cylinder 2", "Zylinder 2", "Válec 2"}},
    {"GroupBoxTestPOut", C::Caption, {"Power out", "Leistungsausgänge", "Výkonové výstupy"}},
    {"ButtonTestPOut1", C::Caption, {"Out 1", "Ausgang 1", "Výstup 1"}},
    {"ButtonTestPOut2", C::Caption, {"Out 2", "Ausgang 2", "Výstup 2"}},
    {"ButtonTestPOut3", C::Caption, {"Out 3", "Ausgang 3", "Výstup 3"}},
    {"ButtonTestPOut4", C::Caption, {"Out 4", "Ausgang 4", "Výstup 4"}},
    {"GroupBoxTestRpm", C::Caption, {"Tachometer output", "Drehzahlmesserausgang", "Výstup otáčkoměru"}},
    {"ButtonTestRpm", C::Caption, {"Rpm", "Drehzahl", "Otáčky"}},
    {"LabelTestRpm", C::Caption, {"Test speed [rpm]", "Testdrehzahl [U/min]", "Testovací otáčky [ot/min]"}},
    {"GroupBoxTestServo", C::Caption, {"Servo", "Servo", "Servo"}},
    {"ButtonTestServoPlus", C::Caption, {"Servo +", "Servo +", "Servo +"}},
    {"ButtonTestServoMinus", C::Caption, {"Servo -", "Servo -", "Servo -"}},
    {"LabelTestServo", C::Caption, {"Time [ms]", "Zeit [ms]", "Čas [ms]"}},
};

} // namespace

CaptionTable TestPageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
