#include "core/pages/PowerOutPageModel.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"
#include "pages/page_rows.h"

#include <gtest/gtest.h>

#include <deque>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

// The page's table, output by output: mode, hysteresis, three speed thresholds, two load thresholds
// (x1 for TPS, x5 for IAP) and the grid of twelve cells.
struct ExpectedTable {
    std::deque<std::string> names;
    std::vector<ExpectedRow> rows;

    const char *Name(std::string name) { return names.emplace_back(std::move(name)).c_str(); }

    explicit ExpectedTable(bool iap) {
        for (int i = 0; i < 3; ++i) {
            const std::string n = std::to_string(i + 1);
            rows.push_back({Name("RadioGroupPOut" + n), K::Radio, 730 + i, 1, 0, 0, 4});
            rows.push_back({Name("UpDownPOut" + n + "Hyst"), K::ByteUpDown, 746 + i, 10, 0, 0, 2500, 10});
            for (int j = 0; j < 3; ++j)
                rows.push_back({Name("UpDownPOut" + n + "Rpm" + std::to_string(j)), K::ByteUpDown,
                                734 + 3 * i + j, 100, 0, 300, 25000 + 100 * j, 100});
            for (int j = 0; j < 2; ++j)
                rows.push_back({Name("UpDownPOut" + n + "Load" + std::to_string(j)), K::ByteUpDown,
                                750 + 2 * i + j, iap ? 5 : 1, 0, 0, iap ? 1000 : 100, iap ? 5 : 1});
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c)
                    rows.push_back({Name("CheckBoxPOut" + n + "Cell" + std::to_string(r) + std::to_string(c)),
                                    K::BitCheck, 758 + 3 * i + r, 1, 0, 0, 0, 1, c});
        }
    }
};

ParameterImage WithSensor(int sensor) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::LoadSensor, static_cast<unsigned>(sensor));
    return image;
}

TEST(PowerOutPageModel, everyRowShowsAndTakesItsParameterWithTheLoadSensorsScale) {
    for (const int sensor : {1, 2}) {
        SCOPED_TRACE(sensor);
        const ExpectedTable table(sensor == 2);
        test::CheckRows(PowerOutPageModel(), WithSensor(sensor), table.rows);
    }
}

TEST(PowerOutPageModel, withoutALoadSensorTheLoadThresholdsAreNeitherShownNorTaken) {
    const PowerOutPageModel page;
    ParameterImage image = WithSensor(0);
    for (int b = 750; b < 756; ++b)
        image.setByte(b, static_cast<unsigned>(b - 700));
    ControlValues values;
    for (const ShownRow &row : LoadPageValues(page, image)) {
        const bool load = row.binding.name.find("Load") != std::string_view::npos;
        EXPECT_EQ(row.value.has_value(), !load) << row.binding.name;
        values[std::string(row.binding.name)] = row.value.value_or(77);
    }
    const ParameterImage before = image;
    StorePageValues(page, values, image);
    EXPECT_EQ(image, before);
}

TEST(PowerOutPageModel, aStoreRebuildsEachGridRowFromItsFourCells) {
    const PowerOutPageModel page;
    ParameterImage image = WithSensor(1);
    image.setByte(758, 0xF5); // bits above the four cells are no part of the row
    ControlValues values;
    for (const ShownRow &row : LoadPageValues(page, image))
        values[std::string(row.binding.name)] = *row.value;
    values["CheckBoxPOut1Cell01"] = 1;
    StorePageValues(page, values, image);
    EXPECT_EQ(image.byte(758), 0x07);
}

