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
// The language named by the first command-line argument: "ENGLISH" 0, "DEUTSCH" 1, "CESKY" 3, exact case.
std::optional<int> LanguageFromArgument(std::string_view argument);

} // namespace zarvex1
