#include "cli/CliLinkOwner.h"
#include "cli/MonitorTap.h"

#include "core/link/Colours.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

using namespace zarvex1;

namespace {

MessageTexts English() {
    MessageTexts texts;
    texts.FillMessageTexts(0);
    return texts;
}

TEST(CliLinkOwner, printsEachShownTextOnceAndLeavesTheSavingToTheCommand) {
    const MessageTexts texts = English();
    std::ostringstream err;
    CliLinkOwner owner(err, texts, CliLinkOwner::Lines::All);
    const MessageLine shown[] = {
        {"Program device:", Colour::ButtonFace, true},
        {"Program device:", Colour::ButtonFace, true}, // visible again: no new line
        {"Verify::", Colour::ButtonFace, false},       // hidden: nothing
        {"Verify::", Colour::ButtonFace, true},
        {"Verify:: OK", Colour::ButtonFace, true},
        {"Program device:: OK", Colour::ButtonFace, true}, // before the unit has saved
        {"Saving:", Colour::ButtonFace, true},
        {"Program error!", Colour::Red, true},
    };
    for (const MessageLine &line : shown)
        owner.MessageLineChanged(line);
    EXPECT_EQ(err.str(), "Program device:\nVerify::\nVerify:: OK\nProgram error!\n");
}

TEST(CliLinkOwner, errorsOnlyKeepsProgressQuietAndRecordsTheVersionMessage) {
    const MessageTexts texts = English();
    std::ostringstream err;
    CliLinkOwner owner(err, texts, CliLinkOwner::Lines::ErrorsOnly);
    owner.MessageLineChanged({"Read:", Colour::ButtonFace, true});
    owner.MessageLineChanged({"Read error!", Colour::Red, true});
    owner.ShowVersionMessage("Unmatched version of PC and Ignition programs!  PC-99, IGN-98");
    EXPECT_EQ(err.str(), "Read error!\nUnmatched version of PC and Ignition programs!  PC-99, IGN-98\n");
    EXPECT_TRUE(owner.versionMismatch());
}

// Hands out prepared reads one per call.
class ScriptedPort : public SerialPort {
public:
    std::deque<std::vector<std::uint8_t>> reads;
    bool open(const std::string &) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    int bytesWaiting() override { return reads.empty() ? 0 : static_cast<int>(reads.front().size()); }
    int read(std::uint8_t *buffer, int maxBytes) override {
        std::vector<std::uint8_t> next = reads.front();
        reads.pop_front();
        const int n = std::min(maxBytes, static_cast<int>(next.size()));
        std::copy_n(next.begin(), n, buffer);
        return n;
    }
    bool write(const std::uint8_t *, int) override { return true; }
    void discardInput() override {}
};

std::vector<std::uint8_t> Bytes(const Frame &f) {
    return {f.bytes.begin(), f.bytes.end()};
}

TEST(MonitorTap, keepsTheMonitorFramesTheLinkAccepts) {
    Frame monitor;
    monitor.bytes[0] = MonitorCode;
    monitor.setWord(Monw::Rpm, 4321);
    monitor.seal();
    Frame spoilt = monitor;
    spoilt.bytes[10] ^= 1;
    Frame reply;
    reply.bytes[0] = 0xC0;
    reply.seal();
    std::vector<std::uint8_t> twoFrames = Bytes(monitor);
    twoFrames.insert(twoFrames.end(), monitor.bytes.begin(), monitor.bytes.end());
    std::vector<std::uint8_t> noiseFirst = {0x00};
    noiseFirst.insert(noiseFirst.end(), monitor.bytes.begin(), monitor.bytes.end());

    ScriptedPort port;
    port.reads = {Bytes(monitor), Bytes(spoilt),
                  Bytes(reply),   twoFrames,
                  noiseFirst,     std::vector<std::uint8_t>(monitor.bytes.begin(), monitor.bytes.end() - 1)};
    MonitorTap tap(port);
    std::uint8_t buffer[1000];
    while (!port.reads.empty())
        tap.read(buffer, sizeof buffer);
    // The whole frame, the first of two read together; not a spoilt one, a reply, a frame behind noise
    // or a short read.
    const std::vector<Frame> frames = tap.TakeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], monitor);
    EXPECT_EQ(frames[1], monitor);
    EXPECT_TRUE(tap.TakeFrames().empty());
}

} // namespace
