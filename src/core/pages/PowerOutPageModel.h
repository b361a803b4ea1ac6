#pragma once

#include "core/pages/PageModel.h"
#include "core/pages/Place.h"

#include <array>
#include <string>
#include <vector>

namespace zarvex1 {

// The switched power outputs on their page. The image has room for a fourth output; it has no controls.
namespace PowerOut {
inline constexpr int Outputs = 3;
inline constexpr int SpeedEdges = 3; // speed thresholds: they part the grid's columns
inline constexpr int LoadEdges = 2;  // load thresholds: they part the grid's rows
inline constexpr int Rows = 3;
inline constexpr int Columns = 4;
// The modes of an output (B730+i).
enum Mode : int { Off = 0, FuelPump = 1, PilotLight = 2, PowerJet = 3, Special = 4 };
} // namespace PowerOut

// The names of one output's controls: RadioGroupPOut1, GroupBoxPOutMap1, UpDownPOut1Rpm0..2,
// UpDownPOut1Load0..1, UpDownPOut1Hyst, CheckBoxPOut1Cell<row><column>, the labels LabelPOut1Rpm,
// LabelPOut1Load, LabelPOut1Hyst and the bevels of the grid BevelPOut1Rpm0..2, BevelPOut1Load0..1.
struct PowerOutNames {
    std::string mode;
    std::string group;
    std::array<std::string, PowerOut::SpeedEdges> speed;
    std::array<std::string, PowerOut::LoadEdges> load;
    std::string hysteresis;
    std::array<std::array<std::string, PowerOut::Columns>, PowerOut::Rows> cell;
    std::string speedLabel;
    std::string loadLabel;
    std::string hysteresisLabel;
    std::array<std::string, PowerOut::SpeedEdges> speedBevel;
    std::array<std::string, PowerOut::LoadEdges> loadBevel;
    // The edits of the up-downs: EditPOut1Rpm0, ...
    std::array<std::string, PowerOut::SpeedEdges> speedEdit;
    std::array<std::string, PowerOut::LoadEdges> loadEdit;
    std::string hysteresisEdit;
};

// The Power out page (page 4): for each output its mode, the speed and load thresholds, the hysteresis
// and the grid that switches the output on per speed and load zone.
class PowerOutPageModel : public PageModel {
public:
    int index() const override { return Page::PowerOut; }
    // The load thresholds show percent (TPS) or kPa in steps of 5 (IAP); without a load sensor they are
    // held: neither shown nor taken.
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    void AfterStore(const ParameterImage &before, ParameterImage &image) const override;
    CaptionTable Captions() const override;

    static const PowerOutNames &Names(int output);
    // An output's mode radio group, and beside it the group box that holds its grid.
    static constexpr int RadioWidth = 145, RadioHeight = 163;
    static constexpr int GroupWidth = 305, GroupHeight = 163;
    // Where the controls of output i stand in its group box: the bound edits, the grid, its bevels and
    // labels. A load threshold of 200 (1000 kPa) or more needs a wider edit.
    static std::vector<Place> Places(int output, const ParameterImage &image);
};

// A mode radio group was clicked: the output's new mode with its defaults, thresholds set anew. No
// limits run; the caller loads the page and runs the after-edit step.
void RadioGroupPOutClick(ParameterImage &image, int output, int mode);

} // namespace zarvex1
