#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

namespace zarvex1 {

// Why a log file stopped taking text.
struct LogWriteFailure {
    bool created = false; // false: the file could not be created at all
    std::error_code error;
};

// Appends text to one log file on a thread of its own, so that a slow or full disk never holds up the
// thread that records. Every piece is written whole or not at all: a write that fails takes back what
// it wrote, so the file ends on a whole row. After a failure further text is dropped.
class LogWriter {
public:
    LogWriter();
    // Writes what was handed over before it returns.
    ~LogWriter();
    LogWriter(const LogWriter &) = delete;
    LogWriter &operator=(const LogWriter &) = delete;

    // Creates the file with its first text; an existing file is never replaced.
    void Create(const std::filesystem::path &path, std::string text);
    void Append(std::string text);
    // Returns once everything handed over is written or has failed.
    void Wait();
    std::optional<LogWriteFailure> failure() const;

private:
    struct Job {
        bool create = false;
        std::string text;
    };
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool quit_ = false;
    std::filesystem::path path_;
    std::optional<LogWriteFailure> failure_;
    std::thread thread_;
};

} // namespace zarvex1
