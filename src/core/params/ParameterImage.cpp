#include "core/params/ParameterImage.h"

namespace zarvex1 {

std::string ImageHash(const ParameterImage &image) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const std::uint8_t byte : image.bytes())
        hash = (hash ^ byte) * 16777619u;
    static constexpr char Hex[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, hash >>= 4)
        text[i] = Hex[hash & 0xF];
    return text;
}

} // namespace zarvex1
