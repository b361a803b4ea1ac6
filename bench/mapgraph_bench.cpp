// The map editor's graphs, offscreen: one paint of the 3D graph of a 15 x 10 map at 1000 x 600 pixels
// for each quality and each kind of value labels, and one paint of the 2D graph with its 10 curves.
#include "../tests/gui/sample_maps.h"

#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapeditor/EditorCommands.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace zarvex1 {
namespace {

// The Advance editor at 1000 x 600 with the sample maps and the engine on the map.
struct AdvanceGraph {
    ParameterImage image = test::SampleMapSet();
    TTab tab{1000, 600, MapEditorOptions};

    explicit AdvanceGraph(int view) {
        DefineAdvanceSheets(tab.Editor());
        LoadAdvanceMaps(tab.Editor(), image);
        tab.Editor().Sheets().Markers() = MarkersFromImage(image);
        tab.Editor().SetLiveValues(7400, 450, 0, false);
        tab.show();
        for (int i = 0; i < 4; ++i)
            tab.Tick();
        RunCommand(tab.Editor(), view);
        tab.Render();
    }
};

// One render of the 3D graph: the layout, the core's drawing steps and Qt's painting of the image.
void Render3D(benchmark::State &state) {
    AdvanceGraph graph(CommandView3D);
    graph.tab.Editor().Graph3D().quality = static_cast<int>(state.range(0));
    graph.tab.Editor().Graph3D().valuesMode = static_cast<int>(state.range(1));
    for (auto _ : state) {
        graph.tab.Render();
        benchmark::DoNotOptimize(graph.tab.Bitmap().constBits());
    }
}
BENCHMARK(Render3D)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1, 2, 3}})
    ->ArgNames({"quality", "values"})
    ->Unit(benchmark::kMillisecond);

// What a rotation costs the user a frame: the mouse event of a drag, which turns the view by 5°, the
// render at the highest grain and the widget's repaint.
void RotateByMouse(benchmark::State &state) {
    AdvanceGraph graph(CommandView3D);
    graph.tab.Editor().Graph3D().quality = 5;
    auto send = [&graph](QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(x, 300), graph.tab.mapToGlobal(QPointF(x, 300)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&graph.tab, &event);
    };
    send(QEvent::MouseMove, 500, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, 500, Qt::LeftButton, Qt::LeftButton);
    int x = 500;
    for (auto _ : state) {
        x = x == 500 ? 510 : 500;
        send(QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
        graph.tab.repaint();
    }
    send(QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(RotateByMouse)->Unit(benchmark::kMillisecond);

// The core's part alone at the highest grain: the drawing steps of the surface, legend and labels.
void Scene3D(benchmark::State &state) {
    AdvanceGraph graph(CommandView3D);
    graph.tab.Editor().Graph3D().quality = 5;
    Scene scene;
    for (auto _ : state) {
        scene.Clear();
        graph.tab.Editor().Graphs().Layout();
        graph.tab.Editor().Graphs().Paint(graph.tab.Editor().View(), scene);
        benchmark::DoNotOptimize(scene.Size());
    }
    state.counters["steps"] = static_cast<double>(scene.Size());
}
BENCHMARK(Scene3D)->Unit(benchmark::kMillisecond);

// One render of the 2D graph with its 10 stacked curves.
void Render2D(benchmark::State &state) {
    AdvanceGraph graph(CommandView2D);
    for (auto _ : state) {
        graph.tab.Render();
        benchmark::DoNotOptimize(graph.tab.Bitmap().constBits());
    }
}
BENCHMARK(Render2D)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvex1
