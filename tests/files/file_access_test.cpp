#include "file_contents.h"
#include "temp_folder.h"

#include "core/files/TextFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace zarvex1 {
namespace {

namespace fs = std::filesystem;
using test::Content;
using test::Names;
using test::Put;

TEST(WriteWholeFile, replacesTheFileAndLeavesNothingElseBehind) {
    test::TempFolder folder;
    const fs::path target = folder / "set.ign";
    Put(target, "old");
    ASSERT_TRUE(WriteWholeFile(target, "new text"));
    EXPECT_EQ(Content(target), "new text");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"set.ign"});
}

// A save killed midway leaves its temporary file; the next save of the same target takes away its own
// stale ones, and nothing that merely looks alike, is fresh or belongs to another target.
TEST(WriteWholeFile, removesItsOwnStaleTemporariesOnly) {
    test::TempFolder folder;
    const fs::path target = folder / "race.ign";
    Put(target, "old");
    const auto age = [](const fs::path &path) {
        fs::last_write_time(path,
                            fs::file_time_type::clock::now() - std::chrono::seconds(2 * StaleTemporaryAge));
    };
    const fs::path stale = folder / "race.ign.zarvex1-Ab3dE6gH~";
    Put(stale, "half");
    age(stale);
    const fs::path fresh = folder / "race.ign.zarvex1-Zz9yY8xX~"; // another program saving right now
    Put(fresh, "in progress");
    const std::vector<const char *> kept = {"race.ign.20261210~", "race.ign.zarvex1-short~",
                                            "other.ign.zarvex1-Ab3dE6gH~", "race.ign.zarvex1-Ab3dE6g!~"};
    for (const char *name : kept) {
        Put(folder / name, "user's");
        age(folder / name);
    }

    ASSERT_TRUE(WriteWholeFile(target, "new"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    for (const char *name : kept)
        EXPECT_EQ(Content(folder / name), "user's") << name;
    EXPECT_EQ(Content(target), "new");
}

// Two saves of the same file at the same moment: each succeeds on its own, and the file holds one of
// the two texts whole.
TEST(WriteWholeFile, twoSavesAtOnceEachReportTruthfully) {
    test::TempFolder folder;
    const fs::path target = folder / "set.ign";
    const std::string a(200000, 'a');
    const std::string b(200000, 'b');
    for (int round = 0; round < 50; ++round) {
        auto first =
            std::async(std::launch::async, [&] { return static_cast<bool>(WriteWholeFile(target, a)); });
        auto second =
            std::async(std::launch::async, [&] { return static_cast<bool>(WriteWholeFile(target, b)); });
        ASSERT_TRUE(first.get()) << "round " << round;
        ASSERT_TRUE(second.get()) << "round " << round;
        const std::string content = Content(target);
        ASSERT_TRUE(content == a || content == b) << "round " << round;
    }
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"set.ign"});
}

TEST(WriteWholeFile, aFailureLeavesTheOldFileAndSaysWhy) {
    test::TempFolder folder;
    EXPECT_EQ(WriteWholeFile(folder / "no folder" / "x.ign", "x").error,
              std::errc::no_such_file_or_directory);
    fs::create_directory(folder / "dir.ign");
    const FileResult onFolder = WriteWholeFile(folder / "dir.ign", "x");
    EXPECT_FALSE(onFolder);
    EXPECT_EQ(onFolder.reason(), "not a regular file");
    EXPECT_TRUE(fs::is_directory(folder / "dir.ign"));
}

} // namespace
} // namespace zarvex1
