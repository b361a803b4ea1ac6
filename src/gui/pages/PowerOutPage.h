#pragma once

#include "core/pages/PowerOutPageModel.h"
#include "gui/pages/BoundPage.h"
#include "gui/pages/PixelPlace.h"

namespace zarvex1 {

class ParameterSession;

// The Power out page: for each of the three outputs its mode and, in its group box, the speed and load
// thresholds, the hysteresis and the grid of zones that switch it on, placed by pixels between the
// bevels that part the grid.
class TPowerOutPage : public TBoundPage {
    Q_OBJECT
public:
    TPowerOutPage(ParameterSession &session, PageMachine &machine, QWidget *parent = nullptr);

    void Load(const ParameterImage &image, bool printing) override;
    void ApplyLanguage(int languageIndex) override;

signals:
    // An output's mode changed: the live display names the outputs by their modes.
    void modeChanged();

private:
    void RadioGroupPOutClick(int output, int mode);
    void PlaceOutputs(const ParameterImage &image);
    void NameGrid();

    ParameterSession &session_;
    TPixelScale scale_;
};

} // namespace zarvex1