TEST(PowerOutPageModel, statesFollowModeLoadSensorAndPrinting) {
    struct Scenario {
        const char *what;
        int mode, sensor;
        bool printing;
        std::vector<Expect> expect;
    };
    constexpr auto V = Expect::Visible, E = Expect::Enabled;
    const Scenario scenarios[] = {
        {"off", 0, 1, false, {{"GroupBoxPOutMap2", V, false}}},
        {"fuel pump", 1, 1, false, {{"GroupBoxPOutMap2", V, false}}},
        {"pilot light: two speeds, the first grid row greyed",
         2,
         1,
         false,
         {{"GroupBoxPOutMap2", V, true},     {"EditPOut2Rpm0", V, true},
          {"UpDownPOut2Rpm0", V, true},      {"EditPOut2Rpm1", V, true},
          {"BevelPOut2Rpm1", V, true},       {"EditPOut2Rpm2", V, false},
          {"UpDownPOut2Rpm2", V, false},     {"BevelPOut2Rpm2", V, false},
          {"EditPOut2Hyst", V, true},        {"LabelPOut2Hyst", V, true},
          {"LabelPOut2Rpm", V, true},        {"EditPOut2Load0", V, false},
          {"BevelPOut2Load0", V, false},     {"LabelPOut2Load", V, false},
          {"CheckBoxPOut2Cell00", V, true},  {"CheckBoxPOut2Cell02", V, true},
          {"CheckBoxPOut2Cell03", V, false}, {"CheckBoxPOut2Cell10", V, false},
          {"CheckBoxPOut2Cell11", V, true},  {"CheckBoxPOut2Cell12", V, false},
          {"CheckBoxPOut2Cell00", E, false}, {"CheckBoxPOut2Cell11", E, false}}},
        {"power jet with TPS: one load threshold",
         3,
         1,
         false,
         {{"EditPOut2Rpm2", V, false},
          {"EditPOut2Load0", V, true},
          {"BevelPOut2Load0", V, true},
          {"EditPOut2Load1", V, false},
          {"BevelPOut2Load1", V, false},
          {"LabelPOut2Load", V, true},
          {"CheckBoxPOut2Cell10", V, true},
          {"CheckBoxPOut2Cell12", V, true},
          {"CheckBoxPOut2Cell13", V, false},
          {"CheckBoxPOut2Cell20", V, false},
          {"CheckBoxPOut2Cell10", E, false}}},
        {"special: everything, the grid enabled",
         4,
         2,
         false,
         {{"EditPOut2Rpm2", V, true},
          {"BevelPOut2Rpm2", V, true},
          {"EditPOut2Load1", V, true},
          {"BevelPOut2Load1", V, true},
          {"CheckBoxPOut2Cell03", V, true},
          {"CheckBoxPOut2Cell13", V, true},
          {"CheckBoxPOut2Cell23", V, true},
          {"CheckBoxPOut2Cell23", E, true},
          {"CheckBoxPOut2Cell00", E, true}}},
        {"special without a load sensor: no load, no lower rows",
         4,
         0,
         false,
         {{"LabelPOut2Load", V, false},
          {"EditPOut2Load0", V, false},
          {"EditPOut2Load1", V, false},
          {"BevelPOut2Load0", V, false},
          {"CheckBoxPOut2Cell03", V, true},
          {"CheckBoxPOut2Cell11", V, false},
          {"CheckBoxPOut2Cell13", V, false},
          {"CheckBoxPOut2Cell20", V, false}}},
        {"on paper the up-downs go, the edits stay",
         4,
         1,
         true,
         {{"EditPOut2Rpm2", V, true},
          {"UpDownPOut2Rpm2", V, false},
          {"EditPOut2Load1", V, true},
          {"UpDownPOut2Load1", V, false},
          {"EditPOut2Hyst", V, true},
          {"UpDownPOut2Hyst", V, false}}},
    };
    for (const Scenario &sc : scenarios) {
        SCOPED_TRACE(sc.what);
        ParameterImage image = WithSensor(sc.sensor);
        image.setByte(731, static_cast<unsigned>(sc.mode));
        test::CheckStates(PowerOutPageModel().States(image, sc.printing), sc.expect);
    }
}

TEST(PowerOutPageModel, theLoadLabelNamesTheSensor) {
    for (const auto &[sensor, caption] : {std::pair{0, "Tps"}, std::pair{1, "Tps"}, std::pair{2, "Iap"}}) {
        const ControlState s = PowerOutPageModel().States(WithSensor(sensor), false).Of("LabelPOut3Load");
        ASSERT_TRUE(s.caption);
        EXPECT_EQ(*s.caption, caption);
    }
}

