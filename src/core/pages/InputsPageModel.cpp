#include "core/pages/InputsPageModel.h"

#include <algorithm>

namespace zarvex1 {

namespace {

using K = ControlKind;

constexpr int GearInputItem = 7; // input 2: gear sensor; input 3: speed sensor

constexpr Binding Rows[] = {
    {"RadioGroupInput1", K::Radio, Adrb::InputFunction, 1, 0, 0, 6},
    {"RadioGroupInput2", K::Radio, Adrb::InputFunction + 1, 1, 0, 0, GearInputItem},
    {"RadioGroupInput3", K::Radio, Adrb::InputFunction + 2, 1, 0, 0, GearInputItem},
    {"CheckBoxInvInput1", K::Check, Adrb::InputInverted},
    {"CheckBoxInvInput2", K::Check, Adrb::InputInverted + 1},
    {"CheckBoxInvInput3", K::Check, Adrb::InputInverted + 2},
    {"RadioGroupTpsIap", K::Radio, Adrb::LoadSensor, 1, 0, 0, 2},
    {"UpDownStartSoftLimiter", K::WordUpDown, Adrw::StartSoftLimiter, 1, 0, 900, 25000, 50},
    {"UpDownStartHardLimiter", K::WordUpDown, Adrw::StartHardLimiter, 1, 0, 900, 25000, 50},
    {"UpDownStartLimiterPause", K::ByteUpDown, Adrb::StartLimiterDelay, 100, 0, 0, 5000, 100},
    {"UpDownSoftLimiter", K::WordUpDown, Adrw::SoftLimiter, 1, 0, 900, 25000, 50},
    {"UpDownHardLimiter", K::WordUpDown, Adrw::HardLimiter, 1, 0, 900, 25000, 50},
    {"UpDownRetard", K::ByteUpDown, Adrb::Retard, 1, 0, 0, 60},
    {"UpDownRetardPocetOff", K::ByteUpDown, Adrb::RetardClutchActions, 1, 0, 0, 25},
    {"UpDownMapa2Akcel", K::ByteUpDown, Adrb::Map2Acceleration, 100, 0, 100, 25000, 100},
    {"RadioGroupModePotencMode", K::Radio, Adrb::PotentiometerUse, 1, 0, 0, 4, 1, {}, true},
    // The range follows the mode (RangeOfMode).
    {"UpDownPotencRozsah", K::WordUpDown, Adrw::PotentiometerRange, 1, 0, 0, 25000, 1},
};

bool AnyInputIs(const ParameterImage &image, int function) {
    for (int i = 0; i < 3; ++i)
        if (image.byte(Adrb::InputFunction + i) == function)
            return true;
    return false;
}

} // namespace

InputsPageModel::PotentiometerRange InputsPageModel::RangeOfMode(int mode) {
    switch (mode) {
    case 1:
        return {1, 60, 5};
    case 2:
    case 3:
        return {50, 10000, 1000};
    case 4:
        return {100, 10000, 2000};
    default:
        // Off: the whole range of the word, so that no value kept for later is cut.
        return {1, 25000, 0};
    }
}

std::vector<Binding> InputsPageModel::Bindings(const ParameterImage &image) const {
    std::vector<Binding> rows(std::begin(Rows), std::end(Rows));
    const PotentiometerRange range = RangeOfMode(image.byte(Adrb::PotentiometerUse));
    Binding &potentiometer = rows.back();
    potentiometer.maximum = range.maximum;
    potentiometer.step = range.step;
    return rows;
}

PageStates InputsPageModel::States(const ParameterImage &image, bool printing) const {
    const bool retard = AnyInputIs(image, 4);
    const bool startLimiter = AnyInputIs(image, 5);
    const int gearMode = image.byte(Adrb::GearMode);
    PageStates s;
    for (std::string_view name : {"EditStartSoftLimiter", "LabelStartSoftLimiter", "EditStartHardLimiter",
                                  "LabelStartHardLimiter", "EditStartLimiterPause", "LabelStartLimiterPause"})
        s.Enabled(name, startLimiter);
    for (std::string_view name :
         {"UpDownStartSoftLimiter", "UpDownStartHardLimiter", "UpDownStartLimiterPause"})
        s.Visible(name, startLimiter && !printing);
    for (std::string_view name : {"EditRetard", "LabelRetard", "EditRetardPocetOff", "LabelRetardPocetOff"})
        s.Enabled(name, retard);
    for (std::string_view name : {"UpDownRetard", "UpDownRetardPocetOff"})
        s.Visible(name, retard && !printing);
    // Gear detection takes input 2 for the gear sensor, input 3 for the speed sensor.
    s.Enabled("RadioGroupInput2", gearMode != 1);
    s.Enabled("RadioGroupInput3", gearMode != 2 && gearMode != 3);
    return s;
}

void InputsPageModel::AfterStore(const ParameterImage &before, ParameterImage &image) const {
    // Another load sensor: the power outputs' load thresholds start again at 75 and 90 (%, or kPa x 5).
    const int sensor = image.byte(Adrb::LoadSensor);
    if (sensor == before.byte(Adrb::LoadSensor) || (sensor != 1 && sensor != 2))
        return;
    for (int i = 0; i < 3; ++i) {
        image.setByte(Adrb::PowerOutLoad + 2 * i, sensor == 1 ? 75 : 15);
        image.setByte(Adrb::PowerOutLoad + 2 * i + 1, sensor == 1 ? 90 : 18);
    }
}

void PotentiometerModeChange(ParameterImage &image, int mode) {
    image.setByte(Adrb::PotentiometerUse, static_cast<unsigned>(mode));
    image.setWord(Adrw::PotentiometerRange,
                  static_cast<unsigned>(InputsPageModel::RangeOfMode(mode).initial));
}

} // namespace zarvex1
