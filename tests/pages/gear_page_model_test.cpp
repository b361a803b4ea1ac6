#include "core/pages/GearPageModel.h"
#include "core/params/Defaults.h"
#include "pages/page_rows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

constexpr ExpectedRow Rows[] = {
    {"RadioGroupGearSystem", K::Radio, 770, 1, 0, 0, 3},
    {"UpDownPocetGear", K::ByteUpDown, 771, 1, 0, 1, 6},
    {"UpDownGearVoltage0", K::WordUpDown, 73, 1, 0, 0, 5000},
    {"UpDownGearVoltage1", K::WordUpDown, 74, 1, 0, 0, 5000},
    {"UpDownGearVoltage2", K::WordUpDown, 75, 1, 0, 0, 5000},
    {"UpDownGearVoltage3", K::WordUpDown, 76, 1, 0, 0, 5000},
    {"UpDownGearVoltage4", K::WordUpDown, 77, 1, 0, 0, 5000},
    {"UpDownGearVoltage5", K::WordUpDown, 78, 1, 0, 0, 5000},
    {"UpDownGearVoltage6", K::WordUpDown, 79, 1, 0, 0, 5000},
    {"UpDownGearRatio1", K::WordUpDown, 67, 1, 0, 1, 32000},
    {"UpDownGearRatio2", K::WordUpDown, 68, 1, 0, 1, 32000},
    {"UpDownGearRatio3", K::WordUpDown, 69, 1, 0, 1, 32000},
    {"UpDownGearRatio4", K::WordUpDown, 70, 1, 0, 1, 32000},
    {"UpDownGearRatio5", K::WordUpDown, 71, 1, 0, 1, 32000},
    {"UpDownGearRatio6", K::WordUpDown, 72, 1, 0, 1, 32000},
    {"UpDownGearAutoTime", K::ByteUpDown, 773, 1, 0, 1, 100},
    {"UpDownGearAutoRpm", K::ByteUpDown, 774, 100, 0, 300, 25000, 100},
    {"UpDownGearAutoTps", K::ByteUpDown, 775, 1, 0, 0, 100},
    {"UpDownGearAutoBand", K::ByteUpDown, 776, 1, 0, 1, 100},
    {"RadioGroupSpeedMode", K::Radio, 772, 1, 0, 0, 1},
    {"UpDownPulsuProSpeed", K::WordUpDown, 66, 1, 0, 1, 32000},
};

ParameterImage Gears(int system, int count) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::GearMode, static_cast<unsigned>(system));
    image.setByte(Adrb::GearCount, static_cast<unsigned>(count));
    return image;
}

TEST(GearPageModel, everyRowShowsAndTakesItsParameter) {
    test::CheckRows(GearPageModel(), FirstStartSet(), Rows);
}

TEST(GearPageModel, statesFollowTheGearSystemAndTheNumberOfGears) {
    struct Scenario {
        const char *what;
        int system, count;
        bool printing;
        std::vector<Expect> expect;
    };
    constexpr auto V = Expect::Visible;
    const Scenario scenarios[] = {
        {"no gear detection: nothing of the gears",
         0,
         6,
         false,
         {{"EditPocetGear", V, false},
          {"UpDownPocetGear", V, false},
          {"LabelPocetGear", V, false},
          {"GroupBoxNapetiProGear", V, false},
          {"GroupBoxRpmSpeedProGear", V, false},
          {"GroupBoxMonAutoGear", V, false},
          {"LabelMonPomerRpmSpeed", V, false},
          {"ButtonGear0", V, false},
          {"ButtonGear1", V, false},
          {"ButtonGear6", V, false},
          {"EditGearVoltage2", V, false},
          {"EditGearRatio6", V, false},
          {"UpDownGearRatio6", V, false}}},
        {"voltage, four gears",
         1,
         4,
         false,
         {{"EditPocetGear", V, true},
          {"UpDownPocetGear", V, true},
          {"GroupBoxNapetiProGear", V, true},
          {"GroupBoxRpmSpeedProGear", V, false},
          {"GroupBoxMonAutoGear", V, false},
          {"LabelMonPomerRpmSpeed", V, false},
          {"ButtonGear0", V, true},
          {"ButtonGear4", V, true},
          {"ButtonGear5", V, false},
          {"EditGearVoltage4", V, true},
          {"UpDownGearVoltage4", V, true},
          {"EditGearVoltage5", V, false},
          {"UpDownGearVoltage5", V, false},
          {"LabelGear4", V, true},
          {"LabelGear5", V, false},
          {"LabelMonGearAuto6", V, false}}},
        {"ratio, two gears",
         2,
         2,
         false,
         {{"GroupBoxRpmSpeedProGear", V, true},
          {"GroupBoxNapetiProGear", V, false},
          {"LabelMonPomerRpmSpeed", V, true},
          {"ButtonGear1", V, true},
          {"ButtonGear2", V, true},
          {"ButtonGear3", V, false},
          {"EditGearRatio2", V, true},
          {"EditGearRatio3", V, false},
          {"LabelPomerRpmSpeed3", V, false}}},
        {"automatic: the learned ratios, no buttons",
         3,
         5,
         false,
         {{"GroupBoxMonAutoGear", V, true},
          {"LabelMonPomerRpmSpeed", V, true},
          {"ButtonGear0", V, false},
          {"ButtonGear3", V, false},
          {"LabelMonPomerRpmSpeedAuto5", V, true},
          {"LabelMonGearAuto5", V, true},
          {"LabelMonPomerRpmSpeedAuto6", V, false}}},
        {"on paper the up-downs go",
         1,
         6,
         true,
         {{"EditPocetGear", V, true},
          {"UpDownPocetGear", V, false},
          {"EditGearVoltage0", V, true},
          {"UpDownGearVoltage0", V, false},
          {"UpDownGearVoltage6", V, false},
          {"UpDownGearAutoRpm", V, false},
          {"UpDownPulsuProSpeed", V, false}}},
    };
    for (const Scenario &sc : scenarios) {
        SCOPED_TRACE(sc.what);
        test::CheckStates(GearPageModel().States(Gears(sc.system, sc.count), sc.printing), sc.expect);
    }
}