TEST(PowerOutPageModel, modeClickSetsTheModesDefaultsWithoutLimits) {
    ParameterImage image = WithSensor(1);
    image.setByte(734, 50); // output 1's speed thresholds falling: the limits would raise the second
    image.setByte(735, 20);
    RadioGroupPOutClick(image, 1, PowerOut::PowerJet);
    EXPECT_EQ(image.byte(731), 3);
    EXPECT_EQ(image.byte(761), 14);
    EXPECT_EQ(image.byte(762), 12);
    EXPECT_EQ(image.byte(763), 12);
    EXPECT_EQ(image.byte(737), 40);
    EXPECT_EQ(image.byte(738), 125);
    EXPECT_EQ(image.byte(739), 140);
    EXPECT_EQ(image.byte(752), 75);
    EXPECT_EQ(image.byte(753), 90);
    EXPECT_EQ(image.byte(735), 20);
}

bool Overlap(const Place &a, const Place &b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

const Place &Find(const std::vector<Place> &places, const std::string &name) {
    for (const Place &p : places)
        if (p.name == name)
            return p;
    ADD_FAILURE() << "no place for " << name;
    static const Place none;
    return none;
}

TEST(PowerOutPageModel, theGridLiesInRowsAndColumnsBetweenItsBevels) {
    const ParameterImage image = WithSensor(1);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const PowerOutNames &n = PowerOutPageModel::Names(i);
        const std::vector<Place> places = PowerOutPageModel::Places(i, image);
        EXPECT_EQ(Find(places, n.speedEdit[1]), (Place{n.speedEdit[1], 155, 18, 56, 21}));
        EXPECT_EQ(Find(places, n.loadEdit[1]), (Place{n.loadEdit[1], 13, 89, 46, 21}));
        EXPECT_EQ(Find(places, n.hysteresisEdit), (Place{n.hysteresisEdit, 235, 135, 56, 21}));
        EXPECT_EQ(Find(places, n.cell[2][3]), (Place{n.cell[2][3], 260, 105, 20, 15}));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                const Place &cell = Find(places, n.cell[r][c]);
                EXPECT_EQ(cell.left, Find(places, n.cell[0][c]).left) << "column " << c;
                EXPECT_EQ(cell.top, Find(places, n.cell[r][0]).top) << "row " << r;
            }
        for (int j = 0; j < 3; ++j) {
            const Place &bevel = Find(places, n.speedBevel[j]);
            EXPECT_GT(bevel.left, Find(places, n.cell[0][j]).right());
            EXPECT_LT(bevel.right(), Find(places, n.cell[0][j + 1]).left);
            EXPECT_LT(bevel.top, Find(places, n.cell[0][0]).top);
            EXPECT_GT(bevel.bottom(), Find(places, n.cell[2][0]).bottom());
        }
        for (int j = 0; j < 2; ++j) {
            const Place &bevel = Find(places, n.loadBevel[j]);
            EXPECT_GT(bevel.top, Find(places, n.cell[j][0]).bottom());
            EXPECT_LT(bevel.bottom(), Find(places, n.cell[j + 1][0]).top);
            EXPECT_LT(bevel.left, Find(places, n.cell[0][0]).left);
            EXPECT_GT(bevel.right(), Find(places, n.cell[0][3]).right());
        }
        // Inside the group box, and apart but for the bevels crossing each other.
        for (const Place &a : places) {
            EXPECT_LE(a.right(), PowerOutPageModel::GroupWidth) << a.name;
            EXPECT_LE(a.bottom(), PowerOutPageModel::GroupHeight) << a.name;
            for (const Place &b : places) {
                if (&a != &b && !(a.name.starts_with("Bevel") && b.name.starts_with("Bevel"))) {
                    EXPECT_FALSE(Overlap(a, b)) << a.name << " and " << b.name;
                }
            }
        }
    }
}

TEST(PowerOutPageModel, aLoadThresholdOf1000KpaHasAWiderEdit) {
    ParameterImage image = WithSensor(2);
    image.setByte(752, 200);
    const std::vector<Place> places = PowerOutPageModel::Places(1, image);
    EXPECT_EQ(Find(places, "EditPOut2Load0"), (Place{"EditPOut2Load0", 7, 61, 51, 21}));
    EXPECT_EQ(Find(places, "EditPOut2Load1"), (Place{"EditPOut2Load1", 13, 89, 46, 21}));
    EXPECT_EQ(ShowValue(*PowerOutPageModel().Row("UpDownPOut2Load0", image), image), 1000);
}

} // namespace
} // namespace zarvex1
