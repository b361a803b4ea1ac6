#include "core/link/Frames.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zarvex1 {
namespace {

ParameterImage CountingImage() {
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.setByte(i, static_cast<unsigned>(i * 7 + 3));
    return image;
}

TEST(Frames, pollFrameWithoutTestBitsIsCodeZerosAndChecksumCF) {
    const Frame frame = PollFrame({});
    EXPECT_EQ(frame.bytes[0], 0x30);
    for (int i = 1; i <= PayloadSize; ++i)
        ASSERT_EQ(frame.bytes[i], 0) << "byte " << i;
    EXPECT_EQ(frame.bytes[151], 0xCF);
    EXPECT_TRUE(frame.valid());
}

TEST(Frames, pollFrameCarriesTestBitsInBytes21To23) {
    const Frame frame = PollFrame({0x01, 0x04, 0x02});
    EXPECT_EQ(frame.bytes[21], 0x01);
    EXPECT_EQ(frame.bytes[22], 0x04);
    EXPECT_EQ(frame.bytes[23], 0x02);
    EXPECT_EQ(frame.bytes[151], 0xCF ^ 0x01 ^ 0x04 ^ 0x02);
}

TEST(Frames, firstReadFrameIsZerosWithChecksumBF) {
    const Frame frame = DataFrame(0x40, LinkRequest::Read, CountingImage());
    EXPECT_EQ(frame.bytes[0], 0x40);
    EXPECT_EQ(std::accumulate(frame.bytes.begin() + 1, frame.bytes.begin() + 151, 0), 0);
    EXPECT_EQ(frame.bytes[151], 0xBF);
    EXPECT_EQ(ReplyCode(0x40), 0xC0);
}

TEST(Frames, dataFramePayloadFollowsRequestAndBlock) {
    const ParameterImage image = CountingImage();
    struct Row {
        std::uint8_t code;
        LinkRequest request;
        int imageBlock; // 0: all zero
    };
    const Row rows[] = {
        {0x01, LinkRequest::Program, 1}, {0x06, LinkRequest::Program, 6}, {0x43, LinkRequest::Verify, 3},
        {0x00, LinkRequest::Program, 0}, {0x44, LinkRequest::Read, 0},    {0x3F, LinkRequest::Program, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << int(row.code));
        const Frame frame = DataFrame(row.code, row.request, image);
        EXPECT_EQ(frame.bytes[0], row.code);
        for (int i = 0; i < PayloadSize; ++i) {
            const int expected = row.imageBlock ? image.byte(150 * (row.imageBlock - 1) + i) : 0;
            ASSERT_EQ(frame.bytes[1 + i], expected) << "payload byte " << i;
        }
        EXPECT_TRUE(frame.valid());
    }
}

TEST(Frames, handoverMarksOnlyInBlockZero) {
    const ParameterImage image = CountingImage();
    const Frame first = DataFrame(0x00, LinkRequest::Handover, image);
    EXPECT_EQ(first.bytes[15], 0xA5);
    EXPECT_EQ(first.bytes[16], 0x08);
    EXPECT_TRUE(first.valid());
    // A handover asked while another block was current sends that block, unmarked.
    const Frame later = DataFrame(0x43, LinkRequest::Handover, image);
    EXPECT_EQ(later.bytes[15], image.byte(300 + 14));
}

TEST(Frames, replyChecksInOrder) {
    std::array<std::uint8_t, PayloadSize> payload{};
    const Frame good = ReplyFrame(0x42, payload);
    EXPECT_EQ(good.bytes[0], 0xC2);
    Frame corrupt = good;
    corrupt.bytes[77] ^= 0x10;
    const Frame older = ReplyFrame(0x41, payload); // lead 0xC1
    struct Row {
        const char *name;
        const Frame *frame;
        std::uint8_t code;
        LinkRequest request;
        ReplyCheck expected;
    };
    const Row rows[] = {
        {"accepted", &good, 0x42, LinkRequest::Read, ReplyCheck::Accepted},
        {"checksum", &corrupt, 0x42, LinkRequest::Read, ReplyCheck::BadChecksum},
        {"late reply of older block", &older, 0x42, LinkRequest::Read, ReplyCheck::WrongCode},
        {"no request", &good, 0x42, LinkRequest::None, ReplyCheck::NoRequest},
        {"block above 6", &good, 0x47, LinkRequest::Read, ReplyCheck::BadBlock},
        {"echo of own frame", &good, 0xC2, LinkRequest::Read, ReplyCheck::WrongCode},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CheckReply(row.frame->bytes, row.code, row.request), row.expected);
    }
    EXPECT_EQ(CheckReply(std::span(good.bytes).first(151), 0x42, LinkRequest::Read), ReplyCheck::BadChecksum);
}

TEST(Frames, monitorFrameNeedsCodeAndChecksum) {
    Frame frame;
    frame.bytes[0] = MonitorCode;
    frame.setWord(Monw::Rpm, 12345);
    frame.seal();
    EXPECT_TRUE(IsValidMonitorFrame(frame.bytes));
    EXPECT_EQ(frame.bytes[4], 12345 & 0xFF);
    Frame broken = frame;
    broken.bytes[150] ^= 1;
    EXPECT_FALSE(IsValidMonitorFrame(broken.bytes));
    Frame poll = PollFrame({});
    EXPECT_FALSE(IsValidMonitorFrame(poll.bytes));
}

TEST(Frames, monthCodesAreLetterSums) {
    const int codes[] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(MonthCode(month), codes[month - 1]) << month;
        EXPECT_EQ(MonthFromCode(codes[month - 1]), month);
    }
    EXPECT_EQ(MonthFromCode(0), 0);
    EXPECT_EQ(MonthFromCode(99), 0);
}

DeviceInfo Info(std::initializer_list<std::pair<int, int>> bytes) {
    DeviceInfo info;
    for (auto [at, value] : bytes)
        info.bytes[at] = static_cast<std::uint8_t>(value);
    return info;
}

TEST(Frames, deviceInfoTexts) {
    struct Row {
        DeviceInfo info;
        std::string name, date, time;
    };
    const Row rows[] = {
        {Info({{0, 'Z'}, {1, 'R'}, {2, 'X'}, {3, 7}, {4, 12}, {5, 35}, {6, 18}, {7, 9}, {8, 5}}), "ZRX07",
         "12. 4.2018", "09:05"},
        {Info({{4, 7}, {5, 35}, {6, 18}}), "", " 7. 4.2018", "00:00"},
        {Info({{0, 'A'}, {1, 'B'}, {2, 'C'}, {3, 42}, {4, 31}, {5, 12}, {6, 5}, {7, 23}, {8, 59}}), "ABC42",
         "31.12.2005", "23:59"},
        {Info({{0, 'A'}, {1, 'B'}, {2, 'C'}, {5, 0}, {18, 'L'}, {19, 'o'}, {20, 'n'}, {21, 'g'}}), "Long",
         " 0.00.2000", "00:00"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.info.programName(), row.name);
        EXPECT_EQ(row.info.buildDate(), row.date);
        EXPECT_EQ(row.info.buildTime(), row.time);
    }
}

TEST(Frames, longNameStopsAfterThirtyCharacters) {
    DeviceInfo info;
    for (int i = 18; i < 60; ++i)
        info.bytes[i] = 'x';
    EXPECT_EQ(info.programName(), std::string(30, 'x'));
}

} // namespace
} // namespace zarvex1
