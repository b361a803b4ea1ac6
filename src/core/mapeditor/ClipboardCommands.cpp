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

void PasteValues(TTabModel &editor, std::string_view plainText) {
    if (!editor.HasCurrent())
        return;
    if (editor.edit.active) {
        editor.edit.InsertFiltered(plainText);
        editor.LayoutValueEdit();
        editor.dirty |= DirtyRedraw;
        return;
    }
    CSheet &sheet = editor.Current();
    const auto target = FindPasteTarget(sheet);
    if (!target)
        return;
    editor.NoteChange(0, GroupBegin);
    const int written = PasteValues(sheet, *target, plainText, editor.tableLayout);
    editor.dirty |= DirtyRelayout | DirtyRedraw;
    editor.NoteChange(written, GroupEnd);
}

void PasteTable(TTabModel &editor, std::string_view sheetText) {
    if (!editor.HasCurrent())
        return;
    CSheet &sheet = editor.Current();
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
}

void PasteCommand(TTabModel &editor, int probe, std::string_view plainText, std::string_view sheetText) {
    if (!editor.HasCurrent())
        return;
    // Typing a value: the clipboard's text belongs in the entry, never over the whole sheet.
    if (editor.edit.active) {
        if (probe & ClipboardHasText)
            PasteValues(editor, plainText);
        return;
    }
    switch (ChoosePaste(probe)) {
    case PasteKind::Values:
        PasteValues(editor, plainText);
        break;
    case PasteKind::Table:
        PasteTable(editor, sheetText);
        break;
    case PasteKind::None:
        break;
    }
}

} // namespace zarvex1
