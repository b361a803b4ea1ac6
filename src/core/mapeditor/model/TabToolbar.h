#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {

class CSheet;
struct TableGeometry;

// Flags of a toolbar button.
enum ToolbarFlags : int {
    ButtonToggle = 1, // its pressed state stays and its command runs when pressed
    ButtonGreyed = 2, // drawn also while inactive
};

struct ToolbarButton {
    int flags = 0;
    int active = 0;
    Rect rect; // left, top, right, bottom in control pixels
    int pressed = 0;
    int hover = 0;
    BitmapId image = BitmapId::None;
    BitmapId inactiveImage = BitmapId::None;
    std::uint32_t faceColour = 0;
    std::string caption; // drawn when there is no image; "+" and "-" are drawn as symbols
    std::string hint;    // English key of the hint text

    bool Defined() const { return rect.right > rect.left; }
    bool Shown() const { return Defined() && (active != 0 || (flags & ButtonGreyed) != 0); }
};

// What decides the enable states of the buttons, refreshed from the tick.
struct ToolbarStates {
    bool canCopy = false;      // something to copy, or a text selection in the in-place entry
    bool canPasteInto = false; // an editable selection
    bool liveTarget = false;   // the sheet tracks the live values and has an actual position
    bool pasteText = false;    // the clipboard holds plain text
    bool pasteSheet = false;   // the clipboard holds a private sheet text
    bool sheetHasEditable = false;
};

// The editor's own toolbar: 30 buttons laid out at the toolbar's place, their enable states, hover
// and press. Button i runs EditorCommand i.
class TabToolbar {
public:
    static constexpr int Size = 30;

    // Lays the buttons out for the current sheet (without ShowToolbar there are none).
    void Layout(const TableGeometry &geometry, const CSheet *sheet, int language, std::uint32_t faceColour);
    // Returns true when a button looks different now.
    bool UpdateStates(const ToolbarStates &states);
    // The view button of the shown view pressed; TOP/ISO1/ISO2 shown (at left, top) in the 3D view only.
    void ShowView(int viewMode, int left, int top);
    void SetPreset(int command);

    int Count() const { return count_; }
    const ToolbarButton &Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    // The first shown button under the mouse, -1 for none.
    int ButtonAt(int x, int y) const;
    // Marks the button under the mouse; a pressed non-toggle button the mouse has left is released.
    // Returns true when a mark changed.
    bool Hover(int x, int y);
    // Left button down on the hovered button: returns the command to run now (a toggle), else -1; a
    // non-toggle button only becomes pressed.
    int Press();
    // Left button up: returns the command of the pressed non-toggle button released over it, else -1.
    int Release();
    bool AnyPressed() const;
    int HoveredButton() const;
    bool ActsOnSelection() const { return actsOnSelection_; }

private:
    std::array<ToolbarButton, Size> buttons_{};
    int count_ = 0;
    bool actsOnSelection_ = false;
};

} // namespace zarvex1
