#include "log_fixture.h"

#include "core/logs/CellTime.h"
#include "core/logs/Replay.h"

#include <gtest/gtest.h>

using namespace zarvex1;
using namespace zarvex1::test;

namespace {

Frame Point(int rpm, int throttle) {
    Frame f;
    f.bytes[0] = MonitorCode;
    f.setWord(Monw::Rpm, rpm);
    f.setWord(Monw::Load, throttle);
    f.setByte(Monb::Pickup1Signal, rpm > 0);
    f.setByte(Monb::Input1, 1);
    f.seal();
    return f;
}

TEST(CellTime, nearestAxisPointTakesTheUpperOneOnAMidpoint) {
    const std::vector<int> axis = {1000, 2000, 4000};
    const std::pair<int, int> cases[] = {{0, 0}, {1499, 0}, {1500, 1}, {2999, 1}, {3000, 2}, {90000, 2}};
    for (const auto &[value, index] : cases)
        EXPECT_EQ(CellTime::NearestIndex(axis, value), index) << value;
}

// A known trace: each row counts until the next, a gap and a standing engine count nothing, and a
// stalled link counts at most half a second.
TEST(CellTime, aKnownTraceFillsItsCells) {
    std::string text = LogHeader();
    AppendLogRow(text, 0, Point(1000, 0), {}); // row 0, column 0 for 100 ms
    AppendLogRow(text, 100, Point(1500, 60),
                 {}); // on the midpoints 20..100 and 1000..2000: row 2, column 1 for 200 ms
    AppendLogRow(text, 300, Point(3100, 1000), {}); // row 3, column 2 for 100 ms
    AppendGapRow(text, 400);                        // nothing until the unit is back
    AppendLogRow(text, 2000, Point(0, 0), {});      // the engine stands: nothing
    AppendLogRow(text, 2100, Point(2000, 20), {});  // row 1, column 1: 3 s to the next row, 0.5 s counted
    AppendLogRow(text, 5100, Point(2000, 20), {});  // the last row has no duration
    CellTime time(MapAxes{{1000, 2000, 4000}, {0, 20, 100, 1000}});
    time.AddLog(ReadOrFail(text));
    const long long expected[4][3] = {{100, 0, 0}, {0, 500, 0}, {0, 200, 0}, {0, 0, 100}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(time.ms(row, column), expected[row][column]) << row << "," << column;
    EXPECT_DOUBLE_EQ(time.seconds(1, 1), 0.5);
    EXPECT_EQ(time.totalMs(), 900);
    time.Clear();
    EXPECT_EQ(time.totalMs(), 0);
}

TEST(CellTime, aMapOverSpeedOnlyHasOneRowAndAPressureLogUsesThePressure) {
    CellTime speedOnly(MapAxes{{1000, 2000}, {}});
    speedOnly.Add({1900, 700, 0, true}, 55);
    EXPECT_EQ(speedOnly.rows(), 1);
    EXPECT_EQ(speedOnly.ms(0, 1), 55);

    Frame f = Point(2000, 85);
    f.setByte(Monb::IapSensor, 1);
    f.seal();
    std::string text = LogHeader();
    AppendLogRow(text, 0, f, {});
    const std::optional<OperatingPoint> point = LogPoint(ReadOrFail(text), 0);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->load, 85);
    EXPECT_TRUE(point->running);
}

// Replaying the set the unit held gives what the unit did; another set shifts it by its change.
TEST(Replay, theHeldSetGivesWhatTheUnitDidAndAnotherSetItsChange) {
    ParameterImage held = FirstStartSet();
    held.setByte(Adrb::OutputCount, 2);
    held.setByte(Adrb::ServoEnabled, 1);
    held.setByte(Adrb::Map2Acceleration, 20); // map 2 above 2000 rpm/s: the start takes it
    for (int i = 0; i < 150; ++i)
        held.setByte(Adrb::Servo + i, 40 + i % 7);
    const SimulatedRun run(held);
    const MonitorLog log = ReadOrFail(run.log(600));

    const auto same = ReplayLog(log, held);
    ASSERT_EQ(same.size(), 600u);
    int usedMap2 = 0;
    for (int row = 0; row < 600; ++row) {
        ASSERT_TRUE(same[row]);
        EXPECT_EQ(same[row]->advance1, log.values("advance1")[row]) << row;
        EXPECT_EQ(same[row]->advance2, log.values("advance2")[row]) << row;
        EXPECT_EQ(same[row]->servoMv, log.values("servoDesired")[row]) << row;
        usedMap2 += log.values("map2")[row];
    }
    EXPECT_GT(usedMap2, 0);

    ParameterImage other = held;
    for (int i = 0; i < 150; ++i) {
        other.setByte(Adrb::Advance1 + i, held.byte(Adrb::Advance1 + i) + 3);
        other.setByte(Adrb::Advance2 + i, held.byte(Adrb::Advance2 + i) + 3);
    }
    other.setByte(Adrb::CylinderCorrection + 1, held.byte(Adrb::CylinderCorrection + 1) - 1);
    const auto changed = ReplayLog(log, other);
    for (int row = 0; row < 600; ++row) {
        const bool running = log.values("pickup1")[row] != 0;
        const int advance1 = log.values("advance1")[row], advance2 = log.values("advance2")[row];
        if (running && advance1 + 3 <= 99 && advance2 + 2 <= 99) {
            EXPECT_EQ(changed[row]->advance1, advance1 + 3) << row;
            EXPECT_EQ(changed[row]->advance2, advance2 + 2) << row;
        }
        EXPECT_EQ(changed[row]->servoMv, same[row]->servoMv);
    }

    // A set that follows the intake pressure cannot be replayed on a throttle log.
    ParameterImage pressure = held;
    pressure.setByte(Adrb::LoadSensor, 2);
    pressure.setByte(Adrb::MapsUseLoad, 1);
    EXPECT_FALSE(ReplayLog(log, pressure).front());
}

TEST(Replay, differingCellsComeByTheTimeSpentInThem) {
    const ParameterImage held = FirstStartSet();
    const SimulatedRun run(held);
    const MonitorLog log = ReadOrFail(run.log(400));
    CellTime time(UnitMapAxes(held, UnitMap::Advance1));
    time.AddLog(log);
    // The most used cell of the advance map, one the run never reached, and a servo cell.
    int busiest = 0;
    for (int cell = 0; cell < time.rows() * time.columns(); ++cell)
        if (time.ms(cell / time.columns(), cell % time.columns()) >
            time.ms(busiest / time.columns(), busiest % time.columns()))
            busiest = cell;
    const int busyRow = busiest / time.columns(), busyColumn = busiest % time.columns();
    ASSERT_GT(time.ms(busyRow, busyColumn), 0);
    int idle = 0;
    while (time.ms(idle / time.columns(), idle % time.columns()) != 0)
        ++idle;
    ParameterImage other = held;
    const auto bump = [&](UnitMap map, int first, int row, int column) {
        other.setByte(first + 15 * row + column, held.byte(first + 15 * row + column) + 2);
        return CellDifference{
            map, row, column, UnitMapCell(held, map, row, column), UnitMapCell(held, map, row, column) + 2,
            0};
    };
    CellDifference idleCell = bump(UnitMap::Advance1, Adrb::Advance1, idle / 15, idle % 15);
    CellDifference busyCell = bump(UnitMap::Advance1, Adrb::Advance1, busyRow, busyColumn);
    busyCell.ms = time.ms(busyRow, busyColumn);
    const std::vector<CellDifference> cells = DifferingCells(log, held, other);
    EXPECT_EQ(cells, (std::vector<CellDifference>{busyCell, idleCell}));
    EXPECT_TRUE(DifferingCells(log, held, held).empty());
}

} // namespace

