// What the window costs while the user only watches: the program as `--simulate=running` starts it (the
// unit in process on the wall clock, the window's own 55 ms timer), one page shown, optionally recording,
// for a number of seconds of real time. The figure is the process's CPU time over the wall time, in
// percent of one core; the unit in process is counted with it. Run it under Xvfb for the figure the user
// pays on a desktop:
//
//     xvfb-run -a env QT_QPA_PLATFORM=xcb ZARVEX1_IDLE_SECONDS=20 build/bench/idle_bench
//
// CTest runs each case for one second, offscreen.

#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"
#include "gui/logs/LogCommands.h"
#include "gui/logs/LogRecording.h"

#include "core/params/Defaults.h"
#include "qtport/SimulatedLineClock.h"
#include "sim/SimulatedPort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zarvex1 {
namespace {

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the event loop as the program does, for `ms` of real time.
void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// With ZARVEX1_IDLE_EVENTS set, counts the events the application delivers while it watches, by type
// and receiving class, and prints the most frequent on standard error: where the idle time goes.
class EventCounter : public QObject {
public:
    EventCounter() { qApp->installEventFilter(this); }
    ~EventCounter() override {
        std::vector<std::pair<int, std::string>> rows;
        for (const auto &[key, count] : counts_)
            rows.emplace_back(count, key);
        std::sort(rows.rbegin(), rows.rend());
        for (std::size_t i = 0; i < rows.size() && i < 25; ++i)
            std::fprintf(stderr, "%8d  %s\n", rows[i].first, rows[i].second.c_str());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // A timer is named by its owner.
        const QObject *named =
            watched->objectName().isEmpty() && watched->parent() ? watched->parent() : watched;
        const QString name =
            QString::fromUtf8(named->metaObject()->className()) + QLatin1Char(' ') + named->objectName();
        ++counts_[std::to_string(int(event->type())) + " " + watched->metaObject()->className() + " " +
                  name.toStdString()];
        return false;
    }

private:
    std::map<std::string, int> counts_;
};

int WatchedSeconds() {
    const int seconds = qEnvironmentVariableIntValue("ZARVEX1_IDLE_SECONDS");
    return seconds > 0 ? seconds : 1;
}

void WindowWatching(benchmark::State &state, int page, bool recording) {
    QTemporaryDir settings;
    QTemporaryDir logs;
    qputenv("ZARVEX1_SETTINGS_DIR", settings.path().toUtf8());
    SimOptions unit;
    unit.engine = EngineMode::Running;
    auto simulated = std::make_unique<SimulatedPort>(unit, LineModel::Serial());
    SimulatedPort &port = *simulated;
    StartOptions options;
    options.portDevice = QStringLiteral("simulated");
    options.loaderName = settings.filePath(QStringLiteral("loader"));
    TMainForm form(options, std::move(simulated));
    SimulatedLineClock clock(port);
    form.show();
    form.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    // Connected, laid out and painted, the engine running (a brief run, as CTest makes, settles less).
    RunFor(qEnvironmentVariableIsSet("ZARVEX1_IDLE_SECONDS") ? 3000 : 1000);
    LogRecording &recorder = form.logs().recording();
    if (recording) {
        recorder.SetFolder(logs.path().toStdString());
        recorder.Start();
    }
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        std::unique_ptr<EventCounter> counter;
        if (qEnvironmentVariableIsSet("ZARVEX1_IDLE_EVENTS"))
            counter = std::make_unique<EventCounter>();
        const double cpuBefore = ProcessCpuSeconds();
        RunFor(WatchedSeconds() * 1000);
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        counter.reset();
        state.SetIterationTime(seconds);
        state.counters["cpu_percent"] = 100.0 * cpu / seconds;
    }
    if (recording) {
        state.counters["rows"] = static_cast<double>(recorder.recorder().rowCount());
        recorder.Stop();
    }
}

BENCHMARK_CAPTURE(WindowWatching, monitor_page_recording, int(Page::Monitor), true)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(WindowWatching, monitor_page, int(Page::Monitor), false)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(WindowWatching, bike_page, int(Page::Bike), false)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace zarvex1
