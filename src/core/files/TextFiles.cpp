#include "files/TextFiles.h"

#include <fstream>
#include <system_error>

namespace zarvex1 {

std::optional<std::string> ReadWholeFile(const std::filesystem::path &path) {
    // A folder opens like a file on some systems but has nothing to read.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (text.size() + static_cast<std::size_t>(in.gcount()) > MaxTextFileSize)
            return std::nullopt;
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    return text;
}

bool WriteWholeFile(const std::filesystem::path &path, std::string_view text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path &path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string CutToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes 10xxxxxx belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == maxCharacters)
            return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

} // namespace zarvex1
