#include "core/mapeditor/model/TabSheets.h"

#include <algorithm>

#include "core/mapeditor/model/EditorTexts.h"

namespace zarvex1 {

int TabSheets::AddSheet(std::string_view title, std::string_view labelX, std::string_view labelY,
                        std::string_view labelData, int sizeX, int sizeY, int flags) {
    if (Count() >= MaxSheets)
        return -1;
    sheets_.emplace_back();
    const int index = Count() - 1;
    CSheet &s = Sheet(index);
    s.flags = flags;
    SetSheetTitle(index, title);
    s.axisX.label = LimitText(labelX, LabelSize - 1);
    s.axisY.label = LimitText(labelY, LabelSize - 1);
    s.axisData.label = LimitText(labelData, LabelSize - 1);
    s.axisX.SetShowUnit(true);
    s.axisY.SetShowUnit(true);
    s.axisData.SetShowUnit(false);
    sizeX = std::clamp(sizeX, 1, MaxX);
    sizeY = std::clamp(sizeY, 1, MaxY);
    s.axisX.maxCount = s.axisX.count = sizeX;
    s.axisY.maxCount = s.axisY.count = sizeY;
    NormalizeSheet(index, AxisX | AxisY | AxisData);
    return index;
}

void TabSheets::SetSheetTitle(int index, std::string_view title) {
    if (!Valid(index))
        return;
    CSheet &s = Sheet(index);
    s.title = LimitText(title, TitleSize - 1);
    int widest = 0;
    for (int language = 0; language <= 3; ++language)
        widest = std::max(widest, measureTitle_ ? measureTitle_(EditorText(s.title, language)) : 0);
    s.titleWidth = widest + 15;
}

void TabSheets::DefineAxis(int index, int which, const char *key, const char *unit, int min, int max,
                           double scale, int step, const CBand *bands, bool editable, int options,
                           int minCount, int count, int collapseMode, bool collapsed, bool resizable,
                           int collapsePosition, std::uint32_t color) {
    if (!Valid(index))
        return;
    CSheet &s = Sheet(index);
    // What every axis takes alike; the axes of points add their step, counts and collapsing.
    const auto define = [&](CAxe &a) {
        if (key != nullptr)
            a.key = LimitText(key, KeySize - 1);
        if (unit != nullptr)
            a.unit = LimitText(unit, KeySize - 1);
        a.min = min;
        a.max = max;
        a.scale = scale;
        a.SetEditable(editable);
        a.SetFixedRange((options & AxisFixedRange) != 0);
        a.color = color;
        a.SetBands(bands);
    };
    for (int bit : {AxisX, AxisY}) {
        if ((which & bit) == 0)
            continue;
        CAxe &a = s.Axis(bit);
        define(a);
        a.step = step;
        a.SetHasValues((options & AxisHasValues) != 0);
        a.minCount = std::min(minCount <= 0 ? 1 : minCount, a.maxCount);
        a.count = std::clamp(count, a.minCount, a.maxCount);
        a.collapseMode = collapseMode;
        a.SetResizable(resizable);
        a.collapsePosition = collapsePosition;
        a.SetCollapsed(collapsed);
    }
    if ((which & AxisData) != 0) {
        define(s.axisData);
        s.axisData.SetHasValues(true);
    }
}

bool TabSheets::MakeCurrent(int index) {
    if (!Valid(index))
        return false;
    previous_ = current_;
    current_ = index;
    return true;
}

void TabSheets::ApplyMarkerLimits(const CSheet &s) {
    if (s.axisX.label != "RPM")
        return;
    EditorMarkers &m = markers_;
    if ((s.flags & BaseMarkerInRange) != 0)
        m.baseMarker = std::clamp(m.baseMarker, s.axisData.min, std::max(s.axisData.min, s.axisData.max));
    if ((s.flags & LimiterMarkerInRange) != 0)
        m.limiterMarker = std::clamp(m.limiterMarker, s.axisX.min, std::max(s.axisX.min, s.axisX.max));
    if ((s.flags & SecondMarkerInRange) != 0)
        m.secondMarker = std::clamp(m.secondMarker, s.axisX.min, std::max(s.axisX.min, s.axisX.max));
}

void TabSheets::NormalizeSheet(int index, int what) {
    if (!Valid(index))
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

} // namespace zarvex1
