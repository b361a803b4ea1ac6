#include "core/pages/PageStates.h"

namespace zarvex1 {

ControlState PageStates::Of(std::string_view name) const {
    ControlState merged{name, {}, {}, {}, {}};
    for (const ControlState &s : states_) {
        if (s.name != name)
            continue;
        if (s.visible)
            merged.visible = s.visible;
        if (s.enabled)
            merged.enabled = s.enabled;
        if (s.fontColour)
            merged.fontColour = s.fontColour;
        if (s.caption)
            merged.caption = s.caption;
    }
    return merged;
}

} // namespace zarvex1
