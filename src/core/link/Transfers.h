#pragma once

#include "core/link/Frames.h"
#include "core/params/ParameterImage.h"

#include <optional>

namespace zarvex1 {

// How a transfer ended without the unit's set being confirmed.
enum class TransferFailure {
    NoAnswer,      // a block's frames ran out, or the adapter went
    OtherProtocol, // the unit answered in another protocol version
    OtherBytes,    // a block of the verify came back with other bytes until its frames ran out
};

// The block at which the verify of a Read, a Program or a Verify stopped.
struct FailedBlock {
    int block = 0;           // 1..6
    ParameterImage expected; // the set the verify checked the unit against
    // `expected` with the block as the unit last answered it; none when the unit did not answer the block.
    std::optional<ParameterImage> unitSet;
};

// What the link tells the owner of the parameter set about a transfer. The link never touches that set:
// it sends a snapshot, and hands over what it read. All calls come from the link's own calls (tick,
// commands, port messages) on the owner's thread. All functions do nothing by default.
class TransferListener {
public:
    virtual ~TransferListener() = default;

    // The unit answered the first frame of a Program, or answered a request in another protocol (which
    // then ends).
    virtual void DeviceAnswered(LinkRequest /*request*/, bool /*otherVersion*/) {}
    // All six blocks of a Read arrived. Returns the set as it was taken (after the limits): the verify
    // that follows checks the unit against it.
    virtual ParameterImage ImageRead(const ParameterImage &read) { return read; }
    // The verify that ends a Read, a Program or a Verify found every block as expected: the unit holds
    // `unitSet`. `started` is the command that began the transfer.
    virtual void TransferDone(LinkRequest /*started*/, const ParameterImage & /*unitSet*/) {}
    // A Read, Program or Verify ended without its set confirmed. `stage` is what ran when it ended: a Read
    // that ends in its own stage has changed neither the unit nor the set read into.
    virtual void TransferFailed(LinkRequest /*started*/, LinkRequest /*stage*/, TransferFailure /*why*/) {}
    // The verify stopped at a block: what it expected there and what the unit answered. Comes just before
    // TransferFailed, whose stage is then the verify.
    virtual void VerifyBlockFailed(const FailedBlock & /*failed*/) {}
    // Another port, a port handed over or taken back, or a unit that fell silent: what the unit holds is
    // unknown again.
    virtual void UnitChanged() {}
};

// The transfers of whole parameter sets that the session starts. A command replaces a running one; the
// first frame goes out within 4 ticks.
class UnitLink {
public:
    virtual ~UnitLink() = default;

    virtual void SetTransferListener(TransferListener *listener) = 0;
    // Reads the unit's set into a snapshot of its own; the listener takes it once all six blocks came.
    virtual void StartRead() = 0;
    // Compares the unit with `set`.
    virtual void StartVerify(const ParameterImage &set) = 0;
    // Programs `set` and verifies it.
    virtual void StartProgram(const ParameterImage &set) = 0;
    // Programming after a change or an undo step: as StartProgram, but a programming OK still waiting from
    // an earlier transfer is dropped.
    virtual void StartAutoProgram(const ParameterImage &set) = 0;
};

} // namespace zarvex1
