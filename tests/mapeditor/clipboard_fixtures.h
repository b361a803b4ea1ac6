#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/mapeditor/model/Selection.h"
#include "core/mapeditor/model/Sheet.h"

namespace zarvex1::clipboard_test {

inline void SetPoints(CAxe &axis, std::initializer_list<int> values) {
    axis.count = static_cast<int>(values.size());
    int i = 0;
    for (int v : values)
        axis.values[static_cast<std::size_t>(i++)] = v;
}

inline void SetRows(CSheet &sheet, std::initializer_list<std::initializer_list<int>> rows) {
    int y = 0;
    for (const auto &row : rows) {
        int x = 0;
        for (int v : row)
            sheet.Cell(x++, y) = v;
        ++y;
    }
}

// An ignition-advance map cut down to 4 speeds and 3 throttle points.
inline CSheet AdvanceSheet() {
    CSheet sheet;
    sheet.title = "Advance 1";
    sheet.axisX.key = sheet.axisX.label = "RPM";
    sheet.axisX.scale = 100;
    sheet.axisX.min = 1;
    sheet.axisX.max = 250;
    sheet.axisX.maxCount = 15;
    sheet.axisX.collapseMode = 0;
    SetPoints(sheet.axisX, {10, 20, 35, 60});
    sheet.axisY.key = sheet.axisY.label = "TPS";
    sheet.axisY.unit = "%";
    sheet.axisY.maxCount = 10;
    sheet.axisY.SetEditable(false);
    sheet.axisY.SetResizable(false);
    SetPoints(sheet.axisY, {0, 50, 100});
    sheet.axisData.key = "ADV";
    sheet.axisData.max = 60;
    SetRows(sheet, {{10, 12, 25, 30}, {11, 14, 28, 33}, {12, 15, 30, 36}});
    return sheet;
}

// A throttle sensor calibration: X always collapsed, voltages in millivolts shown as volts.
inline CSheet VoltageSheet() {
    CSheet sheet;
    sheet.title = "TPS sensor";
    sheet.axisX.maxCount = 2;
    sheet.axisX.collapseMode = 2;
    sheet.axisX.SetCollapsed(true);
    sheet.axisX.SetEditable(false);
    sheet.axisX.SetResizable(false);
    sheet.axisX.SetHasValues(false);
    SetPoints(sheet.axisX, {0, 1});
    sheet.axisY.key = "TPS";
    sheet.axisY.unit = "%";
    sheet.axisY.maxCount = 2;
    sheet.axisY.SetEditable(false);
    sheet.axisY.SetResizable(false);
    SetPoints(sheet.axisY, {0, 100});
    sheet.axisData.key = "U";
    sheet.axisData.unit = "V";
    sheet.axisData.scale = 0.001;
    sheet.axisData.max = 5000;
    SetRows(sheet, {{500}, {4500}});
    return sheet;
}

inline LayoutRecord LayoutOf(const CSheet &sheet) {
    LayoutRecord layout;
    layout.columns = sheet.axisX.count;
    layout.rows = sheet.axisY.count;
    return layout;
}

// Selects the given items (column, row; -1 for the header row or column) as a committed selection.
inline void Select(CSheet &sheet, std::initializer_list<std::pair<int, int>> items) {
    TSel &sel = sheet.sel;
    sel.ClearSelection();
    for (const auto &[column, row] : items) {
        if (row == -1) {
            sel.xMarks[static_cast<std::size_t>(column)] |= MarkPending;
            sel.mode = SelXHeaders;
        } else if (column == -1) {
            sel.yMarks[static_cast<std::size_t>(row)] |= MarkPending;
            sel.mode = SelYHeaders;
        } else {
            sel.CellMark(column, row) |= MarkPending;
            sel.mode = SelCells;
        }
    }
    sel.Recount();
    sel.CommitSelection(LayoutOf(sheet));
}

} // namespace zarvex1::clipboard_test
