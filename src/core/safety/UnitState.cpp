#include "core/safety/UnitState.h"

#include "core/safety/SetComparison.h"
#include "core/texts/MessageTexts.h"

namespace zarvex1 {

void UnitState::PortChanged() {
    source_ = Source::Nothing;
    unit_.reset();
}

void UnitState::ReadFinished(const ParameterImage &unit) {
    source_ = Source::Transfer;
    unit_ = unit;
}

void UnitState::ProgramFinished(const ParameterImage &programmed) {
    source_ = Source::Transfer;
    unit_ = programmed;
}

void UnitState::VerifyPassed(const ParameterImage &verified) {
    source_ = Source::Transfer;
    unit_ = verified;
}

void UnitState::VerifyFailed() {
    source_ = Source::FailedVerify;
    unit_.reset();
}

void UnitState::ComparedWithUnit(const ParameterImage &unit) {
    source_ = Source::Compare;
    unit_ = unit;
}

UnitStateView UnitState::View(const ParameterImage &screen) const {
    switch (source_) {
    case Source::Nothing:
        return {UnitStateKind::NotRead, 0};
    case Source::FailedVerify:
        return {UnitStateKind::Differs, 0};
    case Source::Transfer:
    case Source::Compare:
        break;
    }
    const int count = CompareSets(screen, *unit_).changedValues();
    if (count == 0)
        return {UnitStateKind::Same, 0};
    return {source_ == Source::Compare ? UnitStateKind::Differs : UnitStateKind::ChangesNotProgrammed, count};
}

namespace {

// Czech counts take three forms: 1, 2..4, and 0 or 5 and more.
std::string CzechChanges(int n) {
    if (n == 1)
        return "1 změna nenaprogramována";
    if (n >= 2 && n <= 4)
        return std::to_string(n) + " změny nenaprogramovány";
    return std::to_string(n) + " změn nenaprogramováno";
}

} // namespace

std::string UnitStateText(const UnitStateView &view, int language) {
    const int n = view.count;
    const std::string count = std::to_string(n);
    const bool de = language == Language::German, cz = language == Language::Czech;
    const std::string prefix = de ? "Zündung: " : cz ? "Zapalování: " : "Unit: ";
    switch (view.kind) {
    case UnitStateKind::NotRead:
        return prefix + (de ? "noch nicht gelesen" : cz ? "zatím nenačteno" : "not read yet");
    case UnitStateKind::Same:
        return prefix + (de ? "wie auf dem Bildschirm" : cz ? "shodné s obrazovkou" : "same as the screen");
    case UnitStateKind::ChangesNotProgrammed:
        if (de)
            return prefix + count + (n == 1 ? " Änderung" : " Änderungen") + " nicht programmiert";
        if (cz)
            return prefix + CzechChanges(n);
        return prefix + count + (n == 1 ? " change" : " changes") + " not programmed";
    case UnitStateKind::Differs:
        if (n == 0)
            return prefix + (de   ? "weicht vom Bildschirm ab"
                             : cz ? "liší se od obrazovky"
                                  : "differs from the screen");
        if (de)
            return prefix + "weicht in " + count + (n == 1 ? " Wert" : " Werten") + " vom Bildschirm ab";
        if (cz)
            return prefix + "liší se od obrazovky v " + count + (n == 1 ? " hodnotě" : " hodnotách");
        return prefix + "differs from the screen in " + count + (n == 1 ? " value" : " values");
    }
    return {};
}

} // namespace zarvex1
