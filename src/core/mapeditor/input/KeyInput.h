#pragma once

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabLayout;
class TabSheets;
class TableCursor;
class ValueEntry;

// The keyboard of the editor: the keys of every view ("+", "-", copy, paste, Tab), then the table's
// keys without and with an in-place entry. key: a character code, or a virtual key code x 256
// (EditorKeys.h). Each returns whether it used the key.
class KeyInput {
public:
    KeyInput(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TableCursor &cursor,
             EditOperations &operations, ValueEntry &entry)
        : steps_(steps), sheets_(sheets), layout_(layout), cursor_(cursor), operations_(operations),
          entry_(entry) {}

    // A key for the editor: the common keys first, then the table's while the table is the view.
    // A disabled sheet takes only Tab. Unused keys go to the 3D graph or back to the window.
    bool HandleKey(int key, bool shift, bool control);
    bool CommonKey(int key, bool shift, bool control);
    bool TableKey(int key, bool shift, bool control);

private:
    bool EntryKey(int key, bool shift);

    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    TableCursor &cursor_;
    EditOperations &operations_;
    ValueEntry &entry_;
};

} // namespace zarvex1
