#include "mapeditor/TabModel.h"

#include <algorithm>
#include <cmath>

#include "app/TextTables.h"

namespace zarvex1 {

namespace {

constexpr std::string_view NotFoundText = "?STR not found?";

// A title the tables do not know is shown as it is.
std::string TranslateOrKeep(std::string_view text, int language) {
    std::string translated = TranslateText(TextTableEditor, text, language);
    if (translated == NotFoundText && text != NotFoundText)
        return std::string(text);
    return translated;
}

} // namespace

ChangeKey MakeChangeKey(StepKind kind, int step, int column, int row, int count) {
    // Disjoint bit fields: kind, sign of the step, item count, column and row (offset past -2).
    const auto k = static_cast<ChangeKey>(kind);
    const ChangeKey sign = step > 0 ? 1 : 0;
    const auto n = static_cast<ChangeKey>(count & 0x7FFF);
    const auto c = static_cast<ChangeKey>(static_cast<std::uint16_t>(column + 2));
    const auto r = static_cast<ChangeKey>(static_cast<std::uint16_t>(row + 2));
    return (k << 48) | (sign << 47) | (n << 32) | (c << 16) | r;
}

TTabModel::TTabModel(int w, int h, int options, int ppi)
    : width(w), height(h), EditorOptions(options), pixelsPerInch(ppi), headerGap(ppi * 15 / 96),
      rowHeaderWidth(ppi * 65 / 96) {
    sheets.reserve(MaxSheets);
}

int TTabModel::AddSheet(std::string_view title, std::string_view labelX, std::string_view labelY,
                        std::string_view labelData, int sizeX, int sizeY, int flags) {
    if (SheetCount() >= MaxSheets)
        return -1;
    sheets.emplace_back();
    const int index = SheetCount() - 1;
    CSheet &s = Sheet(index);
    s.flags = flags;
    SetSheetTitle(index, title);
    s.axisX.label = LimitText(labelX, LabelSize - 1);
    s.axisY.label = LimitText(labelY, LabelSize - 1);
    s.axisData.label = LimitText(labelData, LabelSize - 1);
    s.axisX.showUnit = 1;
    s.axisY.showUnit = 1;
    s.axisData.showUnit = 0;
    sizeX = std::clamp(sizeX, 1, MaxX);
    sizeY = std::clamp(sizeY, 1, MaxY);
    s.axisX.maxCount = s.axisX.count = sizeX;
    s.axisY.maxCount = s.axisY.count = sizeY;
    NormalizeSheet(index, AxisX | AxisY | AxisData);
    return index;
}

void TTabModel::SetSheetTitle(int index, std::string_view title) {
    if (index < 0 || index >= SheetCount())
        return;
    CSheet &s = Sheet(index);
    s.title = LimitText(title, TitleSize - 1);
    int widest = 0;
    for (int language = 0; language <= 3; ++language)
        widest = std::max(widest, MeasureTitle ? MeasureTitle(TranslateOrKeep(s.title, language)) : 0);
    s.titleWidth = widest + 15;
}

void TTabModel::DefineAxis(int index, int which, const char *key, const char *unit, int min, int max,
                           double scale, int step, const CBand *bands, int editable, int options,
                           int minCount, int count, int collapseMode, int collapsed, int resizable,
                           int collapsePosition, std::uint32_t color) {
    if (index < 0 || index >= SheetCount())
        return;
    CSheet &s = Sheet(index);
    for (int bit : {AxisX, AxisY}) {
        if ((which & bit) == 0)
            continue;
        CAxe &a = s.Axis(bit);
        if (key != nullptr)
            a.key = LimitText(key, KeySize - 1);
        if (unit != nullptr)
            a.unit = LimitText(unit, KeySize - 1);
        a.min = min;
        a.max = max;
        a.scale = scale;
        a.step = step;
        a.editable = editable;
        a.hasValues = (options & AxisHasValues) != 0 ? 1 : 0;
        a.fixedRange = (options & AxisFixedRange) != 0 ? 1 : 0;
        a.minCount = std::min(minCount <= 0 ? 1 : minCount, a.maxCount);
        a.count = std::clamp(count, a.minCount, a.maxCount);
        a.collapseMode = collapseMode;
        a.collapsed = collapsed;
        a.resizable = resizable;
        a.collapsePosition = collapsePosition;
        a.color = color;
        a.SetBands(bands);
    }
    if ((which & AxisData) != 0) {
        CAxe &a = s.axisData;
        if (key != nullptr)
            a.key = LimitText(key, KeySize - 1);
        if (unit != nullptr)
            a.unit = LimitText(unit, KeySize - 1);
        a.min = min;
        a.max = max;
        a.scale = scale;
        a.editable = editable;
        a.fixedRange = (options & AxisFixedRange) != 0 ? 1 : 0;
        a.color = color;
        a.SetBands(bands);
        a.hasValues = 1;
    }
}

void TTabModel::SelectSheet(int index) {
    if (index < 0 || index >= SheetCount())
        return;
    CommitValueEdit();
    previousIndex = currentIndex;
    currentIndex = index;
    RebuildToolbar();
    dirty |= DirtyRelayout | DirtyRedraw;
    SetViewMode(0);
    UpdateActualPosition();
    if (OnSheetSelected)
        OnSheetSelected();
}

void TTabModel::ApplyMarkerLimits(const CSheet &s) {
    if (s.axisX.label != "RPM")
        return;
    if ((s.flags & BaseMarkerInRange) != 0)
        baseMarker = std::clamp(baseMarker, s.axisData.min, std::max(s.axisData.min, s.axisData.max));
    if ((s.flags & LimiterMarkerInRange) != 0)
        limiterMarker = std::clamp(limiterMarker, s.axisX.min, std::max(s.axisX.min, s.axisX.max));
    if ((s.flags & SecondMarkerInRange) != 0)
        secondMarker = std::clamp(secondMarker, s.axisX.min, std::max(s.axisX.min, s.axisX.max));
}

void TTabModel::NormalizeSheet(int index, int what) {
    if (index < 0 || index >= SheetCount())
        return;
    CSheet &s = Sheet(index);
    ApplyMarkerLimits(s);
    for (int bit : {AxisX, AxisY}) {
        if ((what & bit) == 0)
            continue;
        if ((what & ResetLastEdited) != 0)
            s.Axis(bit).lastEdited = NoneEdited;
        s.Axis(bit).Normalize();
    }
    if ((what & AxisData) != 0)
        s.ClampCells();
}

void TTabModel::SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown) {
    liveRpm = rpm;
    liveTps = static_cast<int>(std::trunc(tpsTenths * 0.1));
    liveIap = iapKpa;
    noConnection = noConnectionShown ? 1 : 0;
}

