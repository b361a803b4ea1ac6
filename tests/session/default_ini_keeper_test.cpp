#include "files/temp_folder.h"

#include "core/files/DefaultIni.h"
#include "core/files/SettingsFolder.h"
#include "core/session/DefaultIniKeeper.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zarvex1 {
namespace {

ParameterImage Stored(const std::filesystem::path &file) {
    ParameterImage image;
    EXPECT_TRUE(ReadDefaultIni(file, image));
    return image;
}

void Ticks(DefaultIniKeeper &keeper, int n) {
    for (int i = 0; i < n; ++i)
        keeper.Tick();
}

TEST(DefaultIniKeeper, writesAboutASecondAfterAChangeAndOnlyThen) {
    test::TempFolder folder;
    const auto file = DefaultIniPath(folder.path());
    ParameterImage image;
    DefaultIniKeeper keeper(image, file);
    Ticks(keeper, 100);
    EXPECT_FALSE(std::filesystem::exists(file)); // nothing changed since the start

    image.setByte(300, 7);
    Ticks(keeper, DefaultIniKeeper::WriteDelay - 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    keeper.Tick();
    EXPECT_EQ(Stored(file), image);
    Ticks(keeper, 100);
    EXPECT_EQ(keeper.writes(), 1);
}

// Edits on every tick: written once a second with the latest image, never put off for longer.
TEST(DefaultIniKeeper, steadyEditingIsWrittenEverySecond) {
    test::TempFolder folder;
    const auto file = DefaultIniPath(folder.path());
    ParameterImage image;
    DefaultIniKeeper keeper(image, file);
    for (int tick = 1; tick <= 5 * DefaultIniKeeper::WriteDelay; ++tick) {
        image.setByte(400, static_cast<unsigned>(tick));
        keeper.Tick();
    }
    EXPECT_EQ(keeper.writes(), 5);
    EXPECT_EQ(Stored(file), image);
}

TEST(DefaultIniKeeper, changedBackOrMarkedWrittenIsNotWrittenAndAFailedWriteIsRetried) {
    test::TempFolder folder;
    ParameterImage image;
    DefaultIniKeeper keeper(image, DefaultIniPath(folder.path()));
    image.setByte(10, 1);
    keeper.Tick();
    image.setByte(10, 0);
    Ticks(keeper, 2 * DefaultIniKeeper::WriteDelay);
    image.setByte(10, 2);
    keeper.MarkWritten(); // closing wrote it
    Ticks(keeper, 2 * DefaultIniKeeper::WriteDelay);
    EXPECT_EQ(keeper.writes(), 0);

    DefaultIniKeeper nowhere(image, folder / "no folder" / "default.ini");
    image.setByte(10, 3);
    Ticks(nowhere, 3 * DefaultIniKeeper::WriteDelay);
    EXPECT_EQ(nowhere.writes(), 0);
    std::filesystem::create_directory(folder / "no folder");
    Ticks(nowhere, DefaultIniKeeper::WriteDelay);
    EXPECT_EQ(nowhere.writes(), 1);
}

} // namespace
} // namespace zarvex1
