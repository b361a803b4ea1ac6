#pragma once

#include "core/files/RecentFiles.h"
#include "core/files/TextFiles.h"
#include "core/params/Limits.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zarvex1 {

// What the program keeps in application.ini between sessions. The main window owns the values; reading
// starts from its current values, which are the defaults of missing keys.
struct ApplicationSettings {
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    LimitedSettings link;  // port, scanned port and language
    std::string comDevice; // an adapter chosen by its stable name; empty: the numbered port
    std::string file;      // the current parameter file (empty after New)
    std::string iniDir;    // the parameter file last opened or saved; the dialogs start there
    int activePageIndex = 0;
    RecentFiles recentFiles;
};

inline constexpr std::string_view SettingsSection = "BASIC";

// Reads the keys of section "BASIC" over the settings. A missing "ComPort" or "ComPortAuto" takes the
// current index as the stored value, which ends one lower; other missing keys keep the current value,
// except "File", "IniDir" and the recent files, which become empty.
void ParseApplicationSettings(std::string_view text, ApplicationSettings &settings);
std::string FormatApplicationSettings(const ApplicationSettings &settings);

// A path as application.ini keeps it under "File", "IniDir" and "MenuHistoryNN": as it is, so that older
// programs read what they always read, unless it holds a line break or bytes that are not UTF-8 (or
// starts with the marker itself). Such a path is written as "%url:" and its bytes percent-encoded, a
// marker no older file holds.
std::string EncodeSettingsPath(std::string_view path);
std::string DecodeSettingsPath(std::string_view text);

// A missing or unreadable file counts as a file without keys.
void ReadApplicationSettings(const std::filesystem::path &iniFile, ApplicationSettings &settings);
FileResult WriteApplicationSettings(const std::filesystem::path &iniFile,
                                    const ApplicationSettings &settings);

} // namespace zarvex1
