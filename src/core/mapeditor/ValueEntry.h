#pragma once

#include "mapeditor/EditorTypes.h"
#include "mapeditor/ValueEdit.h"

namespace zarvex1 {

class MapEditor;

// The in-place value entry of the table: starting it on an item, laying its text out in the entry
// font, committing the typed number into the item and the caret's blink.
class ValueEntry {
public:
    explicit ValueEntry(MapEditor &editor) : editor_(editor) {}

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
    MapEditor &editor_;
    TValueEdit edit_;
};

} // namespace zarvex1
