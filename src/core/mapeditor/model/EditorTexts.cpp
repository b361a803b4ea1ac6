#include "core/mapeditor/model/EditorTexts.h"

#include "core/texts/TextTables.h"

namespace zarvex1 {

namespace {

constexpr std::string_view NotFoundText = "?STR not found?";

} // namespace

std::string EditorText(std::string_view english, int languageIndex) {
    std::string translated = TranslateText(TextTableEditor, english, languageIndex);
    if (translated == NotFoundText && english != NotFoundText)
        return std::string(english);
    return translated;
}

} // namespace zarvex1
