#include "cli/UnitCommands.h"

#include "cli/ExitCodes.h"
#include "cli/LinkSession.h"
#include "cli/MonitorFormat.h"
#include "cli/ParameterSets.h"
#include "cli/StopSignals.h"

#include "core/link/Colours.h"
#include "core/logs/LogFormat.h"
#include "core/logs/LogRecorder.h"

#include <algorithm>
#include <limits>

namespace zarvex1 {

namespace {

constexpr const char *NoConnectionText = "No connection with PC";

// Safety net for the device information alone, on top of the link's own retries (at most 5 frames, 4
// ticks apart, for its one block).
constexpr int InfoBudget = LinkEngine::MaxFrames * LinkEngine::ResendInterval + 20;
// The unit stores programmed data for a while (its countdown starts at 1800); give up after 3 minutes.
constexpr int SavingBudget = 3 * 60 * 1000 / LinkSession::TickMs;
constexpr int SilenceTicks = LinkEngine::NoConnectionLimit;

bool RequestEnded(LinkSession &session) {
    return session.engine().state().LinkRequest == LinkRequest::None;
}

// Runs the started request to its end, as far as the link's block machine goes, and turns the outcome
// into an exit status.
int RunRequest(LinkSession &session, int failureSlot, std::ostream &err) {
    if (session.RunTransfer() != LinkSession::RunEnd::Done) {
        err << session.texts()[failureSlot] << std::endl;
        return ExitCode::TransferFailed;
    }
    if (session.owner().versionMismatch())
        return ExitCode::VersionMismatch;
    if (session.RequestSucceeded())
        return ExitCode::Success;
    // Below "Verify error!": what the unit holds otherwise, or which block it left unanswered.
    err << session.VerifyFailure() << std::flush;
    return ExitCode::TransferFailed;
}

// After programming the unit stores what it received and tells its saving countdown in its live values.
// Success only once a live-value frame after the verify shows the countdown at 0: the saving finished, or
// never started. A unit that falls silent for 18 ticks, before its first such frame or while saving
// (unplugged, power lost), may not have kept the set: that is an error.
int WaitForSaving(LinkSession &session, std::ostream &err) {
    const MessageTexts &texts = session.texts();
    // Only records of the ticks after the transfer tell about the saving.
    int silentTicks = 0;
    int shownTenth = -1;
    bool saved = false;
    const auto step = [&] {
        const std::vector<LiveRecord> &records = session.records();
        silentTicks = records.empty() ? silentTicks + 1 : 0;
        for (const LiveRecord &record : records) {
            const int countdown = record.raw(LiveField::SavingCountdown);
            if (countdown == 0) {
                saved = true;
                return true;
            }
            const int percent =
                std::max(0, 100 * (LinkEngine::SavingStart - countdown) / LinkEngine::SavingStart);
            if (percent / 10 != shownTenth) {
                shownTenth = percent / 10;
                err << texts[MessageSlot::Saving] << " " << percent << "%" << std::endl;
            }
        }
        return silentTicks >= SilenceTicks;
    };
    if (session.RunUntil(step, SavingBudget) != LinkSession::RunEnd::Done) {
        err << texts[MessageSlot::ProgramError] << std::endl;
        return ExitCode::TransferFailed;
    }
    if (!saved) {
        err << NoConnectionText << std::endl << texts[MessageSlot::ProgramError] << std::endl;
        return ExitCode::TransferFailed;
    }
    err << texts[MessageSlot::Program] << ": OK" << std::endl;
    return ExitCode::Success;
}

} // namespace

int RunRead(const CliOptions &options, UnitConnection &connection, std::ostream &err,
            const std::filesystem::path &historyFolder) {
    LinkSession session(connection, options.port, CliLinkOwner::Lines::All, err, historyFolder);
    if (!OutputFolderExists(options.output)) {
        err << WithPath(session.texts()[FileMessage::OpenFileError], options.output) << std::endl;
        return ExitCode::UsageOrFile;
    }
    session.Start();
    session.Read();
    const int status = RunRequest(session, MessageSlot::ReadError, err);
    if (status != ExitCode::Success)
        return status; // nothing is written from a read that did not verify
    return SaveParameterSet(session.image(), options.output, err) ? ExitCode::Success : ExitCode::UsageOrFile;
}

int RunProgram(const CliOptions &options, UnitConnection &connection, std::ostream &err,
               const std::filesystem::path &historyFolder) {
    LinkSession session(connection, options.port, CliLinkOwner::Lines::All, err, historyFolder);
    if (!session.OpenSet(options.input))
        return ExitCode::UsageOrFile;
    session.Start();
    session.Program();
    const int status = RunRequest(session, MessageSlot::ProgramError, err);
    if (status != ExitCode::Success)
        return status;
    return WaitForSaving(session, err);
}

int RunVerify(const CliOptions &options, UnitConnection &connection, std::ostream &err,
              const std::filesystem::path &historyFolder) {
    LinkSession session(connection, options.port, CliLinkOwner::Lines::All, err, historyFolder);
    if (!session.OpenSet(options.input))
        return ExitCode::UsageOrFile;
    session.Start();
    session.Verify();
    return RunRequest(session, MessageSlot::VerifyError, err);
}

int RunInfo(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err) {
    LinkSession session(connection, options.port, CliLinkOwner::Lines::ErrorsOnly, err);
    session.Start();
    session.engine().ReadDeviceInfo();
    if (session.RunUntil([&] { return RequestEnded(session); }, InfoBudget) != LinkSession::RunEnd::Done ||
        !session.owner().deviceInfoReceived()) {
        if (session.engine().messageLine().colour != Colour::Red)
            err << session.texts()[MessageSlot::ReadError] << std::endl;
        return ExitCode::TransferFailed;
    }
    const DeviceTexts &device = session.engine().deviceTexts();
    out << device.programName << '\n'
        << device.buildDate << '\n'
        << device.buildTime << '\n'
        << session.engine().deviceInfo().version() << std::endl;
    return session.owner().versionMismatch() ? ExitCode::VersionMismatch : ExitCode::Success;
}

int RunMonitor(const CliOptions &options, UnitConnection &connection, std::ostream &out, std::ostream &err) {
    InstallStopSignals();
    LinkSession session(connection, options.port, CliLinkOwner::Lines::ErrorsOnly, err);
    // The CSV rows as the window's recorder writes them; the unit's set is not known here, so the rows'
    // set columns stay empty.
    LogRows rows(&session.session());
    session.AddLiveWatcher(rows);
    if (!session.Start())
        return ExitCode::TransferFailed;
    int printed = 0;
    int silentTicks = 0;
    bool otherVersion = false;
    // The time of a line counts from the start, on the connection's monotonic clock.
    const long long startMs = session.NowMs();
    rows.Start(startMs);
    if (options.csv)
        out << LogHeader() << std::flush;
    const auto step = [&] {
        const std::vector<LiveRecord> &records = session.records();
        silentTicks = records.empty() ? silentTicks + 1 : 0;
        const std::string csv = rows.Take();
        std::size_t csvAt = 0;
        for (const LiveRecord &record : records) {
            const int version = record.raw(LiveField::Version);
            if (version != ProtocolVersion && !otherVersion) {
                otherVersion = true;
                err << VersionMismatchText(session.texts(), version) << std::endl;
            }
            if (options.csv) {
                // One row a record, as LogRows wrote them (a gap row goes with the record after it).
                const std::size_t end = csv.find('\n', csvAt);
                out << csv.substr(csvAt, end - csvAt + 1) << std::flush;
                csvAt = end + 1;
            } else {
                const long long ms = std::max(0LL, record.timeMs() - startMs);
                out << (options.json ? MonitorJson(record, ms) : MonitorLine(record)) << std::endl;
            }
            if (options.frames > 0 && ++printed >= options.frames)
                return true;
        }
        return silentTicks >= SilenceTicks;
    };
    const int budget = std::numeric_limits<int>::max();
    const LinkSession::RunEnd end = session.RunUntil(step, budget);
    if (otherVersion)
        return ExitCode::VersionMismatch;
    if (end == LinkSession::RunEnd::Stopped || (options.frames > 0 && printed >= options.frames))
        return ExitCode::Success;
    err << NoConnectionText << std::endl;
    return ExitCode::TransferFailed;
}

} // namespace zarvex1
