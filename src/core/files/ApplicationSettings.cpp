#include "files/ApplicationSettings.h"

#include "files/IniFile.h"
#include "files/TextFiles.h"

#include <cstdio>
#include <limits>

namespace zarvex1 {

namespace {

constexpr std::string_view PageKey = "PageControl1->ActivePageIndex";
// Beside the port number: the adapter chosen in the Com menu. Files without it keep the numbered port.
constexpr std::string_view ComDeviceKey = "ComPortDevice";

// "MenuHistory00" .. "MenuHistory09".
std::string HistoryKey(int i) {
    return "MenuHistory0" + std::to_string(i);
}

// The port keys hold the index plus one.
int OneLower(int stored) {
    return stored == std::numeric_limits<int>::min() ? stored : stored - 1;
}
int OneHigher(int index) {
    return index == std::numeric_limits<int>::max() ? index : index + 1;
}

} // namespace

void ParseApplicationSettings(std::string_view text, ApplicationSettings &s) {
    const IniFile ini = IniFile::Parse(text);
    const auto Int = [&](std::string_view key, int current) {
        return ini.IntValue(SettingsSection, key).value_or(current);
    };
    s.left = Int("Left", s.left);
    s.top = Int("Top", s.top);
    s.height = Int("Height", s.height);
    s.width = Int("Width", s.width);
    s.link.portIndex = OneLower(Int("ComPort", s.link.portIndex));
    s.link.scanIndex = OneLower(Int("ComPortAuto", s.link.scanIndex));
    s.comDevice = ini.Value(SettingsSection, ComDeviceKey).value_or("");
    // Values outside the byte are left for LimitParameters to put right.
    const int language = Int("Language", s.link.languageIndex);
    s.link.languageIndex = static_cast<std::uint8_t>(language >= 0 && language <= 255 ? language : 0);
    s.file = ini.Value(SettingsSection, "File").value_or("");
    s.iniDir = ini.Value(SettingsSection, "IniDir").value_or("");
    s.activePageIndex = Int(PageKey, s.activePageIndex);
    s.recentFiles = RecentFiles();
    for (int i = 0; i < RecentFiles::MaxEntries; ++i)
        s.recentFiles.SetEntry(i, ini.Value(SettingsSection, HistoryKey(i)).value_or(""));
}

std::string FormatApplicationSettings(const ApplicationSettings &s) {
    IniFile ini;
    ini.SetIntValue(SettingsSection, "Left", s.left);
    ini.SetIntValue(SettingsSection, "Top", s.top);
    ini.SetIntValue(SettingsSection, "Height", s.height);
    ini.SetIntValue(SettingsSection, "Width", s.width);
    ini.SetIntValue(SettingsSection, "ComPort", OneHigher(s.link.portIndex));
    ini.SetIntValue(SettingsSection, "ComPortAuto", OneHigher(s.link.scanIndex));
    ini.SetValue(SettingsSection, ComDeviceKey, s.comDevice);
    ini.SetIntValue(SettingsSection, "Language", s.link.languageIndex);
    ini.SetValue(SettingsSection, "File", s.file);
    ini.SetValue(SettingsSection, "IniDir", s.iniDir);
    ini.SetIntValue(SettingsSection, PageKey, s.activePageIndex);
    for (int i = 0; i < s.recentFiles.count(); ++i)
        ini.SetValue(SettingsSection, HistoryKey(i), s.recentFiles.entry(i));
    return ini.Text();
}

void ReadApplicationSettings(const std::filesystem::path &iniFile, ApplicationSettings &settings) {
    ParseApplicationSettings(ReadWholeFile(iniFile).value_or(""), settings);
}

FileResult WriteApplicationSettings(const std::filesystem::path &iniFile,
                                    const ApplicationSettings &settings) {
    return WriteWholeFile(iniFile, FormatApplicationSettings(settings));
}

} // namespace zarvex1
