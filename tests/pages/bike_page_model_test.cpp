#include "core/pages/BikePageModel.h"
#include "pages/page_rows.h"
#include "session/session_fixture.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

constexpr ExpectedRow Rows[] = {
    {"ComboBoxBike", K::Combo, 230, 1, 0, 0, 6},
    {"RadioGroupPickup1Polarita", K::Radio, 231, 1, 0, 0, 2},
    {"RadioGroupPickup2Polarita", K::Radio, 232, 1, 0, 0, 2},
    {"CheckBoxZamenaPickup", K::Check, 234},
    {"CheckBoxNehlidaPalec", K::Check, 236},
    {"CheckBoxCrossBlock", K::Check, 833},
    {"CheckBoxPredPalec", K::Check, 235},
    {"CheckBoxSpecStart", K::Check, 233},
    {"CheckBox4TaktIgn", K::Check, 237},
    {"UpDownKompenz1", K::ByteUpDown, 238, 1, 0, 0, 255},
    {"UpDownKompenz2", K::ByteUpDown, 239, 1, 0, 0, 255},
    {"ComboBoxSynchro", K::Combo, 240, 1, 0, 0, 15},
    {"UpDownPocSynchro", K::ByteUpDown, 241, 1, 0, 0, 40},
    {"UpDownPocPalcu", K::ByteUpDown, 242, 1, 0, 1, 58},
    {"UpDownPocKanalu", K::ByteUpDown, 243, 1, 0, 1, 2},
    {"UpDownPalec1Zac", K::ByteUpDown, 244, 1, 0, 1, 58},
    {"UpDownPalec2Zac", K::ByteUpDown, 245, 1, 0, 1, 58},
    {"UpDownPalec1End", K::ByteUpDown, 246, 1, 0, 1, 58},
    {"UpDownPalec2End", K::ByteUpDown, 247, 1, 0, 1, 58},
    {"CheckBoxPalec1ZacH2", K::Check, 248},
    {"CheckBoxPalec2ZacH2", K::Check, 249},
    {"CheckBoxPalec1EndH2", K::Check, 250},
    {"CheckBoxPalec2EndH2", K::Check, 251},
    {"CheckBoxPalec1ZacP2", K::Check, 252},
    {"CheckBoxPalec2ZacP2", K::Check, 253},
    {"CheckBoxPalec1EndP2", K::Check, 254},
    {"CheckBoxPalec2EndP2", K::Check, 255},
    {"ComboBoxNasobekPalcu", K::Combo, 256, 1, 0, 0, 3},
    {"UpDownRpmPulsu", K::ByteUpDown, 257, 1, 0, 0, 6},
    {"UpDownRpmKorekce", K::ByteUpDown, 258, 1, -100, -60, 60},
};

TEST(BikePageModel, everyRowShowsAndTakesItsParameter) {
    test::CheckRows(BikePageModel(), FirstStartSet(), Rows);
}

TEST(BikePageModel, motorbikeItemsStandForTheirCodes) {
    const int codes[] = {0, 2, 3, 4, 5, 6, 1};
    for (int item = 0; item < 7; ++item)
        EXPECT_EQ(BikePageModel::BikeCodeOfItem(item), codes[item]);
    ParameterImage image;
    const Binding bike = *BikePageModel().Row("ComboBoxBike", image);
    image.setByte(Adrb::BikeType, 1);
    EXPECT_EQ(ShowValue(bike, image), 6);
    TakeValue(bike, 3, image);
    EXPECT_EQ(image.byte(Adrb::BikeType), 4);
    image.setByte(Adrb::BikeType, 7);
    EXPECT_EQ(ShowValue(bike, image), std::nullopt) << "a code above 6 leaves the combo box as it is";
}

