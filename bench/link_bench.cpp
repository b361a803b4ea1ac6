#include "core/link/LinkEngine.h"
#include "core/logs/CellTime.h"
#include "core/logs/LogRecorder.h"
#include "core/params/Defaults.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace zarvex1 {
namespace {

// A port that always holds one monitor frame.
class MonitorOnlyPort : public SerialPort {
public:
    explicit MonitorOnlyPort(const Frame &frame) : frame_(frame) {}
    bool open(const std::string &) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    int bytesWaiting() override { return FrameSize; }
    int read(std::uint8_t *buffer, int maxBytes) override {
        const int count = std::min(maxBytes, FrameSize);
        std::copy_n(frame_.bytes.begin(), count, buffer);
        return count;
    }
    bool write(const std::uint8_t *, int) override { return true; }
    void discardInput() override {}

private:
    Frame frame_;
};

Frame BusyMonitorFrame() {
    Frame frame;
    frame.bytes[0] = MonitorCode;
    for (int w = Monw::Rpm; w < Monw::Count; ++w)
        frame.setWord(w, static_cast<unsigned>(1000 + 37 * w));
    frame.setWord(Monw::SavingCountdown, 0);
    for (int b = Monb::Advance1; b < Monb::Version; ++b)
        frame.setByte(b, static_cast<unsigned>(b & 1));
    frame.setByte(Monb::Version, ProtocolVersion);
    frame.seal();
    return frame;
}

// A tick that brings one frame: the link reads and decodes it into its record; no watcher.
void TickWithMonitorFrame(benchmark::State &state) {
    LimitedSettings settings;
    LinkOwner owner;
    MonitorOnlyPort port(BusyMonitorFrame());
    LinkEngine engine(port, settings, owner);
    engine.Start();
    for (auto _ : state) {
        engine.Tick();
        benchmark::DoNotOptimize(engine.latest()->raw(LiveField::Rpm));
    }
}
BENCHMARK(TickWithMonitorFrame);

// One frame read, decoded once, recorded as a log row naming the set the session knows the unit holds,
// and placed in its cell of the three maps: what every frame costs the window while it records.
void FrameDecodedRecordedAndPlaced(benchmark::State &state) {
    SessionFrontEnd front;
    ParameterSession session(front);
    LimitedSettings settings;
    LinkOwner owner;
    MonitorOnlyPort port(BusyMonitorFrame());
    LinkEngine engine(port, settings, owner);
    LogRecorder recorder(&session);
    LiveCellTime cells(session.image());
    engine.AddLiveWatcher(recorder);
    engine.AddLiveWatcher(cells);
    engine.Start();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("zarvex1-bench-" + std::to_string(std::random_device{}()) + ".csv");
    long long now = 0;
    recorder.Start(path, now);
    for (auto _ : state) {
        engine.Tick();
        recorder.Tick(now += 55);
    }
    recorder.Stop();
    std::filesystem::remove(path);
    state.counters["rows"] = recorder.rowCount();
}
BENCHMARK(FrameDecodedRecordedAndPlaced);

} // namespace
} // namespace zarvex1
