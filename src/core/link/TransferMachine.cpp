#include "core/link/TransferMachine.h"

#include <algorithm>

namespace zarvex1 {

namespace {

bool SameBlock(std::span<const std::uint8_t, PayloadSize> payload,
               std::span<const std::uint8_t, PayloadSize> block) {
    return std::equal(payload.begin(), payload.end(), block.begin());
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Commands

void TransferMachine::Start(LinkRequest request, std::uint8_t frameCode) {
    deviceInfoOnly_ = false;
    started_ = request;
    request_ = request;
    frameCode_ = frameCode;
    retryCount_ = 0;
    ForgetUnitBlock();
}

void TransferMachine::StartRead() {
    // All six blocks are read over it: the set read never holds bytes of another.
    readImage_ = ParameterImage{};
    Start(LinkRequest::Read, ReadFlag);
}

void TransferMachine::ReadDeviceInfo() {
    Start(LinkRequest::Read, ReadFlag);
    deviceInfoOnly_ = true;
}

void TransferMachine::StartVerify(const ParameterImage &set) {
    snapshot_ = set;
    Start(LinkRequest::Verify, ReadFlag | 1);
}

void TransferMachine::StartProgram(const ParameterImage &set) {
    snapshot_ = set;
    Start(LinkRequest::Program, 0x00);
}

void TransferMachine::StartHandover(bool restart) {
    if (restart) {
        retryCount_ = 0;
        stateTicks_ = ResendInterval;
        frameCode_ = 0;
    }
    ForgetUnitBlock();
    request_ = LinkRequest::Handover;
}

LinkRequest TransferMachine::Reported() const {
    if (deviceInfoOnly_ || started_ == LinkRequest::Handover)
        return LinkRequest::None; // no set was asked for
    return started_;
}

void TransferMachine::Fail(TransferFailure why) {
    const LinkRequest stage = request_;
    const LinkRequest started = stage == LinkRequest::Handover ? LinkRequest::None : Reported();
    request_ = LinkRequest::None;
    if (stage != LinkRequest::Handover)
        started_ = LinkRequest::None;
    if (stage == LinkRequest::Verify) {
        FailedBlock failed{BlockOf(frameCode_), snapshot_, std::nullopt};
        if (why == TransferFailure::OtherBytes && unitBlock_) {
            failed.unitSet = snapshot_;
            std::copy(unitBlock_->begin(), unitBlock_->end(), failed.unitSet->block(failed.block).begin());
        }
        ForgetUnitBlock();
        events_.VerifyBlockFailed(failed);
    }
    events_.RequestFailed(stage, started, why);
}

// ---------------------------------------------------------------------------------------------------
// Replies

bool TransferMachine::Accepts(std::span<const std::uint8_t> received) const {
    return CheckReply(received, frameCode_, request_) == ReplyCheck::Accepted;
}

void TransferMachine::Reply(std::span<const std::uint8_t> received) {
    const int block = BlockOf(frameCode_);
    const std::span<const std::uint8_t, PayloadSize> payload(received.data() + 1, PayloadSize);
    switch (request_) {
    case LinkRequest::Read:
        ReadReply(block, payload);
        break;
    case LinkRequest::Program:
        ProgramReply(block, payload);
        break;
    case LinkRequest::Verify:
        VerifyReply(block, payload);
        break;
    case LinkRequest::Handover:
        if (block == 0)
            events_.HandoverAnswered(payload);
        break;
    case LinkRequest::None:
        break;
    }
}

bool TransferMachine::TakeDeviceInfo(std::span<const std::uint8_t, PayloadSize> payload) {
    if (!events_.DeviceInfoReceived(request_, payload)) {
        Fail(TransferFailure::OtherProtocol);
        return false;
    }
    if (deviceInfoOnly_) {
        request_ = LinkRequest::None;
        started_ = LinkRequest::None;
        events_.DeviceInfoRead();
        return false;
    }
    return true;
}

void TransferMachine::ReadReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block == 0) {
        if (!TakeDeviceInfo(payload))
            return;
    } else {
        std::copy(payload.begin(), payload.end(), readImage_.block(block).begin());
    }
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    // The owner takes the set; the unit is then checked against the set as it was taken.
    snapshot_ = events_.ImageRead(readImage_);
    SwitchToVerify();
}

void TransferMachine::ProgramReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block == 0) {
        if (!TakeDeviceInfo(payload))
            return;
    } else if (!SameBlock(payload, snapshot_.block(block))) {
        return; // the unit stored something else: the tick sends the block again
    }
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    events_.ProgramWritten();
    SwitchToVerify();
}

void TransferMachine::VerifyReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block < 1)
        return;
    if (!SameBlock(payload, snapshot_.block(block))) {
        // Kept to say what the unit holds, should the block's frames run out; the tick sends it again.
        unitBlock_.emplace();
        std::copy(payload.begin(), payload.end(), unitBlock_->begin());
        return;
    }
    ForgetUnitBlock();
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    request_ = LinkRequest::None;
    const LinkRequest started = Reported();
    started_ = LinkRequest::None;
    events_.TransferDone(started, snapshot_);
}

void TransferMachine::NextBlock() {
    ForgetUnitBlock();
    events_.BlockDone();
    ++frameCode_;
    retryCount_ = 1;
    SendDataFrame();
}

void TransferMachine::SwitchToVerify() {
    ForgetUnitBlock();
    request_ = LinkRequest::Verify;
    frameCode_ = ReadFlag | 1;
    retryCount_ = 1;
    SendDataFrame();
    events_.VerifyStarted();
}

void TransferMachine::SendDataFrame() {
    stateTicks_ = 0;
    frameSent_ = true;
    events_.SendFrame(DataFrame(frameCode_, request_, snapshot_));
}

// ---------------------------------------------------------------------------------------------------
// Ticks

void TransferMachine::Tick() {
    // A frame that a reply made go out in this tick, or since the last one, has not waited a tick yet:
    // the unit always has 4 whole ticks to answer, however the block started. Frames sent here count
    // from here.
    const bool frameSent = frameSent_;
    const int maxFrames = request_ == LinkRequest::Handover ? MaxHandoverFrames : MaxFrames;
    if (!frameSent)
        ++stateTicks_;
    // At least: the handover's restart leaves the counter one step past the interval.
    if (stateTicks_ >= ResendInterval) {
        stateTicks_ = 0;
        if (++retryCount_ <= maxFrames)
            SendDataFrame();
        else
            Fail(unitBlock_ ? TransferFailure::OtherBytes : TransferFailure::NoAnswer);
    }
    frameSent_ = false;
}

bool TransferMachine::PollDue(int interval) {
    frameSent_ = false;
    if (++stateTicks_ < interval)
        return false;
    stateTicks_ = 0;
    return true;
}

} // namespace zarvex1
