#pragma once

#include "core/pages/PageModel.h"

#include <array>
#include <string_view>

namespace zarvex1 {

// The Test page (page 7): the nine test buttons and the two test settings, which reach the unit only by
// programming.
class TestPageModel : public PageModel {
public:
    int index() const override { return Page::Test; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    std::span<const std::string_view> HiddenAtStart() const override;
    CaptionTable Captions() const override;

    // The buttons in the order of TestButton: ButtonTestIgn1, ButtonTestIgn2, ButtonTestPOut1..4,
    // ButtonTestRpm, ButtonTestServoPlus, ButtonTestServoMinus.
    static const std::array<std::string_view, 9> &ButtonNames();
    // A test command is for an engine that stands: the buttons work only while no pick-up reports a
    // signal.
    static PageStates ButtonStates(bool pickupActive);
};

} // namespace zarvex1
