#include "core/params/Defaults.h"
#include "core/safety/SetComparison.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

std::vector<std::string> Ids(const SetComparison &c) {
    std::vector<std::string> ids;
    for (const EntryDifference &d : c.differences)
        ids.push_back(d.entry->id);
    return ids;
}

TEST(SetComparison, theSameSetHasNoDifference) {
    const ParameterImage set = FirstStartSet();
    const SetComparison c = CompareSets(set, set);
    EXPECT_TRUE(c.same());
    EXPECT_EQ(c.changedValues(), 0);
    EXPECT_EQ(ComparisonText(c, set, set, Language::English), "");
}

TEST(SetComparison, namesDifferingValuesByPageWithBothValuesInDisplayUnits) {
    const ParameterImage mine = FirstStartSet();
    ParameterImage other = mine;
    other.setByte(Adrb::Retard, mine.byte(Adrb::Retard) + 2); // Inputs
    other.setByte(Adrb::TachoCorrection, 98);                 // Bike, offset -100
    other.setByte(159 + 100, 7);                              // byte 259: no value names it
    other.setByte(Adrb::PowerOutTable + 1, mine.byte(Adrb::PowerOutTable + 1) ^ 4); // one grid cell
    const SetComparison c = CompareSets(mine, other);
    EXPECT_EQ(Ids(c), (std::vector<std::string>{"B258", "B267", "B759.2", "B259"}));
    EXPECT_EQ(c.changedValues(), 4);

    const std::string text = ComparisonText(c, mine, other, Language::German);
    EXPECT_NE(text.find("Motorrad\n  Drehzahlmesserausgang, Korrektur: 0 % → -2 %\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Eingänge\n  Spätzündung: " + std::to_string(mine.byte(Adrb::Retard)) + "° → " +
                        std::to_string(mine.byte(Adrb::Retard) + 2) + "°\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Weitere Bytes\n  Byte 259: 0 → 7\n"), std::string::npos) << text;
}

TEST(SetComparison, countsAndListsTheDifferingCellsOfAMap) {
    ParameterImage mine = FirstStartSet();
    mine.setByte(Adrb::Advance1 + 15 * 1 + 4, 12);
    ParameterImage other = mine;
    other.setByte(Adrb::Advance1 + 15 * 1 + 4, 14);
    other.setByte(Adrb::Advance1 + 149, mine.byte(Adrb::Advance1 + 149) + 1);
    other.setWord(Adrw::AdvanceRpm1 + 3, mine.word(Adrw::AdvanceRpm1 + 3) + 50);
    const SetComparison c = CompareSets(mine, other);
    ASSERT_EQ(Ids(c), (std::vector<std::string>{"ADVANCE_RPM1", "ADVANCE1"}));
    EXPECT_EQ(c.differences[0].cells, std::vector<int>{3});
    EXPECT_EQ(c.differences[1].cells, (std::vector<int>{19, 149}));
    EXPECT_EQ(c.changedValues(), 3);

    const std::string text = ComparisonText(c, mine, other, Language::English);
    EXPECT_NE(text.find("  Advance 1: cells differing: 2\n    row 2, column 5: 12° → 14°\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    column 4: "), std::string::npos) << text; // an axis has no rows
}

} // namespace
} // namespace zarvex1
