#include "core/pages/MapPageModels.h"

namespace zarvex1 {

namespace {

using K = ControlKind;
using C = CaptionKind;

constexpr Binding AdvanceRows[] = {
    {"UpDownBaseAdvance", K::ByteUpDown, Adrb::BaseAdvance, 1, 0, 0, 60, 1},
    {"UpDownCylCorr1", K::ByteUpDown, Adrb::CylinderCorrection, 1, -100, -15, 15, 1},
    {"UpDownCylCorr2", K::ByteUpDown, Adrb::CylinderCorrection + 1, 1, -100, -15, 15, 1},
};

constexpr std::string_view AdvanceHidden[] = {"EditCylCorr2"};

constexpr CaptionRow AdvanceCaptions[] = {
    {"LabelBaseAdvance", C::Caption, {"Base advance (°)", "Grundvorzündung (°)", "Základní předstih (°)"}},
    {"LabelCylCorr", C::Caption, {"Correction for cyl. 1", "Korrektur für Zyl. 1", "Korekce pro válec 1"}},
};

constexpr Binding ServoRows[] = {
    {"CheckBoxServoEnabled", K::Check, Adrb::ServoEnabled},
    {"CheckBoxServoPercent", K::Check, Adrb::ServoPercent},
    {"UpDownServoHyst", K::ByteUpDown, Adrb::ServoHysteresis, 5, 0, 0, 1000, 5},
    {"UpDownServoHystOff", K::ByteUpDown, Adrb::ServoOffZone, 5, 0, 0, 1000, 5},
};

constexpr CaptionRow ServoCaptions[] = {
    {"CheckBoxServoEnabled", C::Caption, {"Enabled", "Aktiviert", "Povoleno"}},
    {"CheckBoxServoPercent", C::Caption, {"Percent", "Perzent", "Procent"}},
    {"LabelServoHyst", C::Caption, {"Hysteresis [mV]", "Hysterese [mV]", "Hystereze [mV]"}},
    {"LabelServoHystOff", C::Caption, {"Zone Off [mV]", "Zone aus [mV]", "Zóna vypnuto [mV]"}},
};

constexpr CaptionRow SensorCaptions[] = {
    {"BitBtnTps0", C::Caption, {"TPS 0 % ->", "TPS 0 % ->", "TPS 0 % ->"}},
    {"BitBtnTps100", C::Caption, {"TPS 100 % ->", "TPS 100 % ->", "TPS 100 % ->"}},
};

} // namespace

std::vector<Binding> AdvancePageModel::Bindings(const ParameterImage &) const {
    return {std::begin(AdvanceRows), std::end(AdvanceRows)};
}

PageStates AdvancePageModel::States(const ParameterImage &, bool printing) const {
    PageStates s;
    s.Visible("UpDownBaseAdvance", !printing);
    s.Visible("UpDownCylCorr1", !printing);
    return s;
}

std::span<const std::string_view> AdvancePageModel::HiddenAtStart() const {
    return AdvanceHidden;
}

CaptionTable AdvancePageModel::Captions() const {
    return AdvanceCaptions;
}

std::vector<Binding> ServoPageModel::Bindings(const ParameterImage &) const {
    return {std::begin(ServoRows), std::end(ServoRows)};
}

PageStates ServoPageModel::States(const ParameterImage &image, bool printing) const {
    // The hysteresis and the percent choice matter only while the servo is on.
    const bool on = image.byte(Adrb::ServoEnabled) == 1;
    PageStates s;
    s.Visible("EditServoHyst", on);
    s.Visible("LabelServoHyst", on);
    s.Visible("CheckBoxServoPercent", on);
    s.Visible("UpDownServoHyst", on && !printing);
    s.Visible("UpDownServoHystOff", !printing);
    return s;
}

CaptionTable ServoPageModel::Captions() const {
    return ServoCaptions;
}

CaptionTable SensorButtonCaptions() {
    return SensorCaptions;
}

} // namespace zarvex1
