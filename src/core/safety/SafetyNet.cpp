#include "core/safety/SafetyNet.h"

namespace zarvex1 {

SafetyNet::SafetyNet(std::optional<RestorePointStore> store, Clock clock)
    : store_(std::move(store)), clock_(std::move(clock)) {}

void SafetyNet::SetUnitDetails(std::string unitName, std::optional<int> programmingCount) {
    unitName_ = std::move(unitName);
    programmingCount_ = programmingCount;
}

void SafetyNet::ReadVerified(const ParameterImage &unit) {
    state_.TransferConfirmed();
    Changed();
    Apply(rule_.AfterRead(true), unit, RestoreEvent::Read);
}

void SafetyNet::ProgramFinished(const ParameterImage &programmed, bool automatic) {
    state_.TransferConfirmed();
    Changed();
    Apply(rule_.AfterProgram(automatic, clock_()), programmed, RestoreEvent::Program);
}

void SafetyNet::Replaced(const ParameterImage &previous, bool changesKept) {
    Apply(rule_.BeforeReplace(changesKept), previous, RestoreEvent::BeforeReplace);
}

void SafetyNet::Apply(RestoreAction action, const ParameterImage &image, RestoreEvent event) {
    if (action == RestoreAction::None || !store_)
        return;
    lastWrite_ = store_->Write(image, {clock_(), event, unitName_, programmingCount_},
                               action == RestoreAction::ReplaceNewest);
}

} // namespace zarvex1
