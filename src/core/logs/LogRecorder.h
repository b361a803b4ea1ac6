#pragma once

#include "core/link/LiveWatcher.h"
#include "core/logs/LogFormat.h"
#include "core/logs/LogWriter.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace zarvex1 {

// Why a recording ended on its own.
enum class LogStop {
    CannotCreate, // the file could not be created
    WriteFailed,  // a full disk, the file-size limit, a vanished folder: the rows before stay in the file
};

// The message for a recording that ended on its own, with the system's reason, in the language
// (0 English, 1 German, 3 Czech).
std::string LogStopText(LogStop why, const std::string &reason, int languageIndex);

class ParameterSession;

// The rows of a live-value log as the link's records come: one row per record at its own time from the
// start, naming the set the unit is known to hold as the session knows it (none without a session); one
// gap row when the connection is lost, however long the unit stays away. The window's recorder and the
// command-line tool's CSV take their rows from here.
class LogRows : public LiveWatcher {
public:
    explicit LogRows(const ParameterSession *session) : session_(session) {}

    // Rows count their time from `startMs` on; records from before are passed over.
    void Start(long long startMs);
    void ConnectionChanged(bool connected, long long nowMs) override;
    void RecordsArrived(std::span<const LiveRecord> records) override;

    // The rows since the last call, each with its line break.
    std::string Take() { return std::exchange(rows_, {}); }
    int rowCount() const { return count_; }
    long long startMs() const { return startMs_; }

private:
    const ParameterSession *session_;
    std::string rows_;
    long long startMs_ = 0;
    int count_ = 0;
    bool gapWritten_ = false;
};

// Records the unit's live records into a log file, as LogRows writes them. Rows collect in memory and go
// to the file once a second (a crash loses at most a second) on the writer's thread. When the file cannot
// be written the recording stops, keeps what was written and says why.
class LogRecorder : public LiveWatcher {
public:
    static constexpr long long FlushMs = 1000;

    explicit LogRecorder(const ParameterSession *session = nullptr) : rows_(session) {}
    ~LogRecorder() { Stop(); }
    LogRecorder(const LogRecorder &) = delete;
    LogRecorder &operator=(const LogRecorder &) = delete;

    // Starts a recording into a new file (an existing one is never replaced); the time counts from now.
    void Start(const std::filesystem::path &path, long long nowMs);
    // Ends the recording: what was recorded goes to the file before this returns.
    void Stop();

    // The link's records while recording, and the connection: a gap row where it was lost.
    void RecordsArrived(std::span<const LiveRecord> records) override;
    void ConnectionChanged(bool connected, long long nowMs) override;
    // The owner's tick: hands the rows to the writer once a second and notices a failed write.
    void Tick(long long nowMs);

    bool recording() const { return writer_ != nullptr && !stopped_; }
    const std::filesystem::path &path() const { return path_; }
    // Time recorded so far, for the button.
    long long recordedMs(long long nowMs) const { return recording() ? nowMs - startMs_ : 0; }
    int rowCount() const { return rows_.rowCount(); }
    // Why the last recording ended on its own, with the system's reason.
    std::optional<LogStop> stopReason() const { return stopReason_; }
    const std::string &stopDetail() const { return stopDetail_; }

    // Waits until the writer has written what it was given: for tests, which must not race the thread.
    void WaitForWriter();

private:
    void Flush(long long nowMs);
    void CheckWriter();

    std::unique_ptr<LogWriter> writer_;
    std::filesystem::path path_;
    LogRows rows_;
    long long startMs_ = 0;
    long long lastFlushMs_ = 0;
    bool stopped_ = false;
    std::optional<LogStop> stopReason_;
    std::string stopDetail_;
};

} // namespace zarvex1
