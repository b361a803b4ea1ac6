#include "core/files/ParameterFile.h"
#include "core/files/ParameterFileLayout.h"
#include "core/files/TextFiles.h"

#include <charconv>

namespace zarvex1 {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view ContinuationIndent = "               "; // 15 spaces

// Key words take 15 columns, or 6 more for every 6 characters they overrun, always ending in 2 spaces.
void AppendKeyWord(std::string &out, std::string_view keyWord) {
    std::size_t width = 15;
    while (width < keyWord.size() + 2)
        width += 6;
    out += keyWord;
    out.append(width - keyWord.size(), ' ');
}

// Right-aligned in 5 columns and a space; a wider number takes more room.
void AppendValue(std::string &out, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < 5)
        out.append(5 - length, ' ');
    out.append(digits, length);
    out += ' ';
}

int WrittenValue(const ParameterImage &image, const FileField &f) {
    switch (f.kind) {
    case FieldKind::Word:
        return f.scale * (image.word(f.address) + f.offset);
    case FieldKind::LoadThreshold:
        return (image.byte(Adrb::LoadSensor) == 2 ? 5 : 1) * image.byte(f.address);
    case FieldKind::GridBit:
        return (image.byte(f.address) >> f.bit) & 1;
    case FieldKind::Byte:
    case FieldKind::LimiterDelay:
    case FieldKind::ServoHysteresis:
        break;
    }
    return f.scale * (image.byte(f.address) + f.offset);
}

} // namespace

std::string WriteParameterFile(const ParameterImage &image) {
    std::string out;
    out += LineBreak;
    AppendKeyWord(out, FileKeyWord);
    AppendValue(out, ParameterFileVersion);
    out += LineBreak;
    out += ContinuationIndent;
    for (const KeyWordLayout &k : ParameterFileLayout()) {
        if (!k.written)
            continue;
        out += LineBreak;
        AppendKeyWord(out, k.keyWord);
        for (std::size_t line = 0; line < k.lines.size(); ++line) {
            if (line > 0) {
                out += LineBreak;
                out += ContinuationIndent;
            }
            for (const FileField &f : k.lines[line])
                AppendValue(out, WrittenValue(image, f));
        }
    }
    return out;
}

FileResult WriteParameterFile(const ParameterImage &image, const std::filesystem::path &path) {
    return WriteWholeFile(path, WriteParameterFile(image));
}

} // namespace zarvex1
