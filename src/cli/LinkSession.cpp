#include "cli/LinkSession.h"

#include "cli/StopSignals.h"

#include "core/link/Colours.h"
#include "core/safety/VerifyFailureText.h"

#include <limits>

namespace zarvex1 {

namespace {

std::optional<RestorePointStore> StoreIn(const std::filesystem::path &folder) {
    if (folder.empty())
        return std::nullopt;
    // Only the window that owns the settings removes old points.
    return RestorePointStore(folder, false);
}

} // namespace

LinkSession::LinkSession(UnitConnection &connection, const std::string &device, CliLinkOwner::Lines lines,
                         std::ostream &err, const std::filesystem::path &historyFolder)
    : connection_(connection), err_(err), device_(device), cli_(err),
      owner_(err, cli_.session().texts(), lines), engine_(connection.port, cli_.session().settings(), owner_),
      safety_(StoreIn(historyFolder)) {
    engine_.SetDeviceOverride(device_);
    engine_.SetClock([this] { return NowMs(); });
    engine_.AddLiveWatcher(*this);
    session().SetWatcher(this);
    session().AttachLink(engine_);
}

LinkSession::~LinkSession() {
    session().SetWatcher(nullptr);
}

long long LinkSession::NowMs() const {
    return connection_.clockMs ? connection_.clockMs() : static_cast<long long>(ticks_) * TickMs;
}

void LinkSession::StartTransfer(const std::function<void()> &start) {
    failedBlock_.reset();
    start();
    started_ = engine_.state().LinkRequest;
}

std::string LinkSession::VerifyFailure() const {
    if (!failedBlock_)
        return {};
    // A Read's verify checks the unit against the set as it was taken, its values kept in range.
    const VerifiedSet against = started_ == LinkRequest::Read ? VerifiedSet::SetRead : VerifiedSet::File;
    return VerifyFailureText(failedBlock_->block, failedBlock_->expected, failedBlock_->unitSet, against,
                             Language::English);
}

bool LinkSession::Start() {
    engine_.Start();
    if (!owner_.comOpeningError())
        return true;
    err_ << owner_.comOpeningMessage() << std::endl;
    return false;
}

void LinkSession::RecordsArrived(std::span<const LiveRecord> records) {
    records_.insert(records_.end(), records.begin(), records.end());
}

void LinkSession::TellUnitDetails() {
    const std::optional<LiveRecord> &latest = engine_.latest();
    safety_.SetUnitDetails(engine_.deviceTexts().programName,
                           latest ? std::optional<int>(latest->raw(LiveField::ProgrammingCount))
                                  : std::nullopt);
}

LinkSession::RunEnd LinkSession::RunUntil(const std::function<bool()> &done, int budgetTicks) {
    RunEnd end = RunEnd::BudgetUsed;
    connection_.run(
        [&] {
            ++ticks_;
            records_.clear();
            TellUnitDetails();
            engine_.Tick();
            if (done())
                end = RunEnd::Done;
            else if (StopRequested())
                end = RunEnd::Stopped;
            return end != RunEnd::BudgetUsed;
        },
        budgetTicks);
    return end;
}

LinkSession::RunEnd LinkSession::RunTransfer() {
    return RunUntil([this] { return engine_.state().LinkRequest == LinkRequest::None; },
                    std::numeric_limits<int>::max());
}

bool LinkSession::RequestSucceeded() const {
    return engine_.state().LinkRequest == LinkRequest::None && engine_.messageLine().colour != Colour::Red &&
           !owner_.versionMismatch();
}

} // namespace zarvex1
