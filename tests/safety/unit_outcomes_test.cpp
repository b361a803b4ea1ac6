#include "files/temp_folder.h"
#include "link/link_fixture.h"

#include "core/safety/SafetyNet.h"
#include "core/safety/SetComparison.h"

#include <gtest/gtest.h>

namespace zarvex1::test {
namespace {

using namespace std::chrono_literals;

// The window's safety net watching the session, with the unit in process and a clock the test moves.
class UnitOutcomes : public LinkTest {
protected:
    UnitOutcomes() { session.SetWatcher(&net); }

    std::vector<RestorePoint> points() const { return net.store()->List(); }
    // The retard of a point's set: the tunes below tell themselves apart by it.
    int pointRetard(std::size_t newestFirst) const {
        return RestorePointStore::ReadBack(points().at(newestFirst).path)->byte(Adrb::Retard);
    }
    // A legal set that differs from the others in a value the parameter file keeps.
    static ParameterImage Tune(int retard) {
        ParameterImage set = LegalImage(retard);
        set.setByte(Adrb::Retard, static_cast<unsigned>(retard));
        return set;
    }
    // Changes the screen's set as an edit does, and lets "Programming after change" program it.
    void edit(const ParameterImage &set) {
        image = set;
        session.AfterEdit();
    }
    UnitStateView state() const { return net.StateView(image, session.unitSet()); }

    TempFolder temp;
    RestoreClock::time_point now = RestoreClock::time_point{} + 20797 * 24h;
    SafetyNet net{RestorePointStore(RestorePointStore::FolderBeside(temp.path()), true),
                  [this] { return now; }};
};

// Restore points come from what the unit confirmed: a Read that verified (after the unsaved set it replaced),
// a Program that finished, and the programs of "Programming after change" of one minute as one point with the
// newest set.
TEST_F(UnitOutcomes, confirmedTransfersAndReplacedChangesBecomeRestorePoints) {
    Start(TestUnit(), Tune(1));
    image = Tune(2); // neither saved nor programmed

    session.Read();
    ASSERT_GT(tickUntilIdle(), 0);
    now += 5s;
    image = Tune(3);
    session.Program();
    ASSERT_GT(tickUntilIdle(), 0);

    session.SetProgramAfterChange(true);
    for (int seed : {4, 5, 6}) {
        now += 20s;
        edit(Tune(seed));
        ASSERT_GT(tickUntilIdle(), 0);
    }
    session.SetProgramAfterChange(false);

    const std::vector<RestorePoint> p = points();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].details.event, RestoreEvent::Program);
    EXPECT_EQ(pointRetard(0), 6) << "the minute's programs share the newest set";
    EXPECT_EQ(p[1].details.event, RestoreEvent::Program);
    EXPECT_EQ(pointRetard(1), 3);
    EXPECT_EQ(p[2].details.event, RestoreEvent::Read);
    EXPECT_EQ(pointRetard(2), 1);
    EXPECT_EQ(p[3].details.event, RestoreEvent::BeforeReplace);
    EXPECT_EQ(pointRetard(3), 2);
    EXPECT_EQ(unitMemory(), Tune(6));

    // A read of a set the newest point holds already adds nothing.
    session.Read();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(points().size(), 4u);
}

// The unit's state through Read, an edit, Program, a failed Verify, Compare with unit and a port change.
TEST_F(UnitOutcomes, theUnitStateFollowsWhatTheUnitConfirmed) {
    Start(TestUnit(), LegalImage(1));
    EXPECT_EQ(state().kind, UnitStateKind::NotRead);
    session.Read();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(state(), (UnitStateView{UnitStateKind::Same, 0}));

    image.setByte(Adrb::Retard, image.byte(Adrb::Retard) + 1);
    EXPECT_EQ(state(), (UnitStateView{UnitStateKind::ChangesNotProgrammed, 1}));
    session.Program();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(state().kind, UnitStateKind::Same);

    unitMemory() = LegalImage(7); // another tool changed the unit
    session.Verify();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(state(), (UnitStateView{UnitStateKind::Differs, 0})) << "a failed verify does not count";

    const ParameterImage screen = image;
    std::optional<ParameterImage> snapshot;
    session.ReadUnitSet([&](const std::optional<ParameterImage> &unit) { snapshot = unit; });
    ASSERT_GT(tickUntilIdle(), 0);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(*snapshot, LegalImage(7));
    EXPECT_EQ(image, screen) << "the compare leaves the screen's set alone";
    const int differing = CompareSets(screen, LegalImage(7)).changedValues();
    ASSERT_GT(differing, 0);
    EXPECT_EQ(state(), (UnitStateView{UnitStateKind::Differs, differing}));

    engine->ChoosePort(1);
    EXPECT_EQ(state().kind, UnitStateKind::NotRead);
}

} // namespace
} // namespace zarvex1::test
