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

// "data.ign" in the program's folder, where "Open from exe dir" and "Save to exe dir" start. Where the
// program's folder cannot be written (an installed program in /usr/bin or Program Files), the settings
// folder stands in for it, so that a save there does not fail.
std::filesystem::path ExeDirParameterPath(const std::filesystem::path &programFolder,
                                          const std::filesystem::path &settingsFolder);
// Whether a file can be made in the folder: tried with a file of its own, which is removed again.
bool IsWritableFolder(const std::filesystem::path &folder);

// The marker file that switches the test labels on.
std::filesystem::path TestModeMarkerPath();
// Whether the marker text holds the word "DIAG_SWITCH" (exactly, case-sensitive).
bool IsTestModeMarker(std::string_view text);
// TestMode: false when the marker file is missing.
bool ReadTestMode(const std::filesystem::path &marker);

// Whether a dropped path names a parameter file: its last four characters are ".ign" in any letter case.
bool IsParameterFileName(std::string_view path);

} // namespace zarvex1
