#include "core/files/SettingsFolder.h"

#include "core/files/TextFiles.h"
#include "core/files/WordScanner.h"

#include <chrono>
#include <fstream>
#include <string>
#include <system_error>

namespace zarvex1 {

std::filesystem::path CreateSettingsFolder(const std::filesystem::path &base) {
    if (base.empty())
        return {};
    std::filesystem::path folder = base;
    for (const char *level : {"Morvanel", "ZARVEX1", "99"}) {
        folder /= level;
        std::error_code ignored;
        std::filesystem::create_directory(folder, ignored);
    }
    return folder;
}

std::filesystem::path ExeDirParameterPath(const std::filesystem::path &programFolder,
                                          const std::filesystem::path &settingsFolder) {
    if (IsWritableFolder(programFolder))
        return programFolder / "data.ign";
    return settingsFolder / "data.ign";
}

bool IsWritableFolder(const std::filesystem::path &folder) {
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return false;
    // The folder's permission bits do not tell (an administrator, access lists, a read-only mount):
    // only a file that can be made does.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::filesystem::path probe = folder / (".zarvex1-write-test-" + std::to_string(stamp));
    bool made = false;
    {
        std::ofstream file(probe, std::ios::binary | std::ios::app);
        made = file.is_open();
    }
    if (made)
        std::filesystem::remove(probe, error);
    return made;
}

std::filesystem::path TestModeMarkerPath() {
#ifdef _WIN32
    return std::filesystem::path("c:\\test_qurvel.txt");
#else
    return std::filesystem::path("/tmp/test_qurvel.txt");
#endif
}

bool IsTestModeMarker(std::string_view text) {
    WordScanner in(text);
    while (!in.AtEnd())
        if (in.NextWord() == "DIAG_SWITCH")
            return true;
    return false;
}

bool ReadTestMode(const std::filesystem::path &marker) {
    const auto text = ReadWholeFile(marker);
    return text && IsTestModeMarker(*text);
}

bool IsParameterFileName(std::string_view path) {
    if (path.size() < 4)
        return false;
    std::string_view tail = path.substr(path.size() - 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != ".ign"[i])
            return false;
    }
    return true;
}

} // namespace zarvex1
