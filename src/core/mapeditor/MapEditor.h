#pragma once

#include <memory>
#include <vector>

#include "core/mapeditor/ChangeNotes.h"
#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/GraphSettings.h"
#include "core/mapeditor/LivePosition.h"
#include "core/mapeditor/TabGraph.h"
#include "core/mapeditor/TableCursor.h"
#include "core/mapeditor/input/BlockDrag.h"
#include "core/mapeditor/input/EditorMouse.h"
#include "core/mapeditor/input/GraphControls.h"
#include "core/mapeditor/input/KeyInput.h"
#include "core/mapeditor/input/SpinnerInput.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/model/TabToolbar.h"

namespace zarvex1 {

class ClipboardAccess;

// The map editor without its widget. It is put together the way a custom-painted editor is: the
// sheets (the document), the table layout, the cursor and selection, the editing operations and the
// input controllers each hold their own state; this class owns them, carries the steps that cross
// them (selecting a sheet, change notes, relayout, scrolling, the tick) and the owner's hooks. The
// parts see the editor only as EditorSteps; each is handed the other parts it uses.
class MapEditor final : public EditorSteps {
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
    GraphControls &GraphMouse() { return graphControls_; }
    const GraphControls &GraphMouse() const { return graphControls_; }
    const ChangeNotes &Notes() const { return notes_; }

    bool HasCurrent() const { return sheets_.HasCurrent(); }
    CSheet &Current() { return sheets_.Current(); }
    const CSheet &Current() const { return sheets_.Current(); }
    int CurrentIndex() const { return sheets_.CurrentIndex(); }

    // ---- Owner, platform and program state ----
    void SetHooks(EditorHooks hooks) { hooks_ = std::move(hooks); }
    const EditorHooks &Hooks() const override { return hooks_; }
    void SetMetrics(TextMetrics metrics);
    const TextMetrics &Metrics() const override { return metrics_; }
    // The system clipboard of copy and paste; none in a test that does not need one.
    void SetClipboard(ClipboardAccess *clipboard) { clipboard_ = clipboard; }
    ClipboardAccess *Clipboard() const { return clipboard_; }
    // The handlers of the 2D and 3D graphs: the editor's own graphs unless another is plugged in.
    void SetGraphInput(GraphInput *graph) { graph_ = graph; }
    GraphInput *Graph() const override { return graph_; }
    // Whether the control has the keyboard focus (the table takes hover only then).
    void SetFocused(bool focused) override { focused_ = focused; }
    bool Focused() const override { return focused_; }
    // The window's print look: no toolbar and no spinner until it ends.
    void SetPrintLook(bool on);
    bool PrintLook() const { return printLook_; }
    // The control's colour (the platform's button face); the table's background and the buttons.
    void SetControlColour(std::uint32_t colour);
    std::uint32_t ControlColour() const { return controlColour_; }
    // The program's language; a change rebuilds the toolbar at the next tick.
    void SetLanguage(int languageIndex) { languageIndex_ = languageIndex; }
    int Language() const override { return languageIndex_; }
    // One flag shared by all editors of the window: keep the actual position scrolled into view.
    void ShareAutoscroll(std::shared_ptr<int> flag) { autoscroll_ = std::move(flag); }
    bool Autoscroll() const { return autoscroll_ && *autoscroll_ != 0; }
    void SetAutoscroll(bool on) { *autoscroll_ = on ? 1 : 0; }

    // ---- Steps across the parts ----
    void SelectSheet(int index) override;
    void NormalizeSheet(int index, int what) { sheets_.NormalizeSheet(index, what); }
    void NoteChange(int what, ChangeKey group) override;
    void FlushChanges();
    void SetWanted(int cols, int rows);
    // The control got another size: the table is laid out for it again.
    void Resize(int width, int height);
    void RebuildToolbar();
    void Relayout() override;
    void SetViewMode(int mode) override;
    void ScrollBy(int dx, int dy) override;
    void ScrollTo(int firstColumn, int firstRow);
    void ScrollIntoView(int column, int row) override;
    // The commands; they live with the command code (EditorCommands.cpp, ClipboardCommands.cpp).
    void RunCommand(int command) override;
    void CopySelection() override;
    void Paste() override;

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
    int TickCount() const override { return tickCount_; }
    bool ShiftDown() const override { return shiftState_ != 0; }
    bool ControlDown() const override { return controlState_ != 0; }
    // The key states as a click or the wheel found them.
    void SetModifiers(bool shiftDown, bool controlDown) {
        shiftState_ = shiftDown ? 1 : 0;
        controlState_ = controlDown ? 1 : 0;
    }

    // ---- Redraw requests ----
    int Dirty() const { return dirty_; }
    void Request(int flags) override { dirty_ |= flags; }
    void ClearDirty() { dirty_ = 0; }

    // The last mouse position in the control (drags beyond the visible cells follow it).
    void SetMouse(int x, int y) override;
    int MouseX() const override { return mouseX_; }
    int MouseY() const override { return mouseY_; }

    // What the painters read; refreshes the interpolation preview.
    EditorView View();

    // 1500 ints for the drag operations.
    std::vector<int> &Scratch() override { return scratch_; }

private:
    // Adds the boxes the live ring covers with its shadow; none while a graph is shown.
    void AddLiveRingDamage(std::vector<Rect> &boxes) const;

    TabSheets sheets_;
    TabLayout layout_;
    LivePosition live_;
    ChangeNotes notes_;
    TabToolbar toolbar_;
    GraphSettings graph3D_;
    TableCursor cursor_{*this, sheets_, layout_};
    EditOperations operations_{*this, sheets_, layout_};
    ValueEntry entry_{*this, sheets_, layout_, operations_};
    SpinnerInput spinner_{*this, sheets_, layout_, cursor_, operations_, entry_};
    BlockDrag drag_{*this, sheets_, layout_, cursor_, operations_};
    KeyInput keys_{*this, sheets_, layout_, cursor_, operations_, entry_};
    EditorMouse mouse_{*this, sheets_, layout_, toolbar_, cursor_, operations_, entry_, spinner_, drag_};
    TabGraph graphs_{*this, sheets_, layout_, live_, graph3D_};
    GraphControls graphControls_{*this, sheets_, layout_, toolbar_, graph3D_, operations_, entry_, graphs_};

    EditorHooks hooks_;
    TextMetrics metrics_;
    ClipboardAccess *clipboard_ = nullptr;
    GraphInput *graph_ = &graphControls_;
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
