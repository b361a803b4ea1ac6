#pragma once

#include <string>
#include <string_view>

namespace zarvex1 {

// A text of the editor's keyed table in a language; a text the table does not know (a page's own
// title or label) is shown as it is.
std::string EditorText(std::string_view english, int languageIndex);

} // namespace zarvex1
