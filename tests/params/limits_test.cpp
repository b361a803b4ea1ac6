#include "core/params/Limits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zarvex1 {
namespace {

std::vector<int> Words(const ParameterImage &image, int first, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(image.word(first + i));
    return v;
}

std::vector<int> Bytes(const ParameterImage &image, int first, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(image.byte(first + i));
    return v;
}

std::vector<int> Ramp(int from, int step, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(from + step * i);
    return v;
}

TEST(ParameterImage, wordsAreLittleEndianOverTheSameBytes) {
    ParameterImage image;
    image.setWord(21, 0x1234);
    EXPECT_EQ(image.byte(42), 0x34);
    EXPECT_EQ(image.byte(43), 0x12);
    image.setByte(43, 0xAB);
    EXPECT_EQ(image.word(21), 0xAB34);
}

TEST(ParameterImage, blocksCoverTheImageInOrder) {
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.setByte(i, i * 7);
    for (int b = 1; b <= 6; ++b) {
        auto block = image.block(b);
        EXPECT_EQ(block[0], image.byte(150 * (b - 1)));
        EXPECT_EQ(block[149], image.byte(150 * b - 1));
    }
    // Words 75..79 travel in block 2.
    EXPECT_EQ(image.block(2)[2 * 75 - 150], image.byte(150));
}

struct LimitCase {
    const char *name;
    std::function<void(ParameterImage &)> prepare;
    std::function<void(const ParameterImage &)> check;
};

class LimitParametersTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitParametersTest, forcesLegalRanges) {
    ParameterImage image;
    GetParam().prepare(image);
    LimitParameters(image);
    GetParam().check(image);
}

