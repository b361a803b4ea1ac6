#include "core/safety/RestorePointRule.h"

namespace zarvex1 {

RestoreAction RestorePointRule::AfterRead(bool verified) {
    if (!verified)
        return RestoreAction::None;
    automaticSince_.reset();
    return RestoreAction::Write;
}

RestoreAction RestorePointRule::AfterProgram(bool automatic, RestoreClock::time_point now) {
    if (!automatic) {
        automaticSince_.reset();
        return RestoreAction::Write;
    }
    if (automaticSince_ && now >= *automaticSince_ && now - *automaticSince_ < AutomaticWindow)
        return RestoreAction::ReplaceNewest;
    automaticSince_ = now;
    return RestoreAction::Write;
}

RestoreAction RestorePointRule::BeforeReplace(bool changesKept) {
    if (changesKept)
        return RestoreAction::None;
    automaticSince_.reset();
    return RestoreAction::Write;
}

} // namespace zarvex1
