#pragma once

#include <filesystem>

namespace zarvex1 {

// Says which window owns a settings folder: the first to start on it. The lock is the file
// "application.lock" in the folder, held (not merely present) while the window runs, so a window that
// crashed leaves no stale lock; it holds the owner's process number for people and tools to read.
// A window without the lock writes neither application.ini nor default.ini.
class SettingsLock {
public:
    static constexpr const char *FileName = "application.lock";

    // Tries to take the lock of the folder; owns() tells whether it was taken.
    explicit SettingsLock(const std::filesystem::path &folder);
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    bool owns() const { return owns_; }

private:
#ifdef _WIN32
    void *handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    bool owns_ = false;
};

} // namespace zarvex1
