#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "core/mapeditor/views/ChromeRenderer.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <benchmark/benchmark.h>

namespace zarvex1 {
namespace {

// The Advance page's editor at its page size, loaded with two maps, a selected block and the
// engine on the map, as the window shows it.
struct AdvancePage {
    ParameterImage image;
    TTab tab{960, 560, MapEditorOptions};

    AdvancePage() {
        for (int j = 0; j < 15; ++j)
            image.setWord(Adrw::AdvanceRpm1 + j, 1000 + 1000 * j);
        for (int k = 0; k < 150; ++k)
            image.setByte(Adrb::Advance1 + k, static_cast<unsigned>(10 + k % 40));
        image.setByte(Adrb::LoadSensor, SensorTps);
        image.setByte(Adrb::MapsUseLoad, 1);
        DefineAdvanceSheets(tab.Editor());
        LoadAdvanceMaps(tab.Editor(), image);
        tab.Editor().Cursor().SelectOne(3, 2);
        tab.Editor().Cursor().MoveCursor(2, 2, true);
        tab.Editor().SetLiveValues(4000, 300, 0, false);
        tab.show();
        for (int i = 0; i < 4; ++i)
            tab.Tick();
    }
};

// One render of the table view: the core's drawing steps and Qt's painting of the image.
void RenderAdvanceTable(benchmark::State &state) {
    AdvancePage page;
    for (auto _ : state) {
        page.tab.Render();
        benchmark::DoNotOptimize(page.tab.Bitmap().constBits());
    }
}
BENCHMARK(RenderAdvanceTable)->Unit(benchmark::kMillisecond);

// The core's part of a render alone: the drawing steps of the table, the tabs and the toolbar.
void SceneOfAdvanceTable(benchmark::State &state) {
    AdvancePage page;
    Scene body, chrome;
    for (auto _ : state) {
        body.Clear();
        chrome.Clear();
        const EditorView view = page.tab.Editor().View();
        RenderBody(view, body);
        RenderChrome(view, chrome);
        benchmark::DoNotOptimize(body.Size() + chrome.Size());
    }
}
BENCHMARK(SceneOfAdvanceTable)->Unit(benchmark::kMillisecond);

// The render with the widget painted to its window as well.
void RenderAndPaintAdvanceTable(benchmark::State &state) {
    AdvancePage page;
    for (auto _ : state) {
        page.tab.Render();
        page.tab.repaint();
    }
}
BENCHMARK(RenderAndPaintAdvanceTable)->Unit(benchmark::kMillisecond);

// The window's tick with the engine running: live values every tick, the engine accelerating by
// 60 rpm a tick (from idle to 15000 rpm in about four seconds), a render whenever the live position
// moved to another cell.
void TickWithLiveValues(benchmark::State &state) {
    AdvancePage page;
    int rpm = 1000;
    for (auto _ : state) {
        rpm = rpm >= 15000 ? 1000 : rpm + 60;
        page.tab.Editor().SetLiveValues(rpm, (rpm / 15) % 1000, 0, false);
        page.tab.Tick();
    }
}
BENCHMARK(TickWithLiveValues)->Unit(benchmark::kMicrosecond);

// A tick while the engine holds its cell: the live values change, nothing needs drawing.
void TickOnTheSameCell(benchmark::State &state) {
    AdvancePage page;
    int rpm = 4000;
    for (auto _ : state) {
        rpm = rpm == 4000 ? 4030 : 4000;
        page.tab.Editor().SetLiveValues(rpm, 300, 0, false);
        page.tab.Tick();
    }
}
BENCHMARK(TickOnTheSameCell)->Unit(benchmark::kMicrosecond);

// A tick that moves the live ring to another cell: the ring's old and new places are repainted.
void TickMovingTheRing(benchmark::State &state) {
    AdvancePage page;
    int rpm = 4000;
    for (auto _ : state) {
        rpm = rpm == 4000 ? 6000 : 4000;
        page.tab.Editor().SetLiveValues(rpm, 300, 0, false);
        // The live position is looked at on two ticks of every four: step to the next such tick.
        do
            page.tab.Tick();
        while ((page.tab.Editor().TickCount() & 2) == 0);
    }
}
BENCHMARK(TickMovingTheRing)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zarvex1
