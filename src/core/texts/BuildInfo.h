#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarvex1 {

inline constexpr const char *ProductName = "ZARVEX1";
inline constexpr int ProtocolVersion = 99;

// "Dec 10 2026" (the compiler's build date) -> "2026_12_10".
std::string CompileDateText(std::string_view buildDate);
// The status-bar version text: "ZARVEX1   RSKEY=99   COMPILE=2026_12_10".
std::string VersionText(std::string_view compileDate);
// The About window's date: "Apr  2 2018" (the compiler pads a one-digit day) -> "Apr 2 2018".
std::string AboutDateText(std::string_view buildDate);
// "Version - 99".
std::string AboutVersionText();
// The About window's caption for language index 0..3: "About ZARVEX1", "Über Programm ZARVEX1", ...
std::string AboutCaption(int languageIndex);
// The language named by the first command-line argument: "ENGLISH" 0, "DEUTSCH" 1, "CESKY" 3, exact case.
std::optional<int> LanguageFromArgument(std::string_view argument);

} // namespace zarvex1
