#pragma once

#include <memory>
#include <vector>

#include "mapeditor/BlockDrag.h"
#include "mapeditor/ChangeNotes.h"
#include "mapeditor/EditOperations.h"
#include "mapeditor/EditorCommands.h"
#include "mapeditor/EditorMouse.h"
#include "mapeditor/EditorTypes.h"
#include "mapeditor/EditorView.h"
#include "mapeditor/KeyInput.h"
#include "mapeditor/LivePosition.h"
#include "mapeditor/SpinnerInput.h"
#include "mapeditor/TabGraph.h"
#include "mapeditor/TabLayout.h"
#include "mapeditor/TabSheets.h"
#include "mapeditor/TabToolbar.h"
#include "mapeditor/TableCursor.h"
#include "mapeditor/ValueEntry.h"

namespace zarvex1 {

class ClipboardAccess;
class GraphInput;

// The map editor without its widget. It is put together the way a custom-painted editor is: the
// sheets (the document), the table layout, the cursor and selection, the editing operations and the
// input controllers each hold their own state; this class owns them, carries the steps that cross
// them (selecting a sheet, change notes, relayout, scrolling, the tick) and the owner's hooks.
class MapEditor {
public:
    MapEditor(int width, int height, int options, int pixelsPerInch = 96);
    MapEditor(const MapEditor &) = delete;
    MapEditor &operator=(const MapEditor &) = delete;

    // ---- Parts ----
    TabSheets &Sheets() { return sheets_; }
    const TabSheets &Sheets() const { return sheets_; }
    TabLayout &Layout() { return layout_; }
    const TabLayout &Layout() const { return layout_; }
    const TableGeometry &Geometry() const { return layout_.Geometry(); }
    const LivePosition &Live() const { return live_; }
    TableCursor &Cursor() { return cursor_; }
    const TableCursor &Cursor() const { return cursor_; }
    EditOperations &Operations() { return operations_; }
    ValueEntry &Entry() { return entry_; }
    const TValueEdit &Edit() const { return entry_.State(); }
    SpinnerInput &Spinners() { return spinner_; }
    const Spinner &SpinnerState() const { return spinner_.State(); }
    BlockDrag &Drag() { return drag_; }
    const BlockDrag &Drag() const { return drag_; }
    KeyInput &Keys() { return keys_; }
    EditorMouse &Mouse() { return mouse_; }
    const EditorMouse &Mouse() const { return mouse_; }
    TabToolbar &Toolbar() { return toolbar_; }
    const TabToolbar &Toolbar() const { return toolbar_; }
    GraphSettings &Graph3D() { return graph3D_; }
    const GraphSettings &Graph3D() const { return graph3D_; }
    TabGraph &Graphs() { return graphs_; }
    const TabGraph &Graphs() const { return graphs_; }
    const ChangeNotes &Notes() const { return notes_; }

    bool HasCurrent() const { return sheets_.HasCurrent(); }
    CSheet &Current() { return sheets_.Current(); }
    const CSheet &Current() const { return sheets_.Current(); }
    int CurrentIndex() const { return sheets_.CurrentIndex(); }

    // ---- Owner, platform and program state ----
    void SetHooks(EditorHooks hooks) { hooks_ = std::move(hooks); }
    const EditorHooks &Hooks() const { return hooks_; }
    void SetMetrics(TextMetrics metrics);
    const TextMetrics &Metrics() const { return metrics_; }
    // The system clipboard of copy and paste; none in a test that does not need one.
    void SetClipboard(ClipboardAccess *clipboard) { clipboard_ = clipboard; }
    ClipboardAccess *Clipboard() const { return clipboard_; }
    // The handlers of the 2D and 3D graphs: the editor's own graphs unless another is plugged in.
    void SetGraphInput(GraphInput *graph) { graph_ = graph; }
    GraphInput *Graph() const { return graph_; }
    // Whether the control has the keyboard focus (the table takes hover only then).
    void SetFocused(bool focused) { focused_ = focused; }
    bool Focused() const { return focused_; }
    // The window's print look: no toolbar and no spinner until it ends.
    void SetPrintLook(bool on);
    bool PrintLook() const { return printLook_; }
    // The control's colour (the platform's button face); the table's background and the buttons.
    void SetControlColour(std::uint32_t colour);
    std::uint32_t ControlColour() const { return controlColour_; }
    // The program's language; a change rebuilds the toolbar at the next tick.
    void SetLanguage(int languageIndex) { languageIndex_ = languageIndex; }
    int Language() const { return languageIndex_; }
    // One flag shared by all editors of the window: keep the actual position scrolled into view.
    void ShareAutoscroll(std::shared_ptr<int> flag) { autoscroll_ = std::move(flag); }
    bool Autoscroll() const { return autoscroll_ && *autoscroll_ != 0; }
    void SetAutoscroll(bool on) { *autoscroll_ = on ? 1 : 0; }

