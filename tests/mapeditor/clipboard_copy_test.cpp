#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "clipboard_fixtures.h"
#include "core/mapeditor/Clipboard.h"

namespace zarvex1 {
namespace {

using namespace clipboard_test;

TEST(SheetText, describesTheWholeSheetWithStoredKeysAndFormattedValues) {
    EXPECT_EQ("Label:\tAdvance 1\n"
              "LabelX:\tRPM\n"
              "LabelY:\tTPS\n"
              "LabelData:\tADV\n"
              "SizeX:\t4\n"
              "SizeY:\t3\n"
              "OnlyXY:\t\n"
              "\t1 000\t2 000\t3 500\t6 000\n"
              "0\t10\t12\t25\t30\n"
              "50\t11\t14\t28\t33\n"
              "100\t12\t15\t30\t36",
              SheetText(AdvanceSheet(), 0));
}

TEST(SheetText, czechCommaTouchesOnlyTheNumbers) {
    CSheet sheet = VoltageSheet();
    sheet.title = "Inj. 1";
    sheet.axisData.key = "U.";
    EXPECT_EQ("Label:\tInj. 1\n"
              "LabelX:\t\n"
              "LabelY:\tTPS\n"
              "LabelData:\tU.\n"
              "SizeX:\t2\n"
              "SizeY:\t2\n"
              "OnlyXY:\tX\n"
              "\t0\t1\n" // a collapsed axis is written all the same
              "0\t0,5\t0\n"
              "100\t4,5\t0",
              SheetText(sheet, LanguageWithDecimalComma));
}

TEST(CopyTableText, leavesOutACollapsedAxis) {
    const struct {
        const char *name;
        std::function<CSheet()> make;
        int language;
        const char *expected;
    } rows[] = {
        {"both axes", AdvanceSheet, 0,
         "\t1 000\t2 000\t3 500\t6 000\n0\t10\t12\t25\t30\n50\t11\t14\t28\t33\n100\t12\t15\t30\t36"},
        {"Y collapsed on its last point",
         [] {
             CSheet s = AdvanceSheet();
             s.axisY.SetCollapsed(true);
             s.axisY.collapsedIndex = 2;
             return s;
         },
         0, "1 000\t2 000\t3 500\t6 000\n12\t15\t30\t36"},
        {"X collapsed", VoltageSheet, 0, "0\t0.5\n100\t4.5"},
        {"X collapsed, Czech", VoltageSheet, LanguageWithDecimalComma, "0\t0,5\n100\t4,5"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, CopyTableText(row.make(), row.language));
    }
}

TEST(CopySelectionText, writesTheSelectedItemsOfTheBoundingBox) {
    const struct {
        const char *name;
        std::function<CSheet()> make;
        std::initializer_list<std::pair<int, int>> items;
        int language;
        const char *expected;
    } rows[] = {
        {"cells with gaps", AdvanceSheet, {{0, 0}, {2, 0}, {1, 1}}, 0, "10\t\t25\n\t14\t"},
        {"X headers with a gap", AdvanceSheet, {{1, -1}, {3, -1}}, 0, "2 000\t\t6 000"},
        {"Y headers go out as a column", AdvanceSheet, {{-1, 0}, {-1, 1}}, 0, "0\n50"},
        {"collapsed X: its used column",
         VoltageSheet,
         {{0, 0}, {0, 1}},
         LanguageWithDecimalComma,
         "0,5\n4,5"},
        {"collapsed X: headers are not in use", VoltageSheet, {{1, -1}}, 0, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CSheet sheet = row.make();
        Select(sheet, row.items);
        EXPECT_EQ(row.expected, CopySelectionText(sheet, row.language));
    }
}

TEST(CopySelectionText, collapsedRowOutsideTheSelectionGivesNothing) {
    CSheet sheet = AdvanceSheet();
    Select(sheet, {{0, 0}, {1, 1}});
    sheet.axisY.SetCollapsed(true);
    sheet.axisY.collapsedIndex = 2;
    EXPECT_EQ("", CopySelectionText(sheet, 0));
    sheet.axisY.collapsedIndex = 1;
    EXPECT_EQ("\t14", CopySelectionText(sheet, 0));
    sheet.sel.ClearSelection();
    EXPECT_EQ("", CopySelectionText(sheet, 0));
}

} // namespace
} // namespace zarvex1
