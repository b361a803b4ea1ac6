#include "core/safety/UnitState.h"

#include "core/safety/SetComparison.h"
#include "core/texts/MessageTexts.h"

namespace zarvex1 {

UnitStateView UnitState::View(const ParameterImage &screen,
                              const std::optional<ParameterImage> &unitSet) const {
    if (!unitSet && source_ != Source::FailedVerify)
        return {UnitStateKind::NotRead, 0};
    switch (source_) {
    case Source::Nothing:
        return {UnitStateKind::NotRead, 0};
    case Source::FailedVerify:
        return {UnitStateKind::Differs, 0};
    case Source::Transfer:
    case Source::Compare:
        break;
    }
    const int count = CompareSets(screen, *unitSet).changedValues();
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
