#include "core/mapeditor/MapEditor.h"

#include <algorithm>
#include <utility>

#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardAccess.h"
#include "core/mapeditor/views/TableRenderer.h"

namespace zarvex1 {

namespace {

// The sheet tabs' titles are measured in a 9-point font of the control.
constexpr EditorFont TitleFont{9, false, false};

// The ring's shadow and its antialiased pen reach this far beyond its box.
constexpr int RingReach = 3;

} // namespace

MapEditor::MapEditor(int width, int height, int options, int ppi) : layout_(width, height, options, ppi) {}

void MapEditor::SetMetrics(TextMetrics metrics) {
    metrics_ = std::move(metrics);
    sheets_.SetTitleMeasure([this](std::string_view text) { return metrics_.Width(text, TitleFont); });
}

void MapEditor::SelectSheet(int index) {
    if (!sheets_.Valid(index))
        return;
    entry_.Commit();
    sheets_.MakeCurrent(index);
    RebuildToolbar();
    dirty_ |= DirtyRelayout | DirtyRedraw;
    SetViewMode(0);
    UpdateActualPosition();
    if (hooks_.OnSheetSelected)
        hooks_.OnSheetSelected();
}

void MapEditor::NoteChange(int what, ChangeKey group) {
    if (!notes_.Accept(what, group))
        return;
    sheets_.NormalizeSheet(sheets_.CurrentIndex(), what);
    const int delivered = notes_.Settle(group, tickCount_);
    if (delivered != 0 && hooks_.OnMapChanged)
        hooks_.OnMapChanged(delivered);
}

void MapEditor::FlushChanges() {
    if (notes_.Due(tickCount_))
        NoteChange(notes_.Pending(), GroupNow);
}

void MapEditor::SetWanted(int cols, int rows) {
    layout_.SetWanted(cols, rows);
    RebuildToolbar();
}

void MapEditor::SetControlColour(std::uint32_t colour) {
    controlColour_ = colour;
    RebuildToolbar();
    dirty_ |= DirtyRedraw;
}

void MapEditor::Resize(int width, int height) {
    layout_.Resize(width, height);
    RebuildToolbar();
    dirty_ |= DirtyRelayout | DirtyRedraw;
}

void MapEditor::RebuildToolbar() {
    layout_.Rebuild(sheets_);
    entry_.Layout();
    toolbar_.Layout(Geometry(), HasCurrent() ? &Current() : nullptr, languageIndex_, controlColour_);
    toolbar_.SetPreset(graph3D_.Preset());
    UpdateToolbarStates(false);
    Relayout();
}

void MapEditor::SetPrintLook(bool on) {
    if (on == printLook_)
        return;
    printLook_ = on;
    spinner_.Hide();
    dirty_ |= DirtyRedraw;
}

void MapEditor::UpdateToolbarStates(bool probe) {
    if (!HasCurrent())
        return;
    const CSheet &s = Current();
    if (probe)
        clipboardProbe_ = clipboard_ != nullptr ? clipboard_->Probe() : 0;
    ToolbarStates states;
    states.canCopy = entry_.Active() ? entry_.State().HasSelection() : SomethingToCopy(s);
    states.canPasteInto = SomethingToPasteInto(s);
    states.liveTarget = (s.flags & TrackLive) != 0 && s.actualState == 1;
    states.pasteText = (clipboardProbe_ & ClipboardHasText) != 0;
    states.pasteSheet = (clipboardProbe_ & ClipboardHasSheet) != 0;
    states.sheetHasEditable = s.axisX.editable() || s.axisY.editable() || s.axisData.editable();
    if (toolbar_.UpdateStates(states))
        dirty_ |= DirtyRedraw; // the paste button shows what another program put on the clipboard
}

EditorView MapEditor::View() {
    const bool previewOn = (mouse_.Table().PreviewOn() || (graph_ != nullptr && graph_->PreviewOn())) &&
                           operations_.PreviewInterpolation(preview_);
    EditorView view{Geometry(),
                    sheets_,
                    HasCurrent() ? &Current() : nullptr,
                    entry_.State(),
                    spinner_.State(),
                    drag_.Mode(),
                    drag_.Dragged(),
                    cursor_.SelectionBlock(),
                    layout_.HorizontalBar(),
                    layout_.VerticalBar(),
                    toolbar_,
                    focused_,
                    previewOn,
                    preview_,
                    languageIndex_,
                    controlColour_,
                    metrics_};
    view.printLook = printLook_;
    return view;
}

void MapEditor::Relayout() {
    if (HasCurrent())
        layout_.Relayout(Current());
    toolbar_.ShowView(Geometry().viewMode, Geometry().leftMargin, Geometry().topMargin);
}

void MapEditor::SetViewMode(int mode) {
    layout_.SetViewMode(mode, HasCurrent() ? &Current() : nullptr);
    toolbar_.ShowView(Geometry().viewMode, Geometry().leftMargin, Geometry().topMargin);
    if (mode != 0)
        dirty_ |= DirtyRelayout | DirtyRedraw;
}

void MapEditor::ScrollTo(int firstColumn, int firstRow) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const TableGeometry &g = Geometry();
    const int nc = s.axisX.collapsed()
                       ? s.axisX.firstVisible
                       : std::clamp(firstColumn, 0, std::max(0, s.axisX.count - g.visibleCols));
    const int nr = s.axisY.collapsed() ? s.axisY.firstVisible
                                       : std::clamp(firstRow, 0, std::max(0, s.axisY.count - g.visibleRows));
    if (nc == s.axisX.firstVisible && nr == s.axisY.firstVisible)
        return;
    layout_.SetFirstVisible(s, nc, nr);
    spinner_.Hide();
    entry_.Commit();
    dirty_ |= DirtyRedraw;
}

