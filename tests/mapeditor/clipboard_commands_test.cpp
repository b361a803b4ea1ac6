#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardCommands.h"
#include "core/mapeditor/MapEditor.h"

namespace zarvex1 {
namespace {

// An editor holding one cut-down advance map, defined the way its page defines it.
class ClipboardCommandsTest : public ::testing::Test {
protected:
    MapEditor editor{500, 300, ShowToolbar | AllowTable | AllowGraph2D | AllowGraph3D};
    std::vector<int> notes;
    std::vector<std::string> errors;

    void SetUp() override {
        TextMetrics metrics;
        metrics.width = [](std::string_view text, const EditorFont &font) {
            return static_cast<int>(text.size()) * (font.bold ? 9 : 7);
        };
        editor.SetMetrics(metrics);
        EditorHooks hooks;
        hooks.OnMapChanged = [this](int what) { notes.push_back(what); };
        hooks.ShowError = [this](const std::string &text, const std::string &caption) {
            errors.push_back(caption + ": " + text);
        };
        editor.SetHooks(hooks);
        editor.Sheets().AddSheet("Advance 1", "RPM", "TPS", "Advance", 4, 3, 0x701);
        editor.Sheets().DefineAxis(0, AxisX, "RPM", nullptr, 1, 250, 100.0, 1, nullptr, 1, 1, 1, 4, 0, 0, 1,
                                   -1, 0);
        editor.Sheets().DefineAxis(0, AxisY, "TPS", "%", 0, 100, 1.0, 1, nullptr, 0, 1, 1, 3, 1, 0, 0, -2, 0);
        editor.Sheets().DefineAxis(0, AxisData, "ADV", "°", 0, 60, 1.0, 1, nullptr, 1, 2, 0, 0, 0, 0, 0, 0,
                                   0);
        editor.NormalizeSheet(0, AxisX | AxisY | AxisData | ResetLastEdited);
        editor.SelectSheet(0);
        notes.clear();
    }

    CSheet &Sheet() { return editor.Current(); }
};

TEST_F(ClipboardCommandsTest, pastedValuesAreNormalizedAndReachTheOwnerAtOnce) {
    Sheet().sel.SelectOne(editor.Layout().TableRecord(), 1, 1);
    PasteCommand(editor, ClipboardHasText, "15\t99", "");
    EXPECT_EQ(std::vector<int>{AxisData}, notes); // no waiting for the tick
    EXPECT_EQ(15, Sheet().Cell(1, 1));
    EXPECT_EQ(60, Sheet().Cell(2, 1)); // held at the data maximum
    EXPECT_EQ(2, Sheet().sel.count);
}

TEST_F(ClipboardCommandsTest, privateSheetTextWinsOverPlainText) {
    Sheet().sel.SelectOne(editor.Layout().TableRecord(), 0, 0);
    const std::string sheet =
        "LabelX:\tRPM\nLabelData:\tADV\nSizeX:\t3\nSizeY:\t3\n\t1 000\t2 000\t3 000\n0\t7";
    PasteCommand(editor, ClipboardHasText | ClipboardHasSheet, "44", sheet);
    EXPECT_EQ(3, Sheet().axisX.count);
    EXPECT_EQ(20, Sheet().axisX.values[1]);
    EXPECT_EQ(7, Sheet().Cell(0, 0));
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(AxisX | AxisData, notes[0] & (AxisX | AxisData));
    EXPECT_EQ(3, editor.Geometry().visibleCols); // laid out again for the new size
}

TEST_F(ClipboardCommandsTest, sheetOfOtherSizeThatCannotBeTakenShowsTheMessage) {
    const int before = Sheet().Cell(0, 0);
    PasteCommand(editor, ClipboardHasSheet, "",
                 "LabelX:\tRPM\nLabelData:\tINJ\nSizeX:\t3\nSizeY:\t3\n\t1\n0\t7");
    EXPECT_EQ(
        std::vector<std::string>{"Error: Table dimensions are not eqal and there is unable to change it "
                                 "!\nInsertion canceled..."},
        errors);
    EXPECT_EQ(4, Sheet().axisX.count);
    EXPECT_EQ(before, Sheet().Cell(0, 0));
    EXPECT_TRUE(notes.empty());
}

TEST_F(ClipboardCommandsTest, whileTypingAValueTheClipboardGoesIntoTheEntry) {
    Sheet().sel.SelectOne(editor.Layout().TableRecord(), 1, 1);
    const int before = Sheet().Cell(1, 1);
    editor.Entry().Begin(1, 1, true);
    PasteCommand(editor, ClipboardHasText | ClipboardHasSheet, "12,5\t7", SheetText(Sheet(), 0));
    EXPECT_EQ("12.5", editor.Edit().editText);
    EXPECT_EQ(before, Sheet().Cell(1, 1));
    EXPECT_TRUE(notes.empty());

    editor.Entry().Text().selStart = 0;
    editor.Entry().Text().selEnd = 2;
    EXPECT_EQ("12", CopyCommandText(editor));
    editor.Entry().Text().selStart = editor.Entry().Text().selEnd = -1;
    EXPECT_EQ("", CopyCommandText(editor)); // nothing selected in the entry: nothing to copy
}

TEST_F(ClipboardCommandsTest, copyTablePutsBothTextsInTheProgramLanguage) {
    Sheet().axisData.scale = 0.5;
    Sheet().Cell(0, 0) = 3;
    editor.SetLanguage(LanguageWithDecimalComma);
    const TableTexts texts = CopyTableCommandTexts(editor);
    EXPECT_EQ(0u, texts.plain.find("\t"));
    EXPECT_NE(std::string::npos, texts.plain.find("\n0\t1,5\t"));
    EXPECT_EQ(0u, texts.sheet.find("Label:\tAdvance 1\nLabelX:\tRPM\n"));
}

} // namespace
} // namespace zarvex1
