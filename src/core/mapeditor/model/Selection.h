#pragma once

#include <array>
#include <cstdint>

namespace zarvex1 {

inline constexpr int SelMaxX = 50;
inline constexpr int SelMaxY = 30;
inline constexpr int SelMaxCells = SelMaxX * SelMaxY;

// A pixel rectangle; edges are inclusive when the mouse is tested against it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const Rect &) const = default;
};

// The rectangles against which the mouse is tested: filled by the table layout (visible items or all
// items at their scrolled positions) and by the 2D graph.
struct LayoutRecord {
    int width = 0;
    int height = 0;
    int columns = 0;
    int rows = 0;
    int validXHeaders = 0;
    int validYHeaders = 0;
    int validColumnBars = 0;
    int validRowBars = 0;
    int validCells = 0;
    int hitColumn = 0;
    int hitRow = 0;
    std::array<Rect, SelMaxX> xHeaders{};
    std::array<Rect, SelMaxY> yHeaders{};
    std::array<Rect, SelMaxX> columnBars{};
    std::array<Rect, SelMaxY> rowBars{};
    std::array<Rect, SelMaxCells> cells{}; // column x, row y at y * 50 + x

    void Reset();
    Rect &Cell(int x, int y) { return cells[static_cast<std::size_t>(y * SelMaxX + x)]; }
    const Rect &Cell(int x, int y) const { return cells[static_cast<std::size_t>(y * SelMaxX + x)]; }
};

// What is being marked (TSel::mode) and what the committed selection holds (TSel::kind).
enum SelMode : int {
    SelNothing = 0,
    SelCells = 1,
    SelXHeaders = 2,
    SelYHeaders = 4,
    SelColumns = 8, // whole columns through the column bars
    SelRows = 16,   // whole rows through the row bars
    SelFamilies = 0x1F,
    SelDragTable = 0x100, // rubber band in the table
    SelDragGraph = 0x200, // rubber band in the 2D graph
};

// Flags of one item's mark.
enum SelMark : std::uint8_t {
    MarkSelected = 1, // committed
    MarkPending = 2,  // marked by the operation in progress
    MarkCorner = 4,   // corner of the rectangle
};

// Bits of HitFamilies.
enum HitFamily : int {
    HitCell = 1,
    HitXHeader = 2,
    HitYHeader = 4,
    HitColumnBar = 8,
    HitRowBar = 16,
};

// The selection of one sheet: cells, X headers or Y headers, plus a rubber band being dragged.
class TSel {
public:
    int mode = SelNothing;
    int kind = SelNothing;
    std::array<std::uint8_t, SelMaxX> xMarks{};
    std::array<std::uint8_t, SelMaxY> yMarks{};
    std::array<std::uint8_t, SelMaxCells> cellMarks{};

    // Solid rectangle of cells (or contiguous header run) longer than 2 items along an axis.
    int isRectangle = 0;
    int rectX0 = -1;
    int rectX1 = -1;
    int rectY0 = -1;
    int rectY1 = -1;

    // Rubber band pixel points, -1 when none.
    int anchorX = -1;
    int anchorY = -1;
    int currentX = -1;
    int currentY = -1;

    // Bounding box of the items with MarkPending: -1 for a header axis, -2 when nothing is marked.
    int boxX0 = -2;
    int boxX1 = -2;
    int boxY0 = -2;
    int boxY1 = -2;

    // Item where the selection started and item it was last extended to (keyboard extension).
    int anchorCol = -2;
    int anchorRow = -2;
    int currentCol = -2;
    int currentRow = -2;

    int count = 0;

    std::uint8_t &CellMark(int x, int y) { return cellMarks[static_cast<std::size_t>(y * SelMaxX + x)]; }
    std::uint8_t CellMark(int x, int y) const { return cellMarks[static_cast<std::size_t>(y * SelMaxX + x)]; }
    bool Empty() const { return kind == SelNothing || count == 0; }

    void ClearSelection();
    void Recount();
    void CommitSelection(const LayoutRecord &layout);
    void BeginSelectionDrag(LayoutRecord &layout, int x, int y, bool shift, bool control);
    // The 2D graph's variant: always marks cells of its own layout record.
    void BeginGraphSelectionDrag(LayoutRecord &layout, int x, int y, bool shift, bool control);
    bool ExtendSelectionDrag(const LayoutRecord &layout, int x, int y, bool force);
    void SelectOne(const LayoutRecord &layout, int column, int row);
    void SelectRange(const LayoutRecord &layout, int column, int row);
    void RebuildSelection(const LayoutRecord &layout);

    int ItemMark(int column, int row) const;
    int CornerMask(int column, int row, bool wholeRow, bool wholeColumn) const;

private:
    int Family() const;
    int Measure(std::uint8_t flag);
    void StartDrag(LayoutRecord &layout, int x, int y, bool shift, bool control, bool cellsOnly);
};

int HitFamilies(LayoutRecord &layout, int x, int y);
int HitItem(LayoutRecord &layout, int x, int y, int &column, int &row);

} // namespace zarvex1
