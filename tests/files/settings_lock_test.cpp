#include "temp_folder.h"

#include "core/files/SettingsLock.h"

#include <gtest/gtest.h>

#include <fstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace zarvex1 {
namespace {

// One owner a folder at a time; the lock goes with its owner, and each folder has its own.
TEST(SettingsLock, oneOwnerAFolderUntilItEnds) {
    test::TempFolder folder;
    test::TempFolder other;
    {
        SettingsLock first(folder.path());
        ASSERT_TRUE(first.owns());
        SettingsLock second(folder.path());
        EXPECT_FALSE(second.owns());
        EXPECT_TRUE(SettingsLock(other.path()).owns());
        std::ifstream in(folder / SettingsLock::FileName);
        long pid = 0;
        in >> pid;
        EXPECT_EQ(pid, static_cast<long>(::getpid()));
    }
    EXPECT_TRUE(SettingsLock(folder.path()).owns()) << "a lock file left behind is no lock";
}

} // namespace
} // namespace zarvex1
