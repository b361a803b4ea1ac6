#pragma once

#include "core/texts/MessageTexts.h"

#include <array>
#include <span>
#include <string_view>

namespace zarvex1 {

// What a caption row sets on the control it names.
enum class CaptionKind {
    Caption, // the text of a label, button, check box, group box, radio group, menu, menu item or page tab
    Hint,    // the hint: tooltip and status text, "short|long" or one text for both
    Item,    // one item of a combo box or radio group, at `item`; the others keep their texts
    Items,   // every item of a radio group or combo box, "\n" between them; the chosen index stays
};

// One row of the window's texts: the control by its name and its text in English, German and Czech.
struct CaptionRow {
    std::string_view target;
    CaptionKind kind;
    std::array<std::string_view, 3> text;
    int item = -1;

    // The text of language index 0 (English), 1 (German) or 3 (Czech); any other index gives English.
    constexpr std::string_view in(int languageIndex) const {
        return text[languageIndex == Language::German ? 1 : languageIndex == Language::Czech ? 2 : 0];
    }
};

using CaptionTable = std::span<const CaptionRow>;

} // namespace zarvex1
