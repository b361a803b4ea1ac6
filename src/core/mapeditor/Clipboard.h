#pragma once

#include <string>
#include <string_view>

#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// Name under which the editor registers its private clipboard format: the text of a whole sheet.
inline constexpr std::string_view SheetClipboardFormat = "CF_MORVANEL_SHEET";

// What the clipboard offers (ProbeClipboard).
enum ClipboardContent : int {
    ClipboardHasText = 1,
    ClipboardHasSheet = 2,
};

enum class PasteKind { None, Values, Table };

// Paste takes the private sheet text when there is one, else plain text when that is all there is.
inline PasteKind ChoosePaste(int probe) {
    if (probe & ClipboardHasSheet)
        return PasteKind::Table;
    return probe == ClipboardHasText ? PasteKind::Values : PasteKind::None;
}

// Language (Czech) whose texts carry the decimal comma.
inline constexpr int LanguageWithDecimalComma = 3;

// There is something to copy when items are selected: with a collapsed axis only the items in its
// used row or column count, and header items of a collapsed axis do not.
bool SomethingToCopy(const CSheet &sheet);
// Something to copy whose axis (the data axis for cells, X or Y for headers) is editable.
bool SomethingToPasteInto(const CSheet &sheet);

// Plain text of the selected cells or headers: tab-separated values, rows separated by a line feed,
// unselected items of the bounding box left empty. Empty when nothing that is in use is selected.
std::string CopySelectionText(const CSheet &sheet, int languageIndex);

// Plain text of the whole table: the X row, then one line per Y point. A collapsed axis is left out.
std::string CopyTableText(const CSheet &sheet, int languageIndex);

// The private text of a whole sheet: title, keys, sizes and collapse state, then the full table.
std::string SheetText(const CSheet &sheet, int languageIndex);

} // namespace zarvex1
