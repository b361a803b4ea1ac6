#include "core/link/LinkEngine.h"
#include "core/params/Defaults.h"
#include "core/texts/MessageTexts.h"

#include <benchmark/benchmark.h>

#include <algorithm>

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

void TickWithMonitorFrame(benchmark::State &state) {
    ParameterImage image = FirstStartSet();
    LimitedSettings settings;
    LinkOwner owner;
    MonitorOnlyPort port(BusyMonitorFrame());
    LinkEngine engine(port, image, settings, owner);
    engine.Start();
    for (auto _ : state) {
        engine.Tick();
        benchmark::DoNotOptimize(engine.monitor().LabelRpm.text.data());
    }
}
BENCHMARK(TickWithMonitorFrame);

} // namespace
} // namespace zarvex1

BENCHMARK_MAIN();
