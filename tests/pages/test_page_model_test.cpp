#include "core/pages/MonitorPageStates.h"
#include "core/pages/TestPageModel.h"
#include "core/params/Defaults.h"
#include "pages/page_rows.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

using K = ControlKind;
using test::Expect;
using test::ExpectedRow;

constexpr ExpectedRow Rows[] = {
    {"UpDownTestRpm", K::ByteUpDown, 830, 100, 0, 200, 25000, 100},
    {"UpDownTestServo", K::ByteUpDown, 831, 10, 0, 10, 2500, 10},
};

TEST(TestPageModel, theTwoTestSettingsShowAndTakeTheirBytes) {
    test::CheckRows(TestPageModel(), FirstStartSet(), Rows);
}

TEST(TestPageModel, theButtonsWorkOnlyWhileTheEngineStands) {
    for (const bool turning : {false, true}) {
        const PageStates s = TestPageModel::ButtonStates(turning);
        for (std::string_view button : TestPageModel::ButtonNames())
            EXPECT_EQ(s.Of(button).enabled, !turning) << button;
    }
    const std::vector<std::string_view> hidden(TestPageModel().HiddenAtStart().begin(),
                                               TestPageModel().HiddenAtStart().end());
    EXPECT_EQ(hidden, (std::vector<std::string_view>{"ButtonTestIgn2", "ButtonTestPOut4"}));
    constexpr Expect paper[] = {{"UpDownTestRpm", Expect::Visible, false},
                                {"UpDownTestServo", Expect::Visible, false}};
    test::CheckStates(TestPageModel().States(FirstStartSet(), true), paper);
}

TEST(MonitorPageStates, aPowerOutputsRowIsEnabledByItsMode) {
    ParameterImage image = FirstStartSet();
    for (const auto &[modes, enabled] : {std::pair{std::array{0, 2, 4}, std::array{false, true, true}},
                                         std::pair{std::array{1, 0, 0}, std::array{true, false, false}}}) {
        for (int i = 0; i < 3; ++i)
            image.setByte(Adrb::PowerOutMode + i, static_cast<unsigned>(modes[i]));
        const PageStates s = MonitorPageStates(image);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(s.Of("LabelMonPOut" + std::to_string(i + 1)).enabled, enabled[i]) << i;
    }
}

} // namespace
} // namespace zarvex1
