// The replay against what the unit did: the sets a log was recorded under found by their hash on the
// screen and in the restore points, each row's time against the set of its row, and the screen's set
// for rows whose set is not found.
#include "files/temp_folder.h"
#include "log_fixture.h"

#include "core/logs/CellTime.h"
#include "core/logs/RecordedSets.h"
#include "core/logs/Replay.h"
#include "core/safety/RestorePoints.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zarvex1;
using namespace zarvex1::test;

namespace {

constexpr int Half = 200; // rows under each set

ParameterImage WithCell(ParameterImage image, int row, int column, int step) {
    const int at = Adrb::Advance1 + 15 * row + column;
    image.setByte(at, image.byte(at) + step);
    return image;
}

// The cell of a map's times with the highest score, other than `other`.
std::pair<int, int> Best(const CellTime &time, const std::function<long long(int, int)> &score,
                         std::pair<int, int> other = {-1, -1}) {
    std::pair<int, int> best{0, 0};
    long long most = -1;
    for (int r = 0; r < time.rows(); ++r)
        for (int c = 0; c < time.columns(); ++c)
            if (std::pair(r, c) != other && score(r, c) > most)
                best = {r, c}, most = score(r, c);
    return best;
}

// A drag-strip run recorded while "Programming after change" programmed: the unit held `first` for
// Half rows, the connection was lost for a tick, then it held `second` (cell x two degrees up). The
// chosen set adds three degrees in cell y; the screen shows the first set with cell z, which the run
// never reached, changed.
struct TwoSetRun {
    TwoSetRun() {
        const SimulatedRun run(first);
        // Where the engine was in each half, on the run's axes (no set here changes them).
        std::string firstPart = LogHeader(), secondPart = LogHeader();
        for (int tick = 0; tick < Half; ++tick)
            AppendLogRow(firstPart, 55LL * tick, run.frameAt(tick), {});
        AppendGapRow(firstPart, 55LL * Half); // the last row's time ends there
        for (int tick = Half + 1; tick <= 2 * Half; ++tick)
            AppendLogRow(secondPart, 55LL * tick, run.frameAt(tick), {});
        const MapAxes axes = UnitMapAxes(first, UnitMap::Advance1);
        timeFirst.emplace(axes);
        timeFirst->AddLog(ReadOrFail(firstPart));
        timeSecond.emplace(axes);
        timeSecond->AddLog(ReadOrFail(secondPart));
        // x: a cell the engine was in under both sets; y: the busiest of the second half besides.
        x = Best(*timeFirst,
                 [this](int r, int c) { return std::min(timeFirst->ms(r, c), timeSecond->ms(r, c)); });
        y = Best(
            *timeFirst, [this](int r, int c) { return timeSecond->ms(r, c); }, x);
        second = WithCell(first, x.first, x.second, 2);
        chosen = WithCell(second, y.first, y.second, 3);
        for (int cell = 1; Ms(z) > 0; ++cell)
            z = {cell / timeFirst->columns(), cell % timeFirst->columns()};
        screen = WithCell(first, z.first, z.second, 1);

        std::string text = LogHeader();
        for (int tick = 0; tick < Half; ++tick)
            AppendLogRow(text, 55LL * tick, run.frameAt(tick), {ImageHash(first), "dry.ign"});
        AppendGapRow(text, 55LL * Half);
        for (int tick = Half + 1; tick <= 2 * Half; ++tick)
            AppendLogRow(text, 55LL * tick, run.frameAt(tick), {ImageHash(second), ""});
        log = ReadOrFail(text);
    }
    long long Ms(std::pair<int, int> cell) const {
        return timeFirst->ms(cell.first, cell.second) + timeSecond->ms(cell.first, cell.second);
    }

