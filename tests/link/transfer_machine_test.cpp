// The block machine alone: what a verify that failed tells about the block it stopped at.

#include "core/link/TransferMachine.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace zarvex1 {
namespace {

// Remembers how the transfers ended.
struct EndingEvents : TransferMachine::Events {
    std::vector<FailedBlock> failedBlocks;
    std::vector<TransferFailure> failures;
    int done = 0;

    void SendFrame(const Frame &) override {}
    bool DeviceInfoReceived(LinkRequest, std::span<const std::uint8_t, PayloadSize>) override { return true; }
    void HandoverAnswered(std::span<const std::uint8_t, PayloadSize>) override {}
    void BlockDone() override {}
    ParameterImage ImageRead(const ParameterImage &read) override { return read; }
    void ProgramWritten() override {}
    void VerifyStarted() override {}
    void DeviceInfoRead() override {}
    void TransferDone(LinkRequest, const ParameterImage &) override { ++done; }
    void VerifyBlockFailed(const FailedBlock &failed) override { failedBlocks.push_back(failed); }
    void RequestFailed(LinkRequest, LinkRequest, TransferFailure why) override { failures.push_back(why); }
};

ParameterImage Pattern(int seed) {
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.setByte(i, static_cast<unsigned>(i * 11 + seed));
    return image;
}

// What the unit answers to one frame: the block as this set has it (block 0: a device information of
// zeros); none: silence.
using Answer = std::optional<ParameterImage>;

class TransferMachineTest : public ::testing::Test {
protected:
    // Answers the running block's frame as `answer` says, then lets 4 ticks pass.
    void Exchange(const Answer &answer) {
        if (answer) {
            const int block = BlockOf(machine.frameCode());
            static constexpr std::array<std::uint8_t, PayloadSize> deviceInfo{};
            const Frame reply =
                ReplyFrame(machine.frameCode(), block == 0 ? deviceInfo : answer->block(block));
            ASSERT_TRUE(machine.Accepts(reply.bytes));
            machine.Reply(reply.bytes);
        }
        for (int i = 0; i < TransferMachine::ResendInterval && !machine.idle(); ++i)
            machine.Tick();
    }
    void ExchangeUntilIdle(const Answer &answer) {
        for (int i = 0; i < 100 && !machine.idle(); ++i)
            Exchange(answer);
    }

    EndingEvents events;
    TransferMachine machine{events};
    const ParameterImage file = Pattern(1);
};

TEST_F(TransferMachineTest, verifyThatFailsSaysWhatTheUnitAnsweredAtItsBlock) {
    ParameterImage other = file;
    other.setByte(2 * ParameterImage::BlockSize + 7, 0xEE); // block 3
    ParameterImage third = file;
    third.setByte(2 * ParameterImage::BlockSize + 9, 0x55); // block 3, answered last

    machine.StartVerify(file);
    Exchange(file);
    Exchange(file);
    Exchange(other);
    ExchangeUntilIdle(third);
    ASSERT_EQ(events.failures, std::vector<TransferFailure>{TransferFailure::OtherBytes});
    ASSERT_EQ(events.failedBlocks.size(), 1u);
    const FailedBlock &failed = events.failedBlocks[0];
    EXPECT_EQ(failed.block, 3);
    EXPECT_EQ(failed.expected, file);
    EXPECT_EQ(failed.unitSet, third) << "the unit's last answer, in the expected set";
}

// An answer that differed is forgotten once its block matched, at the next block and at the next
// request: silence after it is no answer.
TEST_F(TransferMachineTest, differingAnswerIsForgottenWhenItsBlockOrRequestIsOver) {
    ParameterImage other = file;
    other.setByte(ParameterImage::BlockSize + 3, 0x99); // block 2
    const Answer silence;

    struct Row {
        const char *name;
        std::vector<Answer> answers; // before the unit falls silent
        bool restart;                // a new verify starts before the silence
        int block;                   // where the silent verify then stops
    };
    const Row rows[] = {
        {"nothing came", {}, false, 1},
        {"matching answer of the same block", {file, other, file}, false, 3},
        {"a new verify", {file, other}, true, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        events = {};
        machine.StartVerify(file);
        for (const Answer &answer : row.answers)
            Exchange(answer);
        if (row.restart)
            machine.StartVerify(file);
        ExchangeUntilIdle(silence);
        ASSERT_EQ(events.failures, std::vector<TransferFailure>{TransferFailure::NoAnswer});
        ASSERT_EQ(events.failedBlocks.size(), 1u);
        EXPECT_EQ(events.failedBlocks[0].block, row.block);
        EXPECT_FALSE(events.failedBlocks[0].unitSet);
    }
}

// The answer that differed is from the verify ending a Read: the unit is then checked against the set
// the owner took.
TEST_F(TransferMachineTest, readWhoseVerifyFindsOtherBytesSaysSo) {
    ParameterImage unit = file;
    unit.setByte(5 * ParameterImage::BlockSize + 1, 0x11); // block 6
    machine.StartRead();
    Exchange(file); // block 0: the device information
    for (int block = 1; block <= LastBlock; ++block)
        Exchange(file);
    ASSERT_EQ(machine.request(), LinkRequest::Verify);
    ExchangeUntilIdle(unit);
    ASSERT_EQ(events.failures, std::vector<TransferFailure>{TransferFailure::OtherBytes});
    EXPECT_EQ(events.failedBlocks.at(0).block, 6);
    EXPECT_EQ(events.failedBlocks.at(0).unitSet, unit);
    EXPECT_EQ(events.done, 0);
}

} // namespace
} // namespace zarvex1