TEST(BikePageModel, statesFollowTypeMethodAndOutputs) {
    struct Scenario {
        const char *what;
        int bike, method, outputs;
        bool printing;
        std::vector<Expect> expect;
    };
    constexpr auto V = Expect::Visible, E = Expect::Enabled;
    const Scenario scenarios[] = {
        {"classic, one lobe",
         0,
         0,
         2,
         false,
         {{"GroupBoxSpecial", E, false},
          {"ComboBoxSynchro", E, false},
          {"LabelKompenz", E, false},
          {"RadioGroupPickup2Polarita", V, true},
          {"CheckBoxPalec1ZacP2", V, true},
          {"CheckBoxPalec2EndP2", V, true},
          {"CheckBoxCrossBlock", V, false},
          {"CheckBoxSpecStart", V, false},
          {"UpDownPocPalcu", V, false},
          {"UpDownPalec1Zac", V, false},
          {"GroupBoxPalec1", V, true},
          {"GroupBoxPalec2", V, true},
          {"LabelPocetProgramovani", V, true},
          {"RadioGroupPickup1Polarita_Item2", V, true}}},
        {"special, one lobe",
         1,
         0,
         1,
         false,
         {{"GroupBoxSpecial", E, true},
          {"EditPocSynchro", E, true},
          {"EditPocPalcu", E, false},
          {"EditPalec2End", E, false},
          {"CheckBoxPalec1ZacH2", E, true},
          {"CheckBoxCrossBlock", V, true},
          {"CheckBoxSpecStart", V, true},
          {"UpDownPocPalcu", V, false},
          {"GroupBoxPalec2", V, false}}},
        {"special, Harley",
         1,
         8,
         2,
         false,
         {{"EditPocPalcu", E, true},
          {"UpDownPocPalcu", V, false},
          {"UpDownPalec1Zac", V, true},
          {"GroupBoxPalec1", V, false},
          {"GroupBoxPalec2", V, false},
          {"RadioGroupPickup2Polarita", V, false},
          {"CheckBoxCrossBlock", V, false}}},
        {"special, 48-2",
         1,
         9,
         2,
         false,
         {{"CheckBoxPalec1ZacH2", E, false},
          {"CheckBoxPalec2EndP2", E, false},
          {"CheckBoxPalec1EndP2", V, false},
          {"RadioGroupPickup1Polarita_Item2", V, false},
          {"UpDownPocPalcu", V, true}}},
        {"special, cam",
         1,
         7,
         1,
         false,
         {{"RadioGroupPickup2Polarita", V, true},
          {"CheckBoxPalec1ZacP2", V, false},
          {"GroupBoxPalec2", V, false}}},
        {"NSR, second pick-up",
         5,
         6,
         2,
         false,
         {{"RadioGroupPickup2Polarita", V, true}, {"EditPocPalcu", E, false}}},
        {"printing", 0, 0, 2, true, {{"LabelPocetProgramovani", V, false}}},
    };
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.what);
        ParameterImage image;
        image.setByte(Adrb::BikeType, static_cast<unsigned>(s.bike));
        image.setByte(Adrb::PickupSystem, static_cast<unsigned>(s.method));
        image.setByte(Adrb::OutputCount, static_cast<unsigned>(s.outputs));
        const PageStates states = BikePageModel().States(image, s.printing);
        test::CheckStates(states, s.expect);
        EXPECT_EQ(states.Of("GroupBoxSpecial").fontColour,
                  s.bike == 1 ? FontColour::Black : FontColour::Grey);
    }
}

TEST(BikePageModel, method9SetsTheFourSecondEdgeFlagsOnStore) {
    const BikePageModel page;
    for (const int method : {9, 3}) {
        SCOPED_TRACE(method);
        ParameterImage image = FirstStartSet();
        ControlValues values;
        for (const Binding &b : page.Bindings(image))
            values[std::string(b.name)] = ShowValue(b, image).value_or(0);
        values["ComboBoxSynchro"] = method;
        values["CheckBoxPalec1ZacH2"] = 0;
        values["CheckBoxPalec2ZacH2"] = 0;
        StorePageValues(page, values, image);
        const int expected = method == 9 ? 1 : 0;
        for (int b = 248; b <= 249; ++b)
            EXPECT_EQ(image.byte(b), expected);
        EXPECT_EQ(image.byte(250), 1) << "as the page showed it";
        EXPECT_EQ(image.byte(252), 0) << "the second pick-up flags are not forced";
    }
}

struct BikeChange : ::testing::Test, test::SessionFixture {
    std::vector<int> commits;
    PageMachine machine{[this] {
        session.Commit();
        commits.push_back(1);
    }};
};

TEST_F(BikeChange, anotherTypeAsksForTheDefaultsThenSetsItsPreset) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        Edit(9000);
        session.image().setByte(Adrb::IgnitionsPerRevolution, 3);
        front.questions.clear();
        front.answer = answer;
        commits.clear();
        ComboBoxBikeChange(session, machine, 1, 0); // Standard, 2 lobes per revolution
        EXPECT_EQ(front.questions, std::vector<std::string>{"Do you want default setting?"});
        EXPECT_EQ(session.image().byte(Adrb::BikeType), 2);
        EXPECT_EQ(session.image().byte(Adrb::IgnitionsPerRevolution), 2) << "the preset, whatever the answer";
        EXPECT_EQ(session.image().word(Adrw::SoftLimiter), answer == Answer::Yes ? 10800 : 9000);
        EXPECT_EQ(commits.size(), 1u);
        EXPECT_TRUE(session.undo().CanUndo());
    }
}

TEST_F(BikeChange, specialSettingAsksNothingAndKeepsTheSynchronisation) {
    Edit(9000);
    session.image().setByte(Adrb::LobeCount, 36);
    ComboBoxBikeChange(session, machine, BikePageModel::SpecialItem, 3);
    EXPECT_TRUE(front.questions.empty());
    EXPECT_EQ(session.image().byte(Adrb::BikeType), 1);
    EXPECT_EQ(session.image().byte(Adrb::PickupSystem), 3);
    EXPECT_EQ(session.image().byte(Adrb::LobeCount), 36);
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9000);
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(BikeChange, waitingSpinnerClicksGoInWithTheChange) {
    machine.RequestCommit("UpDownRpmPulsu", CommitMode::Delayed);
    ComboBoxBikeChange(session, machine, BikePageModel::SpecialItem, 0);
    EXPECT_FALSE(machine.Pending());
    for (int i = 0; i < 10; ++i)
        machine.Tick();
    EXPECT_EQ(commits.size(), 1u);
}

} // namespace
} // namespace zarvex1
