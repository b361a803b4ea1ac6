#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/safety/SafetyNet.h"
#include "files/temp_folder.h"
#include "session/session_fixture.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

using namespace std::chrono_literals;

const RestoreClock::time_point Start = RestoreClock::time_point{} + 20797 * 24h + 20h;

ParameterImage Edited(int retard) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::Retard, static_cast<unsigned>(retard));
    return image;
}

// A safety net over a temporary settings folder with a clock the test moves.
struct NetFixture {
    test::TempFolder temp;
    RestoreClock::time_point now = Start;
    SafetyNet net{RestorePointStore(RestorePointStore::FolderBeside(temp.path()), true),
                  [this] { return now; }};

    std::vector<RestorePoint> Points() const { return net.store()->List(); }
};

TEST(SafetyNet, readsProgramsAndReplacedChangesBecomePointsButAnUnchangedSetDoesNot) {
    NetFixture f;
    f.net.SetUnitDetails("ZRX07", 42);
    f.net.ReadVerified(Edited(10));
    f.now += 2s;
    f.net.ReadVerified(Edited(10)); // equal to the newest point
    EXPECT_TRUE(f.net.lastWrite().skipped);
    f.now += 2s;
    f.net.Replaced(Edited(11), true); // saved or programmed: nothing to keep
    f.net.Replaced(Edited(12), false);
    f.now += 2s;
    f.net.ProgramFinished(Edited(13), false);

    const auto points = f.Points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].details.event, RestoreEvent::Program);
    EXPECT_EQ(points[1].details.event, RestoreEvent::BeforeReplace);
    EXPECT_EQ(points[2].details.event, RestoreEvent::Read);
    EXPECT_EQ(points[2].details.unitName, "ZRX07");
    EXPECT_EQ(points[2].details.programmingCount, 42);
    EXPECT_EQ(points[0].changedValues, 1);
    EXPECT_EQ(RestorePointStore::ReadBack(points[1].path)->byte(Adrb::Retard), 12);
}

TEST(SafetyNet, programsAfterChangeShareOnePointPerMinuteWithTheNewestSet) {
    NetFixture f;
    f.net.ProgramFinished(Edited(10), false);
    f.now += 1s;
    f.net.ProgramFinished(Edited(11), true);
    f.now += 20s;
    f.net.ProgramFinished(Edited(12), true);
    f.now += 20s;
    f.net.ProgramFinished(Edited(13), true);
    ASSERT_EQ(f.Points().size(), 2u);
    EXPECT_EQ(RestorePointStore::ReadBack(f.Points()[0].path)->byte(Adrb::Retard), 13);
    f.now += 60s; // a new minute starts a new point
    f.net.ProgramFinished(Edited(14), true);
    EXPECT_EQ(f.Points().size(), 3u);
}

TEST(SafetyNet, theUnitStateFollowsTransfersEditsAndThePort) {
    // The set the unit holds comes from the session, as it hears the same transfers.
    NetFixture f;
    EXPECT_EQ(f.net.StateView(Edited(10), std::nullopt).kind, UnitStateKind::NotRead);
    f.net.ReadVerified(Edited(10));
    EXPECT_EQ(f.net.StateView(Edited(10), Edited(10)).kind, UnitStateKind::Same);
    EXPECT_EQ(f.net.StateView(Edited(11), Edited(10)).kind, UnitStateKind::ChangesNotProgrammed);
    f.net.ProgramFinished(Edited(11), true);
    EXPECT_EQ(f.net.StateView(Edited(11), Edited(11)).kind, UnitStateKind::Same);
    f.net.VerifyFailed();
    EXPECT_EQ(f.net.StateView(Edited(11), std::nullopt).kind, UnitStateKind::Differs);
    f.net.UnitChanged();
    EXPECT_EQ(f.net.StateView(Edited(11), std::nullopt).kind, UnitStateKind::NotRead);
}

TEST(SafetyNet, withoutAFolderTheStateIsKeptAndNothingIsWritten) {
    SafetyNet net(std::nullopt);
    net.ReadVerified(Edited(10));
    EXPECT_FALSE(net.lastWrite().written);
    EXPECT_EQ(net.StateView(Edited(10), Edited(10)).kind, UnitStateKind::Same);
}

// Open and New through the session: a point keeps the set they replace, unless its changes were kept.
TEST(SafetyNet, openAndNewOfTheSessionKeepTheSetTheyReplaceWhenItsChangesWereNotKept) {
    NetFixture f;
    test::SessionFixture s;
    s.session.SetWatcher(&f.net);
    const auto file = f.temp.path() / "race.ign";
    ASSERT_TRUE(WriteParameterFile(Edited(20), file));

    s.Edit(9100);
    ASSERT_TRUE(s.session.Open(file, false).loaded);
    auto points = f.Points();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].details.event, RestoreEvent::BeforeReplace);
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path)->word(Adrw::SoftLimiter), 9100);

    f.now += 1s;
    ASSERT_TRUE(s.session.Open(file, false).loaded); // the opened file is kept: nothing to save
    EXPECT_FALSE(s.session.Open(f.temp.path() / "missing.ign", false).loaded);
    EXPECT_EQ(f.Points().size(), 1u);

    s.Edit(8800);
    f.now += 1s;
    ASSERT_TRUE(s.session.New(false));
    points = f.Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path)->word(Adrw::SoftLimiter), 8800);
}

// A restore point opened lends its set but not its file: Save asks for a name instead of writing into the
// history folder, and the set, kept by nothing, becomes a point again when something replaces it.
TEST(SafetyNet, anOpenedRestorePointLeavesTheSetWithoutAFileOfItsOwn) {
    NetFixture f;
    test::SessionFixture s;
    s.session.SetWatcher(&f.net);
    auto withLimiter = [](int softLimiter) {
        ParameterImage image = FirstStartSet();
        image.setWord(Adrw::SoftLimiter, static_cast<unsigned>(softLimiter));
        return image;
    };
    f.net.ReadVerified(withLimiter(9300));
    f.now += 1s;
    f.net.ReadVerified(withLimiter(9400));
    const std::filesystem::path older = f.Points().at(1).path;
    const auto race = f.temp.path() / "race.ign";
    ASSERT_TRUE(WriteParameterFile(withLimiter(9500), race));
    ASSERT_TRUE(s.session.Open(race, false).loaded);

    EXPECT_FALSE(s.session.OpenRestorePoint(f.temp.path() / "history" / "gone.ign").loaded);
    EXPECT_EQ(s.front.messages, std::vector<std::string>{"Open file error!\nNo such file or directory"});
    EXPECT_EQ(s.session.currentFile(), PathText(race)) << "a rejected point changes nothing";

    ASSERT_TRUE(s.session.OpenRestorePoint(older).loaded);
    EXPECT_EQ(s.session.image(), withLimiter(9300));
    EXPECT_EQ(s.session.currentFile(), "");
    EXPECT_EQ(s.session.lastPath(), PathText(race)) << "the Save dialog starts at the user's file";
    ASSERT_EQ(s.session.recentFiles().count(), 1);
    EXPECT_EQ(s.session.recentFiles().entry(0), PathText(race));
    EXPECT_TRUE(s.session.HasUnkeptChanges());
    s.session.Undo();
    EXPECT_EQ(s.session.image(), withLimiter(9500)) << "opening a point is one undo step";

    s.session.Redo();
    f.now += 1s;
    ASSERT_TRUE(s.session.Open(race, false).loaded);
    const auto points = f.Points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].details.event, RestoreEvent::BeforeReplace);
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path)->word(Adrw::SoftLimiter), 9300);
}

} // namespace
} // namespace zarvex1
