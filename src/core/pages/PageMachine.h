#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zarvex1 {

// How a change of a control wants to be committed: at once, or after a run of up-down clicks.
enum class CommitMode { Immediate, Delayed };

// The page machinery of the main window: the guard that keeps loads from committing, and the commit
// that follows every change, delayed for up-down clicks so that a run of clicks is committed once.
// Time is counted in the window's 55 ms ticks.
class PageMachine {
public:
    static constexpr int CommitDelay = 5; // ticks after the last up-down click

    explicit PageMachine(std::function<void()> commit) : commit_(std::move(commit)) {}

    // Set while a page load runs: changes of controls then do nothing, and stores return at once.
    class LoadScope {
    public:
        explicit LoadScope(PageMachine &machine) : machine_(machine), outer_(machine.loadGuard_) {
            machine.loadGuard_ = true;
        }
        ~LoadScope() { machine_.loadGuard_ = outer_; }
        LoadScope(const LoadScope &) = delete;
        LoadScope &operator=(const LoadScope &) = delete;

    private:
        PageMachine &machine_;
        bool outer_;
    };
    [[nodiscard]] LoadScope Load() { return LoadScope(*this); }
    bool LoadGuard() const { return loadGuard_; }

    // A control changed. A run of delayed changes of one control is committed once, CommitDelay ticks
    // after the last; any other change commits at once and takes a waiting one with it.
    void RequestCommit(std::string_view source, CommitMode mode);
    // One timer tick: counts it and commits a delayed change whose time has come.
    void Tick();
    // Commits a delayed change now: the page it was made on is about to go.
    void CommitPending();

    int TickCounter() const { return tickCounter_; }
    const std::string &PendingSource() const { return pendingSource_; }
    bool Pending() const { return !pendingSource_.empty(); }
    int PendingDeadline() const { return pendingDeadline_; }

private:
    void Clear();

    std::function<void()> commit_;
    bool loadGuard_ = false;
    int tickCounter_ = 0;
    std::string pendingSource_;
    CommitMode pendingMode_ = CommitMode::Immediate; // Immediate: nothing waits
    int pendingDeadline_ = 0;
};

} // namespace zarvex1
