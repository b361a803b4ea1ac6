#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mapeditor/ScrollBar.h"
#include "mapeditor/Sheet.h"
#include "mapeditor/ValueEdit.h"

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

// Drag modes of the table: resizing the selection block (fill) or moving it (copy).
enum DragMode : int { DragNone = 0, DragFill = 1, DragCopy = 2 };

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

// Graph area of the views, as margins from the control's edges for right and bottom.
struct GraphArea {
    int graphLeft = 0;
    int graphTop = 0;
    int graphRight = 0;
    int graphBottom = 0;
};

// The map editor without its painting: the sheets, the markers and live values, the layout of the
// table, the change notes to the owner, selection, editing operations and value entry. The editor
// widget owns one, feeds it input and ticks, and paints what it holds.
class TTabModel {
public:
    using TextWidth = std::function<int(std::string_view)>;
    // Shows an error message box with a translated text and caption.
    using ErrorBox = std::function<void(const std::string &text, const std::string &caption)>;

    TTabModel(int width, int height, int options, int pixelsPerInch = 96);

    // ---- Sheets and axes ----
    int AddSheet(std::string_view title, std::string_view labelX, std::string_view labelY,
                 std::string_view labelData, int sizeX, int sizeY, int flags);
    void SetSheetTitle(int index, std::string_view title);
    void DefineAxis(int index, int which, const char *key, const char *unit, int min, int max, double scale,
                    int step, const CBand *bands, int editable, int options, int minCount, int count,
                    int collapseMode, int collapsed, int resizable, int collapsePosition,
                    std::uint32_t color);
    void SelectSheet(int index);
    void NormalizeSheet(int sheet, int what);
    // The marker limits of a sheet whose X label is "RPM".
    void ApplyMarkerLimits(const CSheet &sheet);

    int SheetCount() const { return static_cast<int>(sheets.size()); }
    bool HasCurrent() const { return currentIndex >= 0 && currentIndex < SheetCount(); }
    CSheet &Sheet(int index) { return sheets[static_cast<std::size_t>(index)]; }
    const CSheet &Sheet(int index) const { return sheets[static_cast<std::size_t>(index)]; }
    CSheet &Current() { return Sheet(currentIndex); }
    const CSheet &Current() const { return Sheet(currentIndex); }