    // ---- Steps across the parts ----
    void SelectSheet(int index);
    void NormalizeSheet(int index, int what) { sheets_.NormalizeSheet(index, what); }
    void NoteChange(int what, ChangeKey group);
    void FlushChanges();
    void SetWanted(int cols, int rows);
    // The control got another size: the table is laid out for it again.
    void Resize(int width, int height);
    void RebuildToolbar();
    void Relayout();
    void SetViewMode(int mode);
    void ScrollBy(int dx, int dy);
    void ScrollTo(int firstColumn, int firstRow);
    void ScrollIntoView(int column, int row);

    // ---- Live values and the timer ----
    void SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown);
    // "Advance 1" follows the live values while map 1 is active, "Advance 2" while map 2 is.
    void ApplyActiveMap(bool map2Active);
    void UpdateActualPosition();
    // The enable states of the toolbar; probe asks the clipboard what it holds.
    void UpdateToolbarStates(bool probe);
    // One timer tick; returns true when the control should render (dirty is not 0).
    bool Tick(bool shiftDown, bool controlDown);
    // After a tick in which only the live ring of a table moved: the boxes of its old and new places
    // (right and bottom exclusive), all a render has to repaint. Empty when the whole control must be
    // drawn. It holds until the next tick.
    const std::vector<Rect> &Damage() const { return damage_; }
    int TickCount() const { return tickCount_; }
    bool ShiftDown() const { return shiftState_ != 0; }
    bool ControlDown() const { return controlState_ != 0; }
    // The key states as a click or the wheel found them.
    void SetModifiers(bool shiftDown, bool controlDown) {
        shiftState_ = shiftDown ? 1 : 0;
        controlState_ = controlDown ? 1 : 0;
    }

    // ---- Redraw requests ----
    int Dirty() const { return dirty_; }
    void Request(int flags) { dirty_ |= flags; }
    void ClearDirty() { dirty_ = 0; }

    // The last mouse position in the control (drags beyond the visible cells follow it).
    void SetMouse(int x, int y);
    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }

    // What the painters read; refreshes the interpolation preview.
    EditorView View();

    // 1500 ints for the drag operations.
    std::vector<int> &Scratch() { return scratch_; }

private:
    // Adds the boxes the live ring covers with its shadow; none while a graph is shown.
    void AddLiveRingDamage(std::vector<Rect> &boxes) const;

    TabSheets sheets_;
    TabLayout layout_;
    LivePosition live_;
    ChangeNotes notes_;
    TableCursor cursor_{*this};
    EditOperations operations_{*this};
    ValueEntry entry_{*this};
    SpinnerInput spinner_{*this};
    BlockDrag drag_{*this};
    KeyInput keys_{*this};
    EditorMouse mouse_{*this};
    TabToolbar toolbar_;
    GraphSettings graph3D_;
    TabGraph graphs_{*this};

    EditorHooks hooks_;
    TextMetrics metrics_;
    ClipboardAccess *clipboard_ = nullptr;
    GraphInput *graph_ = &graphs_;
    bool focused_ = false;
    bool printLook_ = false;
    std::uint32_t controlColour_ = Rgb(212, 208, 200);
    int clipboardProbe_ = 0;
    std::vector<int> preview_ = std::vector<int>(MaxCells, 0);
    std::shared_ptr<int> autoscroll_ = std::make_shared<int>(1);
    int languageIndex_ = 0;
    int shownLanguage_ = 0;
    int tickCount_ = 0;
    int dirty_ = 0;
    std::vector<Rect> damage_;
    int shiftState_ = 0;
    int controlState_ = 0;
    int mouseX_ = -1;
    int mouseY_ = -1;
    std::vector<int> scratch_ = std::vector<int>(MaxCells, 0);
};

} // namespace zarvex1
