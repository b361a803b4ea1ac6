#pragma once

#include "core/link/Frames.h"
#include "core/logs/LogFormat.h"
#include "core/logs/LogWriter.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zarvex1 {

// Why a recording ended on its own.
enum class LogStop {
    CannotCreate, // the file could not be created
    WriteFailed,  // a full disk, the file-size limit, a vanished folder: the rows before stay in the file
};

// The message for a recording that ended on its own, with the system's reason, in the language
// (0 English, 1 German, 3 Czech).
std::string LogStopText(LogStop why, const std::string &reason, int languageIndex);

// Records the unit's monitor frames into a log file: one row per decoded frame, stamped with the
// owner's monotonic clock in milliseconds. Rows collect in memory and go to the file once a second (a
// crash loses at most a second) on the writer's thread. A lost connection leaves one gap row; the
// recording goes on with the next frame. When the file cannot be written the recording stops, keeps
// what was written and says why.
class LogRecorder {
public:
    static constexpr long long FlushMs = 1000;

    LogRecorder() = default;
    ~LogRecorder() { Stop(); }
    LogRecorder(const LogRecorder &) = delete;
    LogRecorder &operator=(const LogRecorder &) = delete;

    // Starts a recording into a new file (an existing one is never replaced); the time counts from now.
    void Start(const std::filesystem::path &path, long long nowMs);
    // Ends the recording: what was recorded goes to the file before this returns.
    void Stop();

    // One decoded frame and the parameter set the unit was known to hold at that moment.
    void Record(const Frame &frame, long long nowMs, const LogSetName &set);
    // The connection was lost: one gap row, however long the unit stays away.
    void ConnectionLost(long long nowMs);
    // The owner's tick: hands the rows to the writer once a second and notices a failed write.
    void Tick(long long nowMs);

    bool recording() const { return writer_ != nullptr && !stopped_; }
    const std::filesystem::path &path() const { return path_; }
    // Time recorded so far, for the button.
    long long recordedMs(long long nowMs) const { return recording() ? nowMs - startMs_ : 0; }
    int rowCount() const { return rows_; }
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
    std::string pending_;
    long long startMs_ = 0;
    long long lastFlushMs_ = 0;
    int rows_ = 0;
    bool gapWritten_ = false;
    bool stopped_ = false;
    std::optional<LogStop> stopReason_;
    std::string stopDetail_;
};

} // namespace zarvex1
