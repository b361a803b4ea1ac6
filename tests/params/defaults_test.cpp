#include "core/params/Defaults.h"
#include "core/params/Limits.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvex1 {
namespace {

std::vector<int> Bytes(const ParameterImage &image, int first, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(image.byte(first + i));
    return v;
}

ParameterImage FirstStart(int bikeType, DefaultsState &state, int page = Page::All) {
    ParameterImage image;
    image.setByte(Adrb::BikeType, bikeType);
    SetDefaults(image, state, page);
    return image;
}

TEST(SetDefaults, firstStartOfTypeZeroGivesTheStandardSet) {
    DefaultsState state;
    const ParameterImage image = FirstStart(0, state);
    const std::vector<int> rpm = {1500, 2000, 2500, 3000,  3500,  4000,  5000, 6000,
                                  7000, 8000, 9000, 10000, 11000, 12000, 14000};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(image.word(Adrw::AdvanceRpm1 + i), rpm[i]) << i;
    const std::vector<int> row = {8, 8, 8, 12, 20, 23, 28, 33, 35, 35, 35, 35, 35, 35, 35};
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(Bytes(image, Adrb::Advance1 + 15 * r, 15), row) << r;
        EXPECT_EQ(Bytes(image, Adrb::Advance2 + 15 * r, 15), row) << r;
    }
    EXPECT_EQ(image.byte(Adrb::PickupSystem), 0);
    EXPECT_EQ(image.byte(Adrb::LobeCount), 1);
    EXPECT_EQ(Bytes(image, Adrb::PickupSystem, 17),
              (std::vector<int>{0, 0, 1, 2, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(image.word(Adrw::SoftLimiter), 10800);
    EXPECT_EQ(image.byte(Adrb::LoadSensor), 1);
    EXPECT_EQ(Bytes(image, Adrb::PowerOutTable, 12),
              (std::vector<int>{2, 2, 2, 12, 14, 14, 14, 12, 12, 2, 2, 2}));
    EXPECT_EQ(image.word(Adrw::GearVoltage + 6), 4687);
    EXPECT_EQ(image.byte(Adrb::Servo + 14), 145);
    EXPECT_TRUE(state.loadSelection == LoadSelection::ForPage(Page::All));
}

TEST(SetDefaults, defaultsAreAlreadyLegal) {
    // Type 1 is set by hand and type 6 asks for second-pick-up choices its method does not have,
    // which the limits then clear; every other type's defaults pass the limits unchanged.
    for (int type : {0, 2, 3, 4, 5}) {
        DefaultsState state;
        ParameterImage image = FirstStart(type, state);
        const ParameterImage before = image;
        LimitParameters(image);
        EXPECT_EQ(image, before) << "type " << type;
    }
}

TEST(FirstStartSet, isTheDefaultsOfTheTypeKeptInRange) {
    for (int type = 0; type <= 6; ++type) {
        DefaultsState state;
        ParameterImage expected = FirstStart(type, state);
        LimitParameters(expected);
        EXPECT_EQ(FirstStartSet(type), expected) << "type " << type;
    }
}

TEST(SetDefaults, pageOnlyChangesTheLoadSelection) {
    DefaultsState all, servo;
    EXPECT_EQ(FirstStart(0, all, Page::All), FirstStart(0, servo, Page::Servo));
    std::array<bool, 10> want{};
    want[5] = true;
    EXPECT_EQ(servo.loadSelection.sections, want);
}

TEST(LoadSelection, pagesChooseTheirSections) {
    const int expected[9][2] = {{0, -1}, {1, -1}, {2, 3},  {5, -1}, {4, -1},
                                {6, -1}, {7, -1}, {8, -1}, {9, -1}};
    for (int page = 0; page < 9; ++page) {
        std::array<bool, 10> want{};
        for (int s : expected[page])
            if (s >= 0)
                want[s] = true;
        EXPECT_EQ(LoadSelection::ForPage(page).sections, want) << "page " << page;
    }
    std::array<bool, 10> every;
    every.fill(true);
    EXPECT_EQ(LoadSelection::ForPage(Page::All).sections, every);
}

TEST(SetDefaults, specialTypeAfterATypeChangeKeepsTheTunersSettings) {
    ParameterImage image;
    image.setByte(Adrb::BikeType, 1);
    image.setWord(Adrw::SoftLimiter, 9100);
    image.setByte(Adrb::Advance1, 17);
    image.setByte(Adrb::PickupSystem, 3);
    image.setByte(Adrb::MaxAdvanceSecondEdge, 1);
    DefaultsState state;
    state.bikeChangePending = true;
    SetDefaults(image, state, Page::All);
    EXPECT_EQ(image.word(Adrw::SoftLimiter), 9100);
    EXPECT_EQ(image.byte(Adrb::Advance1), 17);
    EXPECT_EQ(image.byte(Adrb::PickupSystem), 3);
    EXPECT_EQ(image.byte(Adrb::MaxAdvanceSecondEdge), 1);
    EXPECT_EQ(image.word(Adrw::ServoRpm), 1000); // the servo defaults are written all the same
    EXPECT_FALSE(state.bikeChangePending);

    // Without a pending change the special type gets the general defaults.
    SetDefaults(image, state, Page::All);
    EXPECT_EQ(image.word(Adrw::SoftLimiter), 10800);
}

TEST(ApplyBikeType, setsThePickupSystemPerType) {
    struct Row {
        int type;
        std::vector<int> bytes240to256; // 240..256
    };
    const Row rows[] = {
        {0, {0, 0, 1, 2, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1}},
        {2, {0, 0, 1, 2, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 2}},
        {3, {0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 3}},
        {4, {0, 0, 1, 2, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 0}},
        {5, {6, 0, 4, 2, 2, 2, 3, 3, 1, 1, 1, 1, 0, 1, 0, 1, 1}},
        {6, {14, 0, 6, 1, 2, 2, 3, 3, 1, 1, 1, 1, 0, 1, 0, 1, 1}},
    };
    for (const Row &r : rows) {
        ParameterImage image;
        for (int b = 240; b <= 256; ++b)
            image.setByte(b, 1); // every choice set before, so the clearing shows
        image.setByte(Adrb::StartRevolutions, 0);
        image.setByte(Adrb::BikeType, r.type);
        ApplyBikeType(image);
        EXPECT_EQ(Bytes(image, 240, 17), r.bytes240to256) << "type " << r.type;
    }
}

TEST(ApplyBikeType, specialTypeChangesNothingButMethodEightHasItsOwnSet) {
    ParameterImage image;
    image.setByte(Adrb::BikeType, 1);
    for (int b = 240; b <= 256; ++b)
        image.setByte(b, 3);
    const ParameterImage before = image;
    ApplyBikeType(image);
    EXPECT_EQ(image, before);

    image.setByte(Adrb::PickupSystem, 8);
    ApplyBikeType(image);
    EXPECT_EQ(Bytes(image, 240, 17), (std::vector<int>{8, 3, 2, 2, 1, 2, 1, 2, 3, 3, 1, 1, 3, 3, 3, 3, 0}));
    EXPECT_EQ(image.byte(Adrb::InputInverted), 1);
}

TEST(PowerOutModeDefaults, modesSetRowsAndThresholds) {
    struct Row {
        int mode;
        bool keep;
        std::vector<int> rpm, load, rows;
        int sensor = 1; // TPS
    };
    const std::vector<int> rpm0 = {50, 60, 70}, load0 = {20, 30}, rows0 = {1, 1, 1};
    const Row cases[] = {
        {0, false, rpm0, load0, rows0},
        {1, false, rpm0, load0, rows0},
        {2, false, {90, 95, 70}, load0, {12, 14, 14}},
        {2, true, rpm0, load0, {12, 14, 14}},
        {3, false, {40, 125, 140}, {75, 90}, {14, 12, 12}},
        {3, true, rpm0, load0, {14, 12, 12}},
        {4, false, {40, 125, 140}, {75, 90}, rows0},
        {4, true, rpm0, load0, rows0},
        {4, false, {40, 125, 140}, {75, 90}, rows0, 0},
        // The pressure scale counts 5 kPa a step: 75 and 90 kPa, reachable below atmospheric pressure.
        {3, false, {40, 125, 140}, {15, 18}, {14, 12, 12}, 2},
        {4, false, {40, 125, 140}, {15, 18}, rows0, 2},
        {4, true, rpm0, load0, rows0, 2},
    };
    for (const Row &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " keep " << c.keep << " sensor " << c.sensor);
        ParameterImage image;
        image.setByte(Adrb::LoadSensor, c.sensor);
        const int out = 1;
        for (int k = 0; k < 3; ++k) {
            image.setByte(Adrb::PowerOutRpm + 3 * out + k, rpm0[k]);
            image.setByte(Adrb::PowerOutTable + 3 * out + k, rows0[k]);
        }
        image.setByte(Adrb::PowerOutLoad + 2 * out, load0[0]);
        image.setByte(Adrb::PowerOutLoad + 2 * out + 1, load0[1]);
        image.setByte(Adrb::PowerOutMode + out, c.mode);
        const ParameterImage before = image;
        PowerOutModeDefaults(image, out, c.keep);
        EXPECT_EQ(Bytes(image, Adrb::PowerOutRpm + 3 * out, 3), c.rpm);
        EXPECT_EQ(Bytes(image, Adrb::PowerOutLoad + 2 * out, 2), c.load);
        EXPECT_EQ(Bytes(image, Adrb::PowerOutTable + 3 * out, 3), c.rows);
        // Other outputs are left alone.
        EXPECT_EQ(Bytes(image, Adrb::PowerOutRpm, 3), Bytes(before, Adrb::PowerOutRpm, 3));
        EXPECT_EQ(Bytes(image, Adrb::PowerOutTable + 6, 3), Bytes(before, Adrb::PowerOutTable + 6, 3));
    }
}

} // namespace
} // namespace zarvex1
