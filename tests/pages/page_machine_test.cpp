#include "core/pages/PageMachine.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvex1 {
namespace {

struct Machine : ::testing::Test {
    std::vector<int> commits; // the tick of each commit
    PageMachine machine{[this] { commits.push_back(machine.TickCounter()); }};
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            machine.Tick();
    }
};

TEST_F(Machine, runOfSpinnerClicksCommitsOnceOnTheFifthTickAfterTheLast) {
    machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
    Ticks(1);
    machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
    machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
    Ticks(4);
    EXPECT_TRUE(commits.empty());
    Ticks(1);
    EXPECT_EQ(commits, std::vector<int>{6});
    EXPECT_FALSE(machine.Pending());
    Ticks(10);
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(Machine, anyOtherChangeCommitsAtOnceAndTakesTheWaitingClicksWithIt) {
    struct Case {
        const char *second;
        CommitMode mode;
    };
    for (const Case c :
         {Case{"CheckBoxSpecStart", CommitMode::Immediate}, Case{"UpDownRetard", CommitMode::Immediate},
          Case{"UpDownRetardPocetOff", CommitMode::Delayed}}) {
        SCOPED_TRACE(c.second);
        commits.clear();
        machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
        Ticks(1);
        machine.RequestCommit(c.second, c.mode);
        EXPECT_EQ(commits.size(), 1u);
        EXPECT_FALSE(machine.Pending());
        Ticks(10);
        EXPECT_EQ(commits.size(), 1u);
    }
}

TEST_F(Machine, waitingClicksCanBeCommittedAtOnce) {
    machine.CommitPending();
    EXPECT_TRUE(commits.empty());
    machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
    machine.CommitPending();
    EXPECT_EQ(commits.size(), 1u);
    Ticks(10);
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(Machine, nothingCommitsWhileAPageLoads) {
    {
        auto guard = machine.Load();
        { auto inner = machine.Load(); }
        EXPECT_TRUE(machine.LoadGuard()) << "a nested load keeps the guard of the outer one";
        machine.RequestCommit("CheckBoxSpecStart", CommitMode::Immediate);
        machine.RequestCommit("UpDownRetard", CommitMode::Delayed);
    }
    EXPECT_FALSE(machine.LoadGuard());
    Ticks(10);
    EXPECT_TRUE(commits.empty());
}

TEST(PageMachine, aChangeMadeDuringACommitIsNotLost) {
    PageMachine *self = nullptr;
    int commits = 0;
    PageMachine machine{[&] {
        if (commits++ == 0)
            self->RequestCommit("UpDownRetard", CommitMode::Delayed);
    }};
    self = &machine;
    machine.RequestCommit("CheckBoxSpecStart", CommitMode::Immediate);
    EXPECT_TRUE(machine.Pending());
    for (int i = 0; i < PageMachine::CommitDelay; ++i)
        machine.Tick();
    EXPECT_EQ(commits, 2);
}

} // namespace
} // namespace zarvex1
