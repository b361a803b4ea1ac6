#pragma once

#include "cli/CliLinkOwner.h"
#include "cli/ParameterSets.h"
#include "cli/UnitConnection.h"

#include "core/link/LinkEngine.h"
#include "core/safety/SafetyNet.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zarvex1 {

// The tool's link on one named port of the connection, which runs its 55 ms ticks, under the one owner of
// parameter sets the window has too: a ParameterSession. Read, Program and Verify run through it, so a
// Read that verified and a Program that finished write their restore points into the history folder (the
// window that owns the settings prunes them), and the set the unit holds is known by the same rules.
class LinkSession : private SessionWatcher, private LiveWatcher {
public:
    static constexpr int TickMs = 55;

    enum class RunEnd { Done, BudgetUsed, Stopped };

    // `historyFolder`: where restore points go; empty: none are written.
    LinkSession(UnitConnection &connection, const std::string &device, CliLinkOwner::Lines lines,
                std::ostream &err, const std::filesystem::path &historyFolder = {});
    ~LinkSession() override;

    // Opens the port (the program's start). False, with "Com opening error!" and the reason below it on
    // the error stream, when it cannot be opened; the link then goes on without a port, as the program
    // does.
    bool Start();
    // Runs ticks until `done` holds after a tick, `budgetTicks` ticks have passed or a stop signal came.
    RunEnd RunUntil(const std::function<bool()> &done, int budgetTicks);
    // Runs until the transfer that was started has ended: the link's block machine gives up on its own.
    RunEnd RunTransfer();

    // Takes a parameter file as the set to program or verify, with Open's messages. False when rejected.
    bool OpenSet(const std::filesystem::path &path) { return cli_.Open(path, Page::All); }
    // Transfers of the session's set: a Program and a Verify send it as the limits keep it; a Read
    // replaces it.
    void Read() {
        StartTransfer([this] { session().Read(); });
    }
    void Verify() {
        StartTransfer([this] { session().Verify(); });
    }
    void Program() {
        StartTransfer([this] { session().Program(); });
    }

    // The request that ran has ended without an error message or a version mismatch.
    bool RequestSucceeded() const;
    // Where the verify of the last transfer stopped, in English lines: the block with the values the unit
    // holds otherwise, or the block it did not answer. Empty when no verify failed.
    std::string VerifyFailure() const;

    // The live records of the last tick, oldest first, and whether a tick brought none.
    const std::vector<LiveRecord> &records() const { return records_; }
    // Watches the link's live records besides the session (the monitor's log rows).
    void AddLiveWatcher(LiveWatcher &watcher) { engine_.AddLiveWatcher(watcher); }
    long long NowMs() const;

    LinkEngine &engine() { return engine_; }
    CliLinkOwner &owner() { return owner_; }
    ParameterSession &session() { return cli_.session(); }
    const ParameterSession &session() const { return const_cast<CliSession &>(cli_).session(); }
    const MessageTexts &texts() const { return session().texts(); }
    const ParameterImage &image() const { return session().image(); }
    const SafetyNet &safety() const { return safety_; }

private:
    void StartTransfer(const std::function<void()> &start);
    // What the session tells goes on to the restore points; the block a verify stopped at is kept.
    void Replaced(const ParameterImage &previous, bool changesKept) override {
        safety_.Replaced(previous, changesKept);
    }
    void ReadVerified(const ParameterImage &unit) override { safety_.ReadVerified(unit); }
    void ProgramFinished(const ParameterImage &programmed, bool automatic) override {
        safety_.ProgramFinished(programmed, automatic);
    }
    void VerifyPassed(const ParameterImage &verified) override { safety_.VerifyPassed(verified); }
    void VerifyFailed() override { safety_.VerifyFailed(); }
    void UnitChanged() override { safety_.UnitChanged(); }
    void VerifyBlockFailed(const FailedBlock &failed) override { failedBlock_ = failed; }
    void RecordsArrived(std::span<const LiveRecord> records) override;
    // The points name the unit and its programming count, as the link knows them.
    void TellUnitDetails();

    UnitConnection &connection_;
    std::ostream &err_;
    std::string device_;
    CliSession cli_;
    CliLinkOwner owner_;
    LinkEngine engine_;
    SafetyNet safety_;
    int ticks_ = 0;
    std::vector<LiveRecord> records_;
    LinkRequest started_ = LinkRequest::None;
    std::optional<FailedBlock> failedBlock_;
};

} // namespace zarvex1
