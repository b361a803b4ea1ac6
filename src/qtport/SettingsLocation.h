#pragma once

#include <filesystem>

namespace zarvex1 {

// The settings folder, created level by level: "Morvanel/ZARVEX1/99/" under the per-machine application
// data folder on Windows and under the user's data folder elsewhere. ZARVEX1_SETTINGS_DIR, when set,
// names the settings folder itself. Empty when no data folder is known (the files then live in the
// current directory).
std::filesystem::path SettingsFolder();

// "data.ign" beside the executable, or in the settings folder where the executable's folder cannot be
// written: the file the exe-dir commands start at.
std::filesystem::path DefaultParameterPath();

} // namespace zarvex1
