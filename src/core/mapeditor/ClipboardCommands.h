#pragma once

#include <string>
#include <string_view>

#include "core/mapeditor/ClipboardAccess.h"

namespace zarvex1 {

class MapEditor;

// The clipboard commands of an editor. These decide the texts and carry out the paste on the
// editor's current sheet; the editor's ClipboardAccess moves them.

// Plain text for Copy: the selected part of an active in-place entry, or the current selection.
// Empty when there is nothing to copy (the clipboard is then left alone).
std::string CopyCommandText(const MapEditor &editor);

// Both texts Copy table puts on the clipboard in one operation.
struct TableTexts {
    std::string plain;
    std::string sheet; // the "CF_MORVANEL_SHEET" text
};
TableTexts CopyTableCommandTexts(const MapEditor &editor);

// Plain text into the current selection (or into an active in-place entry); the change reaches the
// owner at once.
void PasteValues(MapEditor &editor, std::string_view plainText);

// The private text of a sheet into the current sheet; a size the sheet cannot take shows the error box.
void PasteTable(MapEditor &editor, std::string_view sheetText);

// Paste with what the clipboard offers (ClipboardContent flags) and its texts. While an in-place
// entry is active the plain text goes into the entry. A private sheet text is pasted as a table, else
// plain text into the selection; the change reaches the owner at once.
void PasteCommand(MapEditor &editor, int probe, std::string_view plainText, std::string_view sheetText);

// The commands on the editor's clipboard (nothing without one): Copy, Copy table and Paste.
void CopySelection(MapEditor &editor);
void CopyTable(MapEditor &editor);
void Paste(MapEditor &editor);

} // namespace zarvex1
