#pragma once

#include "cli/CliLinkOwner.h"
#include "cli/MonitorTap.h"
#include "cli/UnitConnection.h"

#include "core/link/LinkEngine.h"
#include "core/params/Limits.h"
#include "core/params/ParameterImage.h"
#include "core/texts/MessageTexts.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace zarvex1 {

// The program's link on one named port of the connection, which runs its 55 ms ticks. It owns the one
// parameter set of a command: what a Program or Verify sends, what a Read brings.
class LinkSession : private TransferListener {
public:
    static constexpr int TickMs = 55;

    enum class RunEnd { Done, BudgetUsed, Stopped };

    LinkSession(UnitConnection &connection, const std::string &device, const ParameterImage &image,
                CliLinkOwner::Lines lines, std::ostream &err);

    // Opens the port (the program's start). False, with "Com opening error!" and the reason below it on
    // the error stream, when it cannot be opened; the link then goes on without a port, as the program
    // does.
    bool Start();
    // Runs ticks until `done` holds after a tick, `budgetTicks` ticks have passed or a stop signal came.
    RunEnd RunUntil(const std::function<bool()> &done, int budgetTicks);

    // Transfers of the set: a Program and a Verify send it as the limits keep it; a Read replaces it.
    void Read();
    void Verify();
    void Program();

    // The request that ran has ended without an error message or a version mismatch.
    bool RequestSucceeded() const;
    // Where the verify of the last transfer stopped, in English lines: the block with the values the unit
    // holds otherwise, or the block it did not answer. Empty when no verify failed.
    std::string VerifyFailure() const;

    LinkEngine &engine() { return engine_; }
    MonitorTap &tap() { return tap_; }
    CliLinkOwner &owner() { return owner_; }
    const MessageTexts &texts() const { return texts_; }
    const ParameterImage &image() const { return image_; }

private:
    void DeviceAnswered(LinkRequest request, bool otherVersion) override;
    ParameterImage ImageRead(const ParameterImage &read) override;
    void VerifyBlockFailed(const FailedBlock &failed) override { failedBlock_ = failed; }
    // A transfer starts: nothing of an earlier one is kept.
    void StartTransfer(LinkRequest request);

    UnitConnection &connection_;
    std::ostream &err_;
    std::string device_;
    MonitorTap tap_;
    ParameterImage image_;
    LimitedSettings settings_;
    MessageTexts texts_;
    CliLinkOwner owner_;
    LinkEngine engine_;
    LinkRequest started_ = LinkRequest::None;
    std::optional<FailedBlock> failedBlock_;
};

} // namespace zarvex1
