#include "core/texts/HandOver.h"

#include <charconv>

namespace zarvex1 {

namespace {

constexpr std::string_view LanguageField = "language=";
constexpr std::string_view FileField = "file=";

// A file's name as the message carries it, and back. On Windows the narrow form of a name is the ANSI
// code page, which holds few names and is not what comes back in: the name travels as UTF-8 there.
// Elsewhere a name is the system's own bytes, whatever they are.
std::string FileBytes(const std::filesystem::path &file) {
#ifdef _WIN32
    const std::u8string utf8 = file.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return file.string();
#endif
}

std::filesystem::path FileOfBytes(std::string_view bytes) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
#else
    return std::filesystem::path(std::string(bytes));
#endif
}

} // namespace

std::string EncodeHandOver(const HandOver &handOver) {
    std::string body;
    if (handOver.language)
        body += std::string(LanguageField) + std::to_string(*handOver.language) + '\0';
    if (!handOver.file.empty())
        body += std::string(FileField) + FileBytes(handOver.file) + '\0';
    std::string message(4, '\0');
    for (int i = 0; i < 4; ++i)
        message[static_cast<std::size_t>(i)] = static_cast<char>((body.size() >> (8 * i)) & 0xFF);
    return message + body;
}

HandOverFrame TakeHandOver(std::string_view received) {
    HandOverFrame frame;
    if (received.size() < 4)
        return frame;
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = length << 8 | static_cast<unsigned char>(received[static_cast<std::size_t>(i)]);
    if (length > HandOverMaxSize) {
        frame.status = HandOverFrame::Status::Bad;
        return frame;
    }
    if (received.size() < 4 + std::size_t{length})
        return frame;
    frame.size = 4 + std::size_t{length};
    std::string_view body = received.substr(4, length);
    frame.status = HandOverFrame::Status::Whole;
    while (!body.empty()) {
        const std::size_t end = body.find('\0');
        if (end == std::string_view::npos) {
            frame.status = HandOverFrame::Status::Bad;
            return frame;
        }
        const std::string_view field = body.substr(0, end);
        body.remove_prefix(end + 1);
        if (field.substr(0, LanguageField.size()) == LanguageField) {
            const std::string_view digits = field.substr(LanguageField.size());
            int language = -1;
            const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), language);
            if (error == std::errc() && ptr == digits.data() + digits.size() &&
                (language == 0 || language == 1 || language == 3))
                frame.handOver.language = language;
        } else if (field.substr(0, FileField.size()) == FileField && field.size() > FileField.size()) {
            frame.handOver.file = FileOfBytes(field.substr(FileField.size()));
        }
        // Other fields are passed over: a later program may send more.
    }
    return frame;
}

std::string InstanceSocketName(const std::filesystem::path &settingsFolder) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(settingsFolder, error);
    if (error)
        folder = settingsFolder;
    // FNV-1a of the folder's bytes: short, stable and the same for every spelling of the folder.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : folder.string()) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[i] = "0123456789abcdef"[hash & 15];
    hex[16] = '\0';
    return std::string("ZARVEX1-window-") + hex;
}

} // namespace zarvex1
