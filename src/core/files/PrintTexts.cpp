#include "core/files/PrintTexts.h"

#include "core/files/TextFiles.h"
#include "core/texts/BuildInfo.h"

#include <array>
#include <cstdio>

namespace zarvex1 {

namespace {

constexpr int HeadingSlot = 36;

// English, German, Czech; language index 2 (never chosen) and anything unknown read English.
std::string_view InLanguage(int languageIndex, const std::array<std::string_view, 3> &texts) {
    return languageIndex == 1 ? texts[1] : languageIndex == 3 ? texts[2] : texts[0];
}

} // namespace

std::string PrintHeadingText(const MessageTexts &texts, std::string_view date, std::string_view time) {
    return texts[HeadingSlot] + std::string(date) + "    " + std::string(time);
}

std::string PrintFileName(std::string_view parameterFile, const PrintStamp &when) {
    std::string name = Utf8FromPath(PathFromUtf8(parameterFile).stem());
    if (name.empty())
        name = ProductName;
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d-%02d-%02d.pdf", when.year, when.month, when.day,
                  when.hour, when.minute, when.second);
    return name + stamp;
}

std::filesystem::path FreePrintPath(const std::filesystem::path &folder, std::string_view fileName) {
    const std::filesystem::path name = PathFromUtf8(fileName);
    std::filesystem::path path = folder / name;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(path, error) && n < 1000; ++n) {
        std::filesystem::path numbered = name.stem();
        numbered += "_" + std::to_string(n);
        numbered += name.extension();
        path = folder / numbered;
    }
    return path;
}

std::string PrintedToPdfText(int languageIndex, std::string_view path) {
    return std::string(
               InLanguage(languageIndex, {"Printed to PDF: ", "Als PDF gedruckt: ", "Vytištěno do PDF: "})) +
           std::string(path);
}

std::string PrintErrorText(int languageIndex, std::string_view reason) {
    std::string text(InLanguage(languageIndex, {"Print error!", "Druckfehler!", "Chyba tisku!"}));
    if (!reason.empty())
        text += " (" + std::string(reason) + ")";
    return text;
}

} // namespace zarvex1
