#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarvex1 {
namespace {

// The image of a first start: the defaults over an all-zero image with motorbike type 0.
ParameterImage FirstStartImage() {
    return FirstStartSet();
}

std::string Lines(const std::vector<std::string> &lines) {
    std::string text;
    for (const auto &line : lines)
        text += line + "\r\n";
    return text;
}

// The block that starts with the given line, up to the next key word.
std::string Block(const std::string &text, const std::string &keyWordLine) {
    const auto start = text.find("\r\n" + keyWordLine);
    if (start == std::string::npos)
        return "<missing>";
    auto end = start + 2;
    while ((end = text.find("\r\n", end)) != std::string::npos && text.compare(end + 2, 1, " ") == 0)
        end += 2;
    return text.substr(start + 2, (end == std::string::npos ? text.size() : end + 2) - start - 2);
}

TEST(ParameterFileWriter, firstStartFileBeginsExactlyAsTheWorkedExample) {
    const std::string text = WriteParameterFile(FirstStartImage());
    const std::string expected = Lines({
        "",
        "MORVANEL_KEY      99 ",
        "               ",
        "BIKE               0 ",
        "INV_PICKUP         0     0 ",
        "PICKUPS_INTERCHANGE      0 ",
        "NO_LOBE_CHECK      0 ",
        "SPARK_BEFORE_LOBE        0 ",
        "SPEC_START         0 ",
        "INTERLOCK_INPUT          0 ",
        "SPECDWELL_START      ",
        "4_TAKT             0 ",
        "COMPENSATION      11    11 ",
    });
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_EQ(Block(text, "LIMITER"), "LIMITER         5800  6000     0 10800 11000 \r\n");
}

TEST(ParameterFileWriter, powerOutAndCorrectionBlocksAreLaidOutValueForValue) {
    ParameterImage image = FirstStartImage();
    // No correction on any output; the defaults leave output 4's corrections alone.
    for (int b = Adrb::GearCorrPowerOut; b < Adrb::GearCorrPowerOut + 24; ++b)
        image.setByte(b, 100);
    const std::string text = WriteParameterFile(image);
    EXPECT_EQ(Block(text, "POWER_OUT1"), Lines({
                                             "POWER_OUT1         1 ",
                                             "                4000  9000 12000   100 ",
                                             "                  75    90 ",
                                             "                   0     1     0     0 ",
                                             "                   0     1     0     0 ",
                                             "                   0     1     0     0 ",
                                         }));
    // The third block is followed by a line of 15 spaces.
    EXPECT_EQ(Block(text, "POWER_OUT3"), Lines({
                                             "POWER_OUT3         3 ",
                                             "                4000  9000 14000   100 ",
                                             "                  75    90 ",
                                             "                   0     1     1     1 ",
                                             "                   0     0     1     1 ",
                                             "                   0     0     1     1 ",
                                             "               ",
                                         }));
    const std::string sixZeros = "                   0     0     0     0     0     0 ";
    EXPECT_EQ(Block(text, "GEAR_CORR_POUT"),
              Lines({"GEAR_CORR_POUT       ", sixZeros, sixZeros, sixZeros, sixZeros}));
    EXPECT_EQ(text.find("POWER_OUT4"), std::string::npos);
}

TEST(ParameterFileWriter, fileEndsWithLineOfSpacesWithoutLineBreakAndUsesCrLfOnly) {
    const std::string text = WriteParameterFile(FirstStartImage());
    const std::string ending = "\r\nTEST            5000   500 \r\n               ";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
        }
    }
}

TEST(ParameterFileWriter, scalesOffsetsLoadFactorAndWideNumbers) {
    ParameterImage image = FirstStartImage();
    image.setByte(Adrb::GearCorrAdvance, 0);
    image.setByte(Adrb::GearCorrAdvance + 1, 255);
    image.setByte(Adrb::GearCorrLimiter, 0);
    image.setByte(Adrb::GearCorrLimiter + 1, 255);
    image.setByte(Adrb::LoadSensor, 2); // IAP: load thresholds in kPa, factor 5
    image.setWord(Adrw::StartSoftLimiter, 65535);
    const std::string text = WriteParameterFile(image);
    EXPECT_EQ(Block(text, "GEAR_CORR_ADV"), "GEAR_CORR_ADV   -100   155     0     0     0     0 \r\n");
    EXPECT_EQ(Block(text, "GEAR_CORR_LIMITER"),
              "GEAR_CORR_LIMITER    -5000  7750     0     0     0     0 \r\n");
    EXPECT_NE(Block(text, "POWER_OUT1").find("\r\n                 375   450 \r\n"), std::string::npos);
    EXPECT_EQ(Block(text, "LIMITER"), "LIMITER        65535  6000     0 10800 11000 \r\n");
}

} // namespace
} // namespace zarvex1
