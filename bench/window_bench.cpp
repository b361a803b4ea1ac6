// The window's tick with a monitor frame, Qt's work included: the link decodes the frame, the pages
// take the new texts and mark the current gear, and the event loop paints what changed (offscreen). Each
// frame carries other live values, as from a running engine.

#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"

#include "core/params/Defaults.h"
#include "sim/SimulatedUnit.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace zarvex1 {
namespace {

// Holds one new monitor frame of a running engine at every tick, 100 ms of engine time apart; with
// `shifting`, each frame also tells another gear than the last (the worst case of the gear marks).
class LiveEnginePort : public SerialPort {
public:
    explicit LiveEnginePort(bool shifting = false)
        : unit_(RunningEngine(), FirstStartSet()), shifting_(shifting) {}
    bool open(const std::string &) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    int bytesWaiting() override { return FrameSize; }
    int read(std::uint8_t *buffer, int maxBytes) override {
        Frame frame = unit_.monitorFrame(ms_ += 100);
        if (shifting_) {
            frame.setByte(Monb::Gear, ms_ / 100 % 2 == 0 ? 2 : 3);
            frame.seal();
        }
        const int count = std::min(maxBytes, FrameSize);
        std::copy_n(frame.bytes.begin(), count, buffer);
        return count;
    }
    bool write(const std::uint8_t *, int) override { return true; }
    void discardInput() override {}

private:
    static SimOptions RunningEngine() {
        SimOptions options;
        options.engine = EngineMode::Running;
        return options;
    }
    SimulatedUnit unit_;
    bool shifting_;
    long long ms_ = 0;
};

// Gear detection by voltage with six gears and a clutch master on input 1: the Gear and Race pages
// show every row and mark the current gear.
void WithGears(ParameterSession &session) {
    session.image().setByte(Adrb::GearMode, 1);
    session.image().setByte(Adrb::GearCount, 6);
    session.image().setByte(Adrb::InputFunction, 3);
    session.Commit();
}

void TickWithMonitorFrame(benchmark::State &state, int page, bool shifting = false) {
    QTemporaryDir settings;
    qputenv("ZARVEX1_SETTINGS_DIR", settings.path().toUtf8());
    StartOptions options;
    options.steppedTicks = true;
    options.loaderName = settings.filePath(QStringLiteral("loader"));
    TMainForm form(options, std::make_unique<LiveEnginePort>(shifting));
    WithGears(form.session());
    form.show();
    form.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    for (int i = 0; i < 50; ++i) { // connected, laid out and painted once
        form.Timer1Timer();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        form.Timer1Timer();
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(TickWithMonitorFrame, monitor_page_shown, int(Page::Monitor))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickWithMonitorFrame, bike_page_shown, int(Page::Bike))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickWithMonitorFrame, gear_page_shown, int(Page::Gear))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickWithMonitorFrame, race_page_shown, int(Page::Race))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickWithMonitorFrame, gear_page_new_gear_every_frame, int(Page::Gear), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TickWithMonitorFrame, race_page_new_gear_every_frame, int(Page::Race), true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zarvex1
