#include "link_fixture.h"

#include "core/session/SessionWatcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zarvex1::test {
namespace {

// What the session told its watcher, in words.
struct EventLog : SessionWatcher {
    std::vector<std::string> events;
    std::optional<ParameterImage> last; // the set of the last event that named one

    void Replaced(const ParameterImage &previous, bool changesKept) override {
        Note(changesKept ? "replaced kept" : "replaced unkept", previous);
    }
    void ReadVerified(const ParameterImage &unit) override { Note("read", unit); }
    void ProgramFinished(const ParameterImage &programmed, bool automatic) override {
        Note(automatic ? "program after change" : "program", programmed);
    }
    void VerifyPassed(const ParameterImage &verified) override { Note("verify passed", verified); }
    void VerifyFailed() override { events.push_back("verify failed"); }
    void ComparedWithUnit(const ParameterImage &unit) override { Note("unit read into a snapshot", unit); }
    void UnitChanged() override { events.push_back("unit changed"); }

    void Note(const char *event, const ParameterImage &set) {
        events.push_back(event);
        last = set;
    }
};

// A unit that keeps sending live values, so that the link stays connected between transfers.
SimOptions TalkingUnit() {
    SimOptions options = TestUnit();
    options.monitorMs = 100;
    return options;
}

// The session keeps the set the unit is known to hold: only a transfer the unit confirmed sets it, and
// whatever may have put another set or another unit on the cable makes it unknown again.
TEST_F(LinkTest, sessionKnowsTheUnitSetOnlyAfterConfirmedTransfers) {
    Start(TestUnit(), LegalImage(1));
    EXPECT_FALSE(session.unitSet()) << "nothing is known before the first transfer";

    session.Read();
    ASSERT_GT(tickUntilIdle(), 0);
    ASSERT_TRUE(session.unitSet());
    EXPECT_EQ(*session.unitSet(), LegalImage(1));

    image = LegalImage(2);
    session.Verify();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(engine->messageLine().text, "Verify error!");
    EXPECT_FALSE(session.unitSet()) << "a verify that failed confirms nothing";

    session.Program();
    ASSERT_GT(tickUntilIdle(), 0);
    ASSERT_TRUE(session.unitSet());
    EXPECT_EQ(*session.unitSet(), LegalImage(2));

    engine->ChoosePort(1);
    EXPECT_FALSE(session.unitSet()) << "another port may reach another unit";
}

// A transfer sends and checks the set as it was when the command came: an edit made while it runs
// neither mixes into the blocks still to go nor makes the verify fail.
TEST_F(LinkTest, programSendsTheSetAsItWasWhenStarted) {
    Start();
    image = LegalImage(4);
    session.Program();
    tick(4);
    ASSERT_EQ(engine->state().LinkRequest, LinkRequest::Program);
    image = LegalImage(5); // an edit on the page while the blocks go out
    ASSERT_GT(tickUntilIdle(), 0);

    EXPECT_EQ(unitMemory(), LegalImage(4));
    EXPECT_EQ(engine->messageLine().text, "Verify:: OK");
    EXPECT_EQ(*session.unitSet(), LegalImage(4));
    EXPECT_EQ(image, LegalImage(5)) << "the screen's set stays as edited";
}

// The watcher hears every outcome once, saying which programs "Programming after change" started; the
// set a Read replaced comes first.
TEST_F(LinkTest, watcherHearsEachTransferOutcome) {
    EventLog log;
    session.SetWatcher(&log);
    Start(TalkingUnit(), LegalImage(1));
    image = LegalImage(2);

    session.Read();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"replaced unkept", "read"}));
    EXPECT_EQ(log.last, LegalImage(1));

    session.SetProgramAfterChange(true);
    image = LegalImage(3);
    session.AfterEdit();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(log.events.back(), "program after change");
    EXPECT_EQ(log.last, LegalImage(3));
    EXPECT_FALSE(session.HasUnkeptChanges()) << "what was programmed is kept";

    session.SetProgramAfterChange(false);
    image = LegalImage(4);
    session.Verify();
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(log.events.back(), "verify failed");

    session.Program();
    ASSERT_GT(tickUntilIdle(), 0);
    session.Verify();
    ASSERT_GT(tickUntilIdle(), 0);
    engine->ChoosePort(1);
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"replaced unkept", "read", "program after change", "verify failed",
                                        "program", "verify passed", "unit changed"}));
}

// A read into a snapshot (compare with the unit) reports the unit's set and leaves the screen's set, its
// pages, its file name and its undo history alone; one that fails or is replaced reports nothing.
TEST_F(LinkTest, unitReadIntoASnapshotLeavesTheScreenAlone) {
    EventLog log;
    session.SetWatcher(&log);
    Start(TalkingUnit(), LegalImage(6));
    image = LegalImage(7);
    std::vector<std::optional<ParameterImage>> reports;
    const auto report = [&](const std::optional<ParameterImage> &set) { reports.push_back(set); };

    session.ReadUnitSet(report);
    ASSERT_GT(tickUntilIdle(), 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], LegalImage(6));
    EXPECT_EQ(image, LegalImage(7));
    EXPECT_EQ(session.currentFile(), "tune.ign");
    EXPECT_FALSE(undoRecorded());
    EXPECT_EQ(owner.imageToPages, 0);
    EXPECT_EQ(session.unitSet(), LegalImage(6));
    EXPECT_EQ(log.events, std::vector<std::string>{"unit read into a snapshot"});
    EXPECT_EQ(engine->messageLine().text, "Verify:: OK");

    session.ReadUnitSet(report);
    tick(3);
    session.Program(); // another command replaces the read
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_FALSE(reports[1]);
    ASSERT_GT(tickUntilIdle(), 0);
    EXPECT_EQ(unitMemory(), LegalImage(7));

    session.ReadUnitSet(report);
    tick(3);
    port->SetPresent(false);
    tick();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_FALSE(reports[2]) << "a read that failed reports nothing";
    EXPECT_EQ(image, LegalImage(7));
}

} // namespace
} // namespace zarvex1::test
