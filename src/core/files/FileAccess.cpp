// Reading and replacing whole files with the platform's own calls: only they can refuse a FIFO without
// waiting on it, create a file exclusively, keep its permissions and flush it to the disk.
#include "core/files/TextFiles.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <ctime>
#include <random>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <chrono>
#include <fstream>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarvex1 {

namespace {

// Errors of this program's own, beside the system's.
enum class FileErrc { NotRegularFile = 1, TooManyLinks, ForeignLink };

class FileErrorCategory : public std::error_category {
public:
    const char *name() const noexcept override { return "zarvex1-files"; }
    std::string message(int value) const override {
        switch (static_cast<FileErrc>(value)) {
        case FileErrc::NotRegularFile:
            return "not a regular file";
        case FileErrc::TooManyLinks:
            return "too many levels of symbolic links";
        case FileErrc::ForeignLink:
            return "a link that another user put in a shared folder is not followed";
        }
        return "file error";
    }
};

std::error_code MakeError(FileErrc e) {
    static const FileErrorCategory category;
    return {static_cast<int>(e), category};
}

#ifndef _WIN32
// The kernel's rule for links in shared folders (fs.protected_symlinks), which a save that resolves the
// link itself would pass by: in a sticky folder that everybody may write to, a link is followed only when
// it belongs to the user or to the folder's owner. Otherwise another user could plant "out.ign" there,
// pointing at one of the user's files, and a save would replace that file.
bool MayFollowLink(const std::filesystem::path &link) {
    struct stat linkInfo {};
    struct stat folderInfo {};
    const std::filesystem::path folder = link.parent_path().empty() ? "." : link.parent_path();
    if (::lstat(link.c_str(), &linkInfo) != 0 || ::stat(folder.c_str(), &folderInfo) != 0)
        return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) && (folderInfo.st_mode & S_IWOTH);
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}
#else
bool MayFollowLink(const std::filesystem::path &) {
    return true;
}
#endif

// Follows symbolic links to the file they name (which need not exist yet), so that a save replaces the
// real file and a link stays a link.
std::filesystem::path ResolveLinks(const std::filesystem::path &path, std::error_code &error) {
    std::filesystem::path resolved = path;
    for (int hops = 0; hops < 40; ++hops) {
        const auto status = std::filesystem::symlink_status(resolved, error);
        if (status.type() == std::filesystem::file_type::not_found) {
            error.clear(); // a new file
            return resolved;
        }
        if (error)
            return {};
        if (status.type() != std::filesystem::file_type::symlink)
            return resolved;
        if (!MayFollowLink(resolved)) {
            error = MakeError(FileErrc::ForeignLink);
            return {};
        }
        const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
        if (error)
            return {};
        resolved = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    error = MakeError(FileErrc::TooManyLinks);
    return {};
}

// A name beside the target that no other save picks: the target's name, ".zarvex1-", eight random
// letters or digits and "~". The marker keeps it apart from names users make ("race.ign.20261210~").
constexpr std::string_view TemporaryMarker = ".zarvex1-";
constexpr std::size_t TemporaryLetters = 8;

std::filesystem::path TemporaryName(const std::filesystem::path &target) {
    static constexpr std::string_view letters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string suffix(TemporaryMarker);
    for (std::size_t i = 0; i < TemporaryLetters; ++i)
        suffix += letters[random() % letters.size()];
    std::filesystem::path name = target;
    name += suffix + "~";
    return name;
}

} // namespace

