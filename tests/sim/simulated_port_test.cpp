// The in-process port's line: how long bytes take, one transmission at a time each way, what a closed
// port hears, and when the port reports input.

#include "sim_fixture.h"

#include "sim/TickStepper.h"

#include <gtest/gtest.h>

namespace zarvex1::test {
namespace {

using std::chrono::milliseconds;

SimOptions Quiet() {
    SimOptions options;
    options.monitorMs = 0;
    return options;
}

TEST(LineModel, frameTakes26Point4MsAt57600Baud) {
    EXPECT_EQ(LineModel::Serial().Duration(FrameSize), SimTime(26389));
    EXPECT_EQ(LineModel::Serial().Duration(1), SimTime(174));
    EXPECT_EQ(LineModel().Duration(FrameSize), SimTime(0)) << "no line model: bytes cross at once";
}

TEST(SimulatedPort, answerComesAfterTwoFramesOfLineTimeAndTheTurnaround) {
    const LineModel line = LineModel::Serial(milliseconds(5));
    SimulatedPort port(Quiet(), line);
    int reports = 0;
    SimTime reportedAt{0};
    port.SetInputHandler([&] {
        ++reports;
        reportedAt = port.now();
    });
    ASSERT_TRUE(port.open("unit"));
    port.Advance(milliseconds(10));
    const Frame request = Request(0x41);
    port.write(request.bytes.data(), FrameSize);
    port.Advance(milliseconds(57));
    EXPECT_EQ(port.bytesWaiting(), 0) << "not yet whole";
    port.Advance(milliseconds(1));
    EXPECT_EQ(port.bytesWaiting(), FrameSize);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(reportedAt, milliseconds(10) + 2 * line.Duration(FrameSize) + milliseconds(5));
}

TEST(SimulatedPort, eachDirectionCarriesOneTransmissionAtATime) {
    const LineModel line = LineModel::Serial();
    SimulatedPort port(Quiet(), line);
    std::vector<SimTime> reports;
    port.SetInputHandler([&] { reports.push_back(port.now()); });
    port.open("unit");
    const Frame first = Request(0x41), second = Request(0x42);
    port.write(first.bytes.data(), FrameSize);
    port.write(second.bytes.data(), FrameSize); // waits for the first to leave the line
    port.Advance(milliseconds(200));
    const SimTime frame = line.Duration(FrameSize);
    EXPECT_EQ(reports, (std::vector<SimTime>{2 * frame, 3 * frame}));
    EXPECT_EQ(port.unit().recentRequests()[1].at, 2 * frame);
}

TEST(SimulatedPort, closedPortHearsNothingAndLosesWhatWasComing) {
    SimulatedPort port(Quiet(), LineModel::Serial());
    port.open("unit");
    const Frame request = Request(0x41);
    port.write(request.bytes.data(), FrameSize);
    port.Advance(milliseconds(30)); // the request is there, the answer on its way
    port.close();
    port.Advance(milliseconds(100));
    EXPECT_EQ(port.bytesWaiting(), 0);
    port.open("unit");
    port.Advance(milliseconds(100));
    EXPECT_EQ(port.bytesWaiting(), 0);
    std::uint8_t buffer[FrameSize];
    EXPECT_EQ(port.read(buffer, FrameSize), 0);

    port.SetPresent(false);
    EXPECT_FALSE(port.open("unit")) << "an unplugged adapter";
    EXPECT_FALSE(port.write(request.bytes.data(), FrameSize));
    EXPECT_EQ(port.openCount(), 2);
}

TEST(SimulatedPort, readTakesWhatIsQueuedAndDiscardDropsIt) {
    SimulatedPort port; // monitor frames every 100 ms, bytes at once
    port.open("unit");
    port.Advance(milliseconds(250));
    EXPECT_EQ(port.bytesWaiting(), 3 * FrameSize);
    std::uint8_t buffer[FrameSize];
    EXPECT_EQ(port.read(buffer, FrameSize), FrameSize);
    EXPECT_EQ(buffer[0], MonitorCode);
    EXPECT_EQ(port.bytesWaiting(), 2 * FrameSize);
    port.discardInput();
    EXPECT_EQ(port.bytesWaiting(), 0);
}

TEST(SimulatedPort, nextEventTellsWhenSomethingHappens) {
    SimulatedPort port(Quiet(), LineModel::Serial());
    port.open("unit");
    EXPECT_EQ(port.NextEvent(), SimTime::max()) << "a quiet unit with nothing to answer";
    const Frame request = Request(0x41);
    port.write(request.bytes.data(), FrameSize);
    EXPECT_EQ(port.NextEvent(), LineModel::Serial().Duration(FrameSize));
}

TEST(TickStepper, runsTheLineForATickThenTheTick) {
    SimulatedPort port;
    port.open("unit");
    std::vector<SimTime> ticks;
    TickStepper stepper(port, [&] { ticks.push_back(port.now()); });
    stepper.Step(2);
    EXPECT_EQ(ticks, (std::vector<SimTime>{milliseconds(55), milliseconds(110)}));
    EXPECT_EQ(stepper.StepUntil([&] { return ticks.size() == 5; }, 10), 3);
    EXPECT_EQ(stepper.StepUntil([] { return false; }, 2), -1);
    EXPECT_EQ(stepper.ticks(), 7);
}

} // namespace
} // namespace zarvex1::test