const LimitCase limitCases[] = {
    {"allZeroSpeedAxisRisesFrom100", [](ParameterImage &) {},
     [](const ParameterImage &im) {
         EXPECT_EQ(Words(im, Adrw::AdvanceRpm1, 15), Ramp(100, 50, 15));
         EXPECT_EQ(Words(im, Adrw::AdvanceRpm2, 15), Ramp(100, 50, 15));
         EXPECT_EQ(Words(im, Adrw::ServoRpm, 15), Ramp(100, 50, 15));
         EXPECT_EQ(Words(im, Adrw::IapAxis, 10), Ramp(0, 1, 10));
     }},
    {"axisOfMaximaEndsAt25000",
     [](ParameterImage &im) {
         for (int i = 0; i < 15; ++i)
             im.setWord(Adrw::AdvanceRpm1 + i, 30000);
     },
     [](const ParameterImage &im) { EXPECT_EQ(Words(im, Adrw::AdvanceRpm1, 15), Ramp(24300, 50, 15)); }},
    {"equalNeighboursRiseAndCarryOn",
     [](ParameterImage &im) {
         for (int i = 0; i < 15; ++i)
             im.setWord(Adrw::AdvanceRpm1 + i, 1000 + 100 * i);
         im.setWord(Adrw::AdvanceRpm1 + 1, 1000);
         im.setWord(Adrw::AdvanceRpm1 + 2, 1040);
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(im.word(Adrw::AdvanceRpm1 + 1), 1050);
         EXPECT_EQ(im.word(Adrw::AdvanceRpm1 + 2), 1100);
         EXPECT_EQ(im.word(Adrw::AdvanceRpm1 + 3), 1300);
     }},
    {"mapCellsAbove60Become60",
     [](ParameterImage &im) {
         im.setByte(Adrb::Advance1, 61);
         im.setByte(Adrb::Advance1 + 149, 255);
         im.setByte(Adrb::Advance2 + 10, 200);
         im.setByte(Adrb::Advance2 + 11, 60);
         im.setByte(Adrb::Servo, 200); // the servo map has no such limit
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(im.byte(Adrb::Advance1), 60);
         EXPECT_EQ(im.byte(Adrb::Advance1 + 149), 60);
         EXPECT_EQ(im.byte(Adrb::Advance2 + 10), 60);
         EXPECT_EQ(im.byte(Adrb::Advance2 + 11), 60);
         EXPECT_EQ(im.byte(Adrb::Servo), 200);
     }},
    {"sensorPairsKeepTheirDistance", [](ParameterImage &) {},
     [](const ParameterImage &im) {
         EXPECT_EQ(Words(im, Adrw::TpsVoltage0, 2), (std::vector<int>{200, 210}));
         EXPECT_EQ(Words(im, Adrw::IapPressure1, 2), (std::vector<int>{0, 10}));
     }},
    {"sensorUpperPointClampsDownAndPullsTheLowerOne",
     [](ParameterImage &im) {
         im.setWord(Adrw::TpsVoltage0, 6000);
         im.setWord(Adrw::TpsVoltage100, 6000);
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(Words(im, Adrw::TpsVoltage0, 2), (std::vector<int>{4940, 4950}));
     }},
    {"methodZeroForcesOneLobeAndClampsTheLobeChoices",
     [](ParameterImage &im) {
         im.setByte(Adrb::PickupSystem, 0);
         im.setByte(Adrb::LobeCount, 9);
         for (int b = Adrb::MaxAdvanceLobe; b < Adrb::MaxAdvanceLobe + 4; ++b)
             im.setByte(b, 5);
         im.setByte(Adrb::MaxAdvanceSecondPickup, 1);
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(im.byte(Adrb::LobeCount), 1);
         EXPECT_EQ(Bytes(im, Adrb::MaxAdvanceLobe, 4), (std::vector<int>{1, 1, 1, 1}));
         EXPECT_EQ(im.byte(Adrb::MaxAdvanceSecondPickup), 1); // method 0 uses the second pick-up
     }},
    {"methodsWithoutSecondPickupClearItsChoices",
     [](ParameterImage &im) {
         im.setByte(Adrb::PickupSystem, 5);
         im.setByte(Adrb::LobeCount, 4);
         im.setByte(Adrb::MaxAdvanceLobe, 3);
         im.setByte(Adrb::StartAdvanceLobe + 1, 7);
         for (int b = Adrb::MaxAdvanceSecondPickup; b < Adrb::MaxAdvanceSecondPickup + 4; ++b)
             im.setByte(b, 1);
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(im.byte(Adrb::LobeCount), 4);
         EXPECT_EQ(im.byte(Adrb::MaxAdvanceLobe), 3);
         EXPECT_EQ(im.byte(Adrb::StartAdvanceLobe + 1), 4);
         EXPECT_EQ(Bytes(im, Adrb::MaxAdvanceSecondPickup, 4), (std::vector<int>{0, 0, 0, 0}));
     }},
    {"outputCountZeroStaysFiveBecomesTwo", [](ParameterImage &im) { im.setByte(Adrb::OutputCount, 5); },
     [](const ParameterImage &im) { EXPECT_EQ(im.byte(Adrb::OutputCount), 2); }},
    {"powerOutThresholdsRiseBeforeTheMinimum",
     [](ParameterImage &im) {
         im.setByte(Adrb::PowerOutRpm + 3, 10);
         im.setByte(Adrb::PowerOutRpm + 4, 10);
         im.setByte(Adrb::PowerOutRpm + 5, 5);
         im.setByte(Adrb::PowerOutLoad + 4, 90);
         im.setByte(Adrb::PowerOutLoad + 5, 75);
         im.setByte(Adrb::PowerOutRpm + 9, 0); // output 4 is not limited
     },
     [](const ParameterImage &im) {
         EXPECT_EQ(Bytes(im, Adrb::PowerOutRpm, 3), (std::vector<int>{3, 3, 3}));
         EXPECT_EQ(Bytes(im, Adrb::PowerOutRpm + 3, 3), (std::vector<int>{10, 11, 12}));
         EXPECT_EQ(Bytes(im, Adrb::PowerOutLoad, 2), (std::vector<int>{0, 1}));
         EXPECT_EQ(Bytes(im, Adrb::PowerOutLoad + 4, 2), (std::vector<int>{90, 91}));
         EXPECT_EQ(im.byte(Adrb::PowerOutRpm + 9), 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, LimitParametersTest, ::testing::ValuesIn(limitCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LimitParameters, outputCountZeroIsKept) {
    ParameterImage image;
    image.setByte(Adrb::OutputCount, 0);
    LimitParameters(image);
    EXPECT_EQ(image.byte(Adrb::OutputCount), 0);
}

TEST(LimitParameters, isIdempotent) {
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.setByte(i, (i * 131 + 17) & 0xFF);
    LimitParameters(image);
    const ParameterImage once = image;
    LimitParameters(image);
    EXPECT_EQ(image, once);
}

TEST(LimitParameters, normalisesLanguagePortAndScan) {
    struct Row {
        int language, port, scan;
        int wantLanguage, wantPort, wantScan;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0, 0},   {1, 29, 29, 1, 29, 29}, {2, 30, 30, 0, 30, 0},
        {3, 31, 31, 3, 0, 0}, {4, 99, -1, 0, 0, 0},   {255, -5, 7, 0, 0, 7},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "language " << r.language << " port " << r.port << " scan " << r.scan);
        ParameterImage image;
        LimitedSettings settings{r.port, r.scan, static_cast<std::uint8_t>(r.language)};
        LimitParameters(image, settings);
        EXPECT_EQ(settings.languageIndex, r.wantLanguage);
        EXPECT_EQ(settings.portIndex, r.wantPort);
        EXPECT_EQ(settings.scanIndex, r.wantScan);
    }
}

} // namespace
} // namespace zarvex1
