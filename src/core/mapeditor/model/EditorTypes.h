#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {

// Creation options of an editor.
enum EditorOptions : int {
    ShowToolbar = 0x01,
    AllowTable = 0x10,
    AllowGraph2D = 0x20,
    AllowGraph3D = 0x40,
    ShowTitleLine = 0x100,
};

// View modes; shownViews may add ViewGraph2D beside or below the table.
enum ViewMode : int { ViewNone = 0, ViewTable = 1, ViewGraph2D = 2, ViewGraph3D = 4 };

// Bits of dirty.
enum DirtyFlags : int { DirtyRedraw = 1, DirtyRelayout = 2 };

// Group keys of change notes: only their equality matters. GroupNow delivers at once; Begin and
// End frame an operation whose changes reach the owner together.
using ChangeKey = std::int64_t;
inline constexpr ChangeKey GroupNow = 0;
inline constexpr ChangeKey GroupBegin = -1;
inline constexpr ChangeKey GroupEnd = -2;

// Kinds of coalescing steps: increments and spinner steps on one target merge into one note.
enum class StepKind : int {
    ActualCell = 1,
    BaseMarker,
    Selection,
    SpinnerSelectedX,
    SpinnerX,
    SpinnerSelectedY,
    SpinnerY,
    SpinnerSelectedCell,
    SpinnerCell,
};
// Key of a step on a target: a column and row, and for selections also the number of items.
ChangeKey MakeChangeKey(StepKind kind, int step, int column, int row, int count = 0);

// A block of items: columns x0..x1, rows y0..y1; -1 on the missing axis of a header block.
struct Block {
    int x0 = -1;
    int x1 = -1;
    int y0 = -1;
    int y1 = -1;
    bool operator==(const Block &) const = default;
};

// The up/down boxes that step the value under the mouse.
struct Spinner {
    int shown = 0;
    int column = -2; // -1 for a Y header
    int row = -2;    // -1 for an X header
    Rect upBox;
    Rect downBox;
    int hoverBox = 0; // 0 none, 1 up, 2 down
    int upPressed = 0;
    int downPressed = 0;
    int pressTick = 0;
    int repeating = 0;
};

// Commands of the toolbar and the popup menu; toolbar button i runs command i.
enum EditorCommand : int {
    CommandCopy = 0,
    CommandCopyTable = 1,
    CommandPaste = 2,
    CommandPlus = 3,
    CommandMinus = 4,
    CommandViewTable = 5,
    CommandView2D = 6,
    CommandView3D = 7,
    CommandUseX = 13,
    CommandUseY = 14,
    CommandUseBoth = 15,
    CommandTop = 16,
    CommandIso1 = 17,
    CommandIso2 = 18,
    CommandSheetOnOff = 19,
    CommandCopyGraph = 40,
    CommandInterpolate = 101,
};

// Drag modes of the table: resizing the selection block (fill) or moving it (copy).
enum DragMode : int { DragNone = 0, DragFill = 1, DragCopy = 2 };

// Graph area of the views, as margins from the control's edges for right and bottom.
struct GraphArea {
    int graphLeft = 0;
    int graphTop = 0;
    int graphRight = 0;
    int graphBottom = 0;
    bool operator==(const GraphArea &) const = default;
};

// A font of the editor's canvas: point size, bold, italic.
struct EditorFont {
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool operator==(const EditorFont &) const = default;
};

// Text measurement of the platform, handed to the editor by its widget: the width of a text and
// the height of "X" in a font, and the point size of the control's own font.
struct TextMetrics {
    std::function<int(std::string_view text, const EditorFont &font)> width;
    std::function<int(const EditorFont &font)> xHeight;
    int baseSize = 8;

    int Width(std::string_view text, const EditorFont &font) const {
        return width ? width(text, font) : static_cast<int>(text.size()) * font.size;
    }
    int XHeight(const EditorFont &font) const { return xHeight ? xHeight(font) : font.size; }
};

// What the editor asks of its owner.
struct EditorHooks {
    std::function<void(int what)> OnMapChanged; // the change notes, coalesced
    std::function<void()> OnSheetSelected;      // the page synchronises with the new current sheet
    // An error message box with a translated text and caption.
    std::function<void(const std::string &text, const std::string &caption)> ShowError;
};

} // namespace zarvex1
