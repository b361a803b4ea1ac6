#pragma once

#include "core/pages/PageModel.h"

namespace zarvex1 {

// The Inputs page (page 1): multifunction inputs, load sensor, limiters, retard, switching into the
// second advance map and the potentiometer. The sensor calibration editors sit on it too; they bind
// themselves.
class InputsPageModel : public PageModel {
public:
    int index() const override { return Page::Inputs; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    void AfterStore(const ParameterImage &before, ParameterImage &image) const override;
    CaptionTable Captions() const override;

    // The potentiometer controls nothing (0), the advance (1), the start limiter (2), the pilot light (3)
    // or the acceleration switch of the advance (4); its range follows.
    struct PotentiometerRange {
        int step;
        int maximum;
        int initial; // W10 when the mode is chosen
    };
    static PotentiometerRange RangeOfMode(int mode);
};

// The potentiometer mode was chosen: B270 and the range the mode starts with (W10). The caller shows
// the range control and runs the after-edit step; nothing else of the page is stored.
void PotentiometerModeChange(ParameterImage &image, int mode);

} // namespace zarvex1
