#include "core/pages/RacePageModel.h"
#include "core/params/Defaults.h"
#include "pages/page_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

// The page's table: each row's clutch time and corrections in store order, then the clutch master.
struct ExpectedTable {
    std::deque<std::string> names;
    std::vector<ExpectedRow> rows;

    const char *Name(std::string name) { return names.emplace_back(std::move(name)).c_str(); }

    ExpectedTable() {
        for (int r = 0; r < 6; ++r) {
            const std::string n = std::to_string(r + 1);
            rows.push_back({Name("UpDownClutchTime" + n), K::ByteUpDown, 778 + r, 5, 0, 0, 1250, 5});
            rows.push_back({Name("UpDownGearCorrAdv" + n), K::ByteUpDown, 788 + r, 1, -100, -20, 20, 1});
            rows.push_back(
                {Name("UpDownGearCorrLimiter" + n), K::ByteUpDown, 794 + r, 50, -100, -5000, 5000, 50});
            rows.push_back(
                {Name("UpDownGearCorrServo" + n), K::ByteUpDown, 800 + r, 50, -100, -5000, 5000, 50});
            for (int j = 0; j < 3; ++j)
                rows.push_back({Name("UpDownGearCorrPOut" + std::to_string(j + 1) + "_" + n), K::ByteUpDown,
                                806 + 6 * j + r, 50, -100, -5000, 5000, 50});
        }
        rows.push_back({"RadioGroupClutchMode", K::Radio, 777, 1, 0, 0, 1});
        rows.push_back({"UpDownClutchPause1", K::ByteUpDown, 784, 10, 0, 0, 2500, 10});
        rows.push_back({"UpDownClutchPause2", K::ByteUpDown, 785, 10, 0, 0, 2500, 10});
        rows.push_back({"UpDownClutchMinRpm", K::ByteUpDown, 786, 100, 0, 1000, 25000, 100});
        rows.push_back({"UpDownClutchAdv", K::ByteUpDown, 787, 1, 0, 0, 60});
    }
};

TEST(RacePageModel, everyRowShowsAndTakesItsParameter) {
    const ExpectedTable table;
    test::CheckRows(RacePageModel(), FirstStartSet(), table.rows);
}

TEST(RacePageModel, theFourthOutputsCorrectionsAreKeptAsTheyAre) {
    const RacePageModel page;
    ParameterImage image = FirstStartSet();
    // Beyond what an edit could show, as a file may bring them.
    for (int r = 0; r < 6; ++r)
        image.setByte(824 + r, 1 + 50 * r);
    const ParameterImage before = image;
    ControlValues values;
    for (const ShownRow &row : LoadPageValues(page, image))
        if (row.value)
            values[std::string(row.binding.name)] = *row.value;
    StorePageValues(page, values, image);
    for (int b = 824; b < 830; ++b)
        EXPECT_EQ(image.byte(b), before.byte(b)) << b;
    EXPECT_FALSE(page.Row("UpDownGearCorrPOut4_1", image));
}

TEST(RacePageModel, aLimiterCorrectionIsStoredAroundOneHundred) {
    const RacePageModel page;
    ParameterImage image = FirstStartSet();
    const Binding limiter = *page.Row("UpDownGearCorrLimiter3", image);
    for (const auto &[shown, stored] : {std::pair{-5000, 0}, std::pair{5000, 200}, std::pair{0, 100},
                                        std::pair{-50, 99}, std::pair{1234, 124}}) {
        TakeValue(limiter, shown, image);
        EXPECT_EQ(image.byte(796), stored) << shown;
    }
    image.setByte(796, 160);
    EXPECT_EQ(ShowValue(limiter, image), 3000);
}

ParameterImage Race(bool clutch, int system, int count) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::InputFunction + 1, clutch ? 3 : 0);
    image.setByte(Adrb::GearMode, static_cast<unsigned>(system));
    image.setByte(Adrb::GearCount, static_cast<unsigned>(count));
    return image;
}

