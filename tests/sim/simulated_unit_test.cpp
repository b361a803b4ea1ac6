// The simulated unit's side of the protocol, spoken to frame by frame on the in-process port.

#include "sim_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ranges>
#include <string>

namespace zarvex1::test {
namespace {

using std::chrono::milliseconds;

TEST(SimulatedUnit, deviceInfoFollowsOptions) {
    struct Row {
        const char *name;
        SimOptions options;
        std::string programName, date, time;
        int version;
        bool handover;
    };
    SimOptions shortName;
    shortName.name = "ABC";
    shortName.programNumber = 7;
    shortName.buildDay = 7;
    shortName.buildMonth = 4;
    shortName.buildYear = 2018;
    shortName.buildHour = 9;
    shortName.buildMinute = 5;
    SimOptions longName = shortName;
    longName.longName = "Track Special";
    longName.buildDay = 24;
    longName.buildMonth = 12;
    longName.buildYear = 2031;
    longName.buildHour = 23;
    longName.buildMinute = 59;
    longName.protocolVersion = 81;
    longName.acceptHandover = false;
    const Row rows[] = {
        {"short name", shortName, "ABC07", " 7. 4.2018", "09:05", 99, true},
        {"long name, other version, no handover", longName, "Track Special", "24.12.2031", "23:59", 81,
         false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RawLink link(row.options);
        for (std::uint8_t code : {std::uint8_t(0x00), std::uint8_t(0x40)}) {
            const auto reply = link.exchange(Request(code));
            ASSERT_TRUE(reply.has_value());
            ASSERT_TRUE(reply->valid());
            DeviceInfo info;
            std::copy(reply->payload().begin(), reply->payload().end(), info.bytes.begin());
            EXPECT_EQ(info.programName(), row.programName);
            EXPECT_EQ(info.buildDate(), row.date);
            EXPECT_EQ(info.buildTime(), row.time);
            EXPECT_EQ(info.version(), row.version);
            EXPECT_EQ(info.acceptsHandover(), row.handover);
        }
    }
}

TEST(SimulatedUnit, programmedBlocksAreEchoedStoredAndReadBack) {
    RawLink link;
    int programmed = 0;
    link.port.unit().SetProgrammedHandler([&](const ParameterImage &) { ++programmed; });
    const ParameterImage image = DistinctImage();
    for (int b = 1; b <= 6; ++b) {
        SCOPED_TRACE(b);
        const auto echo = link.exchange(Request(static_cast<std::uint8_t>(b), image));
        ASSERT_TRUE(echo && echo->valid());
        EXPECT_TRUE(std::ranges::equal(echo->payload(), image.block(b)));
    }
    EXPECT_EQ(programmed, 1) << "block 6 completes a set";
    for (int b = 1; b <= 6; ++b) {
        SCOPED_TRACE(b);
        const auto reply = link.exchange(Request(static_cast<std::uint8_t>(ReadFlag | b)));
        ASSERT_TRUE(reply && reply->valid());
        EXPECT_TRUE(std::ranges::equal(reply->payload(), image.block(b)));
    }
    EXPECT_EQ(link.port.unit().unit().memory(), image);
    EXPECT_EQ(link.port.unit().requestCount(), 12);
}

TEST(SimulatedUnit, framesThatAreNoRequestGetNoAnswer) {
    SimOptions options;
    options.monitorMs = 0;
    RawLink link(options);
    Frame badChecksum = Request(0x41);
    badChecksum.bytes[ChecksumIndex] ^= 0x01;
    Frame block7 = Request(0x41);
    block7.bytes[0] = 0x47;
    block7.seal();
    Frame reply = Request(0x41);
    reply.bytes[0] = 0xC1;
    reply.seal();
    const std::pair<const char *, Frame> rows[] = {
        {"bad checksum", badChecksum}, {"block 7", block7}, {"a reply code", reply}};
    for (const auto &[name, frame] : rows) {
        link.send(frame);
        EXPECT_TRUE(link.collect(milliseconds(200)).empty()) << name;
    }
    EXPECT_TRUE(link.exchange(Request(0x41)).has_value()) << "still in step afterwards";
}

TEST(SimulatedUnit, noiseAndStalePartialFramesAreSkipped) {
    SimOptions options;
    options.monitorMs = 0;
    RawLink link(options);
    const Frame request = Request(0x42);
    std::vector<std::uint8_t> noisy{0x30, 0xC2, 0x00, 0x41, 0xFF, 0x13, 0x7E};
    noisy.insert(noisy.end(), request.bytes.begin(), request.bytes.end());
    link.port.write(noisy.data(), static_cast<int>(noisy.size()));
    auto frames = link.collect(milliseconds(300));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].code(), 0xC2);

