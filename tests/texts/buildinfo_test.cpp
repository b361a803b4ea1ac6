#include "core/texts/BuildInfo.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(BuildInfo, compileDateTextFromTheBuildDate) {
    const std::pair<const char *, const char *> rows[] = {
        {"Dec 10 2026", "2026_12_10"},
        {"Jan  1 2027", "2027_01_01"},
        {"Sep 30 1999", "1999_09_30"},
        {"May  9 2030", "2030_05_09"},
    };
    for (const auto &[date, text] : rows)
        EXPECT_EQ(CompileDateText(date), text) << date;
}

TEST(BuildInfo, versionTextCarriesProductProtocolAndDate) {
    EXPECT_EQ(VersionText("2026_12_10"), "ZARVEX1   RSKEY=99   COMPILE=2026_12_10");
}

TEST(BuildInfo, aboutTexts) {
    EXPECT_EQ(AboutDateText("Apr 12 2018"), "Apr 12 2018");
    EXPECT_EQ(AboutDateText("Apr  2 2018"), "Apr 2 2018");
    EXPECT_EQ(AboutVersionText(), "Version - 99");
    EXPECT_EQ(AboutCaption(0), "About ZARVEX1");
    EXPECT_EQ(AboutCaption(1), "Über Programm ZARVEX1");
    EXPECT_EQ(AboutCaption(2), "Information ZARVEX1");
    EXPECT_EQ(AboutCaption(3), "O programu ZARVEX1");
    EXPECT_EQ(AboutCaption(7), "About ZARVEX1");
}

TEST(BuildInfo, languageArgumentIsExactAndCaseSensitive) {
    EXPECT_EQ(LanguageFromArgument("ENGLISH"), 0);
    EXPECT_EQ(LanguageFromArgument("DEUTSCH"), 1);
    EXPECT_EQ(LanguageFromArgument("CESKY"), 3);
    for (const char *other : {"deutsch", "Deutsch", "CESKY ", "FRANCAIS", ""})
        EXPECT_EQ(LanguageFromArgument(other), std::nullopt) << other;
}

} // namespace
} // namespace zarvex1
