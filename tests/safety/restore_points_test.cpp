#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/safety/RestorePointRule.h"
#include "core/safety/RestorePoints.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zarvex1 {
namespace {

using namespace std::chrono_literals;

// 10 December 2026, 20:43:11.123 UTC.
const RestoreClock::time_point Noon = RestoreClock::time_point{} + 20797 * 24h + 20h + 43min + 11s + 123ms;

RestorePointDetails Details(RestoreEvent event, RestoreClock::time_point time = Noon) {
    return {time, event, "ZRX07", 42};
}

ParameterImage Edited(int retard) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::Retard, static_cast<unsigned>(retard));
    return image;
}

TEST(RestorePoints, aPointIsAParameterFileThatReadsBackWithItsDetails) {
    test::TempFolder temp;
    RestorePointStore store(RestorePointStore::FolderBeside(temp.path()), true);
    RestorePointDetails details{Noon, RestoreEvent::Program, "Unit 7 / ß_x", std::nullopt};
    const auto result = store.Write(Edited(12), details);
    ASSERT_TRUE(result.written) << result.error.reason();
    EXPECT_EQ(result.path.parent_path(), temp.path() / "history");
    EXPECT_EQ(result.path.filename().string().substr(0, 27), "20261210-204311-123_program");

    const auto points = store.List();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].path, result.path);
    EXPECT_EQ(points[0].details.time, Noon);
    EXPECT_EQ(points[0].details.event, RestoreEvent::Program);
    EXPECT_EQ(points[0].details.unitName, "Unit 7 / ß_x");
    EXPECT_FALSE(points[0].details.programmingCount);
    EXPECT_EQ(points[0].changedValues, -1);

    // Open takes the file as any parameter file.
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path), Edited(12));
    ParameterImage opened;
    DefaultsState state;
    EXPECT_TRUE(LoadParameterFile(Page::All, result.path, opened, state).loaded);
    EXPECT_EQ(opened.byte(Adrb::Retard), 12);
}

TEST(RestorePoints, anUnchangedSetIsSkippedAndTheListIsNewestFirstWithTheChangesAgainstThePointBefore) {
    test::TempFolder temp;
    RestorePointStore store(temp.path(), true);
    ASSERT_TRUE(store.Write(Edited(10), Details(RestoreEvent::Read)).written);
    const auto again = store.Write(Edited(10), Details(RestoreEvent::Program, Noon + 1s));
    EXPECT_FALSE(again.written);
    EXPECT_TRUE(again.skipped);

    ParameterImage third = Edited(11);
    third.setByte(Adrb::Advance1, 30);
    third.setByte(Adrb::Advance1 + 1, 31);
    ASSERT_TRUE(store.Write(Edited(11), Details(RestoreEvent::Program, Noon + 2s)).written);
    ASSERT_TRUE(store.Write(third, Details(RestoreEvent::BeforeReplace, Noon + 3s)).written);

    const auto points = store.List();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].details.event, RestoreEvent::BeforeReplace);
    EXPECT_EQ(points[0].changedValues, 2); // two cells of advance map 1
    EXPECT_EQ(points[1].changedValues, 1); // the retard
    EXPECT_EQ(points[2].changedValues, -1);
    EXPECT_EQ(points[2].details.programmingCount, 42);
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path), third);
}

TEST(RestorePoints, twoPointsInOneMillisecondBothStay) {
    test::TempFolder temp;
    RestorePointStore first(temp.path(), true), second(temp.path(), false);
    ASSERT_TRUE(first.Write(Edited(10), Details(RestoreEvent::Read)).written);
    ASSERT_TRUE(second.Write(Edited(11), Details(RestoreEvent::Read)).written);
    const auto points = first.List();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].details.time, Noon + 1ms);
}

