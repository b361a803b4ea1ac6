#include "core/texts/BuildInfo.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zarvex1 {

std::string CompileDateText(std::string_view buildDate) {
    static constexpr std::array<std::string_view, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 0;
    for (int m = 0; m < 12; ++m)
        if (buildDate.substr(0, 3) == months[m])
            month = m + 1;
    // Day and year follow the month as decimal numbers; the compiler pads a one-digit day with a blank.
    const std::string rest(buildDate.size() > 3 ? buildDate.substr(3) : std::string_view{});
    char *end = nullptr;
    const long day = std::strtol(rest.c_str(), &end, 10);
    const long year = std::strtol(end, nullptr, 10);
    char text[64];
    std::snprintf(text, sizeof text, "%i_%02i_%02i", static_cast<int>(year), month, static_cast<int>(day));
    return text;
}

std::string VersionText(std::string_view compileDate) {
    char text[128];
    std::snprintf(text, sizeof text, "%s   RSKEY=%i   COMPILE=%.*s", ProductName, ProtocolVersion,
                  static_cast<int>(compileDate.size()), compileDate.data());
    return text;
}

std::string AboutDateText(std::string_view buildDate) {
    // Month, day and year, each once, separated by single blanks.
    std::string text;
    bool blank = false;
    for (const char c : buildDate) {
        if (c == ' ') {
            blank = !text.empty();
            continue;
        }
        if (blank)
            text += ' ';
        blank = false;
        text += c;
    }
    return text;
}

std::string AboutVersionText() {
    return "Version - " + std::to_string(ProtocolVersion);
}

std::string AboutCaption(int languageIndex) {
    static constexpr std::array<std::string_view, 4> captions = {"About ", "Über Programm ", "Information ",
                                                                 "O programu "};
    const auto index = languageIndex >= 0 && languageIndex < 4 ? static_cast<std::size_t>(languageIndex) : 0;
    return std::string(captions[index]) + ProductName;
}

std::optional<int> LanguageFromArgument(std::string_view argument) {
    if (argument == "ENGLISH")
        return 0;
    if (argument == "DEUTSCH")
        return 1;
    if (argument == "CESKY")
        return 3;
    return std::nullopt;
}

} // namespace zarvex1