bool IsTemporaryNameOf(const std::filesystem::path &target, const std::string &name) {
    const std::string prefix = target.filename().string() + std::string(TemporaryMarker);
    if (name.size() != prefix.size() + TemporaryLetters + 1 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.back() != '~')
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end() - 1,
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

namespace {

std::filesystem::path FolderOf(const std::filesystem::path &file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

#ifndef _WIN32

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Reset(-1); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    void Reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closing can report a write the system deferred; it counts as a failed write.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; file systems that cannot flush a folder are passed over.
void FlushFolder(const std::filesystem::path &folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

// A leftover of the user's goes: a regular file of theirs, untouched for a minute.
void RemoveIfStale(const std::filesystem::path &name) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        info.st_mtime < std::time(nullptr) - StaleTemporaryAge)
        ::unlink(name.c_str());
}

#else

// A leftover goes: a regular file (no link), untouched for a minute.
void RemoveIfStale(const std::filesystem::path &name) {
    namespace fs = std::filesystem;
    std::error_code kindError;
    std::error_code timeError;
    const bool regular = fs::is_regular_file(fs::symlink_status(name, kindError));
    const fs::file_time_type written = fs::last_write_time(name, timeError);
    if (regular && !kindError && !timeError &&
        written < fs::file_time_type::clock::now() - std::chrono::seconds(StaleTemporaryAge))
        ::DeleteFileW(name.c_str());
}

#endif

// A save that was killed midway leaves its temporary file (or, on Windows, the old file it had put
// aside) behind. The next save of the same target takes away its own: files named exactly as this writer
// names them for the target, left for a minute (so a save that runs at this moment in another program
// keeps its file).
void RemoveStaleTemporaries(const std::filesystem::path &target) {
    std::error_code error;
    std::filesystem::directory_iterator entries(FolderOf(target), error);
    if (error)
        return;
    // Stepped without exceptions: a folder that changes meanwhile ends the look, not the save.
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error))
        if (IsTemporaryNameOf(target, entries->path().filename().string()))
            RemoveIfStale(entries->path());
}

} // namespace

#ifndef _WIN32
// A handler the embedding program set itself is left alone.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            return false;
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        return sigaction(SIGXFSZ, &ignore, nullptr) == 0;
    }();
    (void)ignored;
}
#else
void IgnoreFileSizeSignal() {}
#endif

std::optional<std::string> ReadWholeFile(const std::filesystem::path &path) {
    std::error_code why;
    return ReadWholeFile(path, why);
}

#ifndef _WIN32

std::optional<std::string> ReadWholeFile(const std::filesystem::path &path, std::error_code &why) {
    const auto fail = [&why](std::error_code reason) {
        why = reason;
        return std::nullopt;
    };
    // Only a regular file is opened: opening a FIFO waits for a writer, opening a device may reset it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fail(LastError());
    if (!S_ISREG(info.st_mode))
        return fail(MakeError(FileErrc::NotRegularFile));
    // Without blocking all the same, since the name may have been swapped after the check.
    Descriptor in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (in.get() < 0 || ::fstat(in.get(), &info) != 0)
        return fail(LastError());
    if (!S_ISREG(info.st_mode))
        return fail(MakeError(FileErrc::NotRegularFile));
    if (static_cast<std::uintmax_t>(info.st_size) > MaxTextFileSize)
        return fail(std::make_error_code(std::errc::file_too_large));
    std::string text;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(LastError());
        }
        if (got == 0) {
            why.clear();
            return text;
        }
        if (text.size() + static_cast<std::size_t>(got) > MaxTextFileSize)
            return fail(std::make_error_code(std::errc::file_too_large));
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

FileResult WriteWholeFile(const std::filesystem::path &path, std::string_view text) {
    IgnoreFileSizeSignal();
    std::error_code error;
    const std::filesystem::path target = ResolveLinks(path, error);
    if (error)
        return {error};

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return {LastError()};
    if (replacing && !S_ISREG(old.st_mode))
        return {MakeError(FileErrc::NotRegularFile)};
    RemoveStaleTemporaries(target);

    std::filesystem::path temporary;
    Descriptor out;
    for (int attempt = 0; attempt < 100 && out.get() < 0; ++attempt) {
        temporary = TemporaryName(target);
        // O_EXCL: never through a name someone planted, never a file another save is writing.
        out.Reset(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
        if (out.get() < 0 && errno != EEXIST)
            return {LastError()};
    }
    if (out.get() < 0)
        return {std::make_error_code(std::errc::file_exists)};

    const auto fail = [&](std::error_code reason) {
        ::unlink(temporary.c_str());
        return FileResult{reason};
    };
    if (replacing) {
        // The owner only matters when an administrator saves a user's file; it may well be refused.
        // A refusal keeps the saver as the owner, which is what a user's own save gives anyway.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int refused = ::fchown(out.get(), old.st_uid, old.st_gid);
        }
        if (::fchmod(out.get(), old.st_mode & 07777) != 0)
            return fail(LastError());
    }
    if (!WriteAll(out.get(), text) || ::fsync(out.get()) != 0)
        return fail(LastError());
    if (!out.Close())
        return fail(LastError());
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(LastError());
    FlushFolder(FolderOf(target));
    return {};
}

