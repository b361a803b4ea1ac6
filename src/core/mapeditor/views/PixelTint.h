#pragma once

#include <cstdint>

namespace zarvex1 {

// A view on the pixels of an off-screen bitmap. Rows are bytesPerLine apart; a 32-bit pixel is
// stored blue, green, red and an ignored fourth byte (0xXXRRGGBB read as a little-endian word).
struct PixelBuffer {
    std::uint8_t *bits = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    int bitsPerPixel = 32;
};

// Writes colour (0x00BBGGRR) into every other pixel of the box (x, y, w, h), shifted by one on odd
// bitmap rows, so neighbouring boxes in the same columns form one continuous checkerboard. The box
// is clipped to the bitmap; bitmaps that are not 32 bits per pixel are left alone.
void TintEveryOtherPixel(PixelBuffer &bitmap, int x, int y, int w, int h, std::uint32_t colour);

} // namespace zarvex1
