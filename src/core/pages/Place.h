#pragma once

#include <string>

namespace zarvex1 {

// Where a control created at run time stands in its parent, in the pixels of the unit's original
// layout (96 dpi, 8-point type); the widgets grow it with the type in use. A width or height of 0 takes
// the control's natural size (labels).
struct Place {
    std::string name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Place &, const Place &) = default;
};

// An edit with its up-down as the page builders place them: the edit `width` wide at (left, top), the
// up-down 16 x 21 pixels beside it; one place for both.
inline Place BoundEditPlace(std::string name, int left, int top, int width) {
    constexpr int UpDownWidth = 16;
    constexpr int EditHeight = 21;
    return {std::move(name), left, top, width + UpDownWidth, EditHeight};
}

} // namespace zarvex1
