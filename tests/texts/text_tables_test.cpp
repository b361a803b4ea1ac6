#include "core/texts/TextTableRows.h"
#include "core/texts/TextTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace zarvex1 {
namespace {

constexpr int English = 0, German = 1, French = 2, Czech = 3;

TEST(TextTables, keyMissingFromTableGivesNotFoundTextInEveryLanguage) {
    for (int table : {TextTableGeneral, 2, TextTableEditor, TextTableMaps, 99})
        for (int language : {English, German, French, Czech}) {
            SCOPED_TRACE(testing::Message() << "table " << table << " language " << language);
            EXPECT_EQ("?STR not found?", TranslateText(table, "No such text", language));
        }
}

struct TranslateCase {
    int table;
    std::string key;
    int language;
    std::string expected;
};

TEST(TextTables, translateTextPicksLanguageAndFallsBackToEnglish) {
    const TranslateCase cases[] = {
        {TextTableGeneral, "YES", German, "JA"},
        {TextTableGeneral, "YES", Czech, "ANO"},
        {TextTableGeneral, "Cancel", German, "Cancel"}, // no German text
        {TextTableGeneral, "Cancel", French, "Cancel"}, // the French column is empty
        {TextTableGeneral, "YES", -1, "YES"},
        {TextTableGeneral, "YES", 4, "YES"},
        {TextTableGeneral, "YES", 255, "YES"},
        {TextTableGeneral, "yes", Czech, "?STR not found?"},      // keys are case-sensitive
        {TextTableEditor, "Dragging:", Czech, "?STR not found?"}, // and keep their blanks
        {TextTableEditor, "Dragging: ", Czech, "Tažení: "},
        {TextTableEditor, "TOP", German, "TOP"},
        {TextTableEditor, "TOP", Czech, "Seshora"},
        {TextTableEditor, "Beginning", German, "Beginn"},
        {TextTableEditor, "Row count is on maximum !\nDelete some first...", Czech,
         "Dosaženo maximálního počtu řádků !\nNejprve nějaký vymažte..."},
        {TextTableMaps, "Base advance (°)", Czech, "Základní předstih (°)"},
        {TextTableMaps, "Min-Max (Minimum check)", German, "Min-Max (Minimum abhacken)"},
        // An empty key finds the empty row, which has no text in any language.
        {TextTableEditor, "", Czech, ""},
    };
    for (const TranslateCase &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "table " << c.table << " key '" << c.key << "' language " << c.language);
        EXPECT_EQ(c.expected, TranslateText(c.table, c.key, c.language));
    }
}

TEST(TextTables, firstRowOfARepeatedKeyWins) {
    // "View as table" is row 15 and again row 46, which carries a different Czech text.
    EXPECT_EQ("Zobrazit jako tabulku", TranslateText(TextTableEditor, "View as table", Czech));
    EXPECT_EQ("Zbrazit jako tabulku", TextTableRows(TextTableEditor)[46].texts[Czech]);
}

TEST(TextTables, translateByIdFindsOnlyRowsThatCarryTheId) {
    const struct {
        int table;
        int id;
        int language;
        std::string expected;
    } cases[] = {
        {TextTableEditor, 10010, German, "Kühlflüssigkeit"},
        {TextTableEditor, 10010, Czech, "Voda"},
        {TextTableEditor, 10038, German, "Start jet"},
        {TextTableEditor, 10038, Czech, "Sytič"},
        {TextTableEditor, 10050, English, "   "},
        {TextTableEditor, 10012, English, "?STR not found?"},
        {TextTableGeneral, 10010, English, "?STR not found?"},
        // Id 0 marks rows without an id; it must not pick the first of them.
        {TextTableEditor, 0, English, "?STR not found?"},
        {TextTableMaps, 0, Czech, "?STR not found?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "table " << c.table << " id " << c.id << " language " << c.language);
        EXPECT_EQ(c.expected, TranslateById(c.table, c.id, c.language));
    }
}

TEST(TextTables, longestTranslationCountsCharactersAndPrefersTheEarlierOnTies) {
    const struct {
        int table;
        std::string key;
        std::string expected;
    } cases[] = {
        {TextTableGeneral, "NO", "NEIN"},
        {TextTableGeneral, "YES", "YES"},               // "ANO" is as long: English comes first
        {TextTableMaps, "Period [ms]", "Periode [ms]"}, // German and Czech tie: German comes first
        {TextTableMaps, "Base advance (°)", "Základní předstih (°)"},
        // 23 characters each, but the German text has one byte more for its "ü".
        {TextTableMaps, "Correction for cylinder", "Correction for cylinder"},
        {TextTableMaps, "No such text", "?STR not found?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.expected, LongestTranslation(c.table, c.key));
    }
}

TEST(TextTables, rowsHaveEnglishKeysAndNoUnexpectedDuplicates) {
    // Rows that are empty in the original tables, and English texts that come twice there (the later
    // row is never found by its key).
    const std::map<int, std::set<int>> emptyRows = {
        {TextTableGeneral, {1}}, {TextTableEditor, {1, 29, 33, 145}}, {TextTableMaps, {}}};
    const std::map<int, std::set<std::string>> repeatedKeys = {
        {TextTableGeneral, {}},
        {TextTableEditor, {"and", "Copy", "Paste", "View as table", "View as graph 2D", "View as graph 3D"}},
        {TextTableMaps, {}}};
    const std::map<int, std::size_t> rowCounts = {
        {TextTableGeneral, 9}, {TextTableEditor, 146}, {TextTableMaps, 14}};

    for (int table : {TextTableGeneral, TextTableEditor, TextTableMaps}) {
        const auto rows = TextTableRows(table);
        EXPECT_EQ(rowCounts.at(table), rows.size()) << "table " << table;
        EXPECT_EQ("?STR not found?", rows[0].English()) << "table " << table;
        std::set<std::string> seen, repeated;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "table " << table << " row " << i);
            const std::string english(rows[i].English());
            EXPECT_EQ(emptyRows.at(table).contains(static_cast<int>(i)), english.empty());
            for (std::string_view text : rows[i].texts)
                EXPECT_EQ(std::string_view::npos, text.find('\\')) << text; // a line break typed as "\n"
            if (!english.empty() && !seen.insert(english).second)
                repeated.insert(english);
        }
        EXPECT_EQ(repeatedKeys.at(table), repeated) << "table " << table;
    }
}

TEST(TextTables, editorRowsCarryTheirIds) {
    const int ids[] = {10010, 10011, 10020, 10021, 10030, 10031, 10032, 10033, 10034, 10036, 10038, 10050};
    const auto rows = TextTableRows(TextTableEditor);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int expected = i >= 133 && i <= 144 ? ids[i - 133] : 0;
        EXPECT_EQ(expected, rows[i].id) << "row " << i;
    }
    EXPECT_EQ("Coolant", rows[133].English());
    EXPECT_EQ("Start jet", rows[143].English());
}

TEST(TextTables, unknownTableHoldsOnlyTheNotFoundRow) {
    for (int table : {0, 2, 5, -1}) {
        SCOPED_TRACE(table);
        ASSERT_EQ(1u, TextTableRows(table).size());
        EXPECT_EQ("?STR not found?", TranslateText(table, "YES", Czech));
        EXPECT_EQ("?STR not found?", TranslateById(table, 10010, English));
    }
}

} // namespace
} // namespace zarvex1
