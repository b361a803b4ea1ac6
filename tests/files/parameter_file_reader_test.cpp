#include "temp_folder.h"

#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zarvex1 {
namespace {

using Range = std::pair<int, int>; // first and last byte, both included

// Every byte a parameter file carries: all words, and the byte parameters except the fourth power output
// and the unused byte 259.
std::vector<int> CarriedBytes() {
    std::vector<int> bytes;
    for (int b = 0; b < 2 * Adrw::Count; ++b)
        bytes.push_back(b);
    for (int b = Adrb::BikeType; b < Adrb::End; ++b) {
        const bool notCarried = b == 259 || b == 733 || (b >= 743 && b <= 745) || b == 749 || b == 756 ||
                                b == 757 || (b >= 767 && b <= 769);
        if (!notCarried)
            bytes.push_back(b);
    }
    return bytes;
}

// An image as the pages can hold it: grid rows use four columns, and a pilot-light or power-jet output
// has its fixed grid.
ParameterImage Valid(ParameterImage image) {
    for (int n = 0; n < 4; ++n) {
        for (int r = 0; r < 3; ++r)
            image.setByte(Adrb::PowerOutTable + 3 * n + r,
                          image.byte(Adrb::PowerOutTable + 3 * n + r) & 0x0F);
        PowerOutModeDefaults(image, n, true);
    }
    return image;
}

ParameterImage RandomValidImage(std::mt19937 &random) {
    ParameterImage image;
    for (auto &b : image.bytes())
        b = static_cast<std::uint8_t>(random());
    for (int n = 0; n < 4; ++n)
        if (random() % 3 == 0)
            image.setByte(Adrb::PowerOutMode + n, 2 + random() % 2);
    return Valid(image);
}

ParameterImage DefaultImage() {
    return FirstStartSet();
}

void ExpectSameBytes(const ParameterImage &actual, const ParameterImage &expected,
                     const std::vector<int> &bytes) {
    for (int b : bytes)
        ASSERT_EQ(actual.byte(b), expected.byte(b)) << "byte " << b;
}

TEST(ParameterFileReader, savedImageOpensToTheSameValuesInEveryCarriedPosition) {
    std::mt19937 random(20261210);
    std::vector<ParameterImage> images;
    ParameterImage zeros, ones;
    ones.bytes().fill(0xFF);
    images = {zeros, Valid(ones)};
    for (int i = 0; i < 300; ++i)
        images.push_back(RandomValidImage(random));
    const std::vector<int> carried = CarriedBytes();
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        ParameterImage target = RandomValidImage(random);
        DefaultsState state;
        const LoadResult result = LoadParameterText(WriteParameterFile(images[i]), Page::All, target, state);
        ASSERT_EQ(result.loaded, true);
        EXPECT_EQ(result.loadedVersion, 99);
        EXPECT_EQ(result.message, FileMessage::None);
        ExpectSameBytes(target, images[i], carried);
    }
}

TEST(ParameterFileReader, savedFileOnDiskOpensToTheSameImage) {
    test::TempFolder folder;
    std::mt19937 random(7);
    const ParameterImage source = RandomValidImage(random);
    const auto path = folder / "race 1.ign";
    ASSERT_TRUE(WriteParameterFile(source, path));
    ParameterImage target = DefaultImage();
    DefaultsState state;
    EXPECT_EQ(LoadParameterFile(Page::All, path, target, state).loaded, true);
    ExpectSameBytes(target, source, CarriedBytes());
    EXPECT_FALSE(WriteParameterFile(source, folder / "no such folder" / "x.ign"));
}

struct Expect {
    bool word;
    int address;
    int value;
};

struct ReaderCase {
    const char *name;
    std::string text;
    int page;
    std::vector<Expect> expect;
};

std::string V99(const std::string &body) {
    return "\r\nMORVANEL_KEY 99\r\n" + body;
}
std::string V81(const std::string &body) {
    return "\r\nMORVANEL_KEY 81\r\n" + body;
}
Expect B(int address, int value) {
    return {false, address, value};
}
Expect W(int word, int value) {
    return {true, word, value};
}

const std::string zeros12 = " 0 0 0 0 0 0 0 0 0 0 0 0";

