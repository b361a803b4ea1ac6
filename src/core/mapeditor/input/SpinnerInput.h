#pragma once

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class EditOperations;
class EditorSteps;
class TabLayout;
class TabSheets;
class TableCursor;
class ValueEntry;

// The spinner of the table: where it shows, the box under the mouse, a press with its auto-repeat
// from the sixth tick, and the release that steps once when nothing repeated.
class SpinnerInput {
public:
    SpinnerInput(EditorSteps &steps, TabSheets &sheets, TabLayout &layout, TableCursor &cursor,
                 EditOperations &operations, ValueEntry &entry)
        : steps_(steps), sheets_(sheets), layout_(layout), cursor_(cursor), operations_(operations),
          entry_(entry) {}

    const Spinner &State() const { return spinner_; }
    bool Shown() const { return spinner_.shown != 0; }
    bool Pressed() const { return spinner_.upPressed != 0 || spinner_.downPressed != 0; }

    // Shows the spinner on an editable, visible item (column or row -1 for headers), else hides it.
    void Place(int column, int row);
    void Hide() { spinner_.shown = 0; }
    // Box under the mouse (0 none, 1 up, 2 down); leaving a pressed box releases it without a step.
    int Hover(int x, int y);
    // A press commits an active in-place entry first, unless it is the second click of a double click.
    void Press(int box, bool commitEntry = true);
    void Release();
    // Auto-repeat of a held box: one step per tick from the sixth tick after the press.
    void Tick();
    // One step of the item the spinner is on.
    void Step(int step);

private:
    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
    TableCursor &cursor_;
    EditOperations &operations_;
    ValueEntry &entry_;
    Spinner spinner_;
};

} // namespace zarvex1
