#pragma once

#include "core/params/ParameterImage.h"

#include <optional>
#include <string>

namespace zarvex1 {

// What the unit holds compared with the set on the screen.
enum class UnitStateKind {
    NotRead,              // nothing is known of the unit on this port
    Same,                 // the unit holds the screen's set
    ChangesNotProgrammed, // the screen's set was changed since the unit took or gave its set
    Differs,              // the unit holds another set: a verify failed, or a compare found values
};

struct UnitStateView {
    UnitStateKind kind = UnitStateKind::NotRead;
    int count = 0; // the values that differ; 0 after a failed verify, which does not count them

    friend bool operator==(const UnitStateView &, const UnitStateView &) = default;
};

// The state line beside the port label. It remembers the set the unit is known to hold, and where that
// knowledge came from; the view follows from it and the screen's set. "Programming after change" keeps
// it at Same, as each program ends with the unit holding the screen's set.
class UnitState {
public:
    // Another port, or the unit gone: nothing is known of the unit.
    void PortChanged();
    // A read that verified: the unit holds `unit` (which is now also the screen's set).
    void ReadFinished(const ParameterImage &unit);
    // A program that finished: the unit holds what was programmed.
    void ProgramFinished(const ParameterImage &programmed);
    // A verify that passed: the unit holds the set it was compared with.
    void VerifyPassed(const ParameterImage &verified);
    // A verify that failed: the unit holds something else, how much is not known.
    void VerifyFailed();
    // Compare with unit read all six blocks: the unit holds `unit`.
    void ComparedWithUnit(const ParameterImage &unit);

    UnitStateView View(const ParameterImage &screen) const;
    // The set the unit is known to hold, for the compare a click on the state line opens.
    const std::optional<ParameterImage> &KnownUnitSet() const { return unit_; }

private:
    enum class Source { Nothing, Transfer, Compare, FailedVerify };
    Source source_ = Source::Nothing;
    std::optional<ParameterImage> unit_;
};

// The state line's text in the language.
std::string UnitStateText(const UnitStateView &view, int language);

} // namespace zarvex1
