#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mapeditor/views/Graph3DLegend.h"

namespace zarvex1 {
namespace {

CAxe VoltageAxis() {
    CAxe axis(MaxCells, false);
    axis.scale = 0.001;
    axis.unit = "V";
    const CBand bands[] = {{2, 1, 0.2, 0.2, 1}, {5, 1, 0.5, 0.5, 1}, {0, 0, 0, 0, 0}};
    axis.SetBands(bands);
    axis.displayMin = 0;
    return axis;
}

std::vector<std::string> Texts(const std::vector<LegendTick> &ticks) {
    std::vector<std::string> texts;
    for (const auto &tick : ticks)
        texts.push_back(tick.text);
    return texts;
}

TEST(LegendScale, ticksEveryLabelStepWithTheUnitAttached) {
    CAxe axis = VoltageAxis();
    const std::vector<LegendTick> ticks = LegendScale(axis, {0, 5000}, 5000, 245, 45);
    EXPECT_EQ((std::vector<std::string>{"0V", "1V", "2V", "3V", "4V", "5V"}), Texts(ticks));
    EXPECT_EQ(245, ticks.front().y);
    EXPECT_EQ(45, ticks.back().y);
    EXPECT_EQ(205, ticks[1].y);
}

TEST(LegendScale, narrowRangeTakesAFifthOfTheStepAndTheAxisKeepsThe2DBand) {
    CAxe axis = VoltageAxis();
    // 0 … 1.5 V: a whole step twice does not fit, so lines come every 0.2 V; the 2D range of 4 V
    // selects the second band, which the axis keeps afterwards.
    const std::vector<LegendTick> ticks = LegendScale(axis, {0, 1500}, 4000, 245, 45);
    EXPECT_EQ(8u, ticks.size());
    EXPECT_EQ(1400, ticks.back().value);
    EXPECT_EQ(5.0, axis.currentBand.upTo);
}

TEST(LegendScale, flatRangeGivesNoTicksAndNoDivisionByZero) {
    CAxe axis = VoltageAxis();
    EXPECT_TRUE(LegendScale(axis, {700, 700}, 700, 245, 45).empty());
    EXPECT_EQ(245, LegendY(700, {700, 700}, 245, 45));
}

} // namespace
} // namespace zarvex1