    ParameterImage first = FirstStartSet(), second, chosen, screen;
    MonitorLog log;
    std::optional<CellTime> timeFirst, timeSecond;
    std::pair<int, int> x, y, z; // z: a cell the run never reached
};

CellDifference Cell(const ParameterImage &held, const ParameterImage &chosen, std::pair<int, int> at,
                    long long ms) {
    return {UnitMap::Advance1,
            at.first,
            at.second,
            UnitMapCell(held, UnitMap::Advance1, at.first, at.second),
            UnitMapCell(chosen, UnitMap::Advance1, at.first, at.second),
            ms};
}

std::vector<CellDifference> Sorted(std::vector<CellDifference> cells) {
    std::stable_sort(cells.begin(), cells.end(), [](const auto &p, const auto &q) { return p.ms > q.ms; });
    return cells;
}

TEST(RecordedSets, theSetsAreFoundInTheRestorePointsAndEachRowCountsAgainstItsOwn) {
    const TwoSetRun run;
    ASSERT_NE(run.x, run.y);
    ASSERT_GT(run.timeFirst->ms(run.x.first, run.x.second), 0);
    ASSERT_GT(run.timeSecond->ms(run.y.first, run.y.second), 0);
    ASSERT_GT(run.timeSecond->ms(run.x.first, run.x.second), 0); // x is reached under both sets

    // The unit's points as the window keeps them: an older one, a Read of the first set and the Program
    // of the second; the newest is read first and the search stops once both are found.
    TempFolder temp;
    RestorePointStore store(temp.path(), true);
    const auto at = RestoreClock::now();
    ASSERT_TRUE(store.Write(run.screen, {at, RestoreEvent::Read, "", {}}).written);
    ASSERT_TRUE(store.Write(run.first, {at + std::chrono::seconds(1), RestoreEvent::Read, "", {}}).written);
    ASSERT_TRUE(
        store.Write(run.second, {at + std::chrono::seconds(2), RestoreEvent::Program, "", {}}).written);
    const std::vector<SetCandidate> points = RestorePointCandidates(temp.path());
    ASSERT_EQ(points.size(), 3u);

    const RecordedSets recorded(run.log, run.screen, points);
    EXPECT_EQ(recorded.candidatesRead(), 2);
    EXPECT_EQ(recorded.fallbackRows(), 0);
    ASSERT_EQ(recorded.count(), 3); // the screen's and the two found
    EXPECT_EQ(recorded.image(recorded.of(0)), run.first);
    EXPECT_EQ(recorded.of(Half), -1); // the gap
    EXPECT_EQ(recorded.image(recorded.of(2 * Half)), run.second);

    // Cell x changed halfway: it differs only while the first set was held. Cell y differs from both
    // alike: listed once with the whole run's time in it. The screen's changed cell plays no part.
    EXPECT_EQ(DifferingCells(run.log, recorded, run.chosen),
              Sorted({Cell(run.first, run.chosen, run.x, run.timeFirst->ms(run.x.first, run.x.second)),
                      Cell(run.first, run.chosen, run.y, run.Ms(run.y))}));
}

TEST(RecordedSets, rowsOfASetNotFoundOrOfNoSetStandUnderTheScreensSet) {
    const TwoSetRun run;
    const std::pair<int, int> z = run.z;

    // Only the second set among the candidates, after one that cannot be read: the first half compares
    // with the screen, whose changed cell is listed with no time.
    int reads = 0;
    const std::vector<SetCandidate> candidates = {
        [&reads] { return ++reads, std::optional<ParameterImage>(); },
        [&] { return ++reads, std::optional(run.second); },
        [&] { return ++reads, std::optional(run.chosen); },
    };
    const RecordedSets partly(run.log, run.screen, candidates);
    EXPECT_EQ(reads, 3); // every candidate was tried for the first set
    EXPECT_EQ(partly.fallbackRows(), Half);
    EXPECT_EQ(partly.of(0), 0);
    EXPECT_EQ(
        DifferingCells(run.log, partly, run.chosen),
        Sorted({Cell(run.screen, run.chosen, run.x, run.timeFirst->ms(run.x.first, run.x.second)),
                Cell(run.screen, run.chosen, run.y, run.Ms(run.y)), Cell(run.screen, run.chosen, z, 0)}));

    // A set on the screen that the log names needs no candidate for it.
    reads = 0;
    const RecordedSets onScreen(run.log, run.first, candidates);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(onScreen.fallbackRows(), 0);

    // A log of the command-line tool names no set: every row stands under the screen's, and nothing
    // is read.
    reads = 0;
    const MonitorLog plain = ReadOrFail(SimulatedRun(run.first).log(50));
    const RecordedSets none(plain, run.screen, candidates);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(none.fallbackRows(), 50);
    EXPECT_EQ(none.count(), 1);
    EXPECT_EQ(DifferingCells(plain, none, run.screen), std::vector<CellDifference>{});
}

} // namespace
