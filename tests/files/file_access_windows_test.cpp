// What a save meets only on Windows: files other programs hold open and the read-only attribute.
#include "file_contents.h"
#include "temp_folder.h"

#include "core/files/TextFiles.h"

#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace zarvex1 {
namespace {

namespace fs = std::filesystem;
using test::Content;
using test::Names;
using test::Put;

// Another program (an editor, a virus scanner) has the file open without letting it be replaced: the
// save says so, and the old file and the folder stay as they were.
TEST(WriteWholeFile, aFileAnotherProgramHoldsIsNotReplacedAndTheSaveSaysWhy) {
    test::TempFolder folder;
    const fs::path target = folder / "set.ign";
    Put(target, "old");
    const HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileResult result = WriteWholeFile(target, "new");
    ::CloseHandle(held);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason().empty());
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"set.ign"});
    EXPECT_TRUE(WriteWholeFile(target, "new")) << "once the other program lets go";
    EXPECT_EQ(Content(target), "new");
}

TEST(WriteWholeFile, aReadOnlyFileIsRefusedAndKept) {
    test::TempFolder folder;
    const fs::path target = folder / "set.ign";
    Put(target, "old");
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const FileResult result = WriteWholeFile(target, "new");
    EXPECT_EQ(result.error, std::errc::permission_denied) << result.reason();
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"set.ign"});
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace zarvex1