    // Most of a frame, then silence: the unit forgets it and takes the next whole frame.
    link.port.write(request.bytes.data(), 100);
    EXPECT_TRUE(link.collect(milliseconds(300)).empty());
    EXPECT_TRUE(link.exchange(Request(0x43)).has_value());
}

TEST(SimulatedUnit, monitorFramesCarryLiveValuesFromTheMap) {
    // Advance 2 degrees per 1000 rpm above 1000 rpm, the same in both maps, on the speed axis only.
    ParameterImage image = DefaultImage();
    image.setByte(Adrb::MapsUseLoad, 0);
    for (int c = 0; c < 15; ++c) {
        image.setWord(Adrw::AdvanceRpm1 + c, 1000 * (c + 1));
        image.setWord(Adrw::AdvanceRpm2 + c, 1000 * (c + 1));
        for (int r = 0; r < 10; ++r) {
            image.setByte(Adrb::Advance1 + 15 * r + c, 2 * c);
            image.setByte(Adrb::Advance2 + 15 * r + c, 2 * c);
        }
    }
    image.setByte(Adrb::CylinderCorrection, 100);
    SimOptions options;
    options.engine = EngineMode::Running;
    RawLink link(options, LineModel(), image);
    const auto frames = MonitorFrames(link.collect(milliseconds(2000)));
    EXPECT_EQ(frames.size(), 21u) << "one every 100 ms";

    int lowest = 1 << 30, highest = 0;
    for (const Frame &f : frames) {
        ASSERT_TRUE(f.valid());
        EXPECT_EQ(f.byte(Monb::Version), 99);
        const int rpm = f.word(Monw::Rpm);
        lowest = std::min(lowest, rpm);
        highest = std::max(highest, rpm);
        EXPECT_EQ(f.byte(Monb::Pickup1Signal), rpm > 0);
        const int expected = rpm <= 1000 ? 0 : (2 * (rpm - 1000) + 500) / 1000;
        EXPECT_LE(std::abs(f.byte(Monb::Advance1) - 100 - expected), 1) << rpm << " rpm";
    }
    EXPECT_GT(highest - lowest, 1000) << "the engine speed does not move";
}

TEST(SimulatedUnit, testBitsArriveOncePerPoll) {
    SimOptions options;
    options.engine = EngineMode::Stopped;
    RawLink link(options);
    link.send(PollFrame({0x01, 0x14, 0x01})); // ignition 1, output 3, engine speed, servo +
    link.send(PollFrame({0x00, 0x00, 0x02})); // servo -
    link.send(PollFrame({0x00, 0x00, 0x02})); // servo -
    link.send(PollFrame({0x00, 0x00, 0x00}));
    const auto frames = MonitorFrames(link.collect(milliseconds(400)));
    ASSERT_FALSE(frames.empty());
    const Frame &last = frames.back();
    const int expected[8] = {1, 0, 0, 0, 1, 0, 1, 99};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(last.word(Monw::TestValue + i), expected[i]) << "test value " << i + 1;
    EXPECT_EQ(last.byte(Monb::PowerOut1 + 2), 1);
    EXPECT_EQ(link.port.unit().pollCount(), 4);
}

TEST(SimulatedUnit, savingCountsDownAfterProgramming) {
    SimOptions options;
    options.savingMs = 1500;
    RawLink link(options);
    ASSERT_EQ(MonitorFrames(link.collect(milliseconds(300))).back().word(Monw::SavingCountdown), 0);
    for (int b = 1; b <= 6; ++b)
        ASSERT_TRUE(link.exchange(Request(static_cast<std::uint8_t>(b), DefaultImage())).has_value());

    const auto frames = MonitorFrames(link.collect(milliseconds(2200)));
    ASSERT_GT(frames.size(), 10u);
    int previous = 1800;
    for (const Frame &f : frames) {
        EXPECT_LE(f.word(Monw::SavingCountdown), previous);
        previous = f.word(Monw::SavingCountdown);
    }
    EXPECT_GT(frames.front().word(Monw::SavingCountdown), 900);
    EXPECT_EQ(frames.back().word(Monw::SavingCountdown), 0);
    EXPECT_EQ(frames.back().word(Monw::ProgramCycles), 1);
}

TEST(SimulatedUnit, monitorFramesKeepQuietWhileATransferRuns) {
    RawLink link; // a monitor frame every 100 ms
    ASSERT_FALSE(MonitorFrames(link.collect(milliseconds(300))).empty());
    for (int i = 0; i < 10; ++i) {
        link.send(Request(0x41));
        for (const Frame &f : link.collect(milliseconds(60)))
            EXPECT_EQ(f.code(), 0xC1) << "request " << i;
    }
    EXPECT_FALSE(MonitorFrames(link.collect(milliseconds(300))).empty()) << "they come back afterwards";
}

TEST(SimulatedUnit, faultsFollowOptions) {
    const ParameterImage image = DistinctImage();
    struct Row {
        const char *name;
        std::function<void(SimOptions &)> set;
        std::function<void(RawLink &)> check;
    };
    const Row rows[] = {
        {"drop every reply", [](SimOptions &o) { o.dropPercent = 100; },
         [](RawLink &link) { EXPECT_FALSE(link.exchange(Request(0x41), milliseconds(400)).has_value()); }},
        {"corrupt every checksum", [](SimOptions &o) { o.corruptPercent = 100; },
         [](RawLink &link) {
             const auto reply = link.exchange(Request(0x41));
             ASSERT_TRUE(reply.has_value());
             EXPECT_FALSE(reply->valid());
         }},
        {"answer late", [](SimOptions &o) { o.delayMs = 300; },
         [](RawLink &link) {
             const SimTime sent = link.port.now();
             ASSERT_TRUE(link.exchange(Request(0x41)).has_value());
             EXPECT_GE(link.port.now() - sent, milliseconds(300));
             EXPECT_LE(link.port.now() - sent, milliseconds(305));
         }},
        {"another protocol", [](SimOptions &o) { o.protocolVersion = 42; },
         [](RawLink &link) {
             const auto reply = link.exchange(Request(0x40));
             ASSERT_TRUE(reply.has_value());
             EXPECT_EQ(reply->payload()[DeviceInfoByte::Version], 42);
             const auto monitor = MonitorFrames(link.collect(milliseconds(600)));
             ASSERT_FALSE(monitor.empty());
             EXPECT_EQ(monitor.back().byte(Monb::Version), 42);
         }},
        {"bad echo of block 2", [](SimOptions &o) { o.badEchoBlock = 2; },
         [&image](RawLink &link) {
             const auto echo1 = link.exchange(Request(0x01, image));
             const auto echo2 = link.exchange(Request(0x02, image));
             ASSERT_TRUE(echo1 && echo2 && echo2->valid());
             EXPECT_TRUE(std::ranges::equal(echo1->payload(), image.block(1)));
             EXPECT_EQ(std::ranges::count_if(std::views::iota(0, PayloadSize),
                                             [&](int i) { return echo2->payload()[i] != image.block(2)[i]; }),
                       1);
             EXPECT_EQ(link.port.unit().unit().memory().block(2)[0], image.block(2)[0]) << "stored as sent";
         }},
        {"bad read of block 3", [](SimOptions &o) { o.badReadBlock = 3; },
         [](RawLink &link) {
             const ParameterImage &memory = link.port.unit().unit().memory();
             const auto reply = link.exchange(Request(0x43));
             ASSERT_TRUE(reply && reply->valid());
             EXPECT_FALSE(std::ranges::equal(reply->payload(), memory.block(3)));
             EXPECT_TRUE(std::ranges::equal(link.exchange(Request(0x44))->payload(), memory.block(4)));
         }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SimOptions options;
        row.set(options);
        RawLink link(options);
        row.check(link);
    }
}

TEST(SimulatedUnit, handoverPutsTheUnitIntoItsLoader) {
    RawLink link;
    ASSERT_FALSE(MonitorFrames(link.collect(milliseconds(300))).empty());
    const auto reply = link.exchange(DataFrame(0x00, LinkRequest::Handover, ParameterImage()));
    ASSERT_TRUE(reply && reply->valid());
    EXPECT_EQ(reply->payload()[DeviceInfoByte::HandoverAccept], HandoverAccepted);
    // The loader keeps quiet and answers no request.
    EXPECT_TRUE(link.collect(milliseconds(500)).empty());
    EXPECT_FALSE(link.exchange(Request(0x41), milliseconds(300)).has_value());
}

TEST(SimulatedUnit, switchedFaultsLeaveOutAnswersOrEverything) {
    RawLink link;
    link.port.unit().DropAnswers(2);
    EXPECT_FALSE(link.exchange(Request(0x41), milliseconds(200)).has_value());
    EXPECT_FALSE(link.exchange(Request(0x41), milliseconds(200)).has_value());
    EXPECT_TRUE(link.exchange(Request(0x41), milliseconds(200)).has_value());

    link.port.unit().SetAnswering(false);
    EXPECT_FALSE(link.exchange(Request(0x41), milliseconds(200)).has_value());
    EXPECT_FALSE(MonitorFrames(link.collect(milliseconds(400))).empty()) << "live values go on";

    link.port.unit().SetSilent(true);
    EXPECT_TRUE(link.collect(milliseconds(400)).empty());
    link.port.unit().SetSilent(false);
    link.port.unit().SetAnswering(true);
    EXPECT_TRUE(link.exchange(Request(0x41), milliseconds(200)).has_value());
}

} // namespace
} // namespace zarvex1::test
