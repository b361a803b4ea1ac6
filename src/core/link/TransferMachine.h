#pragma once

#include "core/link/Frames.h"
#include "core/link/Transfers.h"
#include "core/params/ParameterImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace zarvex1 {

// The block machine of the unit's transfers: Read, Verify and Program go block by block, each block's frame
// sent again every 4 ticks until its reply comes, 5 frames at most; a Read and a Program end with a verify
// of all six blocks. A verify keeps the unit's last answer to its block that differed from the set: when
// the block's frames run out with such an answer, the unit holds other bytes rather than being silent,
// and the failure says which. A transfer works on a set of its own: a Program sends, and a Verify checks
// against, the snapshot taken when it started, and a Read collects its blocks apart until all six came. The
// port handover's request goes through the same frames. The machine knows no port, display or text: it tells
// its Events what to send and how the transfer goes.
class TransferMachine {
public:
    static constexpr int ResendInterval = 4; // ticks between frames of one block
    static constexpr int MaxFrames = 5;      // frames of one block before the request fails
    static constexpr int MaxHandoverFrames = 2;

    // What the machine tells the link around it. All calls come from the machine's own calls.
    class Events {
    public:
        virtual ~Events() = default;
        // A data frame of the running request is due.
        virtual void SendFrame(const Frame &frame) = 0;
        // Block 0 of a Read or a Program brought the unit's device information. False when the unit
        // speaks another protocol: the request then ends (OtherProtocol follows).
        virtual bool DeviceInfoReceived(LinkRequest request,
                                        std::span<const std::uint8_t, PayloadSize> info) = 0;
        // Block 0 of the handover's request answered.
        virtual void HandoverAnswered(std::span<const std::uint8_t, PayloadSize> info) = 0;
        // Another block of the running stage is done.
        virtual void BlockDone() = 0;
        // All six blocks of a Read arrived: returns the set the verify then checks the unit against.
        virtual ParameterImage ImageRead(const ParameterImage &read) = 0;
        // All blocks of a Program were written; the verify follows.
        virtual void ProgramWritten() = 0;
        // The verify of a Read or a Program began.
        virtual void VerifyStarted() = 0;
        // The device information alone was asked for and came: the request has ended.
        virtual void DeviceInfoRead() = 0;
        // The verify found every block as expected: the unit holds `unitSet`. `started` is the command
        // that began the transfer. The machine is idle.
        virtual void TransferDone(LinkRequest started, const ParameterImage &unitSet) = 0;
        // The verify stopped at a block (comes just before RequestFailed).
        virtual void VerifyBlockFailed(const FailedBlock &failed) = 0;
        // The request that ran as `stage` has ended without its set being confirmed; the machine is idle.
        // `started` is the command that began the transfer, None when nobody asked for a set (the
        // device information alone, the handover).
        virtual void RequestFailed(LinkRequest stage, LinkRequest started, TransferFailure why) = 0;
    };

    explicit TransferMachine(Events &events) : events_(events) {}

    // Transfers. They only set the request; the tick sends the first frame within 4 ticks.
    void StartRead();
    void StartVerify(const ParameterImage &set);
    void StartProgram(const ParameterImage &set);
    // The block-0 exchange of a read alone, after which the request ends quietly.
    void ReadDeviceInfo();
    // The handover's request: going on with the frame where the link is, or (`restart`) a new frame at
    // once.
    void StartHandover(bool restart);
    // Ends the running request without a word (the handover was answered).
    void Stop() { request_ = LinkRequest::None; }
    // Ends the running request with its failure.
    void Fail(TransferFailure why = TransferFailure::NoAnswer);

    // Whether a whole frame that is not a monitor frame is the reply the running request waits for.
    bool Accepts(std::span<const std::uint8_t> received) const;
    // Takes an accepted reply.
    void Reply(std::span<const std::uint8_t> received);
    // One tick while a request runs: the block's frame again when its time came, or the failure.
    void Tick();
    // One tick between requests, counted with the frames: true when a poll is due after `interval` ticks.
    bool PollDue(int interval);

    LinkRequest request() const { return request_; }
    bool idle() const { return request_ == LinkRequest::None; }
    std::uint8_t frameCode() const { return frameCode_; }
    int retryCount() const { return retryCount_; }
    int stateTicks() const { return stateTicks_; }

private:
    void Start(LinkRequest request, std::uint8_t frameCode);
    void ReadReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    void ProgramReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    void VerifyReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    // Block 0 of a Read or Program: false when the request ended there.
    bool TakeDeviceInfo(std::span<const std::uint8_t, PayloadSize> payload);
    void NextBlock();
    void SwitchToVerify();
    void SendDataFrame();
    // A new block or request: no answer of the unit kept yet.
    void ForgetUnitBlock() { unitBlock_.reset(); }
    // The command whose set the listener hears about when the request ends.
    LinkRequest Reported() const;

    Events &events_;
    LinkRequest request_ = LinkRequest::None;
    LinkRequest started_ = LinkRequest::None; // the command that began the running transfer
    std::uint8_t frameCode_ = 0;
    int retryCount_ = 0;
    int stateTicks_ = 0;          // ticks since the last frame, of a request or a poll
    bool frameSent_ = false;      // a data frame went out after the last tick
    bool deviceInfoOnly_ = false; // the running read ends after the device information
    ParameterImage readImage_;    // blocks of a running read; handed over only when all six arrived
    ParameterImage snapshot_;     // what a Program sends and a Verify compares with
    // The unit's last answer to the running verify block that differed from the snapshot.
    std::optional<std::array<std::uint8_t, PayloadSize>> unitBlock_;
};

} // namespace zarvex1
