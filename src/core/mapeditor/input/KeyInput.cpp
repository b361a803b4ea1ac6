#include "core/mapeditor/input/KeyInput.h"

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorKeys.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"

namespace zarvex1 {

bool KeyInput::CommonKey(int key, bool shift, bool control) {
    if (!sheets_.HasCurrent())
        return false;
    const bool entryInTable = entry_.Active() && (layout_.Geometry().viewMode & ViewTable) != 0;
    if (key == '+' || key == '-') {
        if (entryInTable)
            return false; // the character goes into the text
        operations_.Increment(key == '+' ? 1 : -1);
        return true;
    }
    if (key == KeyCopyChar || (control && (key == 'c' || key == 'C')) ||
        (control && !shift && key == KeyInsert)) {
        steps_.CopySelection();
        return true;
    }
    if (key == KeyPasteChar || (control && (key == 'v' || key == 'V')) ||
        (shift && !control && key == KeyInsert)) {
        steps_.Paste();
        return true;
    }
    const TabSheets &sheets = sheets_;
    if (key == KeyTab && sheets.Count() > 1) {
        const int current = sheets.CurrentIndex();
        if (control)
            steps_.SelectSheet(sheets.PreviousIndex());
        else if (shift)
            steps_.SelectSheet(current == 0 ? sheets.Count() - 1 : current - 1);
        else
            steps_.SelectSheet(current + 1 >= sheets.Count() ? 0 : current + 1);
        return true;
    }
    return false;
}

bool KeyInput::HandleKey(int key, bool shift, bool control) {
    if (!sheets_.HasCurrent())
        return false;
    if (!sheets_.Current().enabled())
        return key == KeyTab && CommonKey(key, shift, control);
    if (CommonKey(key, shift, control))
        return true;
    return layout_.Geometry().viewMode == ViewTable && TableKey(key, shift, control);
}

bool KeyInput::EntryKey(int key, bool shift) {
    ValueEntry &entry = entry_;
    TValueEdit &edit = entry.Text();
    switch (key) {
    case KeyBackspace:
        edit.Backspace();
        break;
    case KeyDelete:
        edit.Delete();
        break;
    case KeyHome:
        edit.MoveCaret(TValueEdit::CaretHome, shift);
        break;
    case KeyEnd:
        edit.MoveCaret(TValueEdit::CaretEnd, shift);
        break;
    case KeyLeft:
        edit.MoveCaret(TValueEdit::CaretLeft, shift);
        break;
    case KeyRight:
        edit.MoveCaret(TValueEdit::CaretRight, shift);
        break;
    case KeyEnter:
    case KeyUp:
    case KeyDown:
    case KeyPageUp:
    case KeyPageDown:
        entry.Commit();
        return true;
    case KeyEscape:
        entry.Cancel();
        return true;
    default:
        if (key > 0 && key < 128 && edit.InsertChar(static_cast<char>(key)))
            break;
        return key == ' ' || key == ',' || key == '-' || key == '.' || (key >= '0' && key <= '9');
    }
    entry.Layout();
    steps_.Request(DirtyRedraw);
    return true;
}

bool KeyInput::TableKey(int key, bool shift, bool /*control*/) {
    if (!sheets_.HasCurrent())
        return false;
    if (entry_.Active())
        return EntryKey(key, shift);
    const CSheet &s = sheets_.Current();
    TableCursor &cursor = cursor_;
    if (key == KeyEscape) {
        if (s.sel.Empty())
            return false;
        cursor.ClearSelection();
        return true;
    }
    int cx = 0, cy = 0;
    if (!cursor.At(cx, cy))
        return false;
    const bool typed = key == KeySpace || key == ',' || key == '.' || (key >= '0' && key <= '9');
    if (typed || key == KeyBackspace || key == KeyDelete || key == KeyInsert) {
        if (!cursor.TargetEditable(cx, cy))
            return false;
        entry_.Begin(cx, cy, key != KeyInsert);
        if (typed) {
            entry_.Text().InsertChar(static_cast<char>(key));
            entry_.Layout();
        }
        return true;
    }
    const CAxe &ax = s.axisX;
    const CAxe &ay = s.axisY;
    constexpr int To = TableCursor::MoveTo;
    switch (key) {
    case KeyEnter: {
        const bool lastRow = cy == ay.count - 1 || (ay.collapsed() && cy >= 0);
        cursor.MoveCursor(lastRow ? 1 : 0, 1, false);
        return true;
    }
    case KeyLeft:
        cursor.MoveCursor(-1, 0, shift);
        return true;
    case KeyRight:
        cursor.MoveCursor(1, 0, shift);
        return true;
    case KeyUp:
        cursor.MoveCursor(0, -1, shift);
        return true;
    case KeyDown:
        cursor.MoveCursor(0, 1, shift);
        return true;
    case KeyHome:
        cursor.MoveCursor(To + (ax.collapsed() ? ax.collapsedIndex : 0), 0, shift);
        return true;
    case KeyEnd:
        cursor.MoveCursor(To + (ax.collapsed() ? ax.collapsedIndex : ax.count - 1), 0, shift);
        return true;
    case KeyPageUp:
        cursor.MoveCursor(0, To + (ay.collapsed() ? ay.collapsedIndex : 0), shift);
        return true;
    case KeyPageDown:
        cursor.MoveCursor(0, To + (ay.collapsed() ? ay.collapsedIndex : ay.count - 1), shift);
        return true;
    default:
        return false;
    }
}

} // namespace zarvex1