    // ---- Live values, actual position, ticks and change notes ----
    void SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown);
    // "Advance 1" follows the live values while map 1 is active, "Advance 2" while map 2 is.
    void ApplyActiveMap(bool map2Active);
    void UpdateActualPosition();
    int ActualIndex(const CSheet &sheet, const CAxe &axis) const;
    // One timer tick; returns true when the control should render (dirty is not 0).
    bool Tick(bool shiftDown, bool controlDown);
    void NoteChange(int what, ChangeKey group);
    void FlushChanges();

    // ---- Layout ----
    void RebuildToolbar();
    int ToolbarWidth() const;
    void Relayout();
    void SetViewMode(int mode);
    void ScrollBy(int dx, int dy);
    void ScrollIntoView(int column, int row);
    // Pixel rectangle of an item in the table (column or row -1 for headers) at its scrolled position.
    Rect ItemRect(int column, int row) const;

    // ---- Selection helpers ----
    TSel &Sel() { return Current().sel; }
    // The table cursor: top-left item of the selection, or false when nothing is selected.
    bool Cursor(int &column, int &row) const;
    bool TargetEditable(int column, int row) const;

    // ---- Whole-line selections of the table ----
    // Every cell in use (only the used line of a collapsed axis); clears instead when all are selected.
    void SelectAllCells();
    // Every X header (AxisX) or Y header (AxisY).
    void SelectAllHeaders(int which);
    // The cells of a column (AxisX, index) or row (AxisY, index) unless all are selected already.
    void SelectLine(int which, int index);
    // Right click on an item: an unselected cell or header becomes the only selection.
    void SelectForPopup(int column, int row);
    // The interpolation preview into scratch: the cells with the selected rectangle filled, or for a
    // header run the axis values in the first row of scratch. False without a rectangle.
    bool PreviewInterpolation();

    // ---- Editing operations ----
    void Increment(int step);
    void InsertColumn(int index);
    void InsertRow(int index);
    void DeleteColumn(int index);
    void DeleteRow(int index);
    void DeleteSelectedColumns();
    void DeleteSelectedRows();
    void Interpolate();
    void ApplyDrag(int mode, const Block &target);
    // Commands 13, 14, 15 (use only X, only Y, both) and 19 (sheet on/off).
    bool UseAxesAllowed(int command) const;
    void UseAxes(int command);
    void ToggleSheetEnabled();
    // Insertion boundary nearest to a pixel position (the popup menu's position).
    int ColumnBoundaryAt(int x) const;
    int RowBoundaryAt(int y) const;

    // ---- Block drags of the table (fill handle, border) and drags beyond the visible cells ----
    // The selection's bounding box, ordered; x or y -1 on a header line.
    Block SelectionBlock() const;
    void BeginBlockDrag(int mode, int x, int y);
    // Mouse move during a block drag: returns true when the dragged block changed.
    bool UpdateBlockDrag(int x, int y);
    // Button up: applies the drag to the dragged block.
    void EndBlockDrag();
    // Scrolls a selection or block drag towards a mouse beyond the visible cells (once per tick).
    void DragScrollTick();

    // ---- Mouse areas ----
    // Sheet tab i: from the previous tab's right edge + 1 (2 for the first), titleWidth wide, down to
    // y 18 (the current one to y 20, 2 pixels wider on both sides).
    Rect SheetTabRect(int index) const;
    // Index + 1 of the sheet tab under the mouse, 0 for none (only with more than one sheet).
    int SheetTabAt(int x, int y) const;
    bool OverTable(int x, int y) const;
    bool OverGraph(int x, int y) const;
    // Without a toolbar, the small zone left of the table below its last row switches table and 2D graph.
    bool ClickViewSwitch(int x, int y);
    // Pixel rectangle of a block of the table at its scrolled position (header column and row for -1);
    // empty when the block is not shown because of a collapsed axis.
    Rect BlockPixels(const Block &block) const;
    // The part of the table that holds a block: the cell area, the header row or the header column.
    Rect BlockPart(const Block &block) const;
    // Hover zone of the selection block: DragFill at its bottom-right corner, DragCopy on its border.
    int BlockZoneAt(int x, int y) const;
    // Whether the pointer is on a corner marker of the interpolation rectangle.
    bool InterpolationMarkerAt(int x, int y) const;
    // Mouse wheel outside the graphs' own handling: returns true when consumed.
    bool MouseWheel(int delta, bool buttonHeld, bool overTable, bool overGraph);
    // Focus lost: commits the entry; returns whether the control stays a tab stop.
    bool FocusLost();

    // ---- Input: cursor, spinner, value entry ----
    static constexpr int MoveTo = 10000; // dx or dy of MoveTo + i moves to index i
    void MoveCursor(int dx, int dy, bool extend);
    void StepSpinnerTarget(int step);
    void PlaceSpinner(int column, int row);
    void HideSpinner() { spinner.shown = 0; }
    // Box of the spinner under the mouse; leaving a pressed box releases it without a step.
    void HoverSpinner(int x, int y);
    void PressSpinner(int box);
    void ReleaseSpinner();
    void BeginValueEdit(int column, int row, bool empty);
    void CommitValueEdit();
    void CancelValueEdit() { edit.active = 0; }
    void LayoutValueEdit();
    // Handles one key of the table view; returns whether it was used. key: a character code, or a
    // virtual key code x 256.
    bool TableKey(int key, bool shift, bool control);
    // Keys of every view: "+", "-", Tab. Copy and paste go to the callbacks.
    bool CommonKey(int key, bool shift, bool control);
    // A key for the editor: the common keys first, then the table's while the table is the view.
    // A disabled sheet takes only Tab. Returns whether the key was used (else the 3D graph may).
    bool HandleKey(int key, bool shift, bool control);

    // ---- State ----
    int width;
    int height;
    int EditorOptions;
    int pixelsPerInch;
    std::vector<CSheet> sheets;
    int currentIndex = -1;
    int previousIndex = 0;
    int viewMode = ViewTable;
    int shownViews = ViewTable;
    int colsWanted = 15;
    int rowsWanted = 10;
    int visibleCols = 0;
    int visibleRows = 0;
    int leftMargin = 10;
    int topMargin = 10;
    int rightMargin = 27;
    int bottomMargin = 27;
    int headerGap;
    int rowHeaderWidth;
    int toolbarLeft = 0;
    int toolbarTop = 5;
    int tableX = 0;
    int tableY = 0;
    int columnHeaderHeight = 0;
    int cellsX = 0;
    int cellsY = 0;
    float columnWidth = 0.0f;
    float rowHeight = 0.0f;
    LayoutRecord tableLayout;
    LayoutRecord fullLayout;
    GraphArea graph;
    int baseMarker = 0;
    int limiterMarker = 0;
    int secondMarker = 0;
    int liveRpm = 0;
    int previousRpm = 0;
    int liveTps = 0;
    int liveIap = 0;
    int noConnection = 0;
    std::shared_ptr<int> autoscroll = std::make_shared<int>(1); // shared by all editors of the window
    int languageIndex = 0; // the program's language; a change rebuilds the toolbar at the next tick
    int shownLanguage = 0;
    ScrollBar horizontalBar{true};
    ScrollBar verticalBar{false};
    Spinner spinner;
    TValueEdit edit;
    int tickCount = 0;
    int pendingWhat = 0;
    ChangeKey changeGroup = GroupNow; // GroupNow: no key stored
    int flushDeadline = 0;
    int dirty = 0;
    int mouseX = -1; // last mouse position in the control
    int mouseY = -1;
    int dragMode = DragNone;
    int dragStartX = 0;
    int dragStartY = 0;
    Block dragBlock;
    int shiftState = 0;
    int controlState = 0;
    std::vector<int> scratch = std::vector<int>(MaxCells, 0);

    // ---- Owner hooks ----
    std::function<void(int what)> OnMapChanged; // the change notes, coalesced
    std::function<void()> OnSheetSelected;      // the page synchronises with the new current sheet
    std::function<void()> OnCopy;               // Ctrl+C, Ctrl+Insert
    std::function<void()> OnPaste;              // Ctrl+V, Shift+Insert
    ErrorBox ShowError;
    TextWidth MeasureTitle; // width of a text in the 9-point font of the control; set before AddSheet
    TextWidth MeasureEntry; // width of a text in the bold entry font
    int entryXHeight = 0;   // height of "X" in the entry font

private:
    void InsertPoint(int which, int b);
    void DeletePoint(int which, int index);
    void DeleteSelectedPoints(int which);
    void ScrollTo(int firstColumn, int firstRow);
    void StepItems(int step, bool x, bool y, bool cells);
    void FillLayouts();
};

} // namespace zarvex1
