#include "mapeditor/ClipboardCommands.h"

#include "mapeditor/Clipboard.h"
#include "mapeditor/ClipboardPaste.h"

namespace zarvex1 {

std::string CopyCommandText(const TTabModel &editor) {
    if (editor.edit.active)
        return editor.edit.HasSelection() ? editor.edit.SelectedText() : std::string();
    if (!editor.HasCurrent())
        return {};
    return CopySelectionText(editor.Current(), editor.languageIndex);
}

TableTexts CopyTableCommandTexts(const TTabModel &editor) {
    if (!editor.HasCurrent())
        return {};
    return {CopyTableText(editor.Current(), editor.languageIndex),
            SheetText(editor.Current(), editor.languageIndex)};
}

void PasteCommand(TTabModel &editor, int probe, std::string_view plainText, std::string_view sheetText) {
    if (!editor.HasCurrent())
        return;
    if (editor.edit.active) {
        // Typing a value: the clipboard's text belongs in the entry, never over the whole sheet.
        if (probe & ClipboardHasText) {
            editor.edit.InsertFiltered(plainText);
            editor.LayoutValueEdit();
            editor.dirty |= DirtyRedraw;
        }
        return;
    }
    CSheet &sheet = editor.Current();
    switch (ChoosePaste(probe)) {
    case PasteKind::None:
        return;
    case PasteKind::Values: {
        const auto target = FindPasteTarget(sheet);
        if (!target)
            return;
        editor.NoteChange(0, GroupBegin);
        const int written = PasteValues(sheet, *target, plainText, editor.tableLayout);
        editor.dirty |= DirtyRelayout | DirtyRedraw;
        editor.NoteChange(written, GroupEnd);
        return;
    }
    case PasteKind::Table: {
        const PasteTablePlan plan = PlanPasteTable(sheet, sheetText);
        if (plan.status == PasteTableStatus::DimensionMismatch) {
            if (editor.ShowError) {
                const ClipboardMessage message = DimensionMismatchMessage(editor.languageIndex);
                editor.ShowError(message.text, message.caption);
            }
            return;
        }
        if (plan.status != PasteTableStatus::Ready)
            return;
        editor.NoteChange(0, GroupBegin);
        const int changed = ApplyPasteTable(sheet, plan, sheetText);
        editor.Relayout();
        editor.dirty |= DirtyRelayout | DirtyRedraw;
        editor.NoteChange(changed, GroupEnd);
        return;
    }
    }
}

} // namespace zarvex1
