#include "core/mapeditor/ClipboardCommands.h"

#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardPaste.h"
#include "core/mapeditor/MapEditor.h"

namespace zarvex1 {

std::string CopyCommandText(const MapEditor &editor) {
    const TValueEdit &edit = editor.Edit();
    if (edit.active != 0)
        return edit.HasSelection() ? edit.SelectedText() : std::string();
    if (!editor.HasCurrent())
        return {};
    return CopySelectionText(editor.Current(), editor.Language());
}

TableTexts CopyTableCommandTexts(const MapEditor &editor) {
    if (!editor.HasCurrent())
        return {};
    return {CopyTableText(editor.Current(), editor.Language()),
            SheetText(editor.Current(), editor.Language())};
}

void PasteValues(MapEditor &editor, std::string_view plainText) {
    if (!editor.HasCurrent())
        return;
    if (editor.Entry().Active()) {
        editor.Entry().Text().InsertFiltered(plainText);
        editor.Entry().Layout();
        editor.Request(DirtyRedraw);
        return;
    }
    CSheet &sheet = editor.Current();
    const auto target = FindPasteTarget(sheet);
    if (!target)
        return;
    editor.NoteChange(0, GroupBegin);
    const int written = PasteValues(sheet, *target, plainText, editor.Layout().TableRecord());
    editor.Request(DirtyRelayout | DirtyRedraw);
    editor.NoteChange(written, GroupEnd);
}

void PasteTable(MapEditor &editor, std::string_view sheetText) {
    if (!editor.HasCurrent())
        return;
    CSheet &sheet = editor.Current();
    const PasteTablePlan plan = PlanPasteTable(sheet, sheetText);
    if (plan.status == PasteTableStatus::DimensionMismatch) {
        if (const auto &show = editor.Hooks().ShowError) {
            const ClipboardMessage message = DimensionMismatchMessage(editor.Language());
            show(message.text, message.caption);
        }
        return;
    }
    if (plan.status != PasteTableStatus::Ready)
        return;
    editor.NoteChange(0, GroupBegin);
    const int changed = ApplyPasteTable(sheet, plan, sheetText);
    editor.Relayout();
    editor.Request(DirtyRelayout | DirtyRedraw);
    editor.NoteChange(changed, GroupEnd);
}

void PasteCommand(MapEditor &editor, int probe, std::string_view plainText, std::string_view sheetText) {
    if (!editor.HasCurrent())
        return;
    // Typing a value: the clipboard's text belongs in the entry, never over the whole sheet.
    if (editor.Entry().Active()) {
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

void CopySelection(MapEditor &editor) {
    ClipboardAccess *clipboard = editor.Clipboard();
    if (clipboard == nullptr)
        return;
    const std::string text = CopyCommandText(editor);
    if (!text.empty())
        clipboard->PutText(text);
}

void CopyTable(MapEditor &editor) {
    ClipboardAccess *clipboard = editor.Clipboard();
    if (clipboard == nullptr || !editor.HasCurrent())
        return;
    const TableTexts texts = CopyTableCommandTexts(editor);
    clipboard->PutTable(texts.plain, texts.sheet);
}

void Paste(MapEditor &editor) {
    ClipboardAccess *clipboard = editor.Clipboard();
    if (clipboard == nullptr)
        return;
    const int probe = clipboard->Probe();
    const std::string plain = (probe & ClipboardHasText) != 0 ? clipboard->Text() : std::string();
    const std::string sheet = (probe & ClipboardHasSheet) != 0 ? clipboard->SheetText() : std::string();
    PasteCommand(editor, probe, plain, sheet);
}

void MapEditor::CopySelection() {
    zarvex1::CopySelection(*this);
}

void MapEditor::Paste() {
    zarvex1::Paste(*this);
}

} // namespace zarvex1
