#include "link_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace zarvex1::test {
namespace {

using Codes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

constexpr SimTime Tick = TickStepper::TickTime;

TEST_F(LinkTest, readTakesThirteenExchangesAndEndsWithAVerify) {
    Start(TestUnit(), LegalImage(1));
    session.Read();
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       ");
    tick(3);
    EXPECT_EQ(port->writeCount(), 0);
    tick();
    ASSERT_EQ(port->writeCount(), 1) << "the first frame goes out within 4 ticks";
    ASSERT_GT(tickUntilIdle(), 0);

    EXPECT_EQ(requests(),
              (Codes{0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(image, unitMemory());
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Read:", "Verify::", "Verify:: OK"}));
    EXPECT_EQ(owner.lines.back().colour, Colour::ButtonFace);
    EXPECT_TRUE(undoRecorded());
    EXPECT_EQ(owner.deviceTexts, (DeviceTexts{"ZRX07", "12. 4.2018", "09:30"}));
    EXPECT_EQ(engine->progressGauge(), (ProgressGauge{6, 6, true}));
    EXPECT_TRUE(texts[1].empty());
}

// A reply that comes between two ticks is taken at once and the next frame goes out at once, so a
// transfer runs at the line's pace: 13 exchanges of two frames and the unit's turnaround each.
struct LinePace {
    const char *name;
    int turnaroundMs;
    bool liveValues; // the unit's engine runs and it sends monitor frames every 100 ms
};

class ReadAtLineSpeed : public LinkTest, public ::testing::WithParamInterface<LinePace> {};

TEST_P(ReadAtLineSpeed, readWithItsVerifyTakesThirteenExchangesOfLineTime) {
    const LinePace &pace = GetParam();
    SimOptions options = TestUnit();
    if (pace.liveValues) {
        options.engine = EngineMode::Running;
        options.monitorMs = 100;
    }
    const LineModel line = LineModel::Serial(milliseconds(pace.turnaroundMs));
    Start(options, LegalImage(2), line);
    tick(5);
    const int writes = port->writeCount();
    session.Read();
    ASSERT_GT(stepper->StepUntil([&] { return port->writeCount() > writes; }, 4), 0);
    const SimTime firstFrame = port->lastWrite();
    ASSERT_GT(tickUntilIdle(), 0);

    ASSERT_EQ(engine->messageLine().text, "Verify:: OK");
    const SimTime done = owner.lineTimes.back();
    const SimTime exchange = 2 * line.Duration(FrameSize) + line.turnaround;
    EXPECT_GE(done - firstFrame, 13 * exchange);
    EXPECT_LE(done - firstFrame, 13 * exchange * 11 / 10);
    EXPECT_EQ(unit().requestCount(), 13) << "no frame was sent twice";
}

INSTANTIATE_TEST_SUITE_P(Turnarounds, ReadAtLineSpeed,
                         ::testing::Values(LinePace{"turnaround0", 0, false},
                                           LinePace{"turnaround5", 5, false},
                                           LinePace{"turnaround10", 10, false},
                                           LinePace{"turnaround10WithLiveValues", 10, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LinkTest, deviceInfoAloneIsOneExchangeThatEndsQuietly) {
    Start();
    image = LegalImage(15);
    const ParameterImage before = image;
    engine->ReadDeviceInfo();
    tickUntilIdle();
    tick(10);
    EXPECT_EQ(requests(), Codes{0x40});
    EXPECT_EQ(owner.deviceTexts, (DeviceTexts{"ZRX07", "12. 4.2018", "09:30"}));
    EXPECT_FALSE(engine->messageLine().visible);
    EXPECT_EQ(image, before);
    EXPECT_FALSE(undoRecorded());
    EXPECT_EQ(texts[1], "tune.ign") << "the current file stays";
}

TEST_F(LinkTest, programTakesThirteenExchangesAndStoresTheImageInTheUnit) {
    Start();
    image = LegalImage(2);
    const ParameterImage programmed = image;
    session.Program();
    EXPECT_EQ(owner.pagesToImage, 1);
    ASSERT_GT(tickUntilIdle(), 0);

    EXPECT_EQ(requests(),
              (Codes{0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(unitMemory(), programmed);
    EXPECT_EQ(image, programmed);
    // The programming OK waits until the unit reports on its saving: until then only the verify is done.
    tick(10);
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK"}));
    EXPECT_TRUE(engine->state().ProgramDonePending);
    unit().SendOwnFrame(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK",
                                                           "Program device:: OK"}));
    EXPECT_FALSE(undoRecorded());
}

TEST_F(LinkTest, verifyTakesSixExchangesAndChangesNothing) {
    Start(TestUnit(), LegalImage(3));
    image = LegalImage(3);
    const ParameterImage before = image;
    session.Verify();
    ASSERT_GT(tickUntilIdle(), 0);

    EXPECT_EQ(requests(), (Codes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(image, before);
    EXPECT_EQ(unitMemory(), before);
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Verify:", "Verify:: OK"}));
}

struct FailureRow {
    const char *name;
    void (ParameterSession::*command)();
    int badEchoBlock;
    int badReadBlock;
    bool answering;
    std::uint8_t failingCode;
    std::string error;
};

class LinkFailureTest : public LinkTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(LinkFailureTest, blockGoesOutFiveTimesAtLeastFourTicksApartThenTheErrorInRed) {
    const FailureRow &row = GetParam();
    SimOptions options = TestUnit();
    options.badEchoBlock = row.badEchoBlock;
    options.badReadBlock = row.badReadBlock;
    Start(options, LegalImage(4));
    unit().SetAnswering(row.answering);
    image = LegalImage(4);
    (session.*row.command)();
    ASSERT_GT(tickUntilIdle(), 0);
    const SimTime failedAt = stepper->ticks() * Tick;

    std::vector<SimTime> sentAt; // when the failing block went out
    for (const ReceivedRequest &r : unit().recentRequests())
        if (r.code == row.failingCode)
            sentAt.push_back(r.at - port->line().Duration(FrameSize));
    ASSERT_EQ(sentAt.size(), 5u);
    // The first frame of a block may go out between ticks, as its predecessor's reply came; the unit
    // has 4 whole ticks to answer each frame, and the resends go out with the ticks.
    EXPECT_GE(sentAt[1] - sentAt[0], 4 * Tick);
    EXPECT_LT(sentAt[1] - sentAt[0], 5 * Tick);
    for (std::size_t i = 2; i < sentAt.size(); ++i)
        EXPECT_EQ(sentAt[i] - sentAt[i - 1], 4 * Tick);
    EXPECT_EQ(failedAt - sentAt.back(), 4 * Tick);
    EXPECT_EQ(requests().back(), row.failingCode) << "no later block is sent";
    EXPECT_EQ(engine->messageLine(), (MessageLine{row.error, Colour::Red, true}));
    EXPECT_FALSE(engine->state().ProgramDonePending);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, LinkFailureTest,
    ::testing::Values(
        FailureRow{"readSilentUnit", &ParameterSession::Read, 0, 0, false, 0x40, "Read error!"},
        FailureRow{"programBadEcho", &ParameterSession::Program, 3, 0, true, 0x03, "Program error!"},
        FailureRow{"verifyDiffers", &ParameterSession::Verify, 0, 2, true, 0x42, "Verify error!"},
        FailureRow{"programVerifyDiffers", &ParameterSession::Program, 0, 5, true, 0x45, "Verify error!"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LinkTest, failedReadLeavesTheImageAsItWas) {
    Start(TestUnit(), LegalImage(6));
    image = LegalImage(5);
    const ParameterImage before = image;
    session.Read();
    ASSERT_GT(stepper->StepUntil([&] { return unit().requestsOf(0x42) > 0; }, 20), 0);
    unit().SetAnswering(false);
    tickUntilIdle();
    EXPECT_EQ(engine->messageLine().text, "Read error!");
    EXPECT_EQ(image, before) << "a half-read set must not mix into the image";
    EXPECT_FALSE(undoRecorded());
}

TEST_F(LinkTest, droppedRepliesAreResentAndTheTransferCompletes) {
    Start();
    image = LegalImage(7);
    unit().DropAnswers(4); // four frames of block 0 go unanswered, the fifth is answered
    session.Program();
    tickUntilIdle();
    EXPECT_EQ(unitMemory(), image);
    EXPECT_EQ(unit().requestsOf(0x00), 5);
    unit().SendOwnFrame(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine->messageLine().text, "Program device:: OK");
}

TEST_F(LinkTest, newCommandReplacesTheRunningOne) {
    Start(TestUnit(), LegalImage(9));
    image = LegalImage(9);
    session.Program();
    ASSERT_GT(stepper->StepUntil([&] { return unit().requestsOf(0x02) > 0; }, 20), 0);
    const std::size_t before = unit().recentRequests().size();
    session.Verify();
    EXPECT_EQ(engine->state().LinkRequest, LinkRequest::Verify);
    tickUntilIdle();

    // A program frame still on its way arrives; its reply is ignored and the verify starts afresh.
    Codes after = requests();
    after.erase(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(before));
    if (!after.empty() && (after.front() & ReadFlag) == 0)
        after.erase(after.begin());
    EXPECT_EQ(after, (Codes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(engine->messageLine().text, "Verify:: OK");
    EXPECT_FALSE(engine->state().ProgramDonePending);
}

TEST_F(LinkTest, otherProtocolVersionEndsTheRequestWithTheVersionMessage) {
    for (auto command : {&ParameterSession::Read, &ParameterSession::Program}) {
        SimOptions options = TestUnit();
        options.protocolVersion = 98;
        owner = RecordingOwner();
        Start(options);
        (session.*command)();
        tick(5);
        EXPECT_EQ(engine->state().LinkRequest, LinkRequest::None);
        EXPECT_EQ(owner.versionMessages,
                  std::vector<std::string>{"Unmatched version of PC and Ignition programs!  PC-99, IGN-98"});
        EXPECT_GT(owner.imageToPages, 0);
        EXPECT_FALSE(engine->messageLine().visible) << "the message line is hidden on the next tick";
        EXPECT_EQ(requests(),
                  Codes{static_cast<std::uint8_t>(command == &ParameterSession::Read ? 0x40 : 0x00)})
            << "no block after the device info";
    }
}

TEST_F(LinkTest, savingCountdownThenProgrammingOkUntilTheLineRunsOut) {
    Start();
    image = LegalImage(10);
    session.Program();
    tickUntilIdle();
    ASSERT_TRUE(engine->state().ProgramDonePending);

    unit().SendOwnFrame(MonitorFrameWith(900));
    tick();
    EXPECT_EQ(engine->messageLine(), (MessageLine{"Saving:", Colour::ButtonFace, true}));
    EXPECT_EQ(engine->progressGauge().maximum, 100);
    EXPECT_EQ(engine->progressGauge().position, 50);
    unit().SendOwnFrame(MonitorFrameWith(1));
    tick();
    EXPECT_EQ(engine->progressGauge().position, 99);

    unit().SendOwnFrame(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine->messageLine().text, "Program device:: OK");
    EXPECT_EQ(engine->progressGauge(), (ProgressGauge{6, 6, true}));
    const int left = engine->state().MessageTicks;
    EXPECT_EQ(left, 198) << "the OK text does not restart the line";
    tick(left);
    EXPECT_TRUE(engine->messageLine().visible);
    tick();
    EXPECT_FALSE(engine->state().ProgramDonePending);
    EXPECT_FALSE(engine->messageLine().visible);
    EXPECT_FALSE(engine->progressGauge().visible);
}

TEST_F(LinkTest, programmingIsDoneWhenTheUnitHasSaved) {
    SimOptions options = TestUnit();
    options.monitorMs = 100;
    options.savingMs = 1800;
    Start(options);
    image = LegalImage(14);
    session.Program();
    tickUntilIdle();
    ASSERT_GT(stepper->StepUntil([&] { return engine->messageLine().text == "Program device:: OK"; }, 60), 0);
    const std::vector<std::string> shown = owner.lineTexts();
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 4),
              (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK", "Saving:"}));
    EXPECT_EQ(shown.back(), "Program device:: OK");
    EXPECT_EQ(engine->progressGauge(), (ProgressGauge{6, 6, true}));
}

TEST_F(LinkTest, unitLostWhileSavingIsNotReportedAsDone) {
    SimOptions options = TestUnit();
    options.monitorMs = 100;
    options.savingMs = 20000;
    Start(options);
    image = LegalImage(13);
    session.Program();
    tickUntilIdle();
    ASSERT_GT(stepper->StepUntil([&] { return engine->messageLine().text == "Saving:"; }, 20), 0);
    const std::size_t linesBefore = owner.lines.size();
    unit().SetSilent(true);
    tick(18);
    ASSERT_FALSE(engine->state().Connected);
    tick(300);
    EXPECT_FALSE(engine->messageLine().visible);
    for (std::size_t i = linesBefore; i < owner.lines.size(); ++i)
        EXPECT_EQ(owner.lines[i].text, "Saving:");
}

TEST_F(LinkTest, savingCountdownAboveItsStartKeepsTheGaugeEmpty) {
    Start();
    unit().SendOwnFrame(MonitorFrameWith(65535));
    tick(2); // the frame connects the link; a countdown is believed from the next tick
    EXPECT_EQ(engine->messageLine().text, "Saving:");
    EXPECT_EQ(engine->progressGauge().position, 0);
}

TEST_F(LinkTest, testBitsGoOutOnceWithTheNextPoll) {
    Start();
    engine->SendTest(TestButton::ServoPlus);
    engine->SendTest(TestButton::ServoPlus);
    engine->SendTest(TestButton::Ign1);
    engine->SendTest(TestButton::POut3);
    tick(6 + 1); // the poll of the sixth tick reaches the unit during the next
    ASSERT_EQ(unit().pollCount(), 1);
    const Frame &first = unit().recentPolls()[0];
    EXPECT_EQ(first.bytes[21], 0x01);
    EXPECT_EQ(first.bytes[22], 0x04);
    EXPECT_EQ(first.bytes[23], 0x01);
    tick(6);
    ASSERT_EQ(unit().pollCount(), 2);
    EXPECT_EQ(unit().recentPolls()[1], PollFrame({}));
}

TEST_F(LinkTest, noTestCommandReachesARunningEngine) {
    Start();
    Frame turning = MonitorFrameWith(0);
    turning.setByte(Monb::Pickup2Signal, 1);
    turning.seal();

    // Pressed while the engine stood, then it started before the poll: the bits go unsent.
    engine->SendTest(TestButton::Ign1);
    unit().SendOwnFrame(turning);
    tick(6 + 1);
    ASSERT_TRUE(engine->engineTurns());
    ASSERT_EQ(unit().pollCount(), 1);
    EXPECT_EQ(unit().recentPolls()[0], PollFrame({}));

    // Pressed while it turns: nothing is kept for later either.
    engine->SendTest(TestButton::POut1);
    unit().SendOwnFrame(MonitorFrameWith(0)); // it stands again
    tick(6);
    ASSERT_FALSE(engine->engineTurns());
    ASSERT_EQ(unit().pollCount(), 2);
    EXPECT_EQ(unit().recentPolls()[1], PollFrame({}));
    EXPECT_EQ(unit().unit().testCounts(), (std::array<int, 7>{}));
}

TEST_F(LinkTest, testBitsWaitWhileARequestRunsOrThePortIsHandedOver) {
    Start();
    unit().SetAnswering(false);
    session.Verify();
    engine->SendTest(TestButton::Rpm);
    tick(20);
    ASSERT_EQ(engine->state().LinkRequest, LinkRequest::Verify);
    EXPECT_EQ(unit().pollCount(), 0);
    tickUntilIdle();
    tick(6 + 1);
    ASSERT_EQ(unit().pollCount(), 1);
    EXPECT_EQ(unit().recentPolls()[0].bytes[22], 0x10);

    engine->PortMessage(1, LinkEngine::HandoverRestart);
    tickUntilIdle(); // no answer: "Reset error" and the port is released
    ASSERT_FALSE(engine->state().PortEnabled);
    engine->SendTest(TestButton::ServoMinus);
    tick(12);
    EXPECT_EQ(unit().pollCount(), 1);
    engine->PortMessage(1, LinkEngine::TakeBackRequest);
    tick(6 + 1);
    ASSERT_EQ(unit().pollCount(), 2);
    EXPECT_EQ(unit().recentPolls()[1].bytes[23], 0x02);
}

TEST_F(LinkTest, handoverOfThePortInUse) {
    Start();
    engine->PortMessage(2, LinkEngine::HandoverRestart);
    EXPECT_EQ(engine->state().LinkRequest, LinkRequest::None) << "another port's message changes nothing";

    engine->PortMessage(1, LinkEngine::HandoverRestart);
    tick();
    EXPECT_EQ(port->writeCount(), 1) << "the first frame goes out on the next tick";
    tick();
    EXPECT_TRUE(unit().unit().inLoader(port->now().count() / 1000)) << "the frame carried the loader's marks";
    EXPECT_FALSE(engine->state().PortEnabled);
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       tune.ign     (Disconnected by bootloader)");

    tick(60);
    EXPECT_EQ(port->writeCount(), 1) << "nothing is sent while the port is handed over";
    EXPECT_EQ(port->openCount(), 1) << "and it is not reopened";

    engine->PortMessage(1, LinkEngine::TakeBackRequest);
    EXPECT_TRUE(engine->state().PortEnabled);
    EXPECT_TRUE(port->isOpen());
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       tune.ign");
    EXPECT_EQ(owner.languageCaptions, 1);
}

TEST_F(LinkTest, unansweredHandoverSendsTwoFramesThenReleasesThePort) {
    Start();
    unit().SetAnswering(false);
    engine->PortMessage(1, LinkEngine::HandoverRestart);
    tickUntilIdle();
    EXPECT_EQ(requests(), (Codes{0x00, 0x00}));
    EXPECT_EQ(engine->messageLine(), (MessageLine{"Reset error", Colour::Red, true}));
    EXPECT_FALSE(engine->state().PortEnabled);
    EXPECT_FALSE(port->isOpen());
}

TEST_F(LinkTest, handoverWithoutAcceptanceGoesOnUntilItsFramesRunOut) {
    SimOptions options = TestUnit();
    options.acceptHandover = false;
    Start(options);
    engine->PortMessage(1, LinkEngine::HandoverRestart);
    tick(2);
    EXPECT_EQ(engine->state().LinkRequest, LinkRequest::Handover);
    EXPECT_EQ(engine->deviceInfo(), unit().unit().deviceInfo());
    tickUntilIdle();
    EXPECT_EQ(engine->messageLine().text, "Reset error");
    EXPECT_EQ(unit().requestsOf(0x00), 2);
}

TEST_F(LinkTest, handoverRequestGoesOnFromWhereTheLinkStands) {
    Start(TestUnit(), LegalImage(12));
    image = LegalImage(12);
    session.Verify();
    tickUntilIdle();
    unit().SetAnswering(false);
    const int writes = port->writeCount();
    // The last verify frame counted one send: one more frame of block 6, unmarked, then the failure.
    engine->PortMessage(1, LinkEngine::HandoverRequest);
    tickUntilIdle();
    tick();
    EXPECT_EQ(port->writeCount(), writes + 1);
    EXPECT_EQ(requests().back(), 0x46);
    EXPECT_EQ(unit().requestsOf(0x46), 2);
    EXPECT_EQ(engine->messageLine().text, "Reset error");
}

TEST_F(LinkTest, handedOverLinkKeepsItsConnectionState) {
    SimOptions options = TestUnit();
    options.monitorMs = 100;
    Start(options);
    ASSERT_GT(stepper->StepUntil([&] { return engine->state().Connected; }, 10), 0);
    engine->PortMessage(1, LinkEngine::HandoverRestart);
    tick(2);
    ASSERT_FALSE(engine->state().PortEnabled);
    tick(100);
    EXPECT_TRUE(engine->state().Connected);
    EXPECT_FALSE(engine->connectionBannerVisible());
}

TEST_F(LinkTest, connectionTextFollowsTheUnit) {
    Start(TestUnit(), LegalImage(11));
    EXPECT_EQ(engine->connectionText(), "Not connected");
    session.Read();
    tickUntilIdle(20);
    unit().SendOwnFrame(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine->connectionText(), "ZRX07   12. 4.2018   09:30   ") << "no stale \"Not connected\"";
    Frame other = MonitorFrameWith(0);
    other.setByte(Monb::Version, 97);
    other.seal();
    unit().SendOwnFrame(other);
    tick();
    EXPECT_EQ(engine->connectionText(), "Unmatched version of PC and Ignition programs!  PC-99, IGN-97");
}

// ---------------------------------------------------------------------------------------------------
// What only the port's bytes show.

TEST_F(MockLinkTest, lateReplyOfOlderBlockIsIgnored) {
    const ParameterImage memory = LegalImage(8);
    const DeviceInfo info = MakeDeviceInfo(TestUnit());
    engine.Start();
    engine.StartRead();
    tick(4);
    port.feed(ReplyFrame(0x40, info.bytes));
    tick();
    port.feed(ReplyFrame(0x41, memory.block(1)));
    tick();
    ASSERT_EQ(engine.state().FrameCode, 0x42);
    tick(2);
    const std::size_t sent = port.written.size();
    const int noReply = engine.state().NoReplyTicks;

    port.feed(ReplyFrame(0x41, memory.block(1))); // a second answer to block 1
    tick();
    EXPECT_EQ(engine.state().FrameCode, 0x42);
    EXPECT_EQ(port.written.size(), sent);
    EXPECT_EQ(engine.state().NoReplyTicks, noReply + 1) << "a rejected frame is no sign of life";
    EXPECT_EQ(engine.state().RetryCount, 1);
}

TEST_F(MockLinkTest, rejectedRepliesChangeNothing) {
    engine.Start();
    std::array<std::uint8_t, PayloadSize> payload{};
    Frame corrupt = ReplyFrame(0x40, payload);
    corrupt.bytes[60] ^= 0x01;
    struct Row {
        const char *name;
        bool startRead;
        Frame reply;
    };
    const Row rows[] = {
        {"checksum", true, corrupt},
        {"lead byte not the reply code", true, ReplyFrame(0x41, payload)},
        {"lead byte is the request code", true, DataFrame(0x40, LinkRequest::Read, image)},
        {"no request running", false, ReplyFrame(0x40, payload)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.startRead) {
            engine.StartRead();
            tick(4);
        } else {
            tickUntilIdle();
        }
        const LinkState before = engine.state();
        port.feed(row.reply);
        tick();
        EXPECT_EQ(engine.state().FrameCode, before.FrameCode);
        EXPECT_EQ(engine.state().NoReplyTicks, before.NoReplyTicks + (before.NoReplyTicks < 18 ? 1 : 0));
        EXPECT_EQ(engine.deviceInfo(), DeviceInfo{});
        EXPECT_TRUE(port.input.empty()) << "the whole read is dropped";
    }
}

TEST_F(MockLinkTest, replyBetweenTicksIsTakenAtOnceAndMonitorFramesWaitForTheTick) {
    engine.Start();
    const Frame monitor = MonitorFrameWith(0);
    port.deliver(std::vector<std::uint8_t>(monitor.bytes.begin(), monitor.bytes.end()));
    EXPECT_EQ(port.readCount, 1) << "bytes are read when the port reports them";
    EXPECT_TRUE(watcher.records.empty()) << "the watchers hear of the record on the tick";
    tick();
    EXPECT_EQ(watcher.records.size(), 1u);

    engine.StartRead();
    tick(4);
    ASSERT_EQ(port.written.size(), 1u);
    const Frame reply = ReplyFrame(0x40, MakeDeviceInfo(TestUnit()).bytes);
    port.deliver(std::vector<std::uint8_t>(reply.bytes.begin(), reply.bytes.end() - 1));
    EXPECT_EQ(port.written.size(), 1u) << "a part of a reply waits";
    port.deliver({reply.bytes.back()});
    ASSERT_EQ(port.written.size(), 2u) << "the whole reply is taken and the next frame goes out at once";
    EXPECT_EQ(port.written[1][0], 0x41);
    EXPECT_EQ(engine.state().RetryCount, 1);
}

TEST_F(MockLinkTest, partialFrameThatDoesNotGrowForATickIsDropped) {
    engine.Start();
    engine.StartRead();
    tick(4);
    // The tail of a reply cut by a read between ticks: it would put every later read out of step.
    port.feed(std::vector<std::uint8_t>(5, 0xC0));
    tick(2);
    const Frame reply = ReplyFrame(0x40, MakeDeviceInfo(TestUnit()).bytes);
    port.deliver(std::vector<std::uint8_t>(reply.bytes.begin(), reply.bytes.end()));
    EXPECT_EQ(engine.state().FrameCode, 0x41);
}

TEST_F(MockLinkTest, idleLinkPollsEverySixTicks) {
    engine.Start();
    tick(36);
    EXPECT_EQ(port.written.size(), 6u);
    for (const auto &frame : port.written)
        EXPECT_EQ(frame[0], PollCode);
}

TEST_F(MockLinkTest, connectionIsLostAfterEighteenSilentTicks) {
    engine.Start();
    tick();
    EXPECT_TRUE(engine.connectionBannerVisible()) << "the program starts without a connection";
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_FALSE(engine.connectionBannerVisible());
    EXPECT_TRUE(engine.state().Connected);
    ASSERT_EQ(watcher.records.size(), 1u) << "the first frame's record comes on its tick";
    EXPECT_EQ(watcher.connection, (std::vector<std::pair<bool, long long>>{{true, 0}}));
    tick(17);
    EXPECT_TRUE(engine.state().Connected);
    nowMs = 1000;
    tick();
    EXPECT_FALSE(engine.state().Connected);
    EXPECT_TRUE(engine.connectionBannerVisible());
    EXPECT_EQ(watcher.connection.back(), (std::pair<bool, long long>{false, 1000}));
}

TEST_F(MockLinkTest, versionLabelTellsOfAnotherProtocolWhileTheUnitIsHeard) {
    engine.Start();
    Frame other = MonitorFrameWith(0);
    other.setByte(Monb::Version, 98);
    other.seal();
    port.feed(other);
    tick();
    EXPECT_EQ(engine.state().Connected, true);
    EXPECT_NE(engine.connectionText().find("PC-99, IGN-98"), std::string::npos);
    tick(18);
    EXPECT_TRUE(engine.connectionBannerVisible());
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine.connectionText().find("IGN-98"), std::string::npos) << "our version again";
}

TEST_F(MockLinkTest, silentUnitIsReopenedEveryThirtyTicks) {
    engine.Start();
    ASSERT_EQ(port.opened, std::vector<std::string>{PortDevice(1)});
    tick(29);
    EXPECT_EQ(port.opened.size(), 1u);
    tick();
    EXPECT_EQ(port.opened.size(), 2u);
    EXPECT_EQ(port.closeCount, 1);
    tick(30);
    EXPECT_EQ(port.opened, (std::vector<std::string>{PortDevice(1), PortDevice(1), PortDevice(1)}));
    EXPECT_TRUE(owner.comErrors.empty());
}

TEST_F(MockLinkTest, automaticModeWalksAllPortsAndStartsAgain) {
    settings.portIndex = 30;
    settings.scanIndex = 0;
    port.failAll = true; // no port opens: each failure tries the next port on the next tick
    engine.Start();
    tick(31);
    ASSERT_EQ(port.opened.size(), 32u);
    for (int n = 0; n < 31; ++n)
        EXPECT_EQ(port.opened[n], PortDevice(n + 1));
    EXPECT_EQ(port.opened[31], PortDevice(1));
    EXPECT_TRUE(owner.comErrors.empty());

    port.failAll = false; // a port opens but nobody answers: the next one is tried 30 ticks later
    tick();
    const std::size_t opens = port.opened.size();
    tick(29);
    EXPECT_EQ(port.opened.size(), opens);
    tick();
    EXPECT_EQ(port.opened.size(), opens + 1);
}

TEST_F(MockLinkTest, openingErrorOnlyForAPortChosenByHand) {
    port.failAll = true;
    engine.Start();
    EXPECT_EQ(owner.comErrors, std::vector<std::string>{"Com opening error!"});
    tick(60);
    EXPECT_EQ(owner.comErrors.size(), 1u) << "reconnects open silently";
    engine.ChoosePort(4);
    EXPECT_EQ(owner.comErrors.size(), 2u);
    EXPECT_EQ(port.opened.back(), PortDevice(5));
    engine.ChoosePort(30);
    EXPECT_EQ(owner.comErrors.size(), 2u) << "automatic mode never shows it";
}

TEST_F(MockLinkTest, deviceOverrideReplacesEveryOpen) {
    engine.SetDeviceOverride("/dev/pts/7");
    engine.Start();
    EXPECT_EQ(engine.labelCom(), "COM= pts/7");
    tick(30);
    EXPECT_EQ(port.opened, (std::vector<std::string>{"/dev/pts/7", "/dev/pts/7"}));
}

Frame MonitorFrameAt(int rpm) {
    Frame frame = MonitorFrameWith(0);
    frame.setWord(Monw::Rpm, static_cast<unsigned>(rpm));
    frame.seal();
    return frame;
}

std::vector<std::uint8_t> Bytes(const Frame &frame) {
    return {frame.bytes.begin(), frame.bytes.end()};
}

// Every whole frame in the receive buffer becomes a record, in order, stamped with the time the port
// reported the bytes that completed it; what is not a frame costs only itself.
TEST_F(MockLinkTest, everyFrameBecomesOneRecordWithItsOwnTime) {
    struct Delivery {
        long long atMs;
        std::vector<std::uint8_t> bytes;
    };
    const Frame a = MonitorFrameAt(1000), b = MonitorFrameAt(2000), c = MonitorFrameAt(3000);
    Frame bad = MonitorFrameAt(9999);
    bad.bytes[40] ^= 0x10; // its checksum no longer passes
    const std::vector<std::uint8_t> garbage = {0x00, 0xB0, 0x13, 0xC1, 0x55};
    const auto join = [](std::initializer_list<std::vector<std::uint8_t>> parts) {
        std::vector<std::uint8_t> all;
        for (const auto &part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    struct Case {
        const char *name;
        std::vector<Delivery> deliveries; // between two ticks
        std::vector<int> rpms;
        std::vector<long long> times;
    };
    const std::vector<std::uint8_t> aBytes = Bytes(a);
    const Case cases[] = {
        {"two frames in one tick", {{10, Bytes(a)}, {30, Bytes(b)}}, {1000, 2000}, {10, 30}},
        {"three frames in one read",
         {{20, join({Bytes(a), Bytes(b), Bytes(c)})}},
         {1000, 2000, 3000},
         {20, 20, 20}},
        {"a frame split over two reads",
         {{5, {aBytes.begin(), aBytes.begin() + 60}}, {31, {aBytes.begin() + 60, aBytes.end()}}},
         {1000},
         {31}},
        {"garbage and a bad checksum between frames",
         {{10, join({Bytes(a), garbage, Bytes(bad), garbage, Bytes(b)})}, {40, Bytes(c)}},
         {1000, 2000, 3000},
         {10, 10, 40}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        engine.Start();
        watcher.records.clear();
        for (const Delivery &delivery : row.deliveries) {
            nowMs = delivery.atMs;
            port.deliver(delivery.bytes);
        }
        nowMs = 55;
        tick();
        std::vector<long long> times;
        for (const LiveRecord &record : watcher.records)
            times.push_back(record.timeMs());
        EXPECT_EQ(watcher.rpms(), row.rpms);
        EXPECT_EQ(times, row.times);
        EXPECT_EQ(watcher.recordsPerTick.back(), static_cast<int>(row.rpms.size())) << "all on the same tick";
        engine.ClosePort();
    }
    ASSERT_GE(watcher.records.size(), 2u);
    EXPECT_LT(watcher.records[0].number(), watcher.records.back().number()) << "the link counts its records";
}

TEST_F(MockLinkTest, receiveTakesAtMostTheBufferAndAShortReadWaitsForItsRest) {
    engine.Start();
    port.readLimit = 100; // the driver hands over less than it reported
    port.feed(MonitorFrameAt(4000));
    tick();
    EXPECT_TRUE(watcher.records.empty()) << "100 bytes wait for their rest";
    port.readLimit = 1 << 30;
    tick();
    ASSERT_EQ(watcher.rpms(), std::vector<int>{4000});

    port.feed(std::vector<std::uint8_t>(20000, 0x55));
    tick();
    EXPECT_EQ(port.input.size(), 5000u) << "at most 15000 bytes in the buffer";
}

TEST_F(MockLinkTest, closingTwiceTouchesThePortOnce) {
    engine.Start();
    engine.ClosePort();
    engine.ClosePort();
    EXPECT_EQ(port.closeCount, 1);
}

TEST_F(MockLinkTest, printingHidesLineAndBannerWhileTheirCountersGoOn) {
    engine.Start();
    engine.ShowMessageLine("Printing", Colour::White);
    engine.SetPrinting(true);
    tick(10);
    EXPECT_FALSE(engine.messageLine().visible);
    EXPECT_FALSE(engine.connectionBannerVisible());
    EXPECT_EQ(engine.state().MessageTicks, 190);
    EXPECT_EQ(engine.state().ReconnectTicks, 10);
    engine.SetPrinting(false);
    tick();
    EXPECT_TRUE(engine.messageLine().visible);
    EXPECT_TRUE(engine.connectionBannerVisible());
}

} // namespace
} // namespace zarvex1::test

namespace zarvex1::test {
namespace {

// On the unit in process the records keep the unit's own pace, whatever the ticks: every 100 ms at the
// default, and none lost when two or three frames come within one tick.
TEST_F(LinkTest, recordsKeepTheUnitsPaceAcrossTicks) {
    for (const int monitorMs : {100, 55, 20}) {
        SCOPED_TRACE(monitorMs);
        SimOptions options = TestUnit();
        options.monitorMs = monitorMs;
        options.engine = EngineMode::Running;
        watcher.records.clear();
        Start(options);
        tick(200); // 11 s
        ASSERT_GT(watcher.records.size(), 100u);
        std::set<long long> gaps;
        for (std::size_t i = 1; i < watcher.records.size(); ++i) {
            gaps.insert(watcher.records[i].timeMs() - watcher.records[i - 1].timeMs());
            EXPECT_EQ(watcher.records[i].number(), watcher.records[i - 1].number() + 1);
        }
        // A frame takes 26.4 ms on the line: the unit's pace, or that of the line when it is faster.
        const long long pace = std::max<long long>(monitorMs, 26);
        for (const long long gap : gaps)
            EXPECT_LE(std::abs(gap - pace), 1) << gap;
        EXPECT_NEAR(static_cast<double>(watcher.records.size()), 200.0 * 55 / static_cast<double>(pace),
                    3.0 + 200.0 * 55 / static_cast<double>(pace) * 0.03);
    }
}

} // namespace
} // namespace zarvex1::test