void MapEditor::ScrollBy(int dx, int dy) {
    if (!HasCurrent())
        return;
    ScrollTo(Current().axisX.firstVisible + dx, Current().axisY.firstVisible + dy);
}

void MapEditor::ScrollIntoView(int column, int row) {
    if (!HasCurrent())
        return;
    const CSheet &s = Current();
    const TableGeometry &g = Geometry();
    int nc = s.axisX.firstVisible, nr = s.axisY.firstVisible;
    if (column >= 0 && !s.axisX.collapsed()) {
        if (column < nc)
            nc = column;
        else if (column >= nc + g.visibleCols)
            nc = column - g.visibleCols + 1;
    }
    if (row >= 0 && !s.axisY.collapsed()) {
        if (row < nr)
            nr = row;
        else if (row >= nr + g.visibleRows)
            nr = row - g.visibleRows + 1;
    }
    ScrollTo(nc, nr);
}

void MapEditor::SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown) {
    live_.SetLiveValues(rpm, tpsTenths, iapKpa, noConnectionShown);
}

void MapEditor::ApplyActiveMap(bool map2Active) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    if (s.title == "Advance 1")
        s.flags = map2Active ? (s.flags & ~TrackLive) : (s.flags | TrackLive);
    else if (s.title == "Advance 2")
        s.flags = map2Active ? (s.flags | TrackLive) : (s.flags & ~TrackLive);
}

void MapEditor::UpdateActualPosition() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const ActualChange change = live_.Update(s, (Geometry().shownViews & ViewGraph2D) != 0);
    if (change.moved && Autoscroll())
        ScrollIntoView(s.actualX, s.actualY);
    if (change.redraw)
        dirty_ |= DirtyRedraw;
}

void MapEditor::SetMouse(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
}

void MapEditor::AddLiveRingDamage(std::vector<Rect> &boxes) const {
    if ((Geometry().shownViews & ~ViewTable) != 0)
        return; // a graph follows the live values too
    const std::size_t first = boxes.size();
    AddLiveRingBoxes(Geometry(), Current(), boxes);
    for (std::size_t i = first; i < boxes.size(); ++i)
        boxes[i] = {boxes[i].left - RingReach, boxes[i].top - RingReach, boxes[i].right + RingReach,
                    boxes[i].bottom + RingReach};
}

bool MapEditor::Tick(bool shiftDown, bool controlDown) {
    ++tickCount_;
    damage_.clear();
    if (!HasCurrent())
        return false;
    // What was asked for before the tick needs the whole control.
    const int pending = std::exchange(dirty_, 0);
    const int shift = shiftDown ? 1 : 0, control = controlDown ? 1 : 0;
    if (Geometry().viewMode == ViewGraph2D && (shift != shiftState_ || control != controlState_))
        dirty_ |= DirtyRedraw; // the 2D graph shows the key states
    shiftState_ = shift;
    controlState_ = control;

    spinner_.Tick();
    if (entry_.Blink())
        dirty_ |= DirtyRedraw;
    int live = 0;
    bool scrolled = false;
    if ((tickCount_ & 2) != 0) {
        const int others = std::exchange(dirty_, 0);
        const CSheet &s = Current();
        const int firstX = s.axisX.firstVisible, firstY = s.axisY.firstVisible;
        AddLiveRingDamage(damage_); // where the ring was
        UpdateActualPosition();
        live = std::exchange(dirty_, others);
        scrolled = s.axisX.firstVisible != firstX || s.axisY.firstVisible != firstY;
        AddLiveRingDamage(damage_); // where it is now
        UpdateToolbarStates((tickCount_ & 8) != 0);
    }
    drag_.ScrollTick();

    for (ScrollBar *bar : {&layout_.HorizontalBar(), &layout_.VerticalBar()}) {
        if (!bar->Tick())
            continue;
        CSheet &s = Current();
        if (bar == &layout_.HorizontalBar())
            s.axisX.firstVisible = bar->position;
        else
            s.axisY.firstVisible = bar->position;
        Relayout();
        spinner_.Hide();
        dirty_ |= DirtyRedraw;
    }

    if (languageIndex_ != shownLanguage_) {
        shownLanguage_ = languageIndex_;
        RebuildToolbar();
        dirty_ |= DirtyRedraw;
    }

    FlushChanges();
    if (pending != 0 || dirty_ != 0 || live != DirtyRedraw || scrolled)
        damage_.clear();
    dirty_ |= pending | live;
    return dirty_ != 0;
}

} // namespace zarvex1