class ReaderCases : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderCases, storesWhatTheFileSays) {
    const ReaderCase &c = GetParam();
    ParameterImage image = DefaultImage();
    DefaultsState state;
    const LoadResult result = LoadParameterText(c.text, c.page, image, state);
    ASSERT_EQ(result.loaded, true);
    for (const Expect &e : c.expect) {
        if (e.word)
            EXPECT_EQ(image.word(e.address), e.value) << "word " << e.address;
        else
            EXPECT_EQ(image.byte(e.address), e.value) << "byte " << e.address;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ParameterFileReader, ReaderCases,
    ::testing::Values(
        ReaderCase{"tpsNamesTheThrottleSensor", V99("TPS 1000 4000"), Page::All, {W(4, 1000), W(5, 4000)}},
        ReaderCase{"fourthPowerOutputIsRead",
                   V99("POWER_OUT4 1 4000 9000 12000 100 75 90 1 0 0 0 0 1 0 0 1 0 1 1"),
                   Page::All,
                   {B(733, 1), B(743, 40), B(744, 90), B(745, 120), B(749, 10), B(756, 75), B(757, 90),
                    B(767, 1), B(768, 2), B(769, 13)}},
        ReaderCase{"limiterDelayInMilliseconds",
                   V99("LIMITER 1 2 300 3 4"),
                   Page::All,
                   {W(0, 1), W(1, 2), B(266, 3), W(2, 3), W(3, 4)}},
        ReaderCase{"limiterDelayInSecondsOfOlderFiles", V99("LIMITER 1 2 5 3 4"), Page::All, {B(266, 50)}},
        ReaderCase{"limiterDelayZero", V99("LIMITER 1 2 0 3 4"), Page::All, {B(266, 0)}},
        ReaderCase{"servoHysteresisScale5", V99("SERRVO_MISC 0 0 0 10"), Page::All, {B(579, 2)}},
        ReaderCase{"servoHysteresisScale1InVersion81", V81("SERRVO_MISC 0 0 0 10"), Page::All, {B(579, 10)}},
        ReaderCase{"loadFactorOfSensorReadBefore",
                   V99("SENSOR_TPS_IAP 2 POWER_OUT1 1 4000 9000 12000 100 375 450" + zeros12),
                   Page::All,
                   {B(750, 75), B(751, 90)}},
        ReaderCase{"loadFactorIsTakenWhenTheBlockIsRead",
                   V99("POWER_OUT1 1 4000 9000 12000 100 75 90" + zeros12 + " SENSOR_TPS_IAP 2"),
                   Page::All,
                   {B(271, 2), B(750, 75), B(751, 90)}},
        ReaderCase{"gridRowsRebuiltFromTheirBits",
                   V99("POWER_OUT1 1 4000 9000 12000 100 75 90 1 0 1 1 0 0 0 0 7 7 -1 7"),
                   Page::All,
                   {B(758, 13), B(759, 0), B(760, 15)}},
        ReaderCase{"pilotLightKeepsFileThresholdsButOwnsItsGrid",
                   V99("POWER_OUT2 2 1000 2000 3000 50 10 20 1 1 1 1 0 0 0 0 1 0 0 0"),
                   Page::All,
                   {B(731, 2), B(737, 10), B(738, 20), B(739, 30), B(747, 5), B(752, 10), B(753, 20),
                    B(761, 12), B(762, 14), B(763, 14)}},
        ReaderCase{"hexOctalAndSignedValues",
                   V99("RETARD 017 0X1f COMPENSATION -0x10 +7 BIKE 0x5"),
                   Page::All,
                   {B(267, 15), B(268, 31), B(238, 240), B(239, 7), B(230, 5)}},
        ReaderCase{"offsetValuesWrapIntoTheByte",
                   V99("GEAR_CORR_ADV -100 155 0 0 0 0 RPM 1 -101"),
                   Page::All,
                   {B(788, 0), B(789, 255), B(790, 100), B(258, 255)}},
        ReaderCase{"scaledOffsetValues",
                   V99("GEAR_CORR_LIMITER -5000 7750 -4999 49 50 0"),
                   Page::All,
                   {B(794, 0), B(795, 255), B(796, 1), B(797, 100), B(798, 101), B(799, 100)}},
        ReaderCase{"valueThatIsNoNumberIsReadAsTheNextWord",
                   V99("COMPENSATION 5 BIKE 2 IAP 1 2 3 ADVANCE_RPM1 7"),
                   Page::All,
                   {B(238, 5), B(239, 11), B(230, 2), W(11, 1), W(13, 3), W(14, 70), W(21, 7)}},
        ReaderCase{"blockShortOfValuesLeavesTheNextKeyWordWhole",
                   V99("COMPENSATION 5 4_TAKT 1"),
                   Page::All,
                   {B(238, 5), B(239, 11), B(Adrb::FourStroke, 1)}},
        ReaderCase{"iapCarriesExactlyTenValues",
                   V99("IAP 1 2 3 4 5 6 7 8 9 10 ADVANCE_RPM1 1000 2 3 4 5 6 7 8 9 10 11 12 13 14 15"),
                   Page::All,
                   {W(11, 1), W(20, 10), W(21, 1000), W(35, 15)}},
        ReaderCase{
            "wordsAreCutAfter255Characters", V99(std::string(255, 'x') + "BIKE 4"), Page::All, {B(230, 4)}},
        ReaderCase{"unknownAndCaseDifferentWordsArePassedOver",
                   V99("bike 3 SPECDWELL_START 9 FOO 1 2 INV_PICKUP 2 1"),
                   Page::All,
                   {B(230, 0), B(231, 2), B(232, 1)}},
        ReaderCase{"keyWordAfterOtherText",
                   "ignition set for the 125\r\nMORVANEL_KEY 99 BIKE 2",
                   Page::All,
                   {B(230, 2)}},
        ReaderCase{"version81IsTakenWholeWhateverThePage",
                   V81("BIKE 2 SERRVO_MISC_HO 50"),
                   Page::Advance,
                   {B(230, 2), B(832, 10)}},
        ReaderCase{"otherPagesKeyWordsAreReadButNotStored",
                   V99("BIKE 2 SENSOR_TPS 1000 2000 IAP 1 2 3 4 5 6 7 8 9 10 GEAR 1 4"),
                   Page::Advance,
                   {B(230, 0), W(4, 700), W(11, 1), W(20, 10), B(770, 0), B(771, 6)}}),
    [](const auto &info) { return std::string(info.param.name); });

// Positions of the key words that each page loads.
struct PageCase {
    int page;
    std::vector<Range> bytes;
};

class PageSelection : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageSelection, pageTakesOnlyItsKeyWordsAndDefaultsTheRest) {
    const PageCase &c = GetParam();
    std::mt19937 random(static_cast<unsigned>(100 + c.page));
    for (int round = 0; round < 20; ++round) {
        ParameterImage source = RandomValidImage(random);
        source.setByte(Adrb::LoadSensor, random() % 2); // no IAP factor: the defaults' sensor reads the loads
        ParameterImage target = RandomValidImage(random);

        // What the file should give: the page's positions from the file over the page's defaults.
        ParameterImage expected = target;
        const auto overlay = [&] {
            for (auto [first, last] : c.bytes)
                for (int b = first; b <= last; ++b)
                    expected.setByte(b, source.byte(b));
        };
        overlay();
        DefaultsState expectedState;
        SetDefaults(expected, expectedState, c.page);
        overlay();

        DefaultsState state;
        ASSERT_EQ(LoadParameterText(WriteParameterFile(source), c.page, target, state).loaded, true);
        ASSERT_EQ(target, expected) << "round " << round;
        EXPECT_EQ(state.loadSelection, LoadSelection::ForPage(c.page));
    }
}

