#pragma once

#include "core/pages/LiveColours.h"
#include "core/pages/PageModel.h"
#include "core/pages/Place.h"

#include <array>
#include <string>
#include <vector>

namespace zarvex1 {

namespace Race {
inline constexpr int Rows = 6; // gears "0-1", 2 ... 6
// A correction column for each output the pages edit; the image keeps a fourth output's corrections,
// which go to the unit and into files as they are.
inline constexpr int PowerOutputs = 3;
inline constexpr int ClutchMaster = 3; // the function of a multifunction input
} // namespace Race

// The names of the Race page's per-gear controls, row r = 0..5.
struct RaceNames {
    std::array<std::string, Race::Rows> clutchTime;                               // UpDownClutchTime1..6
    std::array<std::string, Race::Rows> advance;                                  // UpDownGearCorrAdv1..6
    std::array<std::string, Race::Rows> limiter;                                  // UpDownGearCorrLimiter1..6
    std::array<std::string, Race::Rows> servo;                                    // UpDownGearCorrServo1..6
    std::array<std::array<std::string, Race::Rows>, Race::PowerOutputs> powerOut; // UpDownGearCorrPOut1_1..
    std::array<std::string, Race::Rows> rowLabel;                                 // LabelGearKor1..6
    std::array<std::string, Race::Rows> clutchLabel;                              // LabelRaceGear1..6
    // Every per-gear up-down of row r, clutch time first, and their edits in the same order.
    std::array<std::vector<std::string>, Race::Rows> upDowns;
    std::array<std::vector<std::string>, Race::Rows> edits;
};

// The Race page (page 6): the clutch master and the corrections per gear of advance, limiter, servo and
// the power outputs.
class RacePageModel : public PageModel {
public:
    int index() const override { return Page::Race; }
    std::vector<Binding> Bindings(const ParameterImage &image) const override;
    PageStates States(const ParameterImage &image, bool printing) const override;
    CaptionTable Captions() const override;

    // The row of the current gear marked green: gears 0 and 1 share the first row.
    static LiveColours LiveColoursOf(const ParameterImage &image, int currentGear);
    // The row of gear k: k - 1, and 0 for gear 0.
    static int RowOfGear(int gear);

    static const RaceNames &Names();
    // The clutch times with their row labels and column head in GroupBoxClutchTime.
    static std::vector<Place> ClutchTimePlaces();
    // The correction columns with their row labels and column heads in GroupBoxGearKor.
    static std::vector<Place> CorrectionPlaces();
};

} // namespace zarvex1
