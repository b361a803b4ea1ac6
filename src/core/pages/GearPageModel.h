#pragma once

#include "core/pages/LiveColours.h"
#include "core/pages/PageModel.h"
#include "core/pages/Place.h"

#include <array>
#include <string>
#include <vector>

namespace zarvex1 {

namespace Gear {
inline constexpr int Gears = 7; // gear 0 (neutral) to 6
// How the unit tells the gear (B770).
enum System : int { None = 0, Voltage = 1, Ratio = 2, Automatic = 3 };
} // namespace Gear

// The names of the Gear page's controls of gear g; a name of a gear that has no such control is empty
// (there is no ratio of gear 0).
struct GearNames {
    std::array<std::string, Gear::Gears> voltage;      // UpDownGearVoltage0..6
    std::array<std::string, Gear::Gears> voltageEdit;  // EditGearVoltage0..6
    std::array<std::string, Gear::Gears> voltageLabel; // LabelGear0..6
    std::array<std::string, Gear::Gears> ratio;        // UpDownGearRatio1..6
    std::array<std::string, Gear::Gears> ratioEdit;    // EditGearRatio1..6
    std::array<std::string, Gear::Gears> ratioLabel;   // LabelPomerRpmSpeed1..6
    std::array<std::string, Gear::Gears> button;       // ButtonGear0..6
    std::array<std::string, Gear::Gears> autoRatio;    // LabelMonPomerRpmSpeedAuto1..6
    std::array<std::string, Gear::Gears> autoLabel;    // LabelMonGearAuto1..6
};

// What a gear button takes from the running engine.
struct GearLive {
    bool connected = false;
    int voltage = 0; // gear sensor, mV
    int ratio = 0;   // engine speed to road speed, 0.1
};

// The Gear page (page 5): how the unit tells the gear, the gear sensor's voltage of each gear or the
// ratio of engine speed to road speed of each gear, the automatic gear learning and the speedometer.
class GearPageModel : public PageModel {
public:
    int index() const override { return Page::Gear; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    CaptionTable Captions() const override;

    // The current gear marked: its voltage or ratio edit and label green, its button bold, or its learned
    // ratio green in automatic mode.
    static LiveColours LiveColoursOf(const ParameterImage &image, int currentGear);

    static const GearNames &Names();
    // The voltage edits with their labels in GroupBoxNapetiProGear, and the live sensor voltage below them.
    static std::vector<Place> VoltagePlaces();
    // The ratio edits with their labels in GroupBoxRpmSpeedProGear.
    static std::vector<Place> RatioPlaces();
    // The top of gear g's row in both group boxes: the gear buttons stand beside it.
    static int RowTop(int gear);
};

// The gear system was chosen: B770, and the multifunction input it takes (input 2 for the gear sensor,
// input 3 for the speed sensor). The caller loads the page and runs the after-edit step; nothing of the
// page is stored.
void RadioGroupGearSystemClick(ParameterImage &image, int system);
// ButtonGear<g> was pressed: the live voltage (by voltage) or ratio (by ratio, gears 1..6) becomes the
// gear's. False when nothing is taken: another system, gear 0 by ratio, or no live values because the
// unit is not connected.
bool ButtonGearClick(ParameterImage &image, int gear, const GearLive &live);

} // namespace zarvex1