TEST(RestorePoints, theOwnerKeepsTheNewestThousandAndASecondWindowRemovesNothing) {
    test::TempFolder temp;
    // 1000 points there already, oldest first.
    for (int i = 0; i < RestorePointStore::Kept; ++i) {
        std::ofstream(temp.path() /
                      RestorePointFileName(Details(RestoreEvent::Read, Noon - 2000s + i * 1s), 0))
            << WriteParameterFile(Edited(i % 50));
    }
    RestorePointStore guest(temp.path(), false);
    ASSERT_TRUE(guest.Write(Edited(55), Details(RestoreEvent::Read, Noon)).written);
    EXPECT_EQ(guest.List().size(), 1001u);

    RestorePointStore owner(temp.path(), true);
    ASSERT_TRUE(owner.Write(Edited(56), Details(RestoreEvent::Read, Noon + 1s)).written);
    const auto points = owner.List();
    ASSERT_EQ(points.size(), 1000u);
    EXPECT_EQ(points.front().details.time, Noon + 1s);
    EXPECT_EQ(points.back().details.time, Noon - 2000s + 2s); // the two oldest went
    // Files that are no restore points are never touched.
    std::ofstream(temp.path() / "notes.txt") << "mine";
    owner.Prune();
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "notes.txt"));
}

TEST(RestorePoints, automaticProgramsShareOnePointPerMinute) {
    test::TempFolder temp;
    RestorePointStore store(temp.path(), true);
    RestorePointRule rule;
    auto program = [&](int retard, RestoreClock::time_point t) {
        const RestoreAction action = rule.AfterProgram(true, t);
        store.Write(Edited(retard), Details(RestoreEvent::Program, t),
                    action == RestoreAction::ReplaceNewest);
        return action;
    };
    EXPECT_EQ(program(10, Noon), RestoreAction::Write);
    EXPECT_EQ(program(11, Noon + 20s), RestoreAction::ReplaceNewest);
    EXPECT_EQ(program(12, Noon + 59s), RestoreAction::ReplaceNewest);
    EXPECT_EQ(program(13, Noon + 60s), RestoreAction::Write);
    const auto points = store.List();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(RestorePointStore::ReadBack(points[1].path), Edited(12)); // the minute's newest set
    EXPECT_EQ(points[0].changedValues, 1);                              // against 12, not 11
}

TEST(RestorePointRule, writesAfterVerifiedReadsProgramsAndBeforeLosingChanges) {
    RestorePointRule rule;
    EXPECT_EQ(rule.AfterRead(false), RestoreAction::None);
    EXPECT_EQ(rule.AfterRead(true), RestoreAction::Write);
    EXPECT_EQ(rule.BeforeReplace(true), RestoreAction::None);
    EXPECT_EQ(rule.BeforeReplace(false), RestoreAction::Write);
    EXPECT_EQ(rule.AfterProgram(false, Noon), RestoreAction::Write);
    EXPECT_EQ(rule.AfterProgram(true, Noon), RestoreAction::Write);
    EXPECT_EQ(rule.AfterProgram(false, Noon + 1s), RestoreAction::Write);
    // Another point in between: the next automatic program starts a point of its own.
    EXPECT_EQ(rule.AfterProgram(true, Noon + 2s), RestoreAction::Write);
    EXPECT_EQ(rule.AfterRead(true), RestoreAction::Write);
    EXPECT_EQ(rule.AfterProgram(true, Noon + 3s), RestoreAction::Write);
}

TEST(RestorePoints, namesThatAreNoPointsAreNotTaken) {
    for (const char *name :
         {"notes.txt", "20261210-204311-123_read_c1_n2_ZRX.txt", "20261310-204311-123_read_c1_n2_.ign",
          "20261210-204311-123_burn_c1_n2_.ign", "20261210-204311-123_read_c1_n2_a%2.ign",
          "20261210-204311-123_read_cx_n2_.ign", "20261210-204311-123_read_c1_.ign"})
        EXPECT_FALSE(ParseRestorePointFileName(name)) << name;
    const auto point = ParseRestorePointFileName("20261210-204311-123_read_c-_n-_.ign");
    ASSERT_TRUE(point);
    EXPECT_EQ(point->details.unitName, "");
    EXPECT_EQ(point->changedValues, -1);
}

} // namespace
} // namespace zarvex1
