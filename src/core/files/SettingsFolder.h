#pragma once

#include <filesystem>
#include <string_view>

namespace zarvex1 {

// Creates "Morvanel", "Morvanel/ZARVEX1" and "Morvanel/ZARVEX1/99" under the base folder, one level at a
// time (an existing folder or a failure is passed over), and returns the settings folder. An empty base
// gives an empty folder: the settings files are then taken from the current directory.
std::filesystem::path CreateSettingsFolder(const std::filesystem::path &base);

inline std::filesystem::path ApplicationIniPath(const std::filesystem::path &folder) {
    return folder / "application.ini";
}
inline std::filesystem::path DefaultIniPath(const std::filesystem::path &folder) {
    return folder / "default.ini";
}

// The marker file that switches the test labels on.
std::filesystem::path TestModeMarkerPath();
// Whether the marker text holds the word "DIAG_SWITCH" (exactly, case-sensitive).
bool IsTestModeMarker(std::string_view text);
// TestMode: false when the marker file is missing.
bool ReadTestMode(const std::filesystem::path &marker);

// Whether a dropped path names a parameter file: its last four characters are ".ign" in any letter case.
bool IsParameterFileName(std::string_view path);

} // namespace zarvex1
