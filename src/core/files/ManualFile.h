#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// The folders the manual is looked for in, in this order: the current folder, the program's folder,
// the data folder of an installation beside it (<prefix>/share/zarvex1 for <prefix>/bin), and the
// "zarvex1" folder in each of the desktop's data folders.
std::vector<std::filesystem::path> ManualFolders(const std::filesystem::path &currentFolder,
                                                 const std::filesystem::path &programFolder,
                                                 const std::vector<std::filesystem::path> &dataFolders);

// The first regular file of that name in the folders, or nothing.
std::optional<std::filesystem::path> FindManual(std::string_view name,
                                                const std::vector<std::filesystem::path> &folders);

// What Help > Contents says below "Error by opening file …" in the language (0 English, 1 German,
// 3 Czech; anything else English): why the manual is not shown and where the file is or was looked for.
// The manual is in none of the folders:
std::string ManualNotFoundText(int languageIndex, const std::vector<std::filesystem::path> &folders);
// The manual is there but the desktop could not open it:
std::string ManualNotOpenedText(int languageIndex, const std::filesystem::path &manual);

} // namespace zarvex1
