#pragma once

#include "core/pages/InputsPageModel.h"
#include "gui/pages/BoundPage.h"

namespace zarvex1 {

class ParameterSession;
class TSensorPanel;

// The Inputs page: multifunction inputs, load sensor, limiters, retard, switching into the second
// advance map, the potentiometer. The sensor calibration editors and their buttons go into
// sensorArea().
class TInputsPage : public TBoundPage {
    Q_OBJECT
public:
    TInputsPage(ParameterSession &session, PageMachine &machine, QWidget *parent = nullptr);

    // The place of the TPS and IAP calibration editors and the two TPS buttons, below the sensor choice.
    QWidget *sensorArea() const { return sensorArea_; }
    // The calibration editors and buttons go into the sensor area; they load and switch language with
    // the page.
    void SetSensorPanel(TSensorPanel *panel);
    TSensorPanel *sensorPanel() const { return sensorPanel_; }

    void Load(const ParameterImage &image, bool printing) override;
    void ApplyLanguage(int languageIndex) override;

private:
    void RadioGroupModePotencModeClick(int item);

    ParameterSession &session_;
    QWidget *sensorArea_ = nullptr;
    TSensorPanel *sensorPanel_ = nullptr;
};

} // namespace zarvex1
