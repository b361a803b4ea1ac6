#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {

// The in-place value entry of a cell or axis header: its text, caret and text selection.
class TValueEdit {
public:
    static constexpr int MaxLength = 16;
    enum CaretMove { CaretHome, CaretEnd, CaretLeft, CaretRight };

    int active = 0;
    int editCol = -2;
    int editRow = -2;
    std::string editText;
    int caretPos = 0;
    int selStart = -1; // where the caret was when the text selection began; -1 when none
    int selEnd = -1;
    Rect textRect;
    Rect caretRect;
    std::vector<int> boundaries; // x of every character boundary, 0 ... length
    int blink = 0;

    void Start(int column, int row, std::string text);
    // Typed characters: digits, space, ",", "-" and "."; others and a 17th character are ignored.
    bool InsertChar(char c);
    // Pasted text: keeps digits, "-", "." and spaces ("," becomes ".") up to the first tab or line
    // feed, and inserts as much as fits.
    void InsertFiltered(std::string_view text);
    void Backspace();
    void Delete();
    void MoveCaret(CaretMove move, bool shift);
    void SelectAll();
    bool HasSelection() const { return selStart >= 0 && selEnd >= 0 && selStart != selEnd; }
    int SelLow() const { return std::min(selStart, selEnd); }
    int SelHigh() const { return std::max(selStart, selEnd); }
    std::string SelectedText() const;
    // A click in the edited item: caret on the nearest character boundary, no text selection.
    void PlaceCaretAt(int x);
    // The left button held in an entry: the caret goes before the first character whose middle lies
    // right of x, and the text selection runs from where the caret was to it.
    void DragCaretTo(int x);
    // Centres the text in the item rectangle; width measures the entry font, xHeight is the height of "X".
    void Layout(const Rect &item, const std::function<int(std::string_view)> &width, int xHeight);

private:
    void DeleteSelection();
    void InsertAtCaret(std::string_view text);
};

// The number in a committed entry text: the first "," read as ".", spaces and tabs removed, then the
// leading number as scanf's "%lf" reads it. Empty when there is none.
std::optional<double> ParseEntryValue(std::string_view text);

} // namespace zarvex1
