#include "core/logs/LogWriter.h"

#include "core/files/TextFiles.h"

#ifdef _WIN32
#include <fstream>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarvex1 {

namespace {

#ifndef _WIN32

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Opens the file anew for every piece: a folder that vanished or a medium that was pulled shows at the
// next second instead of writes going on into a file nobody can reach.
std::error_code AppendWhole(const std::filesystem::path &path, bool create, const std::string &text) {
    const int flags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | (create ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        return LastError();
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const std::error_code error = LastError();
        ::close(fd);
        return error ? error : std::make_error_code(std::errc::invalid_argument);
    }
    std::error_code error;
    std::string_view rest = text;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = LastError();
            break;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    if (error && ::ftruncate(fd, info.st_size) != 0) {
        // The file keeps a cut row; the reader drops a last row cut short.
    }
    if (::close(fd) != 0 && !error)
        error = LastError();
    return error;
}

#else

std::error_code AppendWhole(const std::filesystem::path &path, bool create, const std::string &text) {
    std::error_code error;
    if (create && std::filesystem::exists(path, error))
        return std::make_error_code(std::errc::file_exists);
    if (!create && !std::filesystem::exists(path, error))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return out ? std::error_code() : std::make_error_code(std::errc::io_error);
}

#endif

} // namespace

LogWriter::LogWriter() {
    IgnoreFileSizeSignal();
    thread_ = std::thread([this] { Run(); });
}

LogWriter::~LogWriter() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LogWriter::Create(const std::filesystem::path &path, std::string text) {
    {
        std::lock_guard lock(mutex_);
        path_ = path;
        jobs_.push_back({true, std::move(text)});
    }
    wake_.notify_one();
}

void LogWriter::Append(std::string text) {
    if (text.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        if (failure_)
            return;
        jobs_.push_back({false, std::move(text)});
    }
    wake_.notify_one();
}

void LogWriter::Wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::optional<LogWriteFailure> LogWriter::failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}

void LogWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
        if (jobs_.empty()) // quitting with nothing left
            return;
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        if (failure_) {
            idle_.notify_all();
            continue;
        }
        busy_ = true;
        const std::filesystem::path path = path_;
        lock.unlock();
        const std::error_code error = AppendWhole(path, job.create, job.text);
        lock.lock();
        busy_ = false;
        if (error) {
            failure_ = LogWriteFailure{!job.create, error};
            jobs_.clear();
        }
        idle_.notify_all();
    }
}

} // namespace zarvex1
