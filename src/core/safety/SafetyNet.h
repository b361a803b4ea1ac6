#pragma once

#include "core/safety/RestorePointRule.h"
#include "core/safety/RestorePoints.h"
#include "core/safety/UnitState.h"
#include "core/session/SessionWatcher.h"

#include <functional>
#include <optional>
#include <string>

namespace zarvex1 {

// The safety net of one window: what the session tells of its transfers and commands becomes restore
// points and the unit's state. The session calls it; it never touches the set itself.
class SafetyNet : public SessionWatcher {
public:
    using Clock = std::function<RestoreClock::time_point()>;

    // `store` none: the unit's state is kept, but no restore point is written (no settings folder).
    explicit SafetyNet(std::optional<RestorePointStore> store, Clock clock = RestoreClock::now);

    // What the points tell of the unit: its program name and programming count, as the last live-value
    // frame brought them (none when no frame came).
    void SetUnitDetails(std::string unitName, std::optional<int> programmingCount);

    void ReadVerified(const ParameterImage &unit) override;
    // Programs started by "Programming after change" share one point per minute, the newest set.
    void ProgramFinished(const ParameterImage &programmed, bool automatic) override;
    void VerifyPassed(const ParameterImage & /*verified*/) override {
        state_.TransferConfirmed();
        Changed();
    }
    void VerifyFailed() override {
        state_.VerifyFailed();
        Changed();
    }
    void UnitChanged() override {
        state_.PortChanged();
        Changed();
    }
    // A point of the set about to be replaced, unless its changes were kept (saved or programmed).
    void Replaced(const ParameterImage &previous, bool changesKept) override;
    // Compare with unit read all six blocks: the unit holds `unit`.
    void ComparedWithUnit(const ParameterImage & /*unit*/) override {
        state_.ComparedWithUnit();
        Changed();
    }

    // The state line for the screen's set and the set the session knows the unit holds.
    UnitStateView StateView(const ParameterImage &screen,
                            const std::optional<ParameterImage> &unitSet) const {
        return state_.View(screen, unitSet);
    }
    // Counts the events that may have changed the unit's state: a view shown is current while it holds
    // and the screen's set is unchanged.
    int revision() const { return revision_; }
    // Who shows the unit's state hears of each such event.
    void SetStateListener(std::function<void()> listener) { stateListener_ = std::move(listener); }
    // The last write's result: written, skipped (equal to the newest point) or its error.
    const RestorePointStore::WriteResult &lastWrite() const { return lastWrite_; }
    const RestorePointStore *store() const { return store_ ? &*store_ : nullptr; }

private:
    void Apply(RestoreAction action, const ParameterImage &image, RestoreEvent event);
    void Changed() {
        ++revision_;
        if (stateListener_)
            stateListener_();
    }

    std::optional<RestorePointStore> store_;
    Clock clock_;
    RestorePointRule rule_;
    UnitState state_;
    std::string unitName_;
    std::optional<int> programmingCount_;
    RestorePointStore::WriteResult lastWrite_;
    int revision_ = 0;
    std::function<void()> stateListener_;
};

} // namespace zarvex1