#else

std::optional<std::string> ReadWholeFile(const std::filesystem::path &path, std::error_code &why) {
    const auto fail = [&why](std::error_code reason) {
        why = reason;
        return std::nullopt;
    };
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return fail(error ? error : MakeError(FileErrc::NotRegularFile));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(std::make_error_code(std::errc::permission_denied));
    std::string text;
    std::array<char, 65536> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > MaxTextFileSize)
            return fail(std::make_error_code(std::errc::file_too_large));
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return fail(std::make_error_code(std::errc::io_error));
    why.clear();
    return text;
}

namespace {

// The system's own reason, in its own words; it compares equal to the std::errc it stands for.
std::error_code WindowsError(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

// ReplaceFileW keeps the old file's attributes and access rights; a new file is moved into place, with
// MOVEFILE_WRITE_THROUGH returning only once the rename is on the disk. ReplaceFileW is no single step:
// it puts the old file aside under a name of ours, which is taken away once the new file is in place
// (given no name, it picks one that nobody removes when it fails halfway). While another save of the same
// file replaces it, the file is gone or held for a moment, or the new file could not take the name.
// Then the new file is moved into place (the old one has gone: nothing is left to keep), and a file that
// is held is tried again for a tenth of a second before the save gives up; a read-only file ends the
// same way.
std::error_code MoveIntoPlace(const std::filesystem::path &temporary, const std::filesystem::path &target,
                              bool replacing) {
    const std::filesystem::path aside = TemporaryName(target);
    std::error_code reason;
    for (int attempt = 0;; ++attempt) {
        const bool moved = replacing ? ::ReplaceFileW(target.c_str(), temporary.c_str(), aside.c_str(),
                                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                     : ::MoveFileExW(temporary.c_str(), target.c_str(),
                                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (moved)
            break;
        const DWORD error = ::GetLastError();
        if (replacing && (error == ERROR_FILE_NOT_FOUND || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                          error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)) {
            replacing = false;
            continue;
        }
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                          error == ERROR_UNABLE_TO_REMOVE_REPLACED;
        if (!held || attempt == 10) {
            reason = WindowsError(error);
            break;
        }
        ::Sleep(10);
    }
    if (reason)
        ::MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH); // the old file back, if it went
    else
        ::DeleteFileW(aside.c_str());
    return reason;
}

} // namespace

FileResult WriteWholeFile(const std::filesystem::path &path, std::string_view text) {
    std::error_code error;
    const std::filesystem::path target = ResolveLinks(path, error);
    if (error)
        return {error};
    const auto status = std::filesystem::status(target, error);
    if (error && status.type() != std::filesystem::file_type::not_found)
        return {error};
    if (status.type() != std::filesystem::file_type::not_found &&
        status.type() != std::filesystem::file_type::regular)
        return {MakeError(FileErrc::NotRegularFile)};
    RemoveStaleTemporaries(target);

    std::filesystem::path temporary;
    HANDLE out = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && out == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(target);
        out = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
        if (out == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return {WindowsError(::GetLastError())};
    }
    if (out == INVALID_HANDLE_VALUE)
        return {std::make_error_code(std::errc::file_exists)};

    const auto lastError = [] { return WindowsError(::GetLastError()); };
    bool ok = true;
    while (ok && !text.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 30));
        ok = ::WriteFile(out, text.data(), chunk, &written, nullptr) != 0;
        text.remove_prefix(written);
    }
    std::error_code reason;
    if (!ok || !::FlushFileBuffers(out))
        reason = lastError();
    ::CloseHandle(out);
    if (!reason)
        reason = MoveIntoPlace(temporary, target, status.type() == std::filesystem::file_type::regular);
    if (reason) {
        ::DeleteFileW(temporary.c_str());
        return {reason};
    }
    return {};
}

#endif

} // namespace zarvex1
