#include "core/pages/TestPageModel.h"

namespace zarvex1 {

namespace {

using K = ControlKind;

constexpr Binding Rows[] = {
    {"UpDownTestRpm", K::ByteUpDown, Adrb::TestRpm, 100, 0, 200, 25000, 100},
    {"UpDownTestServo", K::ByteUpDown, Adrb::TestServoTime, 10, 0, 10, 2500, 10},
};

// The unit has a second ignition output and a fourth power output; the window offers neither.
constexpr std::string_view Hidden[] = {"ButtonTestIgn2", "ButtonTestPOut4"};

constexpr std::array<std::string_view, 9> Buttons = {
    "ButtonTestIgn1",  "ButtonTestIgn2", "ButtonTestPOut1",     "ButtonTestPOut2",      "ButtonTestPOut3",
    "ButtonTestPOut4", "ButtonTestRpm",  "ButtonTestServoPlus", "ButtonTestServoMinus",
};

} // namespace

std::vector<Binding> TestPageModel::Bindings(const ParameterImage &) const {
    return {std::begin(Rows), std::end(Rows)};
}

PageStates TestPageModel::States(const ParameterImage &, bool printing) const {
    PageStates s;
    s.Visible("UpDownTestRpm", !printing);
    s.Visible("UpDownTestServo", !printing);
    return s;
}

std::span<const std::string_view> TestPageModel::HiddenAtStart() const {
    return Hidden;
}

const std::array<std::string_view, 9> &TestPageModel::ButtonNames() {
    return Buttons;
}

PageStates TestPageModel::ButtonStates(bool pickupActive) {
    PageStates s;
    for (std::string_view button : Buttons)
        s.Enabled(button, !pickupActive);
    return s;
}

} // namespace zarvex1