constexpr Range Word(int first, int last) {
    return {2 * first, 2 * last + 1};
}

INSTANTIATE_TEST_SUITE_P(
    ParameterFileReader, PageSelection,
    ::testing::Values(PageCase{Page::Bike, {{230, 258}, {833, 833}}},
                      PageCase{Page::Inputs, {Word(0, 10), {260, 271}}},
                      PageCase{Page::Advance, {Word(11, 50), {272, 575}}},
                      PageCase{Page::Servo, {Word(51, 65), {576, 729}, {832, 832}}},
                      PageCase{Page::PowerOut, {{730, 732}, {734, 742}, {746, 748}, {750, 755}, {758, 766}}},
                      PageCase{Page::Gear, {Word(66, 79), {770, 776}}}, PageCase{Page::Race, {{777, 829}}},
                      PageCase{Page::Test, {{830, 831}}}, PageCase{Page::Monitor, {}}));

struct RejectedCase {
    const char *name;
    std::string text;
    int message;
};

class RejectedFiles : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedFiles, leaveImageAndStateExactlyAsTheyWere) {
    const RejectedCase &c = GetParam();
    std::mt19937 random(3);
    const ParameterImage before = RandomValidImage(random);
    DefaultsState stateBefore;
    stateBefore.loadSelection = LoadSelection::ForPage(Page::Gear);
    stateBefore.bikeChangePending = true;

