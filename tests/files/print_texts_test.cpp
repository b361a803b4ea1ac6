#include "core/files/PrintTexts.h"
#include "core/files/TextFiles.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(PrintTexts, headingCarriesDateAndTimeInTheLanguage) {
    MessageTexts texts;
    texts.FillMessageTexts(0);
    EXPECT_EQ(PrintHeadingText(texts, "12/10/26", "2:03 PM"),
              "Date and time of printing:  12/10/26    2:03 PM");
    texts.FillMessageTexts(1);
    EXPECT_EQ(PrintHeadingText(texts, "10.12.26", "14:03"), "Zeitpunkt des Ausdruckes   10.12.26    14:03");
}

TEST(PrintTexts, pdfIsNamedAfterTheParameterFileAndTheTime) {
    const PrintStamp when{2026, 12, 10, 14, 3, 22};
    const std::pair<const char *, const char *> rows[] = {
        {"/home/rider/sets/race.ign", "race_2026-12-10_14-03-22.pdf"},
        {"C:/sets/Brno wet.IGN", "Brno wet_2026-12-10_14-03-22.pdf"},
        {"data.ign", "data_2026-12-10_14-03-22.pdf"},
        {"", "ZARVEX1_2026-12-10_14-03-22.pdf"}, // nothing open: after New or a read from the unit
        {"/home/rider/sets/závod", "závod_2026-12-10_14-03-22.pdf"},
    };
    for (const auto &[file, name] : rows)
        EXPECT_EQ(PrintFileName(file, when), name) << file;
}

TEST(PrintTexts, aTakenNameGetsANumber) {
    test::TempFolder folder;
    EXPECT_EQ(FreePrintPath(folder.path(), "race.pdf"), folder.path() / "race.pdf");
    ASSERT_TRUE(WriteWholeFile(folder.path() / "race.pdf", "x"));
    EXPECT_EQ(FreePrintPath(folder.path(), "race.pdf"), folder.path() / "race_2.pdf");
    ASSERT_TRUE(WriteWholeFile(folder.path() / "race_2.pdf", "x"));
    EXPECT_EQ(FreePrintPath(folder.path(), "race.pdf"), folder.path() / "race_3.pdf");
}

TEST(PrintTexts, messagesInEveryLanguage) {
    EXPECT_EQ(PrintedToPdfText(0, "/tmp/a.pdf"), "Printed to PDF: /tmp/a.pdf");
    EXPECT_EQ(PrintedToPdfText(1, "/tmp/a.pdf"), "Als PDF gedruckt: /tmp/a.pdf");
    EXPECT_EQ(PrintedToPdfText(3, "/tmp/a.pdf"), "Vytištěno do PDF: /tmp/a.pdf");
    EXPECT_EQ(PrintErrorText(0, "No space left on device"), "Print error! (No space left on device)");
    EXPECT_EQ(PrintErrorText(3, ""), "Chyba tisku!");
    EXPECT_EQ(PrintErrorText(2, ""), "Print error!");
}

} // namespace
} // namespace zarvex1