void TTabModel::ApplyActiveMap(bool map2Active) {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    if (s.title == "Advance 1")
        s.flags = map2Active ? (s.flags & ~TrackLive) : (s.flags | TrackLive);
    else if (s.title == "Advance 2")
        s.flags = map2Active ? (s.flags | TrackLive) : (s.flags & ~TrackLive);
}

int TTabModel::ActualIndex(const CSheet &s, const CAxe &a) const {
    int value = 0;
    if (noConnection != 0)
        return -2;
    if (a.key == "RPM")
        value = liveRpm;
    else if (a.key == "TPS")
        value = liveTps;
    else if (a.key == "IAP")
        value = liveIap;
    else
        return -2;
    const int n = std::clamp(a.count, 0, a.Capacity());
    if (n == 0)
        return -2;
    const int raw = RawFromPhysical(value, a.scale);
    if (raw < a.values[0])
        return (s.flags & BaseMarkerInRange) != 0 && a.key == "RPM" ? -1 : 0;
    for (int i = 0; i < n - 1; ++i) {
        const long long mid = (static_cast<long long>(a.values[static_cast<std::size_t>(i)]) +
                               a.values[static_cast<std::size_t>(i + 1)]) /
                              2;
        if (raw < mid)
            return i;
    }
    return n - 1;
}

