// Reading the unit over a pseudo-terminal: the link engine with the real serial port against
// zarvex1-sim. The figure is the number of timer ticks from the Read command to "Verify:" ": OK";
// the protocol needs at least 13 exchanges, and the first frame waits for the resend step (up to 4
// ticks). A tick here is one engine tick plus a bounded wait for the unit's answer, so the wall time
// is far below the program's 55 ms per tick.
//
// The simulator is looked up beside the build (../src/sim/zarvex1-sim) or taken from ZARVEX1_SIM.

#if __has_include("link/QtSerialPort.h")

#include "app/MessageTexts.h"
#include "link/LinkEngine.h"
#include "link/QtSerialPort.h"
#include "params/Defaults.h"
#include "params/Limits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace zarvex1 {
namespace {

constexpr int TickWaitMs = 20;
constexpr int MaxTicks = 400;

QString SimulatorPath() {
    if (const char *path = std::getenv("ZARVEX1_SIM"))
        return QString::fromLocal8Bit(path);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../src/sim/zarvex1-sim");
}

// Lets the event loop collect what the unit sent, for at most `ms`, until a whole frame is queued.
void WaitForFrame(QtSerialPort &port, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (port.bytesWaiting() < FrameSize && timer.elapsed() < ms) {
        QCoreApplication::processEvents();
        if (port.bytesWaiting() < FrameSize)
            QThread::msleep(1);
    }
}

void BM_ReadUntilVerified(benchmark::State &state, QStringList simArguments) {
    QProcess sim;
    sim.start(SimulatorPath(), simArguments);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        state.SkipWithError("zarvex1-sim did not start; set ZARVEX1_SIM");
        return;
    }
    const std::string device = QString::fromUtf8(sim.readLine()).trimmed().toStdString();

    QtSerialPort port;
    ParameterImage image;
    LimitedSettings settings;
    MessageTexts texts;
    texts.FillMessageTexts(0);
    LinkOwner owner;
    LinkEngine engine(port, image, settings, texts, owner);
    engine.SetDeviceOverride(device);
    engine.Start();
    const std::string done = texts[8] + ": OK";

    long long ticks = 0, reads = 0, failures = 0;
    for (auto _ : state) {
        engine.MenuReadClick();
        int n = 0;
        while (engine.state().LinkRequest != LinkRequest::None && n < MaxTicks) {
            engine.Timer1Timer();
            WaitForFrame(port, TickWaitMs);
            ++n;
        }
        ticks += n;
        ++reads;
        failures += engine.messageLine().text != done;
    }
    state.counters["ticks_per_read"] = benchmark::Counter(double(ticks) / double(std::max(1LL, reads)));
    state.counters["failed_reads"] = double(failures);
    sim.kill();
    sim.waitForFinished(5000);
}

BENCHMARK_CAPTURE(BM_ReadUntilVerified, clean_line, QStringList{})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_ReadUntilVerified, drop_10_percent, QStringList{"--drop", "10", "--monitor-ms", "0"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace
} // namespace zarvex1

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#else

#include <cstdio>

// Built without the Qt half: the real serial port is not there to measure.
int main() {
    std::puts("pty_bench needs the Qt build (ZARVEX1_GUI=ON)");
    return 0;
}

#endif
