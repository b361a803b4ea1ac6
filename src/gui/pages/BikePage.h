#pragma once

#include "core/link/LinkOwner.h"
#include "core/pages/BikePageModel.h"
#include "core/pages/MonitorDisplay.h"
#include "gui/pages/BoundPage.h"

class QGridLayout;
class QLabel;

namespace zarvex1 {

class ParameterSession;

// The Bike page: motorbike type, pick-ups and synchronisation, tachometer output, and what the unit
// says about its program.
class TBikePage : public TBoundPage {
    Q_OBJECT
public:
    TBikePage(ParameterSession &session, PageMachine &machine, QWidget *parent = nullptr);

    void ApplyLanguage(int languageIndex) override;
    void Load(const ParameterImage &image, bool printing) override;
    // LabelVerze1..3: the unit's program name, build date and build time.
    void ShowDeviceTexts(const DeviceTexts &texts);
    // LabelPocetProgramovani: how often the unit was programmed, from its live values.
    void ShowMonitor(const MonitorDisplay &display);

private:
    void ComboBoxBikeChange();
    void NameGridChecks();
    void AlignChannelColumns();

    ParameterSession &session_;
    QGridLayout *channel1_ = nullptr;
    QGridLayout *channel2_ = nullptr;
    QLabel *labelVerze_[3] = {};
    QLabel *LabelPocetProgramovani = nullptr;
};

} // namespace zarvex1
