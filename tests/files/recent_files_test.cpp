#include "core/files/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarvex1 {
namespace {

std::vector<std::string> Entries(const RecentFiles &recent) {
    std::vector<std::string> entries;
    for (int i = 0; i < recent.count(); ++i)
        entries.push_back(recent.entry(i));
    return entries;
}

TEST(RecentFiles, captionIsIndexAndFileNameWithoutExtension) {
    const struct {
        int index;
        std::string path;
        std::string caption;
    } cases[] = {
        {3, "C:\\maps\\race 2.ign", "3 race 2"},
        {1, "/home/tuner/b.c.ign", "1 b.c"},
        {0, "plain", "0 plain"},
        {2, "C:\\maps.v2\\file", "2 file"}, // the dot of a folder stays
        {5, "/odd/dir\\x.ign", "5 x"},      // a backslash counts before a slash
        {4, "/maps/.ign", "4 "},
        {6, "/m/" + std::string(200, 'n') + ".ign", "6 " + std::string(125, 'n')},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RecentCaption(c.index, c.path), c.caption) << c.path;

    std::string wide;
    for (int i = 0; i < 200; ++i)
        wide += "é";
    const std::string caption = RecentCaption(7, "/m/" + wide + ".ign");
    EXPECT_EQ(caption, "7 " + wide.substr(0, 2 * 125)); // 127 characters, none of them split
}

TEST(RecentFiles, openedFileMovesToTheFrontAndTheOthersDown) {
    RecentFiles recent;
    for (const char *path : {"/a.ign", "/b.ign", "/c.ign", "/d.ign", "/e.ign"})
        recent.AddRecentFile(path);
    EXPECT_EQ(Entries(recent), (std::vector<std::string>{"/e.ign", "/d.ign", "/c.ign", "/b.ign", "/a.ign"}));

    recent.AddRecentFile("/a.ign"); // entry 4
    EXPECT_EQ(Entries(recent), (std::vector<std::string>{"/a.ign", "/e.ign", "/d.ign", "/c.ign", "/b.ign"}));
    EXPECT_EQ(recent.caption(0), "0 a");
    EXPECT_EQ(recent.caption(1), "1 e");
    EXPECT_EQ(recent.caption(4), "4 b");

    recent.AddRecentFile("/a.ign"); // already in front
    EXPECT_EQ(recent.count(), 5);
    EXPECT_EQ(recent.entry(0), "/a.ign");
}

TEST(RecentFiles, eleventhFileDropsTheOldest) {
    RecentFiles recent;
    for (int i = 0; i <= 10; ++i)
        recent.AddRecentFile("/f" + std::to_string(i) + ".ign");
    EXPECT_EQ(recent.count(), 10);
    EXPECT_EQ(recent.entry(0), "/f10.ign");
    EXPECT_EQ(recent.entry(9), "/f1.ign");
    EXPECT_EQ(recent.caption(9), "9 f1");
}

TEST(RecentFiles, longPathIsKeptCutAndFoundAgain) {
    RecentFiles recent;
    const std::string path = "/" + std::string(400, 'q') + ".ign";
    recent.AddRecentFile(path);
    recent.AddRecentFile(path);
    recent.AddRecentFile("");
    EXPECT_EQ(recent.count(), 1);
    EXPECT_EQ(recent.entry(0), path.substr(0, 255));
}

TEST(RecentFiles, menuListsEntriesAfterTheCurrentFile) {
    RecentFiles recent;
    recent.AddRecentFile("/a.ign");
    EXPECT_EQ(recent.MenuItemVisible(1), false);
    EXPECT_EQ(recent.MenuSeparatorVisible(), false);
    recent.AddRecentFile("/b.ign");
    EXPECT_EQ(recent.MenuItemVisible(1), true);
    EXPECT_EQ(recent.MenuItemVisible(2), false);
    EXPECT_EQ(recent.MenuSeparatorVisible(), true);
}

} // namespace
} // namespace zarvex1
