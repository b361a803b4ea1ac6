// The safety net's costs that a user pays on every event: comparing two parameter sets (the state
// line after each edit, the compare window) and writing one restore point, flushed to the disk, after a
// read or a program. Aims: a compare under 1 ms, a restore point under 5 ms.

#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "core/safety/SetComparison.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace zarvex1 {
namespace {

// Two sets that differ in a value of every page and in many cells of every map.
std::pair<ParameterImage, ParameterImage> TwoSets() {
    const ParameterImage a = FirstStartSet();
    ParameterImage b = a;
    for (int i = 0; i < 150; i += 3) {
        b.setByte(Adrb::Advance1 + i, a.byte(Adrb::Advance1 + i) + 1);
        b.setByte(Adrb::Servo + i, a.byte(Adrb::Servo + i) + 1);
    }
    for (int address : {Adrb::BikeType, Adrb::Retard, Adrb::BaseAdvance, Adrb::PowerOutTable, Adrb::GearCount,
                        Adrb::ClutchAdvance, Adrb::TestRpm})
        b.setByte(address, a.byte(address) + 1);
    return {a, b};
}

void CompareTwoSets(benchmark::State &state) {
    const auto [a, b] = TwoSets();
    int changed = 0;
    for (auto _ : state) {
        const SetComparison c = CompareSets(a, b);
        changed = c.changedValues();
        benchmark::DoNotOptimize(changed);
    }
    state.counters["changed"] = changed;
}
BENCHMARK(CompareTwoSets)->Unit(benchmark::kMicrosecond);

void CompareAndDescribeTwoSets(benchmark::State &state) {
    const auto [a, b] = TwoSets();
    for (auto _ : state) {
        const std::string text = ComparisonText(CompareSets(a, b), a, b, 1);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(CompareAndDescribeTwoSets)->Unit(benchmark::kMicrosecond);

// One point after a program: the newest point read and compared, the new file written and flushed.
void WriteOneRestorePoint(benchmark::State &state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("zarvex1-safety-bench-" + std::to_string(std::random_device{}()));
    RestorePointStore store(folder, true);
    auto [a, b] = TwoSets();
    auto time = RestoreClock::now();
    int n = 0;
    for (auto _ : state) {
        b.setByte(Adrb::Retard, static_cast<unsigned>(n++ % 60)); // never the same as the newest
        time += std::chrono::seconds(1);
        const auto result = store.Write(b, {time, RestoreEvent::Program, "ZRX07", n});
        if (!result.written)
            state.SkipWithError("the point was not written");
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(WriteOneRestorePoint)->Unit(benchmark::kMillisecond);

// The floor under it: Save of the same set, written and flushed by the same atomic writer.
void SaveTheSetFlushed(benchmark::State &state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("zarvex1-safety-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const auto [a, b] = TwoSets();
    for (auto _ : state)
        if (!WriteParameterFile(b, folder / "set.ign"))
            state.SkipWithError("the set was not written");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(SaveTheSetFlushed)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvex1
