#pragma once

#include <string>
#include <string_view>

#include "mapeditor/TabModel.h"

namespace zarvex1 {

// The clipboard commands of an editor. The widget reads and writes the system clipboard; these
// decide the texts and carry out the paste on the editor's current sheet.

// Plain text for Copy: the selected part of an active in-place entry, or the current selection.
// Empty when there is nothing to copy (the clipboard is then left alone).
std::string CopyCommandText(const TTabModel &editor);

// Both texts Copy table puts on the clipboard in one operation.
struct TableTexts {
    std::string plain;
    std::string sheet; // the "CF_MORVANEL_SHEET" text
};
TableTexts CopyTableCommandTexts(const TTabModel &editor);

// Plain text into the current selection (or into an active in-place entry); the change reaches the
// owner at once.
void PasteValues(TTabModel &editor, std::string_view plainText);

// The private text of a sheet into the current sheet; a size the sheet cannot take shows the error box.
void PasteTable(TTabModel &editor, std::string_view sheetText);

// Paste with what the clipboard offers (ClipboardContent flags) and its texts. While an in-place
// entry is active the plain text goes into the entry. A private sheet text is pasted as a table, else
// plain text into the selection; the change reaches the owner at once.
void PasteCommand(TTabModel &editor, int probe, std::string_view plainText, std::string_view sheetText);

} // namespace zarvex1
