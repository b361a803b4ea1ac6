#include "core/mapeditor/input/ValueEntry.h"

#include <cmath>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {

EditorFont ValueEntry::Font() const {
    return EditorFont{static_cast<int>(std::lround(1.4 * steps_.Metrics().baseSize)), true, false};
}

void ValueEntry::Begin(int column, int row, bool empty) {
    if (!sheets_.HasCurrent())
        return;
    const CSheet &s = sheets_.Current();
    std::string text;
    if (!empty) {
        if (row == -1 && column >= 0 && column < MaxX)
            text = FormatValue(s.axisX.values[static_cast<std::size_t>(column)], s.axisX.scale);
        else if (column == -1 && row >= 0 && row < MaxY)
            text = FormatValue(s.axisY.values[static_cast<std::size_t>(row)], s.axisY.scale);
        else if (column >= 0 && row >= 0 && column < MaxX && row < MaxY)
            text = FormatValue(s.Cell(column, row), s.axisData.scale);
    }
    edit_.Start(column, row, std::move(text));
    Layout();
    steps_.Request(DirtyRedraw);
}

void ValueEntry::Layout() {
    if (edit_.active == 0)
        return;
    const TextMetrics &metrics = steps_.Metrics();
    const EditorFont font = Font();
    edit_.Layout(
        layout_.ItemRect(edit_.editCol, edit_.editRow),
        [&metrics, &font](std::string_view text) { return metrics.Width(text, font); },
        metrics.XHeight(font));
}

void ValueEntry::Commit() {
    if (edit_.active == 0)
        return;
    edit_.active = 0;
    steps_.Request(DirtyRedraw);
    if (const auto value = ParseEntryValue(edit_.editText))
        operations_.StoreValue(edit_.editCol, edit_.editRow, *value);
}

void ValueEntry::Cancel() {
    if (edit_.active == 0)
        return;
    edit_.active = 0;
    steps_.Request(DirtyRedraw);
}

bool ValueEntry::Blink() {
    if (edit_.active == 0)
        return false;
    edit_.blink = (edit_.blink + 1) % 16;
    return edit_.blink == 0 || edit_.blink == 8;
}

} // namespace zarvex1
