#include "link_fixture.h"

#include <gtest/gtest.h>

namespace zarvex1::test {
namespace {

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

    engine->MenuCom1Click(1);
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

} // namespace
} // namespace zarvex1::test
