#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarvex1 {

// Far more than any file of the program holds; a larger file is not taken.
inline constexpr std::size_t MaxTextFileSize = 64u << 20;

// The whole content of a file, or nothing when it cannot be opened or read, is a folder or is larger
// than MaxTextFileSize.
std::optional<std::string> ReadWholeFile(const std::filesystem::path &path);

// Writes the text to a temporary file beside the target and renames it over the target, so that a failed
// write (disk full, lost medium) never leaves a half-written settings or parameter file behind.
bool WriteWholeFile(const std::filesystem::path &path, std::string_view text);

// UTF-8 text to a path and back, the same on every platform.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path &path);

// The text cut to at most maxCharacters characters, never inside a UTF-8 sequence.
std::string CutToCharacters(std::string_view text, std::size_t maxCharacters);

} // namespace zarvex1