TEST(RacePageModel, statesFollowTheClutchMasterAndTheGears) {
    struct Scenario {
        const char *what;
        bool clutch;
        int system, count;
        bool printing;
        std::vector<Expect> expect;
    };
    constexpr auto V = Expect::Visible, E = Expect::Enabled;
    const Scenario scenarios[] = {
        {"no clutch master, no gear detection: one row",
         false,
         0,
         6,
         false,
         {{"RadioGroupClutchMode", E, false},
          {"EditClutchTime1", E, false},
          {"EditClutchPause1", E, false},
          {"LabelClutchAdv", E, false},
          {"UpDownClutchPause1", V, false},
          {"UpDownClutchMinRpm", V, false},
          {"GroupBoxGearKor", V, false},
          {"LabelGearKor1", V, false},
          {"LabelRaceGear1", V, false},
          {"EditClutchTime1", V, true},
          {"UpDownClutchTime1", V, false},
          {"EditGearCorrLimiter1", V, true},
          {"UpDownGearCorrLimiter1", V, true},
          {"EditGearCorrAdv2", V, false},
          {"EditGearCorrPOut3_6", V, false}}},
        {"clutch master, four gears",
         true,
         1,
         4,
         false,
         {{"RadioGroupClutchMode", E, true},
          {"EditClutchTime4", E, true},
          {"EditClutchMinRpm", E, true},
          {"UpDownClutchAdv", V, true},
          {"GroupBoxGearKor", V, true},
          {"LabelGearKor1", V, true},
          {"LabelGearKor4", V, true},
          {"LabelGearKor5", V, false},
          {"LabelRaceGear4", V, true},
          {"LabelRaceGear5", V, false},
          {"EditClutchTime4", V, true},
          {"UpDownClutchTime4", V, true},
          {"EditClutchTime5", V, false},
          {"EditGearCorrServo3", V, true},
          {"EditGearCorrPOut2_4", V, true},
          {"EditGearCorrPOut2_5", V, false},
          {"UpDownGearCorrPOut2_5", V, false}}},
        {"on paper the up-downs go",
         true,
         1,
         6,
         true,
         {{"EditClutchTime6", V, true},
          {"UpDownClutchTime6", V, false},
          {"UpDownGearCorrAdv1", V, false},
          {"UpDownClutchPause2", V, false},
          {"EditClutchPause2", E, true}}},
    };
    for (const Scenario &sc : scenarios) {
        SCOPED_TRACE(sc.what);
        test::CheckStates(RacePageModel().States(Race(sc.clutch, sc.system, sc.count), sc.printing),
                          sc.expect);
    }
    for (const bool clutch : {false, true}) {
        const PageStates s = RacePageModel().States(Race(clutch, 1, 6), false);
        const std::uint32_t font = clutch ? FontColour::Black : FontColour::Grey;
        EXPECT_EQ(s.Of("GroupBoxClutch").fontColour, font);
        EXPECT_EQ(s.Of("GroupBoxClutchTime").fontColour, font);
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

std::vector<std::string_view> Row(int r, bool clutch) {
    std::vector<std::string_view> names;
    const RaceNames &n = RacePageModel::Names();
    for (std::size_t c = clutch ? 0 : 1; c < n.edits[r].size(); ++c)
        names.push_back(n.edits[r][c]);
    return names;
}

TEST(RacePageModel, theCurrentGearsRowIsMarkedAndGears0And1ShareTheFirst) {
    EXPECT_EQ(RacePageModel::RowOfGear(0), 0);
    EXPECT_EQ(RacePageModel::RowOfGear(1), 0);
    EXPECT_EQ(RacePageModel::RowOfGear(2), 1);
    EXPECT_EQ(RacePageModel::RowOfGear(6), 5);
    struct Case {
        int gear;
        bool clutch;
        int row;
        std::vector<std::string_view> labels;
    };
    const Case cases[] = {
        {0, true, 0, {}},
        {1, true, 0, {"LabelGearKor1", "LabelRaceGear1"}},
        {1, false, 0, {"LabelGearKor1"}},
        {2, true, 1, {"LabelGearKor2", "LabelRaceGear2"}},
        {6, false, 5, {"LabelGearKor6"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.gear);
        std::vector<std::string_view> expected = Row(c.row, c.clutch);
        expected.insert(expected.end(), c.labels.begin(), c.labels.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Highlighted(RacePageModel::LiveColoursOf(Race(c.clutch, 1, 6), c.gear)), expected);
    }
}

TEST(RacePageModel, theColumnsStandAtTheirPixels) {
    const RaceNames &n = RacePageModel::Names();
    const std::vector<Place> places = RacePageModel::CorrectionPlaces();
    const auto at = [&](const std::string &name) {
        return *std::find_if(places.begin(), places.end(), [&](const Place &p) { return p.name == name; });
    };
    for (int r = 0; r < 6; ++r) {
        const int top = 65 + 39 * r;
        EXPECT_EQ(at(n.edits[r][1]), BoundEditPlace(n.edits[r][1], 44, top, 30));
        EXPECT_EQ(at(n.edits[r][2]), BoundEditPlace(n.edits[r][2], 112, top, 40));
        EXPECT_EQ(at(n.edits[r][3]), BoundEditPlace(n.edits[r][3], 190, top, 40));
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(at(n.edits[r][4 + j]), BoundEditPlace(n.edits[r][4 + j], 190 + 78 * (j + 1), top, 40));
    }
    const std::vector<Place> clutch = RacePageModel::ClutchTimePlaces();
    EXPECT_NE(std::find(clutch.begin(), clutch.end(), BoundEditPlace("EditClutchTime6", 44, 65 + 39 * 5, 40)),
              clutch.end());
}

} // namespace
} // namespace zarvex1
