#include "core/files/ApplicationSettings.h"

#include "core/files/IniFile.h"
#include "core/files/TextFiles.h"

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

constexpr std::string_view EncodedMarker = "%url:";

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80             ? 1
                                   : (c & 0xE0) == 0xC0 ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EncodeSettingsPath(std::string_view path) {
    const bool plain = IsUtf8(path) && path.find_first_of("\r\n") == std::string_view::npos &&
                       path.substr(0, EncodedMarker.size()) != EncodedMarker;
    if (plain)
        return std::string(path);
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out(EncodedMarker);
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (u > 0x20 && u < 0x7F && u != '%')
            out += c;
        else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

std::string DecodeSettingsPath(std::string_view text) {
    if (text.substr(0, EncodedMarker.size()) != EncodedMarker)
        return std::string(text);
    text.remove_prefix(EncodedMarker.size());
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else
            out += text[i];
    }
    return out;
}

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
    s.file = DecodeSettingsPath(ini.Value(SettingsSection, "File").value_or(""));
    s.iniDir = DecodeSettingsPath(ini.Value(SettingsSection, "IniDir").value_or(""));
    s.activePageIndex = Int(PageKey, s.activePageIndex);
    s.recentFiles = RecentFiles();
    for (int i = 0; i < RecentFiles::MaxEntries; ++i)
        s.recentFiles.SetEntry(i, DecodeSettingsPath(ini.Value(SettingsSection, HistoryKey(i)).value_or("")));
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
    ini.SetValue(SettingsSection, "File", EncodeSettingsPath(s.file));
    ini.SetValue(SettingsSection, "IniDir", EncodeSettingsPath(s.iniDir));
    ini.SetIntValue(SettingsSection, PageKey, s.activePageIndex);
    for (int i = 0; i < s.recentFiles.count(); ++i)
        ini.SetValue(SettingsSection, HistoryKey(i), EncodeSettingsPath(s.recentFiles.entry(i)));
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
