#pragma once

#include <vector>

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class EditorSteps;
class TabLayout;
class TabSheets;

// The editing operations on the current sheet: steps, insertion and deletion of points,
// interpolation, the drags, the use of the axes and the sheet's on/off switch. Each marks what it
// changed in the selection and notes the change, which normalizes the sheet and tells the owner.
class EditOperations {
public:
    EditOperations(EditorSteps &steps, TabSheets &sheets, TabLayout &layout)
        : steps_(steps), sheets_(sheets), layout_(layout) {}

    // "+" and "-": the selection, else the actual position (or the base marker below the map).
    void Increment(int step);
    // The same as if nothing were selected: the actual position, or the base marker below the map.
    void IncrementActual(int step);
    // One spinner step on an item: every selected item of its axis when it is selected itself.
    void StepTarget(int column, int row, int step);
    // A typed value for an item, in physical units; dropped on an axis that is not editable.
    void StoreValue(int column, int row, double value);
    void InsertColumn(int index);
    void InsertRow(int index);
    void DeleteColumn(int index);
    void DeleteRow(int index);
    void DeleteSelectedColumns();
    void DeleteSelectedRows();
    void Interpolate();
    // The interpolation preview into preview (1500 cells): the cells with the selected rectangle
    // filled, or for a header run the axis values in its first row. False without a rectangle.
    bool PreviewInterpolation(std::vector<int> &preview) const;
    void ApplyDrag(int mode, const Block &target);
    // Commands 13, 14, 15 (use only X, only Y, both) and 19 (sheet on/off).
    bool UseAxesAllowed(int command) const;
    void UseAxes(int command);
    void ToggleSheetEnabled();

private:
    void InsertPoint(int which, int b);
    void DeletePoint(int which, int index);
    void DeleteSelectedPoints(int which);
    void StepItems(int step, bool x, bool y, bool cells);

    EditorSteps &steps_;
    TabSheets &sheets_;
    TabLayout &layout_;
};

} // namespace zarvex1
