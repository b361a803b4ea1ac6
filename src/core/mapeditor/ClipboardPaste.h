#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/mapeditor/model/Selection.h"
#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// The items plain text is pasted into: columns and rows inclusive; row -1 is the X header row,
// column -1 the Y header column.
struct PasteTarget {
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;
};

// Where pasted values go: from the table cursor (top-left of the selection) to the last column and
// row, or along the header row or column the cursor is on. None without a selection, when the
// target axis is not editable, or when a collapsed axis's used line is outside the selection.
std::optional<PasteTarget> FindPasteTarget(const CSheet &sheet);

// Reads plain text (tab or blank separated, "1 000" grouping, decimal comma or point) into the
// target, each written item marked as the new selection (committed with the table's layout).
// Cell values more than five times the data maximum are taken as thousandths. The caller notes
// Begin before this and the returned axis bits with End after it.
int PasteValues(CSheet &sheet, const PasteTarget &target, std::string_view text, const LayoutRecord &layout);

enum class PasteTableStatus {
    Ignored,           // no sizes or no matching key: the text is not for this sheet
    DimensionMismatch, // the sizes differ and this sheet cannot take them
    Ready,
};

// What the private text of a sheet would do to the current sheet.
struct PasteTablePlan {
    PasteTableStatus status = PasteTableStatus::Ignored;
    int countX = 0; // clamped into the axes' minCount … maxCount
    int countY = 0;
    bool collapseX = false;
    bool collapseY = false;
    bool keyXMatched = false;
    bool keyYMatched = false;
    bool keyDataMatched = false;
    std::size_t tableStart = std::string_view::npos; // the first line that starts with a tab
};

PasteTablePlan PlanPasteTable(const CSheet &sheet, std::string_view text);

// Applies a Ready plan: sets the counts and the collapse named by the text, stores the values of the
// axes whose keys matched and that are editable, and clears the selection. Returns the axes changed.
// The caller notes Begin before this, lays the editor out again and notes the bits with End.
int ApplyPasteTable(CSheet &sheet, const PasteTablePlan &plan, std::string_view text);

// The message box of a private table whose sizes cannot be applied.
struct ClipboardMessage {
    std::string text;
    std::string caption;
};
ClipboardMessage DimensionMismatchMessage(int languageIndex);

} // namespace zarvex1
