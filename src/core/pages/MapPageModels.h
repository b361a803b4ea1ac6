#pragma once

#include "core/pages/PageModel.h"

namespace zarvex1 {

// The Advance page (page 2): the two advance maps in their editor, and below it the base advance and
// the correction for cylinder 1 (the second cylinder's stays hidden).
class AdvancePageModel : public PageModel {
public:
    int index() const override { return Page::Advance; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    std::span<const std::string_view> HiddenAtStart() const override;
    CaptionTable Captions() const override;
};

// The Servo page (page 3): the servo map in its editor, the servo switched on or off, its map in volts
// or percent, and the two hystereses.
class ServoPageModel : public PageModel {
public:
    int index() const override { return Page::Servo; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    CaptionTable Captions() const override;
};

// The captions of the sensor calibrations' buttons on the Inputs page.
CaptionTable SensorButtonCaptions();

} // namespace zarvex1
