#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "clipboard_fixtures.h"
#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardPaste.h"

namespace zarvex1 {
namespace {

using namespace clipboard_test;

// Value of an item: X header (row -1), Y header (column -1) or cell.
int ItemValue(const CSheet &sheet, int column, int row) {
    if (row == -1)
        return sheet.axisX.values[static_cast<std::size_t>(column)];
    if (column == -1)
        return sheet.axisY.values[static_cast<std::size_t>(row)];
    return sheet.Cell(column, row);
}

struct Expected {
    int column, row, value;
};

TEST(PasteValues, readsNumbersTheWaySpreadsheetsAndPeopleWriteThem) {
    const struct {
        const char *text;
        std::function<CSheet()> make;
        std::pair<int, int> cursor;
        int bits;
        std::vector<Expected> expected;
    } rows[] = {
        // Engine speeds in units of 100 rpm on the X header row.
        {"1 000\t2 000", AdvanceSheet, {0, -1}, AxisX, {{0, -1, 10}, {1, -1, 20}}},
        {"1000 2000", AdvanceSheet, {0, -1}, AxisX, {{0, -1, 10}, {1, -1, 20}}},
        {"1 000 2 500", AdvanceSheet, {1, -1}, AxisX, {{1, -1, 10}, {2, -1, 25}}},
        {"1 000\n2 000", AdvanceSheet, {2, -1}, AxisX, {{2, -1, 10}, {3, -1, 60}}}, // the header row only
        {"1250", AdvanceSheet, {0, -1}, AxisX, {{0, -1, 13}}}, // 12.5 rounds away from zero
        // A block of cells from the cursor; a decimal comma is read as a point.
        {"2,5\t3\n4\t5", AdvanceSheet, {1, 1}, AxisData, {{1, 1, 3}, {2, 1, 3}, {1, 2, 4}, {2, 2, 5}}},
        {"1\t  2", AdvanceSheet, {0, 0}, AxisData, {{0, 0, 1}, {1, 0, 12}, {2, 0, 2}}}, // blanks after a tab
        {"  7  8", AdvanceSheet, {0, 0}, AxisData, {{0, 0, 7}, {1, 0, 8}}}, // leading blanks are no field
        {"x\t-3 °\t40", AdvanceSheet, {1, 0}, AxisData, {{1, 0, 12}, {2, 0, -3}, {3, 0, 30}}},
        {"1\t2\t3\t4\t5\n6\n7\n8", AdvanceSheet, {2, 1}, AxisData, {{2, 1, 1}, {3, 1, 2}, {2, 2, 6}}},
        // Voltages: a value beyond five times the maximum is taken as millivolts.
        {"1500", VoltageSheet, {0, 0}, AxisData, {{0, 0, 1500}}},
        {"1.5", VoltageSheet, {0, 0}, AxisData, {{0, 0, 1500}}},
        {"1,5\n4,25", VoltageSheet, {0, 0}, AxisData, {{0, 0, 1500}, {0, 1, 4250}}},
        {"25", VoltageSheet, {0, 0}, AxisData, {{0, 0, 25000}}}, // exactly five times: volts
        // Out of range input neither crashes nor wraps.
        {"99999999999999999999", AdvanceSheet, {0, 0}, AxisData, {{0, 0, INT_MAX}}},
        {"abc\t-\t.", AdvanceSheet, {0, 0}, 0, {{0, 0, 10}, {1, 0, 12}, {2, 0, 25}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        CSheet sheet = row.make();
        Select(sheet, {row.cursor});
        const auto target = FindPasteTarget(sheet);
        ASSERT_TRUE(target.has_value());
        EXPECT_EQ(row.bits, PasteValues(sheet, *target, row.text, LayoutOf(sheet)));
        for (const auto &e : row.expected)
            EXPECT_EQ(e.value, ItemValue(sheet, e.column, e.row)) << "item " << e.column << ", " << e.row;
    }
}

TEST(PasteValues, writtenItemsBecomeTheSelection) {
    CSheet sheet = AdvanceSheet();
    Select(sheet, {{2, 0}, {3, 2}});
    PasteValues(sheet, *FindPasteTarget(sheet), "1\t\t3\n4", LayoutOf(sheet));
    EXPECT_EQ(SelCells, sheet.sel.kind);
    EXPECT_EQ(2, sheet.sel.count); // the 3 lies beyond the last column
    EXPECT_EQ(MarkSelected, sheet.sel.ItemMark(2, 0));
    EXPECT_EQ(0, sheet.sel.ItemMark(3, 0)); // the empty field wrote nothing
    EXPECT_EQ(MarkSelected, sheet.sel.ItemMark(2, 1));
}

TEST(FindPasteTarget, blockRunsFromTheCursorToTheEnd) {
    const struct {
        const char *name;
        std::function<void(CSheet &)> prepare;
        std::optional<PasteTarget> expected;
    } rows[] = {
        {"cells",
         [](CSheet &s) {
             Select(s, {{1, 1}, {2, 2}});
         },
         PasteTarget{1, 3, 1, 2}},
        {"X headers",
         [](CSheet &s) {
             Select(s, {{2, -1}});
         },
         PasteTarget{2, 3, -1, -1}},
        {"nothing selected", [](CSheet &) {}, std::nullopt},
        {"Y headers are not editable",
         [](CSheet &s) {
             Select(s, {{-1, 1}});
         },
         std::nullopt},
        {"data not editable",
         [](CSheet &s) {
             s.axisData.SetEditable(false);
             Select(s, {{0, 0}});
         },
         std::nullopt},
        {"collapsed Y inside the selection",
         [](CSheet &s) {
             Select(s, {{1, 0}, {1, 2}});
             s.axisY.SetCollapsed(true);
             s.axisY.collapsedIndex = 1;
         },
         PasteTarget{1, 3, 1, 1}},
        {"collapsed Y outside the selection",
         [](CSheet &s) {
             Select(s, {{1, 0}});
             s.axisY.SetCollapsed(true);
             s.axisY.collapsedIndex = 2;
         },
         std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CSheet sheet = AdvanceSheet();
        row.prepare(sheet);
        const auto target = FindPasteTarget(sheet);
        ASSERT_EQ(row.expected.has_value(), target.has_value());
        if (target) {
            EXPECT_EQ(row.expected->firstColumn, target->firstColumn);
            EXPECT_EQ(row.expected->lastColumn, target->lastColumn);
            EXPECT_EQ(row.expected->firstRow, target->firstRow);
            EXPECT_EQ(row.expected->lastRow, target->lastRow);
        }
    }
}

// A private sheet text for the advance map with other sizes, keys and values.
std::string SheetTextWith(const char *sizeX, const char *dataKey, const char *onlyXY = "") {
    return std::string("Label:\tAdvance 2\nLabelX:\tRPM\nLabelY:\tTPS\nLabelData:\t") + dataKey +
           "\nSizeX:\t" + sizeX + "\nSizeY:\t3\nOnlyXY:\t" + onlyXY +
           "\n\t1 000\t1 500\t2 000\n0\t1\t2\t3\n50\t4\t5\t6\n100\t7\t8\t9";
}

TEST(PlanPasteTable, sizesMayChangeOnlyOnAResizableAxisWithMatchingKeys) {
    const struct {
        const char *name;
        std::string text;
        std::function<void(CSheet &)> prepare;
        PasteTableStatus status;
        int countX;
    } rows[] = {
        {"same size", SheetTextWith("4", "ADV"), [](CSheet &) {}, PasteTableStatus::Ready, 4},
        {"fewer columns", SheetTextWith("3", "ADV"), [](CSheet &) {}, PasteTableStatus::Ready, 3},
        {"above the maximum", SheetTextWith("40", "ADV"), [](CSheet &) {}, PasteTableStatus::Ready, 15},
        {"octal as %i reads it", SheetTextWith("012", "ADV"), [](CSheet &) {}, PasteTableStatus::Ready, 10},
        {"data key differs", SheetTextWith("3", "INJ"), [](CSheet &) {}, PasteTableStatus::DimensionMismatch,
         0},
        {"same size, data key differs", SheetTextWith("4", "INJ"), [](CSheet &) {}, PasteTableStatus::Ready,
         4},
        {"X not resizable", SheetTextWith("3", "ADV"), [](CSheet &s) { s.axisX.SetResizable(false); },
         PasteTableStatus::DimensionMismatch, 0},
        {"size 0", SheetTextWith("0", "ADV"), [](CSheet &) {}, PasteTableStatus::Ignored, 0},
        {"size missing", "LabelX:\tRPM\nSizeY:\t3\n\t1\n", [](CSheet &) {}, PasteTableStatus::Ignored, 0},
        {"no key matches",
         [] {
             std::string t = SheetTextWith("4", "INJ");
             t.replace(t.find("RPM"), 3, "IAP");
             t.replace(t.find("\tTPS"), 4, "\tXYZ");
             return t;
         }(),
         [](CSheet &) {}, PasteTableStatus::Ignored, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CSheet sheet = AdvanceSheet();
        row.prepare(sheet);
        const PasteTablePlan plan = PlanPasteTable(sheet, row.text);
        EXPECT_EQ(row.status, plan.status);
        if (plan.status == PasteTableStatus::Ready) {
            EXPECT_EQ(row.countX, plan.countX);
        }
    }
}

TEST(ApplyPasteTable, storesOnlyEditableAxesWhoseKeysMatch) {
    CSheet sheet = AdvanceSheet();
    sheet.axisX.values[3] = 77; // beyond the new count: kept as it is
    Select(sheet, {{0, 0}});
    const std::string text = SheetTextWith("3", "ADV");
    const PasteTablePlan plan = PlanPasteTable(sheet, text);
    ASSERT_EQ(PasteTableStatus::Ready, plan.status);
    EXPECT_EQ(AxisX | AxisData, ApplyPasteTable(sheet, plan, text));
    EXPECT_EQ(3, sheet.axisX.count);
    EXPECT_EQ((std::vector<int>{10, 15, 20, 77}),
              std::vector<int>(sheet.axisX.values.begin(), sheet.axisX.values.begin() + 4));
    EXPECT_EQ(0, sheet.axisY.values[1] - 50); // Y is not editable on the advance map
    EXPECT_EQ(1, sheet.Cell(0, 0));
    EXPECT_EQ(6, sheet.Cell(2, 1));
    EXPECT_EQ(9, sheet.Cell(2, 2));
    EXPECT_EQ(30, sheet.Cell(3, 0)); // outside the new block
    EXPECT_TRUE(sheet.sel.Empty());
}

TEST(ApplyPasteTable, sheetTextRoundTripsInEveryLanguage) {
    for (int language : {0, 1, LanguageWithDecimalComma}) {
        SCOPED_TRACE(language);
        CSheet source = VoltageSheet();
        source.Cell(0, 0) = 1500;
        source.Cell(0, 1) = 4275;
        CSheet target = VoltageSheet();
        const std::string text = SheetText(source, language);
        const PasteTablePlan plan = PlanPasteTable(target, text);
        ASSERT_EQ(PasteTableStatus::Ready, plan.status);
        EXPECT_EQ(AxisData, ApplyPasteTable(target, plan, text));
        EXPECT_EQ(1500, target.Cell(0, 0));
        EXPECT_EQ(4275, target.Cell(0, 1));
        EXPECT_EQ(1, target.axisX.collapsed());
    }
}

TEST(ApplyPasteTable, onlyXYCollapsesAnAxisThatMayCollapse) {
    const struct {
        const char *onlyXY;
        int collapseModeY;
        int collapsedY;
        int bits;
    } rows[] = {
        {"Y", 1, 1, AxisY | AxisData}, // the page is told even though Y received no value
        {"Y", 0, 0, AxisX | AxisData},
        {"", 2, 1, AxisY | AxisData},
        {"", 1, 0, AxisX | AxisData},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.onlyXY) + " mode " + std::to_string(row.collapseModeY));
        CSheet sheet = AdvanceSheet();
        sheet.axisY.collapseMode = row.collapseModeY;
        const std::string text = SheetTextWith("4", "ADV", row.onlyXY);
        const PasteTablePlan plan = PlanPasteTable(sheet, text);
        ASSERT_EQ(PasteTableStatus::Ready, plan.status);
        EXPECT_EQ(row.bits, ApplyPasteTable(sheet, plan, text) & row.bits);
        EXPECT_EQ(row.collapsedY, sheet.axisY.collapsed());
    }
}

TEST(PlanPasteTable, longTitlesInUnicodeDoNotEndTheHeader) {
    CSheet sheet = AdvanceSheet();
    sheet.title = "Teplotní korekce předstihu při studeném motoru č"; // 47 characters, more bytes
    const std::string text = SheetText(sheet, LanguageWithDecimalComma);
    EXPECT_EQ(PasteTableStatus::Ready, PlanPasteTable(AdvanceSheet(), text).status);
}

TEST(DimensionMismatchMessage, comesInTheProgramLanguage) {
    const ClipboardMessage english = DimensionMismatchMessage(0);
    EXPECT_EQ("Table dimensions are not eqal and there is unable to change it !\nInsertion canceled...",
              english.text);
    EXPECT_EQ("Error", english.caption);
    const ClipboardMessage czech = DimensionMismatchMessage(LanguageWithDecimalComma);
    EXPECT_EQ("Neshodují se rozměry tabulky a nelze je změnit !\nVkládání zrušeno...", czech.text);
    EXPECT_EQ("Chyba", czech.caption);
}

} // namespace
} // namespace zarvex1
