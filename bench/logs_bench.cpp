// What the live-value log costs: one frame recorded on the thread that decodes it, opening a log of an
// hour, and finding the set it was recorded under among the restore points for the replay.
#include "core/files/ParameterFile.h"
#include "core/logs/CellTime.h"
#include "core/logs/LogFormat.h"
#include "core/logs/LogRecorder.h"
#include "core/logs/RecordedSets.h"
#include "core/logs/Replay.h"
#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "sim/SimulatedUnit.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace zarvex1 {
namespace {

namespace fs = std::filesystem;

constexpr int OneHourRows = 65455; // one frame per 55 ms tick

SimulatedUnit RunningUnit() {
    SimOptions options;
    options.engine = EngineMode::Running;
    return SimulatedUnit(options, FirstStartSet());
}

fs::path TempPath(const char *name) {
    return fs::temp_directory_path() /
           (std::string("zarvex1-bench-") + std::to_string(std::random_device{}()) + "-" + name);
}

// A record and the tick, as the link hands every decoded frame to the recorder; the file is written on
// the writer's thread once a second.
void BM_RecordOneFrame(benchmark::State &state) {
    const SimulatedUnit unit = RunningUnit();
    std::vector<LiveRecord> records;
    for (int tick = 0; tick < 1000; ++tick)
        records.push_back(LiveRecord::Decode(unit.monitorFrame(55LL * tick), 55LL * tick, tick + 1));
    const fs::path path = TempPath("record.csv");
    {
        LogRecorder recorder;
        long long now = 0;
        recorder.Start(path, now);
        std::size_t i = 0;
        for (auto _ : state) {
            now += 55;
            recorder.RecordsArrived({&records[i++ % records.size()], 1});
            recorder.Tick(now);
        }
        recorder.Stop();
    }
    fs::remove(path);
}
BENCHMARK(BM_RecordOneFrame);

// Opening a one-hour log: reading the file and parsing every row.
void BM_ReadOneHourLog(benchmark::State &state) {
    const SimulatedUnit unit = RunningUnit();
    const fs::path path = TempPath("hour.csv");
    {
        std::string text = LogHeader();
        const LogSetName set{ImageHash(FirstStartSet()), "data.ign"};
        for (int tick = 0; tick < OneHourRows; ++tick)
            AppendLogRow(text, 55LL * tick, LiveRecord::Decode(unit.monitorFrame(55LL * tick), 0, 0), set);
        std::ofstream(path, std::ios::binary) << text;
        state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    }
    for (auto _ : state) {
        const LogReadResult read = ReadMonitorLogFile(path);
        if (!read.log || read.log->rowCount() != OneHourRows)
            state.SkipWithError("the log did not read back");
        benchmark::DoNotOptimize(read.log);
    }
    fs::remove(path);
}
BENCHMARK(BM_ReadOneHourLog)->Unit(benchmark::kMillisecond);

// Shading a map by time in cell from a one-hour log.
void BM_TimeInCellOfOneHour(benchmark::State &state) {
    const SimulatedUnit unit = RunningUnit();
    std::string text = LogHeader();
    for (int tick = 0; tick < OneHourRows; ++tick)
        AppendLogRow(text, 55LL * tick, LiveRecord::Decode(unit.monitorFrame(55LL * tick), 0, 0), {});
    const MonitorLog log = *ReadMonitorLog(text).log;
    const MapAxes axes = UnitMapAxes(FirstStartSet(), UnitMap::Advance1);
    for (auto _ : state) {
        CellTime time(axes);
        time.AddLog(log);
        benchmark::DoNotOptimize(time.totalMs());
    }
}
BENCHMARK(BM_TimeInCellOfOneHour)->Unit(benchmark::kMillisecond);

// The replay's search for the set a log was recorded under among the 1000 restore points kept, at its
// worst: the log names a set no point holds, so every point is read. Then the cells that differ over an
// hour against the set found.
void BM_FindRecordedSetInThousandPoints(benchmark::State &state) {
    // The points as the store names them, written plainly (the store's flushes would only slow this).
    const fs::path folder = TempPath("history");
    fs::create_directories(folder);
    const auto start = RestoreClock::now();
    for (int i = 0; i < RestorePointStore::Kept; ++i) {
        ParameterImage image = FirstStartSet();
        image.setByte(Adrb::Retard, static_cast<unsigned>(i % 30));
        image.setByte(Adrb::Advance1 + i % 150, static_cast<unsigned>(i / 150));
        const RestorePointDetails details{start + std::chrono::seconds(i), RestoreEvent::Program, "ZRX07", i};
        std::ofstream(folder / RestorePointFileName(details, 1), std::ios::binary)
            << WriteParameterFile(image);
    }
    ParameterImage unknown = FirstStartSet();
    unknown.setByte(Adrb::Retard, 77);
    const SimulatedUnit unit = RunningUnit();
    std::string text = LogHeader();
    for (int tick = 0; tick < 100; ++tick)
        AppendLogRow(text, 55LL * tick, LiveRecord::Decode(unit.monitorFrame(55LL * tick), 0, 0),
                     {ImageHash(unknown), "gone.ign"});
    const MonitorLog log = *ReadMonitorLog(text).log;
    for (auto _ : state) {
        const RecordedSets sets(log, FirstStartSet(), RestorePointCandidates(folder));
        if (sets.candidatesRead() != RestorePointStore::Kept)
            state.SkipWithError("not every point was read");
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
BENCHMARK(BM_FindRecordedSetInThousandPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DifferingCellsOfOneHour(benchmark::State &state) {
    const SimulatedUnit unit = RunningUnit();
    std::string text = LogHeader();
    const LogSetName set{ImageHash(FirstStartSet()), "data.ign"};
    for (int tick = 0; tick < OneHourRows; ++tick)
        AppendLogRow(text, 55LL * tick, LiveRecord::Decode(unit.monitorFrame(55LL * tick), 0, 0), set);
    const MonitorLog log = *ReadMonitorLog(text).log;
    ParameterImage other = FirstStartSet();
    for (int i = 0; i < 150; i += 3)
        other.setByte(Adrb::Advance1 + i, other.byte(Adrb::Advance1 + i) + 2);
    for (auto _ : state) {
        const RecordedSets sets(log, FirstStartSet(), {});
        benchmark::DoNotOptimize(DifferingCells(log, sets, other));
    }
}
BENCHMARK(BM_DifferingCellsOfOneHour)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvex1
