#pragma once

#include <vector>

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

class GraphInput;

// What a part of the editor may ask of the editor as a whole: the steps that cross the parts
// (selecting a sheet, change notes, relayout, scrolling, the commands) and the state the editor
// shares with its parts (redraw requests, the tick, the key states, the mouse, the language). The
// parts themselves are handed over one by one, each only to the parts that use it.
class EditorSteps {
public:
    // ---- Shared state ----
    virtual void Request(int flags) = 0;
    virtual int TickCount() const = 0;
    virtual bool ShiftDown() const = 0;
    virtual bool ControlDown() const = 0;
    virtual int MouseX() const = 0;
    virtual int MouseY() const = 0;
    virtual void SetMouse(int x, int y) = 0;
    virtual bool Focused() const = 0;
    virtual void SetFocused(bool focused) = 0;
    virtual int Language() const = 0;
    virtual const TextMetrics &Metrics() const = 0;
    virtual const EditorHooks &Hooks() const = 0;
    // 1500 ints for the drag operations.
    virtual std::vector<int> &Scratch() = 0;
    // The handlers of the 2D and 3D graphs now plugged in; none in a test without graphs.
    virtual GraphInput *Graph() const = 0;

    // ---- Steps across the parts ----
    virtual void SelectSheet(int index) = 0;
    virtual void NoteChange(int what, ChangeKey group) = 0;
    virtual void Relayout() = 0;
    virtual void SetViewMode(int mode) = 0;
    virtual void ScrollBy(int dx, int dy) = 0;
    virtual void ScrollIntoView(int column, int row) = 0;
    // A command of the toolbar or the popup menu (EditorCommand).
    virtual void RunCommand(int command) = 0;
    // Copy and paste with the system clipboard, as the keys do them.
    virtual void CopySelection() = 0;
    virtual void Paste() = 0;

protected:
    ~EditorSteps() = default;
};

} // namespace zarvex1
