// What the log viewer costs the user: a one-hour log opened in the viewer (read, every chart built and
// painted once), and a repaint of the strip charts after a zoom or a pan step, Qt's painting included
// (offscreen).
#include "core/logs/LogFormat.h"
#include "core/params/Defaults.h"
#include "gui/logs/LogCharts.h"
#include "gui/logs/LogViewer.h"
#include "sim/SimulatedUnit.h"

#include <QApplication>
#include <qcustomplot.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace zarvex1 {
namespace {

namespace fs = std::filesystem;

constexpr int OneHourRows = 65455; // one frame per 55 ms tick

fs::path TempPath(const char *name) {
    return fs::temp_directory_path() /
           (std::string("zarvex1-bench-") + std::to_string(std::random_device{}()) + "-" + name);
}

// An hour of the unit's drag-strip run, written once.
const fs::path &HourLog() {
    static const fs::path path = [] {
        SimOptions options;
        options.engine = EngineMode::Running;
        const SimulatedUnit unit(options, FirstStartSet());
        std::string text = LogHeader();
        const LogSetName set{ImageHash(FirstStartSet()), "data.ign"};
        for (int tick = 0; tick < OneHourRows; ++tick)
            AppendLogRow(text, 55LL * tick, LiveRecord::Decode(unit.monitorFrame(55LL * tick), 0, 0), set);
        const fs::path file = TempPath("hour.csv");
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }();
    return path;
}

std::unique_ptr<LogViewer> Viewer(const fs::path &settings) {
    auto viewer = std::make_unique<LogViewer>(settings, fs::path(), nullptr);
    viewer->resize(1280, 900);
    viewer->show();
    return viewer;
}

void BM_OpenOneHourLog(benchmark::State &state) {
    const fs::path settings = TempPath("viewer.ini");
    const fs::path &log = HourLog();
    for (auto _ : state) {
        std::unique_ptr<LogViewer> viewer = Viewer(settings);
        std::string error;
        if (!viewer->Open(log, error))
            state.SkipWithError(error.c_str());
        viewer->charts()->plot()->replot(QCustomPlot::rpImmediateRefresh);
        QApplication::processEvents();
    }
    fs::remove(settings);
}
BENCHMARK(BM_OpenOneHourLog)->Unit(benchmark::kMillisecond)->UseRealTime();

// Zoom in and out, and pan, over the whole hour: each step repaints every chart.
void BM_ZoomOrPanRepaint(benchmark::State &state) {
    const fs::path settings = TempPath("viewer.ini");
    std::unique_ptr<LogViewer> viewer = Viewer(settings);
    std::string error;
    viewer->Open(HourLog(), error);
    LogCharts &charts = *viewer->charts();
    const double hour = OneHourRows * 0.055;
    const double spans[] = {hour, hour / 4, hour / 60, hour / 2};
    int step = 0;
    for (auto _ : state) {
        const double span = spans[step % 4];
        const double from = (step * 37 % 100) / 100.0 * (hour - span);
        charts.SetTimeRange(from, from + span);
        charts.plot()->replot(QCustomPlot::rpImmediateRefresh);
        ++step;
    }
    viewer.reset();
    fs::remove(settings);
}
BENCHMARK(BM_ZoomOrPanRepaint)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvex1
