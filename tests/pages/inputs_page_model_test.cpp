#include "core/pages/InputsPageModel.h"
#include "core/params/Defaults.h"
#include "pages/page_rows.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

constexpr ExpectedRow Rows[] = {
    {"RadioGroupInput1", K::Radio, 260, 1, 0, 0, 6},
    {"RadioGroupInput2", K::Radio, 261, 1, 0, 0, 7},
    {"RadioGroupInput3", K::Radio, 262, 1, 0, 0, 7},
    {"CheckBoxInvInput1", K::Check, 263},
    {"CheckBoxInvInput2", K::Check, 264},
    {"CheckBoxInvInput3", K::Check, 265},
    {"RadioGroupTpsIap", K::Radio, 271, 1, 0, 0, 2},
    {"UpDownStartSoftLimiter", K::WordUpDown, 0, 1, 0, 900, 25000, 50},
    {"UpDownStartHardLimiter", K::WordUpDown, 1, 1, 0, 900, 25000, 50},
    {"UpDownStartLimiterPause", K::ByteUpDown, 266, 100, 0, 0, 5000, 100},
    {"UpDownSoftLimiter", K::WordUpDown, 2, 1, 0, 900, 25000, 50},
    {"UpDownHardLimiter", K::WordUpDown, 3, 1, 0, 900, 25000, 50},
    {"UpDownRetard", K::ByteUpDown, 267, 1, 0, 0, 60},
    {"UpDownRetardPocetOff", K::ByteUpDown, 268, 1, 0, 0, 25},
    {"UpDownMapa2Akcel", K::ByteUpDown, 269, 100, 0, 100, 25000, 100},
    {"RadioGroupModePotencMode", K::Radio, 270, 1, 0, 0, 4},
    {"UpDownPotencRozsah", K::WordUpDown, 10, 1, 0, 0, 25000, 1},
};

TEST(InputsPageModel, everyRowShowsAndTakesItsParameter) {
    test::CheckRows(InputsPageModel(), FirstStartSet(), Rows);
}

TEST(InputsPageModel, potentiometerModeSetsRangeAndStartValue) {
    struct Case {
        int mode, step, maximum, w10;
    };
    const Case cases[] = {
        {1, 1, 60, 5}, {2, 50, 10000, 1000}, {3, 50, 10000, 1000}, {4, 100, 10000, 2000}, {0, 1, 25000, 0}};
    ParameterImage image = FirstStartSet();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        PotentiometerModeChange(image, c.mode);
        EXPECT_EQ(image.byte(Adrb::PotentiometerUse), c.mode);
        EXPECT_EQ(image.word(Adrw::PotentiometerRange), c.w10);
        const Binding range = *InputsPageModel().Row("UpDownPotencRozsah", image);
        EXPECT_EQ(range.step, c.step);
        EXPECT_EQ(range.maximum, c.maximum);
    }
    // With the potentiometer off, a range kept from an earlier mode is shown whole.
    image.setWord(Adrw::PotentiometerRange, 3000);
    EXPECT_EQ(ShowValue(*InputsPageModel().Row("UpDownPotencRozsah", image), image), 3000);
}

TEST(InputsPageModel, statesFollowTheInputFunctionsAndGearDetection) {
    struct Scenario {
        const char *what;
        int inputs[3];
        int gearMode;
        bool printing;
        std::vector<Expect> expect;
    };
    constexpr auto V = Expect::Visible, E = Expect::Enabled;
    const Scenario scenarios[] = {
        {"off, kill switch, retard",
         {0, 1, 4},
         0,
         false,
         {{"EditRetard", E, true},
          {"LabelRetardPocetOff", E, true},
          {"UpDownRetard", V, true},
          {"UpDownRetardPocetOff", V, true},
          {"EditStartSoftLimiter", E, false},
          {"LabelStartLimiterPause", E, false},
          {"UpDownStartSoftLimiter", V, false},
          {"UpDownStartLimiterPause", V, false},
          {"RadioGroupInput2", E, true},
          {"RadioGroupInput3", E, true}}},
        {"start limiter",
         {5, 0, 0},
         1,
         false,
         {{"EditStartHardLimiter", E, true},
          {"UpDownStartHardLimiter", V, true},
          {"EditRetard", E, false},
          {"UpDownRetard", V, false},
          {"RadioGroupInput2", E, false},
          {"RadioGroupInput3", E, true}}},
        {"printing",
         {5, 4, 0},
         2,
         true,
         {{"UpDownStartSoftLimiter", V, false},
          {"UpDownRetard", V, false},
          {"EditRetard", E, true},
          {"RadioGroupInput3", E, false}}},
        {"gear automatic",
         {0, 0, 0},
         3,
         false,
         {{"RadioGroupInput2", E, true}, {"RadioGroupInput3", E, false}}},
    };
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.what);
        ParameterImage image;
        for (int i = 0; i < 3; ++i)
            image.setByte(Adrb::InputFunction + i, static_cast<unsigned>(s.inputs[i]));
        image.setByte(Adrb::GearMode, static_cast<unsigned>(s.gearMode));
        test::CheckStates(InputsPageModel().States(image, s.printing), s.expect);
    }
}

TEST(InputsPageModel, anotherLoadSensorResetsThePowerOutputLoadThresholds) {
    struct Case {
        int from, to;
        int first, second; // load thresholds of outputs 1..3 afterwards
    };
    const Case cases[] = {{1, 2, 15, 18}, {2, 1, 75, 90}, {0, 1, 75, 90}, {1, 1, 50, 60}, {1, 0, 50, 60}};
    const InputsPageModel page;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        ParameterImage image = FirstStartSet();
        image.setByte(Adrb::LoadSensor, static_cast<unsigned>(c.from));
        for (int b = Adrb::PowerOutLoad; b < Adrb::PowerOutLoad + 8; ++b)
            image.setByte(b, b % 2 == 0 ? 50 : 60);
        StorePageValues(page, {{"RadioGroupTpsIap", c.to}}, image);
        EXPECT_EQ(image.byte(Adrb::LoadSensor), c.to);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(image.byte(Adrb::PowerOutLoad + 2 * i), c.first);
            EXPECT_EQ(image.byte(Adrb::PowerOutLoad + 2 * i + 1), c.second);
        }
        EXPECT_EQ(image.byte(Adrb::PowerOutLoad + 6), 50) << "output 4 has no page";
    }
}

} // namespace
} // namespace zarvex1
