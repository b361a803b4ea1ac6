#include "files/SettingsFolder.h"

#include "files/TextFiles.h"
#include "files/WordScanner.h"

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
