#pragma once

#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/ValueEdit.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabLayout;
class TabSheets;

// The in-place value entry of the table: starting it on an item, laying its text out in the entry
// font, committing the typed number into the item and the caret's blink.
class ValueEntry {
public:
    ValueEntry(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, EditOperations &operations)
        : steps_(steps), sheets_(sheets), layout_(layout), operations_(operations) {}

    const TValueEdit &State() const { return edit_; }
    TValueEdit &Text() { return edit_; }
    bool Active() const { return edit_.active != 0; }

    // The font of the entry text: the control's font at 1.4 times its size, bold.
    EditorFont Font() const;
    void Begin(int column, int row, bool empty);
    void Commit();
    void Cancel();
    void Layout();
    // Caret blink: returns true on the ticks where the caret shows or hides.
    bool Blink();

private:
    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    EditOperations &operations_;
    TValueEdit edit_;
};

} // namespace zarvex1