// Live: each record counts until the next; a lost connection starts afresh; edited axes count afresh.
TEST(CellTime, liveTimeCountsSinceTheConnectionOnTheScreensAxes) {
    ParameterImage screen = FirstStartSet();
    screen.setByte(Adrb::MapsUseLoad, 1);
    screen.setByte(Adrb::LoadSensor, 1); // the throttle
    LiveCellTime live(screen);
    const MapAxes axes = UnitMapAxes(screen, UnitMap::Advance1);
    const auto arrive = [&live](std::initializer_list<std::pair<Frame, long long>> frames) {
        std::vector<LiveRecord> records;
        for (const auto &[frame, ms] : frames)
            records.push_back(LiveRecord::Decode(frame, ms, records.size() + 1));
        live.RecordsArrived(records);
    };
    const int rpm0 = axes.rpm[0], rpm1 = axes.rpm[1];
    const int load0 = axes.load[0], load1 = axes.load[1];
    arrive({{Point(rpm0, load0), 0}, {Point(rpm1, load1), 55}});
    arrive({{Point(rpm1, load1), 2055}}); // a stalled link counts half a second
    const CellTime &time = live.For(UnitMap::Advance1);
    EXPECT_EQ(time.ms(0, 0), 55);
    EXPECT_EQ(time.ms(1, 1), CellTime::MaxRowMs);
    EXPECT_EQ(live.totalMs(), 55 + CellTime::MaxRowMs);

    live.ConnectionChanged(false, 3000);
    arrive({{Point(rpm0, load0), 9000}, {Point(rpm0, load0), 9055}});
    const CellTime &fresh = live.For(UnitMap::Advance1);
    EXPECT_EQ(fresh.totalMs(), 55);
    EXPECT_EQ(fresh.ms(0, 0), 55);
    EXPECT_EQ(&fresh, &time); // a view holding the time keeps a valid one

    // Points edited on the screen: the map counts afresh on its new axes.
    screen.setWord(Adrw::AdvanceRpm1 + 1, static_cast<unsigned>(rpm1 + 100));
    arrive({{Point(rpm0, load0), 9110}});
    EXPECT_EQ(live.For(UnitMap::Advance1).totalMs(), 55);
    EXPECT_NE(live.For(UnitMap::Advance1).axes().rpm, axes.rpm);
}
