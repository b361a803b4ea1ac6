#include "core/files/DefaultIni.h"

#include "core/files/TextFiles.h"
#include "core/files/WordScanner.h"

#include <cstdio>

namespace zarvex1 {

std::string FormatDefaultIni(const ParameterImage &image) {
    std::string out;
    out.reserve(ParameterImage::Size * 6 + 200);
    for (int i = 0; i < ParameterImage::Size; ++i) {
        char value[8];
        std::snprintf(value, sizeof value, "%5u ", static_cast<unsigned>(image.byte(i)));
        out += value;
        if (i % 10 == 9)
            out += "\r\n";
        if (i % 100 == 99)
            out += "\r\n";
    }
    return out;
}

int ParseDefaultIni(std::string_view text, ParameterImage &image) {
    WordScanner in(text);
    int count = 0;
    while (count < ParameterImage::Size) {
        const auto value = in.NextDecimal();
        if (!value)
            break;
        image.setByte(count++, static_cast<unsigned>(static_cast<std::uint64_t>(*value) & 0xFF));
    }
    return count;
}

FileResult WriteDefaultIni(const std::filesystem::path &file, const ParameterImage &image) {
    return WriteWholeFile(file, FormatDefaultIni(image));
}

bool ReadDefaultIni(const std::filesystem::path &file, ParameterImage &image) {
    const auto text = ReadWholeFile(file);
    if (!text)
        return false;
    ParseDefaultIni(*text, image);
    return true;
}

} // namespace zarvex1
