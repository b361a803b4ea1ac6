#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zarvex1 {

// Font colours of the page rules, 0x00BBGGRR.
namespace FontColour {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Grey = 0x808080;
} // namespace FontColour

// What the rules of a page say about one control; what a rule does not name stays as it is.
struct ControlState {
    std::string_view name;
    std::optional<bool> visible;
    std::optional<bool> enabled;
    std::optional<std::uint32_t> fontColour;
    std::optional<std::string_view> caption; // a caption that follows the image, the same in every language
    friend bool operator==(const ControlState &, const ControlState &) = default;
};

// The states of a page: one entry a rule, several may name the same control.
class PageStates {
public:
    void Visible(std::string_view name, bool on) { states_.push_back({name, on, {}, {}, {}}); }
    void Enabled(std::string_view name, bool on) { states_.push_back({name, {}, on, {}, {}}); }
    void Font(std::string_view name, std::uint32_t colour) { states_.push_back({name, {}, {}, colour, {}}); }
    void Caption(std::string_view name, std::string_view text) {
        states_.push_back({name, {}, {}, {}, text});
    }

    // All that the rules say about one control, merged; the last rule wins.
    ControlState Of(std::string_view name) const;
    const std::vector<ControlState> &all() const { return states_; }

private:
    std::vector<ControlState> states_;
};

} // namespace zarvex1
