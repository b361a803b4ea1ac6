// Reading the unit on a modelled 57600-baud line: the link engine against the unit in process, the line
// carrying each frame in 26.4 ms and the unit answering after its turnaround. The figures are line time
// from the first frame to "Verify:" ": OK", beside the 13 exchanges of line time that a read with its
// verify needs at least, and the timer ticks it took. The wall time is the simulation's own cost.

#include "core/link/LinkEngine.h"
#include "core/params/Defaults.h"
#include "core/texts/MessageTexts.h"
#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <benchmark/benchmark.h>

namespace zarvex1 {
namespace {

using std::chrono::duration;
using std::chrono::milliseconds;

// Notes when the message line says the read is verified.
class DoneWatch : public LinkOwner {
public:
    explicit DoneWatch(const SimulatedPort &port) : port_(port) {}
    void MessageLineChanged(const MessageLine &line) override {
        if (line.text == "Verify:: OK")
            doneAt = port_.now();
    }
    SimTime doneAt{0};

private:
    const SimulatedPort &port_;
};

void ReadOnTheLine(benchmark::State &state) {
    const SimTime turnaround = milliseconds(state.range(0));
    SimOptions unit;
    unit.engine = EngineMode::Running; // live values every 100 ms between the transfers
    unit.dropPercent = static_cast<int>(state.range(1));
    const LineModel line = LineModel::Serial(turnaround);
    SimulatedPort port(unit, line, FirstStartSet());
    LimitedSettings settings;
    DoneWatch owner(port);
    LinkEngine engine(port, settings, owner);
    TickStepper stepper(port, [&] { engine.Tick(); });
    engine.Start();
    stepper.Step(10);

    double lineMs = 0, ticks = 0, reads = 0, failures = 0;
    for (auto _ : state) {
        const int writes = port.writeCount();
        engine.StartRead();
        stepper.StepUntil([&] { return port.writeCount() > writes; }, 4);
        const SimTime first = port.lastWrite();
        const int ticksBefore = stepper.ticks();
        stepper.StepUntil([&] { return engine.state().LinkRequest == LinkRequest::None; }, 400);
        lineMs += duration<double, std::milli>(owner.doneAt - first).count();
        ticks += stepper.ticks() - ticksBefore;
        failures += engine.messageLine().text != "Verify:: OK";
        ++reads;
        stepper.Step(10); // live values again before the next read
    }
    const double exchange = duration<double, std::milli>(2 * line.Duration(FrameSize) + turnaround).count();
    state.counters["line_ms"] = lineMs / reads;
    state.counters["bound_ms"] = 13 * exchange;
    state.counters["ticks"] = ticks / reads;
    state.counters["failed"] = failures;
}
// Arguments: the unit's turnaround in ms, the share of replies it leaves out in percent.
BENCHMARK(ReadOnTheLine)
    ->Args({0, 0})
    ->Args({5, 0})
    ->Args({10, 0})
    ->Args({10, 10})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zarvex1
