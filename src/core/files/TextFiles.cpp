#include "core/files/TextFiles.h"

namespace zarvex1 {

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
