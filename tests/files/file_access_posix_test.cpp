// What only a POSIX system has: permission bits, owners, symbolic links, sticky folders, FIFOs and the
// file-size limit. The Windows build leaves this file out.
#include "file_contents.h"
#include "temp_folder.h"

#include "core/files/ApplicationSettings.h"
#include "core/files/DefaultIni.h"
#include "core/files/SettingsFolder.h"
#include "core/files/TextFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvex1 {
namespace {

namespace fs = std::filesystem;
using test::Content;
using test::Names;
using test::Put;

unsigned Mode(const fs::path &path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Another user plants a link under a name the save might use; the save must not write through it.
TEST(WriteWholeFile, plantedLinksBesideTheTargetAreNeverWrittenThrough) {
    test::TempFolder folder;
    const fs::path victim = folder / "victim.txt";
    Put(victim, "precious");
    const fs::path target = folder / "set.ign";
    Put(target, "old");
    fs::create_symlink(victim, folder / "set.ign.tmp~");
    fs::create_symlink(victim, folder / "set.ign.tmp");
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(WriteWholeFile(target, "new " + std::to_string(i)));
    EXPECT_EQ(Content(victim), "precious");
    EXPECT_EQ(Content(target), "new 19");
}

TEST(WriteWholeFile, keepsThePermissionsOfTheOldFileAndGivesANewOneTheUsualOnes) {
    test::TempFolder folder;
    const fs::path target = folder / "private.ign";
    Put(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(WriteWholeFile(target, "new"));
    EXPECT_EQ(Mode(target), 0640u);

    const mode_t before = ::umask(022);
    const FileResult created = WriteWholeFile(folder / "new.ign", "x");
    ::umask(before);
    ASSERT_TRUE(created);
    EXPECT_EQ(Mode(folder / "new.ign"), 0644u);
}

TEST(WriteWholeFile, followsASymbolicLinkSoTheLinkStaysALink) {
    test::TempFolder folder;
    fs::create_directory(folder / "real");
    Put(folder / "real" / "set.ign", "old");
    fs::create_symlink("real/set.ign", folder / "link.ign");
    fs::create_symlink("link.ign", folder / "link2.ign"); // a link to a link
    ASSERT_TRUE(WriteWholeFile(folder / "link2.ign", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.ign"));
    EXPECT_TRUE(fs::is_symlink(folder / "link2.ign"));
    EXPECT_EQ(Content(folder / "real" / "set.ign"), "new");
    EXPECT_EQ(Names(folder / "real"), std::vector<std::string>{"set.ign"});
}

// In a sticky folder that everybody may write to, a link follows the kernel's rule for such links: only
// the user's own links and the folder owner's are followed. The tests run as root, so the planted link
// is given another owner.
TEST(WriteWholeFile, aLinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    test::TempFolder folder;
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path notes = folder / "notes.txt";
    Put(notes, "precious");
    const fs::path planted = shared / "out.ign";
    fs::create_symlink(notes, planted);
    const uid_t stranger = ::geteuid() == 65534 ? 65533 : 65534;
    ASSERT_EQ(::lchown(planted.c_str(), stranger, stranger), 0);

    const FileResult refused = WriteWholeFile(planted, "new");
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.reason().find("another user"), std::string::npos) << refused.reason();
    EXPECT_EQ(Content(notes), "precious");
    EXPECT_TRUE(fs::is_symlink(planted));

    // The user's own link there is followed, and so is the same link in a folder that is not shared.
    ASSERT_EQ(::lchown(planted.c_str(), ::geteuid(), ::getegid()), 0);
    EXPECT_TRUE(WriteWholeFile(planted, "mine"));
    EXPECT_EQ(Content(notes), "mine");
    ASSERT_EQ(::lchown(planted.c_str(), stranger, stranger), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    EXPECT_TRUE(WriteWholeFile(planted, "not sticky"));
    EXPECT_EQ(Content(notes), "not sticky");
}

// Only regular files named like a temporary are taken away, never a link, however old.
TEST(WriteWholeFile, anOldLinkNamedLikeATemporaryIsLeftAlone) {
    test::TempFolder folder;
    const fs::path target = folder / "race.ign";
    Put(target, "old");
    Put(folder / "notes.txt", "user's");
    const fs::path link = folder / "race.ign.zarvex1-LiNk0000~";
    fs::create_symlink(folder / "notes.txt", link);
    const struct timespec times[2] = {{std::time(nullptr) - 2 * StaleTemporaryAge, 0},
                                      {std::time(nullptr) - 2 * StaleTemporaryAge, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, link.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);

    ASSERT_TRUE(WriteWholeFile(target, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(folder / "notes.txt"), "user's");
}

bool WriteOverTheLimit(const fs::path &folder, const fs::path &target) {
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const FileResult result = WriteWholeFile(target, std::string(100000, 'x'));
    return result.error == std::errc::file_too_large && Content(target) == "old" && Names(folder).size() == 1;
}

// The file-size limit (ulimit -f) is reached: the write fails with its reason instead of SIGXFSZ
// killing the program, and the old file stays whole.
TEST(WriteWholeFileDeathTest, fileSizeLimitGivesAnErrorNotAKilledProgram) {
    test::TempFolder folder;
    const fs::path target = folder / "set.ign";
    Put(target, "old");
    EXPECT_EXIT(std::_Exit(WriteOverTheLimit(folder.path(), target) ? 0 : 1), ::testing::ExitedWithCode(0),
                "");
}

// Runs the read on its own thread; if it still waits after a while, a writer opening the FIFO frees it
// so that the test can fail instead of hanging.
template <typename Read> auto ReturnsAtOnce(const fs::path &fifo, Read read) {
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading " << fifo << " waited for a writer";
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return result.get();
}

// A FIFO planted where the program reads its marker or settings must not stop its start.
TEST(ReadWholeFile, fifoAndFolderAreNotReadAndNothingWaits) {
    test::TempFolder folder;
    const fs::path fifo = folder / "test_qurvel.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_FALSE(ReturnsAtOnce(fifo, [&] { return ReadWholeFile(fifo); }));
    EXPECT_FALSE(ReturnsAtOnce(fifo, [&] { return ReadTestMode(fifo); }));
    EXPECT_FALSE(ReadWholeFile(folder.path()));
    std::error_code why;
    EXPECT_FALSE(ReadWholeFile(fifo, why));
    EXPECT_EQ(why.message(), "not a regular file") << "the user is told why";

    ASSERT_EQ(::mkfifo(ApplicationIniPath(folder.path()).c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo(DefaultIniPath(folder.path()).c_str(), 0666), 0);
    ApplicationSettings settings;
    settings.left = 17;
    ReturnsAtOnce(ApplicationIniPath(folder.path()), [&] {
        ReadApplicationSettings(ApplicationIniPath(folder.path()), settings);
        return true;
    });
    EXPECT_EQ(settings.left, 17);
    ParameterImage image;
    EXPECT_FALSE(ReturnsAtOnce(DefaultIniPath(folder.path()),
                               [&] { return ReadDefaultIni(DefaultIniPath(folder.path()), image); }));

    // A link to a regular file is read as the file.
    Put(folder / "marker", "x DIAG_SWITCH");
    fs::create_symlink(folder / "marker", folder / "link");
    EXPECT_TRUE(ReadTestMode(folder / "link"));
}

} // namespace
} // namespace zarvex1
