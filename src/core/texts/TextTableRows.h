#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zarvex1 {

// One row of a keyed text table: an id (0 when the row has none) and its texts in English, German,
// French and Czech. A missing translation is empty.
struct TextRow {
    int id = 0;
    std::array<std::string_view, 4> texts{};

    constexpr std::string_view English() const { return texts[0]; }
};

inline constexpr std::string_view NotFoundText = "?STR not found?";

// The rows of a keyed table, row 0 being the not-found row. A table number that is not in use gives a
// table of the not-found row alone.
std::span<const TextRow> TextTableRows(int table);

} // namespace zarvex1
