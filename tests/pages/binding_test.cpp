#include "core/pages/Binding.h"

#include <gtest/gtest.h>

#include <array>

namespace zarvex1 {
namespace {

using K = ControlKind;

TEST(Binding, upDownsShowScaleTimesRawPlusOffsetClampedAndTakeItBack) {
    struct Case {
        Binding row;
        int raw;
        int shown;
        int typed;  // what the user puts into the control
        int stored; // what that stores
    };
    const Case cases[] = {
        {{"UpDownRpmKorekce", K::ByteUpDown, 258, 1, -100, -60, 60}, 160, 60, -60, 40},
        {{"UpDownRpmKorekce", K::ByteUpDown, 258, 1, -100, -60, 60}, 0, -60, 0, 100},
        {{"UpDownRpmKorekce", K::ByteUpDown, 258, 1, -100, -60, 60}, 255, 60, 75, 160},
        {{"UpDownStartLimiterPause", K::ByteUpDown, 266, 100, 0, 0, 5000, 100}, 12, 1200, 1250, 12},
        {{"UpDownStartLimiterPause", K::ByteUpDown, 266, 100, 0, 0, 5000, 100}, 200, 5000, 9000, 50},
        {{"UpDownGearCorrLimiter", K::ByteUpDown, 794, 50, -100, -5000, 5000, 50}, 0, -5000, 5000, 200},
        {{"UpDownSoftLimiter", K::WordUpDown, 2, 1, 0, 900, 25000, 50}, 10800, 10800, 25050, 25000},
        {{"UpDownSoftLimiter", K::WordUpDown, 2, 1, 0, 900, 25000, 50}, 300, 900, 899, 900},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.row.name) + " raw " + std::to_string(c.raw));
        ParameterImage image;
        if (c.row.kind == K::WordUpDown)
            image.setWord(c.row.position, static_cast<unsigned>(c.raw));
        else
            image.setByte(c.row.position, static_cast<unsigned>(c.raw));
        EXPECT_EQ(ShowValue(c.row, image), c.shown);
        TakeValue(c.row, c.typed, image);
        EXPECT_EQ(c.row.kind == K::WordUpDown ? image.word(c.row.position) : image.byte(c.row.position),
                  c.stored);
    }
}

TEST(Binding, checksRadiosAndCombos) {
    static constexpr std::array<int, 3> codes = {0, 2, 1};
    const Binding check{"CheckBoxSpecStart", K::Check, 233};
    const Binding bit{.name = "CheckBoxPOutCell", .kind = K::BitCheck, .position = 760, .bit = 2};
    const Binding radio{"RadioGroupTpsIap", K::Radio, 271, 1, 0, 0, 2};
    const Binding coded{"ComboBoxBike", K::Combo, 230, 1, 0, 0, 2, 1, codes};
    ParameterImage image;

    image.setByte(233, 7);
    EXPECT_EQ(ShowValue(check, image), 1);
    TakeValue(check, 0, image);
    EXPECT_EQ(image.byte(233), 0);
    TakeValue(check, 1, image);
    EXPECT_EQ(image.byte(233), 1);

    image.setByte(760, 0b1010);
    EXPECT_EQ(ShowValue(bit, image), 0);
    TakeValue(bit, 1, image);
    EXPECT_EQ(image.byte(760), 0b1110) << "the other bits of the row stay";
    TakeValue(bit, 0, image);
    EXPECT_EQ(image.byte(760), 0b1010);

    image.setByte(271, 2);
    EXPECT_EQ(ShowValue(radio, image), 2);
    image.setByte(271, 9);
    EXPECT_EQ(ShowValue(radio, image), -1) << "no item for a value beyond the list";
    TakeValue(radio, -1, image);
    EXPECT_EQ(image.byte(271), 9) << "no chosen item leaves the byte";
    TakeValue(radio, 1, image);
    EXPECT_EQ(image.byte(271), 1);

    image.setByte(230, 1);
    EXPECT_EQ(ShowValue(coded, image), 2);
    image.setByte(230, 7);
    EXPECT_EQ(ShowValue(coded, image), std::nullopt) << "a code without an item leaves the combo box";
    TakeValue(coded, 1, image);
    EXPECT_EQ(image.byte(230), 2);
}

TEST(Binding, upDownNamesGiveEditAndLabel) {
    EXPECT_EQ(EditNameOf("UpDownRetard"), "EditRetard");
    EXPECT_EQ(LabelNameOf("UpDownRetard"), "LabelRetard");
    EXPECT_EQ(EditNameOf("CheckBoxSpecStart"), "CheckBoxSpecStart");
}

} // namespace
} // namespace zarvex1
