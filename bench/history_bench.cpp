// File > History with the 1000 restore points the store keeps: listing the folder, filling the table and
// showing the window with its first paint, as the user pays it on opening it. Aim: under 200 ms.

#include "core/files/ParameterFile.h"
#include "core/files/TextFiles.h"
#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "gui/safety/HistoryWindow.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace zarvex1 {
namespace {

// A history folder of 1000 points, one a minute, as the store names them.
std::filesystem::path ThousandPoints() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("zarvex1-history-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string text = WriteParameterFile(FirstStartSet());
    const auto start = RestoreClock::time_point{} + std::chrono::hours(24 * 20797);
    for (int i = 0; i < RestorePointStore::Kept; ++i) {
        const RestorePointDetails details{start + std::chrono::minutes(i),
                                          i % 3 == 0 ? RestoreEvent::Read : RestoreEvent::Program, "ZRX07",
                                          100 + i};
        WriteWholeFile(folder / PathFromUtf8(RestorePointFileName(details, i % 17)), text);
    }
    return folder;
}

void OpenHistoryWindow(benchmark::State &state) {
    const std::filesystem::path folder = ThousandPoints();
    const RestorePointStore store(folder, true);
    for (auto _ : state) {
        HistoryWindow window;
        window.ShowPoints(store.List());
        window.repaint();
        window.Table()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Table()->model()->rowCount());
        window.close();
    }
    state.counters["points"] = static_cast<double>(store.List().size());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(OpenHistoryWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvex1
