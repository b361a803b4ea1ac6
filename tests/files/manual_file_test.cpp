#include "core/files/ManualFile.h"
#include "core/files/TextFiles.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(ManualFile, foldersInTheirOrder) {
    const auto folders = ManualFolders("/home/rider", "/usr/bin", {"/home/rider/.local/share", "/usr/share"});
    const std::vector<std::filesystem::path> expected = {
        "/home/rider", "/usr/bin",
        "/usr/share/zarvex1",               // an installation beside the program
        "/home/rider/.local/share/zarvex1", // the desktop's data folders, each once
    };
    EXPECT_EQ(folders, expected);
}

TEST(ManualFile, theFirstFolderThatHoldsItWins) {
    test::TempFolder root;
    const auto current = root.path() / "work";
    const auto program = root.path() / "bin";
    const auto data = root.path() / "share" / "zarvex1";
    for (const auto &folder : {current, program, data})
        std::filesystem::create_directories(folder);
    const std::vector<std::filesystem::path> folders = {current, program, data};
    const char *name = "manual_ZARVEX1_de.pdf";

    EXPECT_EQ(FindManual(name, folders), std::nullopt);
    ASSERT_TRUE(WriteWholeFile(data / name, "%PDF"));
    EXPECT_EQ(FindManual(name, folders), data / name);
    ASSERT_TRUE(WriteWholeFile(program / name, "%PDF"));
    EXPECT_EQ(FindManual(name, folders), program / name);
    // A folder of that name is no manual.
    std::filesystem::create_directories(current / name);
    EXPECT_EQ(FindManual(name, folders), program / name);
    // Only bare names are looked for.
    EXPECT_EQ(FindManual("../bin/manual_ZARVEX1_de.pdf", {current}), std::nullopt);
    EXPECT_EQ(FindManual("", folders), std::nullopt);
}

} // namespace
} // namespace zarvex1
