#pragma once

#include "core/link/Transfers.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// What keeps watch over the sets the session replaces and the transfers it starts (the restore points and
// the unit's state). All calls come from the session's own calls; all functions do nothing by default.
class SessionWatcher {
public:
    virtual ~SessionWatcher() = default;

    // Open, New or a Read has replaced `previous`; `changesKept` when its changes were saved or programmed.
    virtual void Replaced(const ParameterImage & /*previous*/, bool /*changesKept*/) {}
    // A Read that verified: the unit and the screen hold `unit`.
    virtual void ReadVerified(const ParameterImage & /*unit*/) {}
    // A Program that finished: the unit holds `programmed`. `automatic` when "Programming after change"
    // started it.
    virtual void ProgramFinished(const ParameterImage & /*programmed*/, bool /*automatic*/) {}
    virtual void VerifyPassed(const ParameterImage & /*verified*/) {}
    // A Verify that failed, a Program that did not finish, or a Read whose verify failed: the unit holds
    // something else.
    virtual void VerifyFailed() {}
    // The verify stopped at a block: what it expected there and what the unit answered (before
    // VerifyFailed).
    virtual void VerifyBlockFailed(const FailedBlock & /*failed*/) {}
    // A read of the unit into a snapshot (compare with the unit) verified: the unit holds `unit`; the
    // screen's set was left alone.
    virtual void ComparedWithUnit(const ParameterImage & /*unit*/) {}
    // Another port, a port handed over, a unit gone silent or one that speaks another protocol: what the
    // unit holds is unknown.
    virtual void UnitChanged() {}
};

} // namespace zarvex1
