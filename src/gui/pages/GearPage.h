#pragma once

#include "core/pages/GearPageModel.h"
#include "core/pages/MonitorDisplay.h"
#include "gui/pages/BoundPage.h"
#include "gui/pages/LiveMarks.h"
#include "gui/pages/PixelPlace.h"

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace zarvex1 {

class ParameterSession;

// The Gear page: how the unit tells the gear; per gear the sensor voltage or the ratio of engine speed
// to road speed, each with a button that takes the running engine's value; the automatic learning; the
// speedometer. The current gear is marked on every tick.
class TGearPage : public TBoundPage {
    Q_OBJECT
public:
    TGearPage(ParameterSession &session, PageMachine &machine, QWidget *parent = nullptr);

    // Where the gear buttons find the running engine's voltage and ratio, and whether a unit is there.
    void SetLiveSource(std::function<GearLive()> source) { liveSource_ = std::move(source); }
    void ApplyLanguage(int languageIndex) override;
    void RefreshLiveColours(const LiveRecord *latest, const ParameterImage &image) override;
    // The live values of the page: the sensor voltage, the ratio now and the learned ratios. A hidden page
    // only notes that they changed and takes them from `source` when it is shown.
    void SetMonitorSource(std::function<const MonitorDisplay &()> source) {
        monitorSource_ = std::move(source);
    }
    void ShowMonitor(const MonitorDisplay &display);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RadioGroupGearSystemClick(int item);
    void ButtonGearClick(int gear);
    void ArrangeGears();

    ParameterSession &session_;
    TPixelScale scale_;
    TLiveMarks marks_;
    std::function<GearLive()> liveSource_;
    std::function<const MonitorDisplay &()> monitorSource_;
    bool monitorStale_ = false; // frames came while the page was hidden
    std::optional<bool> buttonsEnabled_;
    QWidget *gearArea_ = nullptr;
    QGroupBox *voltages_ = nullptr;
    QGroupBox *ratios_ = nullptr;
    std::array<QPushButton *, Gear::Gears> buttons_{};
    QLabel *LabelMonGearNapeti1 = nullptr;
    QLabel *LabelMonPomerRpmSpeed = nullptr;
    std::array<QLabel *, Gear::Gears> autoRatios_{}; // gears 1..6
};

} // namespace zarvex1