void TTabModel::UpdateActualPosition() {
    if (!HasCurrent())
        return;
    CSheet &s = Current();
    const int oldState = s.actualState, oldX = s.actualX, oldY = s.actualY;
    s.actualState = 0;
    s.actualX = s.actualY = -2;
    if ((s.flags & TrackLive) == 0) {
        if (oldState != 0)
            dirty |= DirtyRedraw;
        return;
    }
    // The 2D graph shows the live speed on its horizontal axis: redraw when it moved.
    const CAxe &horizontal = (s.flags & SwapGraphAxes) != 0 ? s.axisY : s.axisX;
    if ((shownViews & ViewGraph2D) != 0 && horizontal.key == "RPM" && liveRpm != previousRpm)
        dirty |= DirtyRedraw;
    s.actualX = ActualIndex(s, s.axisX);
    s.actualY = ActualIndex(s, s.axisY);
    previousRpm = liveRpm;
    s.actualState = 1;
    if ((s.actualX == -2 && s.axisX.collapsed == 0) || (s.actualY == -2 && s.axisY.collapsed == 0)) {
        s.actualState = 0;
        if (oldState != 0)
            dirty |= DirtyRedraw;
        return;
    }
    if (s.axisX.collapsed != 0)
        s.actualX = s.axisX.collapsedIndex;
    if (s.axisY.collapsed != 0)
        s.actualY = s.axisY.collapsedIndex;
    if (s.axisX.key == "RPM" && liveRpm == 0)
        s.actualState = 0;
    if (s.actualState != oldState || s.actualX != oldX || s.actualY != oldY) {
        if (autoscroll && *autoscroll != 0)
            ScrollIntoView(s.actualX, s.actualY);
        dirty |= DirtyRedraw;
    }
}

void TTabModel::NoteChange(int what, ChangeKey group) {
    if (group == GroupEnd && changeGroup != GroupBegin)
        return;
    pendingWhat |= what;
    NormalizeSheet(currentIndex, what);
    const bool otherKey = changeGroup != GroupNow && changeGroup != group;
    if (otherKey || group == GroupNow) {
        const int delivered = pendingWhat;
        pendingWhat = 0;
        changeGroup = GroupNow;
        flushDeadline = 0;
        if (otherKey && group == GroupBegin)
            changeGroup = GroupBegin; // the new operation's change starts
        if (delivered != 0 && OnMapChanged)
            OnMapChanged(delivered);
        return;
    }
    changeGroup = group;
    flushDeadline = tickCount + 5;
}

void TTabModel::FlushChanges() {
    if (pendingWhat != 0 && tickCount >= flushDeadline)
        NoteChange(pendingWhat, GroupNow);
}

bool TTabModel::Tick(bool shiftDown, bool controlDown) {
    ++tickCount;
    if (!HasCurrent())
        return false;
    const int shift = shiftDown ? 1 : 0, control = controlDown ? 1 : 0;
    if (viewMode == ViewGraph2D && (shift != shiftState || control != controlState))
        dirty |= DirtyRedraw; // the 2D graph shows the key states
    shiftState = shift;
    controlState = control;

    // Spinner auto-repeat: from the sixth tick after the press on, one step per tick.
    if (spinner.shown != 0 && spinner.hoverBox != 0 &&
        ((spinner.hoverBox == 1 && spinner.upPressed != 0) ||
         (spinner.hoverBox == 2 && spinner.downPressed != 0)) &&
        tickCount - spinner.pressTick >= 6) {
        spinner.repeating = 1;
        StepSpinnerTarget(spinner.hoverBox == 1 ? 1 : -1);
    }

    if (edit.active != 0) {
        edit.blink = (edit.blink + 1) % 16;
        if (edit.blink == 0 || edit.blink == 8)
            dirty |= DirtyRedraw;
    }

    if ((tickCount & 2) != 0)
        UpdateActualPosition();

    DragScrollTick();

    for (ScrollBar *bar : {&horizontalBar, &verticalBar}) {
        if (bar->Tick()) {
            CSheet &s = Current();
            if (bar == &horizontalBar)
                s.axisX.firstVisible = bar->position;
            else
                s.axisY.firstVisible = bar->position;
            Relayout();
            HideSpinner();
            dirty |= DirtyRedraw;
        }
    }

    if (languageIndex != shownLanguage) {
        shownLanguage = languageIndex;
        RebuildToolbar();
        dirty |= DirtyRedraw;
    }

    FlushChanges();
    return dirty != 0;
}

} // namespace zarvex1