TEST(GearPageModel, theGearSystemTakesItsInput) {
    for (const auto &[system, input2, input3] :
         {std::tuple{0, 3, 5}, std::tuple{1, 7, 5}, std::tuple{2, 3, 7}, std::tuple{3, 3, 7}}) {
        SCOPED_TRACE(system);
        ParameterImage image = FirstStartSet(); // inputs 2 and 3: clutch master and start limiter
        RadioGroupGearSystemClick(image, system);
        EXPECT_EQ(image.byte(Adrb::GearMode), system);
        EXPECT_EQ(image.byte(Adrb::InputFunction + 1), input2);
        EXPECT_EQ(image.byte(Adrb::InputFunction + 2), input3);
    }
}

TEST(GearPageModel, aGearButtonTakesTheLiveVoltageOrRatio) {
    struct Case {
        const char *what;
        int system, gear;
        bool connected;
        bool taken;
        int word; // the word that changes
    };
    const Case cases[] = {
        {"voltage, gear 3", 1, 3, true, true, 76},
        {"voltage, gear 0", 1, 0, true, true, 73},
        {"ratio, gear 4", 2, 4, true, true, 70},
        {"ratio, gear 0", 2, 0, true, false, -1},
        {"automatic", 3, 2, true, false, -1},
        {"no gear detection", 0, 2, true, false, -1},
        {"voltage, no unit connected", 1, 3, false, false, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ParameterImage image = Gears(c.system, 6);
        const ParameterImage before = image;
        EXPECT_EQ(ButtonGearClick(image, c.gear, {c.connected, 2345, 123}), c.taken);
        if (c.word < 0) {
            EXPECT_EQ(image, before);
        } else {
            EXPECT_EQ(image.word(c.word), c.system == 1 ? 2345 : 123);
        }
    }
}

std::vector<std::string_view> Highlighted(const LiveColours &colours) {
    std::vector<std::string_view> on;
    for (const LiveColour &c : colours)
        if (c.highlighted)
            on.push_back(c.name);
    std::sort(on.begin(), on.end());
    return on;
}

TEST(GearPageModel, theCurrentGearIsMarked) {
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(Highlighted(GearPageModel::LiveColoursOf(Gears(1, 6), 6)),
              (Names{"ButtonGear6", "EditGearVoltage6", "LabelGear6"}));
    EXPECT_EQ(Highlighted(GearPageModel::LiveColoursOf(Gears(2, 6), 0)), (Names{"ButtonGear0"}));
    EXPECT_EQ(Highlighted(GearPageModel::LiveColoursOf(Gears(2, 6), 2)),
              (Names{"ButtonGear2", "EditGearRatio2", "LabelPomerRpmSpeed2"}));
    EXPECT_EQ(Highlighted(GearPageModel::LiveColoursOf(Gears(3, 6), 5)),
              (Names{"LabelMonGearAuto5", "LabelMonPomerRpmSpeedAuto5"}));
    EXPECT_EQ(Highlighted(GearPageModel::LiveColoursOf(Gears(0, 6), 3)), Names{});
    // Every control of the gears is named at every tick, so that the last gear's mark goes.
    EXPECT_EQ(GearPageModel::LiveColoursOf(Gears(1, 6), 6).size(),
              GearPageModel::LiveColoursOf(Gears(3, 2), 0).size());
}

TEST(GearPageModel, theEditsOfBothGroupsShareTheirRows) {
    const std::vector<Place> voltages = GearPageModel::VoltagePlaces();
    const std::vector<Place> ratios = GearPageModel::RatioPlaces();
    for (int g = 0; g < Gear::Gears; ++g) {
        const auto edit = [&](const std::vector<Place> &places, const std::string &name) {
            return *std::find_if(places.begin(), places.end(),
                                 [&](const Place &p) { return p.name == name; });
        };
        const Place voltage = edit(voltages, GearPageModel::Names().voltageEdit[g]);
        EXPECT_EQ(voltage, BoundEditPlace(voltage.name, 24, 26 + 39 * g, 40));
        EXPECT_EQ(voltage.top, GearPageModel::RowTop(g));
        if (g > 0) {
            EXPECT_EQ(edit(ratios, GearPageModel::Names().ratioEdit[g]),
                      BoundEditPlace(GearPageModel::Names().ratioEdit[g], 24, 65 + 39 * (g - 1), 40));
        }
    }
}

} // namespace
} // namespace zarvex1
