#pragma once

#include <initializer_list>
#include <vector>

#include "core/mapeditor/MapEditor.h"

namespace zarvex1::testing {

// An advance-map editor: 15 speed points (rpm / 100) over 10 throttle points, advance -10..60.
struct AdvanceEditor {
    MapEditor tab{600, 400, ShowToolbar | AllowTable | AllowGraph2D | AllowGraph3D};
    std::vector<int> notes; // what each OnMapChanged delivered
    std::vector<std::pair<std::string, std::string>> errors;

    AdvanceEditor() {
        EditorHooks hooks;
        hooks.OnMapChanged = [this](int what) { notes.push_back(what); };
        hooks.ShowError = [this](const std::string &text, const std::string &caption) {
            errors.emplace_back(text, caption);
        };
        tab.SetHooks(hooks);
        tab.Sheets().AddSheet("Advance 1", "RPM", "TPS", "Advance", 15, 10,
                              TrackLive | BaseMarkerInRange | LimiterMarkerInRange | SecondMarkerInRange);
        tab.Sheets().DefineAxis(0, AxisX, "RPM", "rpm", 1, 250, 100, 1, nullptr, 1, AxisHasValues, 1, 15, 1,
                                0, 1, -1, ColorWhite);
        tab.Sheets().DefineAxis(0, AxisY, "TPS", "%", 0, 100, 1, 1, nullptr, 1, AxisHasValues, 1, 10, 1, 0, 1,
                                -1, ColorWhite);
        tab.Sheets().DefineAxis(0, AxisData, "ADV", "°", -10, 60, 1, 1, nullptr, 1, 0, 0, 0, 0, 0, 0, 0,
                                ColorWhite);
        for (int i = 0; i < 15; ++i)
            sheet().axisX.values[static_cast<std::size_t>(i)] = 10 * (i + 1); // 1000 ... 15000 rpm
        for (int j = 0; j < 10; ++j)
            sheet().axisY.values[static_cast<std::size_t>(j)] = 10 * j; // 0 ... 90 %
        tab.NormalizeSheet(0, AxisX | AxisY | AxisData | ResetLastEdited);
        tab.SelectSheet(0);
    }

    CSheet &sheet() { return tab.Sheets().Sheet(0); }
    std::vector<int> xValues() const {
        const CAxe &a = tab.Sheets().Sheet(0).axisX;
        return {a.values.begin(), a.values.begin() + a.count};
    }
    std::vector<int> row(int y, int x0, int x1) const {
        std::vector<int> out;
        for (int x = x0; x <= x1; ++x)
            out.push_back(tab.Sheets().Sheet(0).Cell(x, y));
        return out;
    }
    void setRow(int y, int x0, std::initializer_list<int> values) {
        int x = x0;
        for (int v : values)
            sheet().Cell(x++, y) = v;
    }
};

} // namespace zarvex1::testing
