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

// The state line beside the port label. It remembers where the knowledge of the unit came from; the set
// the unit is known to hold is the session's (ParameterSession::unitSet), and the view follows from the
// two and the screen's set. "Programming after change" keeps it at Same, as each program ends with the
// unit holding the screen's set.
class UnitState {
public:
    // Another port, or the unit gone: nothing is known of the unit.
    void PortChanged() { source_ = Source::Nothing; }
    // A read that verified, a program that finished, a verify that passed: the unit holds the set the
    // transfer confirmed.
    void TransferConfirmed() { source_ = Source::Transfer; }
    // A verify that failed: the unit holds something else, how much is not known.
    void VerifyFailed() { source_ = Source::FailedVerify; }
    // Compare with unit read all six blocks: the unit holds the set read.
    void ComparedWithUnit() { source_ = Source::Compare; }

    UnitStateView View(const ParameterImage &screen, const std::optional<ParameterImage> &unitSet) const;

private:
    enum class Source { Nothing, Transfer, Compare, FailedVerify };
    Source source_ = Source::Nothing;
};

// The state line's text in the language.
std::string UnitStateText(const UnitStateView &view, int language);

} // namespace zarvex1
