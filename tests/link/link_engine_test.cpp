#include "link_fixture.h"

#include <gtest/gtest.h>

namespace zarvex1::test {
namespace {

using Codes = std::vector<std::uint8_t>;

TEST_F(LinkTest, readTakesThirteenExchangesAndEndsWithAVerify) {
    unit.memory = LegalImage(1);
    engine.Start();
    engine.MenuReadClick();
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       ");
    tick(4);
    ASSERT_EQ(unit.codes, Codes{0x40}) << "the first frame goes out within 4 ticks";
    const int ticks = tickUntilIdle();

    EXPECT_EQ(unit.codes,
              (Codes{0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(ticks, 13) << "every reply is answered by the next frame at once";
    EXPECT_EQ(image, unit.memory);
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Read:", "Verify::", "Verify:: OK"}));
    EXPECT_EQ(owner.lines.back().colour, Colour::ButtonFace);
    EXPECT_EQ(owner.undoRecords, 1);
    EXPECT_EQ(owner.deviceTexts, (DeviceTexts{"ZRX07", "12. 4.2018", "09:30"}));
    EXPECT_EQ(engine.progressGauge(), (ProgressGauge{6, 6, true}));
    EXPECT_TRUE(texts[1].empty());
}

TEST_F(LinkTest, programTakesThirteenExchangesAndStoresTheImageInTheUnit) {
    image = LegalImage(2);
    const ParameterImage programmed = image;
    engine.Start();
    engine.MenuProgramClick();
    EXPECT_EQ(owner.pagesToImage, 1);
    tick(4);
    tickUntilIdle();

    EXPECT_EQ(unit.codes,
              (Codes{0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(unit.memory, programmed);
    EXPECT_EQ(image, programmed);
    // The programming OK waits until the unit reports on its saving: until then only the verify is done.
    tick(10);
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK"}));
    EXPECT_TRUE(engine.state().ProgramDonePending);
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK",
                                                           "Program device:: OK"}));
    EXPECT_EQ(owner.undoRecords, 0);

    // Block 1 carries image bytes 0..149 behind code 0x01.
    const std::vector<std::uint8_t> &block1 = port.written[1];
    EXPECT_EQ(block1[0], 0x01);
    EXPECT_TRUE(std::equal(block1.begin() + 1, block1.begin() + 151, programmed.bytes().begin()));
}

TEST_F(LinkTest, verifyTakesSixExchangesAndChangesNothing) {
    image = LegalImage(3);
    unit.memory = image;
    const ParameterImage before = image;
    engine.Start();
    engine.MenuVerifyClick();
    tick(4);
    tickUntilIdle();

    EXPECT_EQ(unit.codes, (Codes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(image, before);
    EXPECT_EQ(unit.memory, before);
    EXPECT_EQ(owner.lineTexts(), (std::vector<std::string>{"Verify:", "Verify:: OK"}));
}

struct FailureRow {
    const char *name;
    void (LinkEngine::*command)();
    int badEchoBlock;
    int badReadBlock;
    bool silent;
    std::uint8_t failingCode;
    std::string error;
};

class LinkFailureTest : public LinkTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(LinkFailureTest, blockGoesOutFiveTimesFourTicksApartThenTheErrorInRed) {
    const FailureRow &row = GetParam();
    image = LegalImage(4);
    unit.memory = LegalImage(4);
    unit.badEchoBlock = row.badEchoBlock;
    unit.badReadBlock = row.badReadBlock;
    unit.silent = row.silent;
    engine.Start();
    (engine.*row.command)();

    std::vector<int> sentAt; // ticks at which the failing block went out
    int failedAt = -1;
    for (int t = 1; t <= 200 && failedAt < 0; ++t) {
        const std::size_t before = unit.codes.size();
        tick();
        if (unit.codes.size() > before && unit.codes.back() == row.failingCode)
            sentAt.push_back(t);
        if (engine.state().LinkRequest == LinkRequest::None)
            failedAt = t;
    }
    ASSERT_EQ(sentAt.size(), 5u);
    for (std::size_t i = 1; i < sentAt.size(); ++i)
        EXPECT_EQ(sentAt[i] - sentAt[i - 1], 4);
    EXPECT_EQ(failedAt - sentAt.back(), 4);
    EXPECT_EQ(unit.codes.back(), row.failingCode) << "no later block is sent";
    EXPECT_EQ(engine.messageLine(), (MessageLine{row.error, Colour::Red, true}));
    EXPECT_FALSE(engine.state().ProgramDonePending);
}

INSTANTIATE_TEST_SUITE_P(Requests, LinkFailureTest,
                         ::testing::Values(FailureRow{"readSilentUnit", &LinkEngine::MenuReadClick, -1, -1,
                                                      true, 0x40, "Read error!"},
                                           FailureRow{"programBadEcho", &LinkEngine::MenuProgramClick, 3, -1,
                                                      false, 0x03, "Program error!"},
                                           FailureRow{"verifyDiffers", &LinkEngine::MenuVerifyClick, -1, 2,
                                                      false, 0x42, "Verify error!"},
                                           FailureRow{"programVerifyDiffers", &LinkEngine::MenuProgramClick,
                                                      -1, 5, false, 0x45, "Verify error!"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LinkTest, failedReadLeavesTheImageAsItWas) {
    image = LegalImage(5);
    const ParameterImage before = image;
    unit.memory = LegalImage(6);
    engine.Start();
    engine.MenuReadClick();
    tick(4 + 3); // device info and blocks 1, 2 arrive
    unit.silent = true;
    tickUntilIdle();
    EXPECT_EQ(engine.messageLine().text, "Read error!");
    EXPECT_EQ(image, before) << "a half-read set must not mix into the image";
    EXPECT_EQ(owner.undoRecords, 0);
}

TEST_F(LinkTest, droppedRepliesAreResentAndTheTransferCompletes) {
    image = LegalImage(7);
    engine.Start();
    engine.MenuProgramClick();
    tick(4);
    unit.dropNext = 4; // four frames of block 1 go unanswered, the fifth is answered
    tickUntilIdle();
    EXPECT_EQ(unit.memory, image);
    EXPECT_EQ(std::count(unit.codes.begin(), unit.codes.end(), 0x01), 5);
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine.messageLine().text, "Program device:: OK");
}

TEST_F(LinkTest, lateReplyOfOlderBlockIsIgnored) {
    unit.memory = LegalImage(8);
    unit.silent = true;
    engine.Start();
    engine.MenuReadClick();
    tick(4);
    std::array<std::uint8_t, PayloadSize> payload{};
    std::copy(unit.info.bytes.begin(), unit.info.bytes.end(), payload.begin());
    port.feed(ReplyFrame(0x40, payload));
    tick();
    port.feed(ReplyFrame(0x41, unit.memory.block(1)));
    tick();
    ASSERT_EQ(engine.state().FrameCode, 0x42);
    tick(2);
    const std::size_t sent = port.written.size();
    const int noReply = engine.state().NoReplyTicks;

    port.feed(ReplyFrame(0x41, unit.memory.block(1))); // a second answer to block 1
    tick();
    EXPECT_EQ(engine.state().FrameCode, 0x42);
    EXPECT_EQ(port.written.size(), sent);
    EXPECT_EQ(engine.state().NoReplyTicks, noReply + 1) << "a rejected frame is no sign of life";
    EXPECT_EQ(engine.state().RetryCount, 1);
}

TEST_F(LinkTest, rejectedRepliesChangeNothing) {
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
        unit.silent = true;
        if (row.startRead) {
            engine.MenuReadClick();
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

TEST_F(LinkTest, newCommandReplacesTheRunningOne) {
    image = LegalImage(9);
    unit.memory = image;
    engine.Start();
    engine.MenuProgramClick();
    tick(4 + 2); // blocks 0 and 1 answered, the reply to block 2 is queued
    ASSERT_FALSE(port.input.empty());
    engine.MenuVerifyClick();
    EXPECT_EQ(engine.state().LinkRequest, LinkRequest::Verify);
    tickUntilIdle();
    const Codes afterSwitch(unit.codes.begin() + 3, unit.codes.end());
    EXPECT_EQ(afterSwitch, (Codes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(engine.messageLine().text, "Verify:: OK");
    EXPECT_FALSE(engine.state().ProgramDonePending);
}

TEST_F(LinkTest, otherProtocolVersionEndsTheRequestWithTheVersionMessage) {
    for (auto command : {&LinkEngine::MenuReadClick, &LinkEngine::MenuProgramClick}) {
        unit.info.bytes[DeviceInfoByte::Version] = 98;
        owner.versionMessages.clear();
        engine.Start();
        (engine.*command)();
        const int pagesBefore = owner.imageToPages;
        tick(5);
        EXPECT_EQ(engine.state().LinkRequest, LinkRequest::None);
        EXPECT_EQ(owner.versionMessages,
                  std::vector<std::string>{"Unmatched version of PC and Ignition programs!  PC-99, IGN-98"});
        EXPECT_GT(owner.imageToPages, pagesBefore);
        EXPECT_FALSE(engine.messageLine().visible) << "the message line is hidden on the next tick";
        EXPECT_EQ(unit.codes.back() & 0x3F, 0) << "no block after the device info";
    }
}

TEST_F(LinkTest, savingCountdownThenProgrammingOkUntilTheLineRunsOut) {
    image = LegalImage(10);
    engine.Start();
    engine.MenuProgramClick();
    tickUntilIdle();
    ASSERT_TRUE(engine.state().ProgramDonePending);

    port.feed(MonitorFrameWith(900));
    tick();
    EXPECT_EQ(engine.messageLine(), (MessageLine{"Saving:", Colour::ButtonFace, true}));
    EXPECT_EQ(engine.progressGauge().maximum, 100);
    EXPECT_EQ(engine.progressGauge().position, 50);
    port.feed(MonitorFrameWith(1));
    tick();
    EXPECT_EQ(engine.progressGauge().position, 99);

    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine.messageLine().text, "Program device:: OK");
    EXPECT_EQ(engine.progressGauge(), (ProgressGauge{6, 6, true}));
    const int left = engine.state().MessageTicks;
    EXPECT_EQ(left, 198) << "the OK text does not restart the line";
    tick(left);
    EXPECT_TRUE(engine.messageLine().visible);
    tick();
    EXPECT_FALSE(engine.state().ProgramDonePending);
    EXPECT_FALSE(engine.messageLine().visible);
    EXPECT_FALSE(engine.progressGauge().visible);
}

TEST_F(LinkTest, unitLostWhileSavingIsNotReportedAsDone) {
    image = LegalImage(13);
    engine.Start();
    engine.MenuProgramClick();
    tickUntilIdle();
    port.feed(MonitorFrameWith(1000));
    tick();
    ASSERT_EQ(engine.messageLine().text, "Saving:");
    const std::size_t linesBefore = owner.lines.size();
    tick(18);
    ASSERT_FALSE(engine.state().Connected);
    tick(300);
    EXPECT_FALSE(engine.messageLine().visible);
    for (std::size_t i = linesBefore; i < owner.lines.size(); ++i)
        EXPECT_EQ(owner.lines[i].text, "Saving:");
}

TEST_F(LinkTest, savingCountdownAboveItsStartKeepsTheGaugeEmpty) {
    engine.Start();
    port.feed(MonitorFrameWith(65535));
    tick();
    EXPECT_EQ(engine.progressGauge().position, 0);
}

TEST_F(LinkTest, testBitsGoOutOnceWithTheNextPoll) {
    engine.Start();
    engine.ButtonTestClick(TestButton::ServoPlus);
    engine.ButtonTestClick(TestButton::ServoPlus);
    engine.ButtonTestClick(TestButton::Ign1);
    engine.ButtonTestClick(TestButton::POut3);
    tick(6);
    ASSERT_EQ(unit.polls.size(), 1u);
    EXPECT_EQ(unit.polls[0].bytes[21], 0x01);
    EXPECT_EQ(unit.polls[0].bytes[22], 0x04);
    EXPECT_EQ(unit.polls[0].bytes[23], 0x01);
    tick(6);
    ASSERT_EQ(unit.polls.size(), 2u);
    EXPECT_EQ(unit.polls[1], PollFrame({}));
}

TEST_F(LinkTest, testBitsWaitWhileARequestRunsOrThePortIsHandedOver) {
    engine.Start();
    unit.silent = true;
    engine.MenuVerifyClick();
    engine.ButtonTestClick(TestButton::Rpm);
    tick(20);
    ASSERT_EQ(engine.state().LinkRequest, LinkRequest::Verify);
    EXPECT_TRUE(unit.polls.empty());
    tickUntilIdle();
    tick(6);
    ASSERT_EQ(unit.polls.size(), 1u);
    EXPECT_EQ(unit.polls[0].bytes[22], 0x10);

    engine.PortMessage(1, LinkEngine::HandoverRestart);
    tickUntilIdle(); // no answer: "Reset error" and the port is released
    ASSERT_FALSE(engine.state().PortEnabled);
    engine.ButtonTestClick(TestButton::ServoMinus);
    tick(12);
    EXPECT_EQ(unit.polls.size(), 1u);
    engine.PortMessage(1, LinkEngine::TakeBackRequest);
    tick(6);
    ASSERT_EQ(unit.polls.size(), 2u);
    EXPECT_EQ(unit.polls[1].bytes[23], 0x02);
}

TEST_F(LinkTest, idleLinkPollsEverySixTicks) {
    engine.Start();
    tick(36);
    EXPECT_EQ(unit.polls.size(), 6u);
    EXPECT_TRUE(unit.codes.empty());
}

TEST_F(LinkTest, connectionIsLostAfterEighteenSilentTicks) {
    engine.Start();
    tick();
    EXPECT_TRUE(engine.connectionBannerVisible()) << "the program starts without a connection";
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_FALSE(engine.connectionBannerVisible());
    EXPECT_TRUE(engine.state().Connected);
    EXPECT_EQ(engine.monitor().LabelRpm.text, "RPM = 0") << "the first frame's values show at once";
    tick(17);
    EXPECT_TRUE(engine.state().Connected);
    tick();
    EXPECT_FALSE(engine.state().Connected);
    EXPECT_TRUE(engine.connectionBannerVisible());
    EXPECT_EQ(engine.monitor().LabelRpm.text, "RPM = ---");
    EXPECT_FALSE(engine.monitor().LabelVersionVisible) << "the banner hides the version label";
    EXPECT_TRUE(engine.mapLive().noConnection);
}

TEST_F(LinkTest, silentUnitIsReopenedEveryThirtyTicks) {
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

TEST_F(LinkTest, automaticModeWalksAllPortsAndStartsAgain) {
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

TEST_F(LinkTest, openingErrorOnlyForAPortChosenByHand) {
    port.failAll = true;
    engine.Start();
    EXPECT_EQ(owner.comErrors, std::vector<std::string>{"Com opening error!"});
    tick(60);
    EXPECT_EQ(owner.comErrors.size(), 1u) << "reconnects open silently";
    engine.MenuCom1Click(4);
    EXPECT_EQ(owner.comErrors.size(), 2u);
    EXPECT_EQ(port.opened.back(), PortDevice(5));
    engine.MenuCom1Click(30);
    EXPECT_EQ(owner.comErrors.size(), 2u) << "automatic mode never shows it";
}

TEST_F(LinkTest, deviceOverrideReplacesEveryOpen) {
    engine.SetDeviceOverride("/dev/pts/7");
    engine.Start();
    EXPECT_EQ(engine.labelCom(), "COM= pts/7");
    tick(30);
    EXPECT_EQ(port.opened, (std::vector<std::string>{"/dev/pts/7", "/dev/pts/7"}));
}

TEST_F(LinkTest, receiveReadsOnlyWholeFramesAndDecodesTheFirst) {
    engine.Start();
    Frame frame = MonitorFrameWith(0);
    frame.setWord(Monw::Rpm, 4000);
    frame.seal();
    port.feed(std::vector<std::uint8_t>(frame.bytes.begin(), frame.bytes.end() - 1));
    tick();
    EXPECT_EQ(port.readCount, 0) << "151 bytes stay queued";
    port.input.clear();

    Frame second = frame;
    second.setWord(Monw::Rpm, 5000);
    second.seal();
    port.feed(frame);
    port.feed(second);
    tick();
    EXPECT_EQ(port.readCount, 1);
    EXPECT_TRUE(port.input.empty()) << "everything queued is read at once";
    EXPECT_EQ(engine.live().rpm, 4000) << "only the first frame is decoded";

    port.feed(std::vector<std::uint8_t>(20000, 0x55));
    tick();
    EXPECT_EQ(port.input.size(), 5000u) << "at most 15000 bytes in one read";
}

TEST_F(LinkTest, shortReadIsNotCompletedWithOldBytes) {
    engine.Start();
    port.feed(MonitorFrameWith(0));
    tick();
    ASSERT_EQ(engine.state().NoReplyTicks, 1);
    tick(5);
    port.readLimit = 100; // the driver hands over less than it reported
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine.state().NoReplyTicks, 7);
}

TEST_F(LinkTest, handoverOfThePortInUse) {
    unit.info.bytes[DeviceInfoByte::HandoverAccept] = HandoverAccepted;
    engine.Start();
    engine.PortMessage(2, LinkEngine::HandoverRestart);
    EXPECT_EQ(engine.state().LinkRequest, LinkRequest::None) << "another port's message changes nothing";

    engine.PortMessage(1, LinkEngine::HandoverRestart);
    tick();
    ASSERT_EQ(port.written.size(), 1u) << "the first frame goes out on the next tick";
    EXPECT_EQ(port.written[0][0], 0x00);
    EXPECT_EQ(port.written[0][15], 0xA5);
    EXPECT_EQ(port.written[0][16], 0x08);
    tick();
    EXPECT_FALSE(engine.state().PortEnabled);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       tune.ign     (Disconnected by bootloader)");

    port.feed(MonitorFrameWith(0));
    tick(60);
    EXPECT_EQ(port.written.size(), 1u) << "nothing is sent while the port is handed over";
    EXPECT_EQ(port.opened.size(), 1u) << "and it is not reopened";

    engine.PortMessage(1, LinkEngine::TakeBackRequest);
    EXPECT_TRUE(engine.state().PortEnabled);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(owner.captions.back(), "  ZARVEX1       tune.ign");
    EXPECT_EQ(owner.languageCaptions, 1);
    engine.ClosePort();
    engine.ClosePort();
    EXPECT_EQ(port.closeCount, 2) << "closing twice touches the port once";
}

TEST_F(LinkTest, unansweredHandoverSendsTwoFramesThenReleasesThePort) {
    unit.silent = true;
    engine.Start();
    engine.PortMessage(1, LinkEngine::HandoverRestart);
    tickUntilIdle();
    EXPECT_EQ(unit.codes, (Codes{0x00, 0x00}));
    EXPECT_EQ(engine.messageLine(), (MessageLine{"Reset error", Colour::Red, true}));
    EXPECT_FALSE(engine.state().PortEnabled);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(LinkTest, handoverWithoutAcceptanceGoesOnUntilItsFramesRunOut) {
    engine.Start();
    engine.PortMessage(1, LinkEngine::HandoverRestart);
    tick(2);
    EXPECT_EQ(engine.state().LinkRequest, LinkRequest::Handover);
    EXPECT_EQ(engine.deviceInfo(), unit.info);
    tickUntilIdle();
    EXPECT_EQ(engine.messageLine().text, "Reset error");
}

TEST_F(LinkTest, handoverRequestGoesOnFromWhereTheLinkStands) {
    image = LegalImage(12);
    unit.memory = image;
    unit.info.bytes[DeviceInfoByte::HandoverAccept] = HandoverAccepted;
    engine.Start();
    engine.MenuVerifyClick();
    tickUntilIdle();
    unit.silent = true;
    const std::size_t sent = port.written.size();
    // The last verify frame counted one send: one more frame of block 6, unmarked, then the failure.
    engine.PortMessage(1, LinkEngine::HandoverRequest);
    tickUntilIdle();
    ASSERT_EQ(port.written.size(), sent + 1);
    const Frame frame = Frame::From(port.written.back());
    EXPECT_EQ(frame, DataFrame(0x46, LinkRequest::Verify, image));
    EXPECT_EQ(engine.messageLine().text, "Reset error");
}

TEST_F(LinkTest, handedOverLinkKeepsItsConnectionState) {
    unit.info.bytes[DeviceInfoByte::HandoverAccept] = HandoverAccepted;
    engine.Start();
    port.feed(MonitorFrameWith(0));
    engine.PortMessage(1, LinkEngine::HandoverRestart);
    tick(2);
    ASSERT_FALSE(engine.state().PortEnabled);
    tick(100);
    EXPECT_TRUE(engine.state().Connected);
    EXPECT_FALSE(engine.connectionBannerVisible());
}

TEST_F(LinkTest, printingHidesLineAndBannerWhileTheirCountersGoOn) {
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

TEST_F(LinkTest, connectionTextFollowsTheUnit) {
    engine.Start();
    EXPECT_EQ(engine.connectionText(), "Not connected");
    unit.memory = LegalImage(11);
    engine.MenuReadClick();
    tickUntilIdle(20);
    port.feed(MonitorFrameWith(0));
    tick();
    EXPECT_EQ(engine.connectionText(), "ZRX07   12. 4.2018   09:30   ") << "no stale \"Not connected\"";
    Frame other = MonitorFrameWith(0);
    other.setByte(Monb::Version, 97);
    other.seal();
    port.feed(other);
    tick();
    EXPECT_EQ(engine.connectionText(), "Unmatched version of PC and Ignition programs!  PC-99, IGN-97");
}

} // namespace
} // namespace zarvex1::test
