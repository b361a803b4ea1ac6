#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace zarvex1 {
namespace {

constexpr int English = 0, German = 1, Czech = 3;

TEST(MessageTexts, fillPutsTheTextsOfTheLanguage) {
    const struct {
        int slot;
        int language;
        std::string expected;
    } cases[] = {
        {0, Czech, "  ZARVEX1"},
        {2, Czech, "  (Dočasně odpojeno bootloaderem)"},
        {3, English, "manual_ZARVEX1_en.pdf"},
        {3, German, "manual_ZARVEX1_de.pdf"},
        {3, Czech, "manual_ZARVEX1_cz.pdf"},
        {4, English, "Program error!"},
        {4, German, "Programmier Fehler"},
        {6, Czech, "Chyba čtení!"},
        {10, English, "Saving:"},
        {11, English, "Unmatched version of PC and Ignition programs!"},
        {12, English,
         "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to default value.\n"
         "They are parameters which are not in older version or have another structure."},
        {36, English, "Date and time of printing:  "},
        {38, German, "Gebersystemehler                        "},
        {46, Czech, "Clutch master"},
        {71, German, "GPS Spannung"},
        {72, Czech, ", chyba polarity"},
        // Languages without texts of their own get English.
        {4, 2, "Program error!"},
        {4, 7, "Program error!"},
        {4, -1, "Program error!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " language " << c.language);
        MessageTexts texts;
        texts.FillMessageTexts(c.language);
        EXPECT_EQ(c.expected, texts[c.slot]);
    }
}

TEST(MessageTexts, slotsWithoutTextsKeepWhatTheyHoldAndOthersAreReplaced) {
    const std::set<int> kept = {1, 27, 28, 35, 45, 67};
    MessageTexts texts;
    for (int slot = 0; slot < MessageTexts::Count; ++slot)
        texts[slot] = "held " + std::to_string(slot);
    for (int language : {Czech, German, English}) {
        texts.FillMessageTexts(language);
        for (int slot = 0; slot < MessageTexts::Count; ++slot) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " language " << language);
            if (kept.contains(slot)) {
                EXPECT_EQ("held " + std::to_string(slot), texts[slot]);
            } else {
                EXPECT_NE(std::string::npos, texts[slot].find_first_not_of(' ')) << texts[slot];
            }
        }
    }
    // Switching back leaves nothing of the earlier language behind.
    MessageTexts english;
    english.FillMessageTexts(English);
    for (int slot = 0; slot < MessageTexts::Count; ++slot) {
        if (!kept.contains(slot)) {
            EXPECT_EQ(english[slot], texts[slot]) << "slot " << slot;
        }
    }
}

TEST(MessageTexts, slotOutsideTheTableIsRefused) {
    MessageTexts texts;
    EXPECT_THROW(texts[MessageTexts::Count], std::out_of_range);
    EXPECT_THROW(texts[-1], std::out_of_range);
    const MessageTexts &constTexts = texts;
    EXPECT_THROW(constTexts[MessageTexts::Count], std::out_of_range);
}

} // namespace
} // namespace zarvex1
