// Reading the unit over a pseudo-terminal, as the program does: the link engine with the real serial
// port against zarvex1-sim, ticked by a precise 55 ms timer in Qt's event loop, the port reporting
// input between ticks. The figures are the wall time from the first frame to "Verify:" ": OK" and the
// ticks it took; a pseudo-terminal has no line time, so they show what the event loop and the
// simulator's process add (the line model is line_bench's).
//
// The simulator is looked up beside the build (../src/sim/zarvex1-sim) or taken from ZARVEX1_SIM.

#include "core/link/LinkEngine.h"
#include "core/texts/MessageTexts.h"
#include "qtport/QtSerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace zarvex1 {
namespace {

constexpr int MaxTicks = 400;

QString SimulatorPath() {
    if (const char *path = std::getenv("ZARVEX1_SIM"))
        return QString::fromLocal8Bit(path);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../src/sim/zarvex1-sim");
}

// Notes when the first frame of a read goes out and when the read is verified.
class ReadWatch : public LinkOwner {
public:
    void MessageLineChanged(const MessageLine &line) override {
        if (line.text == "Verify:: OK")
            doneUs = clock.nsecsElapsed() / 1000;
    }
    QElapsedTimer clock;
    qint64 doneUs = -1;
};

void BM_ReadUntilVerified(benchmark::State &state, QStringList simArguments) {
    QProcess sim;
    sim.start(SimulatorPath(), simArguments);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        state.SkipWithError("zarvex1-sim did not start; set ZARVEX1_SIM");
        return;
    }
    const std::string device = QString::fromUtf8(sim.readLine()).trimmed().toStdString();

    QtSerialPort port;
    LimitedSettings settings;
    MessageTexts texts;
    texts.FillMessageTexts(0);
    ReadWatch owner;
    LinkEngine engine(port, settings, owner);
    engine.SetDeviceOverride(device);
    engine.Start();

    double us = 0, ticks = 0, reads = 0, failures = 0;
    for (auto _ : state) {
        engine.StartRead();
        int n = 0;
        qint64 firstUs = -1;
        owner.doneUs = -1;
        owner.clock.start();
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(55);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            engine.Tick();
            if (firstUs < 0 && engine.state().RetryCount > 0)
                firstUs = owner.clock.nsecsElapsed() / 1000;
            if (engine.state().LinkRequest != LinkRequest::None && ++n < MaxTicks)
                return;
            timer.stop();
            loop.quit();
        });
        timer.start();
        loop.exec();
        us += double(owner.doneUs - firstUs);
        ticks += n;
        failures += engine.messageLine().text != texts[8] + ": OK";
        ++reads;
    }
    state.counters["us_first_frame_to_ok"] = us / reads;
    state.counters["ticks_from_command"] = ticks / reads;
    state.counters["failed_reads"] = failures;
    sim.kill();
    sim.waitForFinished(5000);
}

BENCHMARK_CAPTURE(BM_ReadUntilVerified, clean_line, QStringList{"--monitor-ms", "0"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadUntilVerified, live_values, QStringList{"--engine", "running"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
} // namespace zarvex1
