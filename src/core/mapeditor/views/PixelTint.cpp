#include "core/mapeditor/views/PixelTint.h"

#include <cstddef>

namespace zarvex1 {

void TintEveryOtherPixel(PixelBuffer &bitmap, int x, int y, int w, int h, std::uint32_t colour) {
    if (bitmap.bits == nullptr || bitmap.bitsPerPixel != 32)
        return;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    if (x >= bitmap.width || y >= bitmap.height)
        return;
    if (w > bitmap.width - x)
        w = bitmap.width - x;
    if (h > bitmap.height - y)
        h = bitmap.height - y;

    // The colour holds red in its low byte; the bitmap stores blue, green, red in memory order.
    const auto red = static_cast<std::uint8_t>(colour & 0xFFu);
    const auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFFu);
    const auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFFu);
    for (int row = y; row < y + h; ++row) {
        std::uint8_t *line = bitmap.bits + static_cast<std::ptrdiff_t>(row) * bitmap.bytesPerLine;
        for (int column = x + row % 2; column < x + w; column += 2) {
            std::uint8_t *pixel = line + static_cast<std::ptrdiff_t>(column) * 4;
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red; // the fourth byte is left as the bitmap holds it
        }
    }
}

} // namespace zarvex1
