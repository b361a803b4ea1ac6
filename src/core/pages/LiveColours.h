#pragma once

#include <string_view>
#include <vector>

namespace zarvex1 {

// What the running engine marks on a page at one tick: each named control highlighted or normal. An
// edit or a label is highlighted green, a button in bold type; normal is the window colour for edits,
// the button-face colour for labels and regular type for buttons.
struct LiveColour {
    std::string_view name;
    bool highlighted;
    friend bool operator==(const LiveColour &, const LiveColour &) = default;
};
using LiveColours = std::vector<LiveColour>;

} // namespace zarvex1
