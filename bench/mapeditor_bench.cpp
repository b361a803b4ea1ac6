#include <benchmark/benchmark.h>

#include "core/mapeditor/MapEditor.h"

namespace {

using namespace zarvex1;

// An advance map editor with live values on the map, as the window's timer drives it.
void EditorTickWithLiveValues(benchmark::State &state) {
    MapEditor tab(800, 500, ShowToolbar | AllowTable | AllowGraph2D | AllowGraph3D);
    tab.Sheets().AddSheet("Advance 1", "RPM", "TPS", "Advance", 15, 10,
                          TrackLive | BaseMarkerInRange | LimiterMarkerInRange | SecondMarkerInRange);
    tab.Sheets().DefineAxis(0, AxisX, "RPM", "rpm", 1, 250, 100, 1, nullptr, 1, AxisHasValues, 1, 15, 1, 0, 1,
                            -1, ColorWhite);
    tab.Sheets().DefineAxis(0, AxisY, "TPS", "%", 0, 100, 1, 1, nullptr, 1, AxisHasValues, 1, 10, 1, 0, 1, -1,
                            ColorWhite);
    tab.Sheets().DefineAxis(0, AxisData, "ADV", "°", -10, 60, 1, 1, nullptr, 1, 0, 0, 0, 0, 0, 0, 0,
                            ColorWhite);
    for (int i = 0; i < 15; ++i)
        tab.Sheets().Sheet(0).axisX.values[static_cast<std::size_t>(i)] = 10 * (i + 1);
    for (int j = 0; j < 10; ++j)
        tab.Sheets().Sheet(0).axisY.values[static_cast<std::size_t>(j)] = 10 * j;
    tab.NormalizeSheet(0, AxisX | AxisY | AxisData | ResetLastEdited);
    tab.SelectSheet(0);
    int rpm = 1000;
    for (auto _ : state) {
        rpm = rpm >= 15000 ? 1000 : rpm + 137; // the live point wanders over the map
        tab.SetLiveValues(rpm, (rpm / 15) % 1000, 100, false);
        benchmark::DoNotOptimize(tab.Tick(false, false));
        tab.ClearDirty(); // the widget renders and clears it
    }
}
BENCHMARK(EditorTickWithLiveValues);

// Normalizing a full 50 x 30 sheet after one breakpoint was dragged across its neighbours.
void NormalizeFullSheet(benchmark::State &state) {
    MapEditor tab(800, 500, AllowTable);
    tab.Sheets().AddSheet("Big", "RPM", "TPS", "Advance", 50, 30, 0);
    tab.Sheets().DefineAxis(0, AxisX | AxisY, "RPM", nullptr, 0, 10000, 1, 5, nullptr, 1, AxisHasValues, 1,
                            50, 1, 0, 1, -1, ColorWhite);
    tab.Sheets().DefineAxis(0, AxisData, "ADV", nullptr, -10, 60, 1, 1, nullptr, 1, 0, 0, 0, 0, 0, 0, 0,
                            ColorWhite);
    CSheet &s = tab.Sheets().Sheet(0);
    for (int i = 0; i < 50; ++i)
        s.axisX.values[static_cast<std::size_t>(i)] = 100 * i;
    for (int j = 0; j < 30; ++j)
        s.axisY.values[static_cast<std::size_t>(j)] = 100 * j;
    for (int k = 0; k < MaxCells; ++k)
        s.axisData.values[static_cast<std::size_t>(k)] = k % 90 - 20;
    tab.NormalizeSheet(0, AxisX | AxisY | AxisData | ResetLastEdited);
    bool forth = true;
    for (auto _ : state) {
        s.axisX.values[10] = forth ? 4000 : 1000; // pushes 30 points up, then lets them spring back
        s.axisY.values[5] = forth ? 2500 : 500;
        forth = !forth;
        tab.NormalizeSheet(0, AxisX | AxisY | AxisData);
        benchmark::DoNotOptimize(s.axisX.values.data());
    }
}
BENCHMARK(NormalizeFullSheet);

} // namespace