    ParameterImage image = before;
    DefaultsState state = stateBefore;
    const LoadResult result = LoadParameterText(c.text, Page::All, image, state);
    EXPECT_EQ(result.loaded, false);
    EXPECT_EQ(result.loadedVersion, 0);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(image, before);
    EXPECT_EQ(state.bikeChangePending, true);
    EXPECT_EQ(state.loadSelection, stateBefore.loadSelection);

    // A single pass on its own stores nothing either.
    const ReadPassResult pass = ReadParameterFile(c.text, image, state, Page::All);
    EXPECT_EQ(pass.loadedVersion, 0);
    EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    ParameterFileReader, RejectedFiles,
    ::testing::Values(
        RejectedCase{"empty", "", FileMessage::NoParameterSet},
        RejectedCase{"noKeyWord", "BIKE 3 LIMITER 1 2 3 4 5", FileMessage::NoParameterSet},
        RejectedCase{"keyWordInOtherCase", "morvanel_key 99 BIKE 3", FileMessage::NoParameterSet},
        // UTF-16 without its byte-order mark is no text the reader knows.
        RejectedCase{"utf16WithoutMark", std::string("M\0O\0R\0", 6), FileMessage::NoParameterSet},
        RejectedCase{"versionTooOld", "MORVANEL_KEY 80 BIKE 3", FileMessage::UnmatchedVersion},
        RejectedCase{"versionTooNew", "MORVANEL_KEY 100 BIKE 3", FileMessage::UnmatchedVersion},
        RejectedCase{"versionMissing", "MORVANEL_KEY", FileMessage::UnmatchedVersion},
        RejectedCase{"versionNoNumber", "MORVANEL_KEY v99 BIKE 3", FileMessage::UnmatchedVersion},
        RejectedCase{"versionInHex", "MORVANEL_KEY 0x63 BIKE 3", FileMessage::UnmatchedVersion}),
    [](const auto &info) { return std::string(info.param.name); });

// What a Windows editor's "Unicode" and "UTF-8" saves give: the same file behind a byte-order mark.
TEST(ParameterFileReader, fileWithAByteOrderMarkIsRead) {
    const std::string file = V99("BIKE 2 LIMITER 5800 6000 0 10800 9000 RPM 4 0");
    const auto utf16 = [&](bool little) {
        std::string text = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : file + " \xC3\xA9") // a non-ASCII character ends the text: ignored
            text += little ? std::string{c, '\0'} : std::string{'\0', c};
        return text;
    };
    ParameterImage plain;
    DefaultsState plainState;
    ASSERT_TRUE(LoadParameterText(file, Page::All, plain, plainState).loaded);
    for (const auto &[name, text] : {std::pair<const char *, std::string>{"UTF-8", "\xEF\xBB\xBF" + file},
                                     {"UTF-16 LE", utf16(true)},
                                     {"UTF-16 BE", utf16(false)}}) {
        SCOPED_TRACE(name);
        ParameterImage image;
        DefaultsState state;
        const LoadResult result = LoadParameterText(text, Page::All, image, state);
        EXPECT_TRUE(result.loaded);
        EXPECT_EQ(result.message, FileMessage::None);
        EXPECT_EQ(image, plain);
        EXPECT_EQ(image.word(Adrw::HardLimiter), 9000);
    }
}

TEST(ParameterFileReader, olderVersionIsTakenWithItsMessage) {
    ParameterImage image;
    DefaultsState state;
    const LoadResult result = LoadParameterText(V81("BIKE 2"), Page::All, image, state);
    EXPECT_EQ(result.loaded, true);
    EXPECT_EQ(result.loadedVersion, 81);
    EXPECT_EQ(result.message, FileMessage::OlderVersion);
    EXPECT_EQ(image.byte(Adrb::BikeType), 2);
    // Everything the file does not carry holds the defaults.
    EXPECT_EQ(image.word(Adrw::AdvanceRpm1), 1500);
}

TEST(ParameterFileReader, fileThatCannotBeOpenedChangesNothing) {
    test::TempFolder folder;
    std::mt19937 random(5);
    const ParameterImage before = RandomValidImage(random);
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {folder / "missing.ign", "No such file or directory"},
        {folder.path(), "not a regular file"},
    };
    for (const auto &[path, reason] : cases) {
        SCOPED_TRACE(path.string());
        ParameterImage image = before;
        DefaultsState state;
        const LoadResult result = LoadParameterFile(Page::All, path, image, state);
        EXPECT_EQ(result.loaded, false);
        EXPECT_EQ(result.message, FileMessage::OpenFileError);
        EXPECT_EQ(result.reason, reason) << "the user is told why";
        EXPECT_EQ(image, before);
    }
}

} // namespace
} // namespace zarvex1
