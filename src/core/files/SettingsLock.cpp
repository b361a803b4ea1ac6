#include "core/files/SettingsLock.h"

#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace zarvex1 {

#ifndef _WIN32

SettingsLock::SettingsLock(const std::filesystem::path &folder) {
    const std::filesystem::path file = (folder.empty() ? std::filesystem::path(".") : folder) / FileName;
    // Never through a link someone put there, never a FIFO that would make the start wait.
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd_ < 0)
        return;
    // flock belongs to the open file, not the process: released when the window ends in any way.
    owns_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    if (!owns_)
        return;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0)
        (void)!::pwrite(fd_, pid.data(), pid.size(), 0);
}

SettingsLock::~SettingsLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

#else

SettingsLock::SettingsLock(const std::filesystem::path &folder) {
    const std::filesystem::path file = (folder.empty() ? std::filesystem::path(".") : folder) / FileName;
    // Shared for reading only: a second window cannot open it for writing while the first holds it, and
    // people and tools can still read the process number. The open handle is the lock, so the file
    // stays behind as on the other systems (deleting it on close would refuse every reader).
    HANDLE h = ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    handle_ = h;
    owns_ = true;
    const std::string pid = std::to_string(::GetCurrentProcessId()) + "\r\n";
    DWORD written = 0;
    if (::SetEndOfFile(h))
        ::WriteFile(h, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr);
}

SettingsLock::~SettingsLock() {
    if (handle_)
        ::CloseHandle(static_cast<HANDLE>(handle_));
}

#endif

} // namespace zarvex1
