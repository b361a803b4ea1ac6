#pragma once

#include <string>
#include <string_view>

namespace zarvex1 {

// Keyed text tables: single texts looked up by their English text (or an id) and returned in a
// language. Language index: 0 English, 1 German, 2 French (carried, never selected), 3 Czech.
inline constexpr int TextTableGeneral = 1, TextTableEditor = 3, TextTableMaps = 4;

// The text of the first row whose English text is `english`, in the given language. A row without
// a text in that language, or a language outside 0..3, gives the English text; a key that is not in
// the table gives "?STR not found?".
std::string TranslateText(int table, std::string_view english, int languageIndex);

// The same for the first row that carries `id`. Rows without an id (id 0) are never found by id.
std::string TranslateById(int table, int id, int languageIndex);

// The longest of the four texts of the row found as by TranslateText, counted in characters; on equal
// length the earlier of English, German, French, Czech. Used to size labels for every language.
std::string LongestTranslation(int table, std::string_view english);

} // namespace zarvex1
