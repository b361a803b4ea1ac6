#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "core/mapeditor/views/NumberFormat.h"
#include "core/mapeditor/views/PixelTint.h"

namespace zarvex1 {
namespace {

struct ValueRow {
    int raw;
    double step;
    const char *unit;
    bool showUnit;
    const char *expected;
};

TEST(FormatValue, decimalsFollowStepAndDigitsAreGrouped) {
    const ValueRow rows[] = {
        {12345, 1, nullptr, false, "12 345"},
        {5, 0.1, nullptr, false, "0.5"},
        {30, 0.1, nullptr, false, "3"}, // trailing zeros and the point go
        {-4, 0.5, nullptr, false, "-2"},
        {0, 0.1, nullptr, false, "0"},
        {25, 0.1, nullptr, false, "2.5"},
        {12345675, 0.1, nullptr, false, "1 234 567.5"},
        {-1234, 1, nullptr, false, "-1 234"}, // the minus sign is no digit of a group
        {-123, 1, nullptr, false, "-123"},
        {-123456, 1, nullptr, false, "-123 456"},
        {1500, 0.001, nullptr, false, "1.5"},
        {1234, 0.001, nullptr, false, "1.234"},
        {7, 0.05, nullptr, false, "0.35"},
        {3, 0.01, nullptr, false, "0.03"},
        {10, 100, nullptr, false, "1 000"},
        {3, 0.25, nullptr, false, "0.8"}, // one decimal for a quarter step, rounded as printf does
        {15, 1, "%", true, "15 %"},
        {15, 1, "%", false, "15"},
        {15, 1, "", true, "15"},
        {21, 0.5, "°", true, "10.5 °"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.raw) + " x " + std::to_string(row.step));
        EXPECT_EQ(row.expected, FormatValue(row.raw, row.step, row.unit ? row.unit : "", row.showUnit));
    }
}

TEST(FormatValue, ignoresTheProcessLocale) {
    // The windowing toolkit sets the C locale from the environment; the texts must not follow it.
    const char *german = nullptr;
    // POSIX names first, then Windows' own.
    for (const char *name : {"de_DE.UTF-8", "cs_CZ.UTF-8", "German_Germany.1252", "de-DE"})
        if (german == nullptr)
            german = std::setlocale(LC_NUMERIC, name);
    EXPECT_EQ("2.5", FormatValue(25, 0.1));
    EXPECT_EQ("1.4", FormatTick(0.2, 1.4));
    std::setlocale(LC_NUMERIC, "C");
    if (german == nullptr)
        GTEST_SKIP() << "no comma locale installed; checked with the C locale only";
}

TEST(FormatTick, formatFollowsTheLabelStep) {
    const struct {
        double step;
        double value;
        const char *expected;
    } rows[] = {
        {2000, 12000, "12k"}, {1000, 3000, "3k"},    {5, 35, "35"},         {0.2, 1.4, "1.4"},
        {0.5, 2, "2.0"},      {0.05, 0.15, "0.15"},  {0.005, 0.015, "15m"}, {0.0005, 0.0015, "1.50m"},
        {1e6, 3e6, "3M"},     {999.9, 1500, "1500"}, {1000, 1500, "2k"},    {1000, -2000, "-2k"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.step) + " / " + std::to_string(row.value));
        EXPECT_EQ(row.expected, FormatTick(row.step, row.value));
    }
}

TEST(DecimalComma, replacesThePointOnly) {
    EXPECT_EQ("1 234,5", WithDecimalComma("1 234.5"));
}

class TintEveryOtherPixelTest : public ::testing::Test {
protected:
    static constexpr int Width = 6;
    static constexpr int Height = 4;
    static constexpr std::uint32_t Fill = 0xFF000000u; // opaque black, fourth byte set as Qt keeps it
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(Width * Height, Fill);
    PixelBuffer bitmap{reinterpret_cast<std::uint8_t *>(pixels.data()), Width, Height, Width * 4, 32};

    // One character per pixel: '#' tinted, '.' untouched.
    std::string Picture() const {
        std::string text;
        for (int row = 0; row < Height; ++row) {
            for (int column = 0; column < Width; ++column)
                text += pixels[static_cast<std::size_t>(row * Width + column)] == Fill ? '.' : '#';
            text += '\n';
        }
        return text;
    }
};

TEST_F(TintEveryOtherPixelTest, writesACheckerboardWithRedAndBlueExchanged) {
    TintEveryOtherPixel(bitmap, 1, 1, 4, 2, 0x00332211); // blue 0x33, green 0x22, red 0x11
    EXPECT_EQ("......\n"
              "..#.#.\n" // odd bitmap row: starts one right of the box
              ".#.#..\n"
              "......\n",
              Picture());
    EXPECT_EQ(0xFF112233u, pixels[1 * Width + 2]); // memory order blue, green, red, fourth byte kept
}

TEST_F(TintEveryOtherPixelTest, rowParityIsThatOfTheBitmapSoNeighbouringBoxesJoin) {
    TintEveryOtherPixel(bitmap, 0, 0, 6, 1, 0xFFFFFF);
    TintEveryOtherPixel(bitmap, 0, 1, 6, 1, 0xFFFFFF);
    EXPECT_EQ("#.#.#.\n"
              ".#.#.#\n"
              "......\n"
              "......\n",
              Picture());
}

TEST_F(TintEveryOtherPixelTest, boxesAreClippedToTheBitmap) {
    TintEveryOtherPixel(bitmap, 4, 2, 50, 50, 0xFFFFFF); // past the right and bottom edges
    TintEveryOtherPixel(bitmap, -3, -3, 2, 2, 0xFFFFFF); // starts at 0, 0 with its size kept
    EXPECT_EQ("#.....\n"
              ".#....\n"
              "....#.\n"
              ".....#\n",
              Picture());
    TintEveryOtherPixel(bitmap, 6, 0, 2, 2, 0xFFFFFF); // entirely right of the bitmap
    TintEveryOtherPixel(bitmap, 0, 4, 2, 2, 0xFFFFFF); // entirely below it
    EXPECT_EQ("#.....\n.#....\n....#.\n.....#\n", Picture());
}

TEST_F(TintEveryOtherPixelTest, onlyThirtyTwoBitBitmapsAreTinted) {
    bitmap.bitsPerPixel = 24;
    TintEveryOtherPixel(bitmap, 0, 0, Width, Height, 0xFFFFFF);
    EXPECT_EQ("......\n......\n......\n......\n", Picture());
}

} // namespace
} // namespace zarvex1
