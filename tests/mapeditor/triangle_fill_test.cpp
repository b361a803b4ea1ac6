#include <gtest/gtest.h>

#include <vector>

#include "core/mapeditor/views/TriangleFill.h"

namespace zarvex1 {
namespace {

struct Bitmap {
    int width = 12, height = 10;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(12 * 10, 0);
    PixelBuffer buffer() {
        return PixelBuffer{reinterpret_cast<std::uint8_t *>(pixels.data()), width, height, width * 4, 32};
    }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int count(std::uint32_t value) const {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), value));
    }
};

TEST(TriangleFill, neighboursShareTheirEdgeWithoutAGap) {
    Bitmap b;
    PixelBuffer buffer = b.buffer();
    FillTriangle(buffer, {1, 1}, {9, 1}, {1, 7}, Rgb(255, 0, 0));
    FillTriangle(buffer, {9, 1}, {9, 7}, {1, 7}, Rgb(255, 0, 0));
    EXPECT_EQ(0xFFFF0000u, b.at(1, 1));     // red in the bitmap's word, with its fourth byte set
    EXPECT_EQ(9 * 7, b.count(0xFFFF0000u)); // the whole box, corners included, nothing beyond
    EXPECT_EQ(0u, b.at(10, 4));
    EXPECT_EQ(0u, b.at(4, 8));
}

TEST(TriangleFill, clippedToTheBitmapAndThinOnesStayVisible) {
    Bitmap b;
    PixelBuffer buffer = b.buffer();
    FillTriangle(buffer, {-20, -5}, {30, 4}, {-20, 40}, Rgb(0, 0, 255));
    EXPECT_EQ(0xFF0000FFu, b.at(0, 0));
    EXPECT_EQ(0xFF0000FFu, b.at(0, 9));
    Bitmap line;
    PixelBuffer lineBuffer = line.buffer();
    FillTriangle(lineBuffer, {1, 2}, {5, 2}, {9, 2}, Rgb(0, 255, 0)); // all three on one row
    EXPECT_EQ(9, line.count(0xFF00FF00u));
    PixelBuffer other = lineBuffer;
    other.bitsPerPixel = 24;
    FillTriangle(other, {0, 0}, {9, 0}, {0, 9}, Rgb(0, 0, 255));
    EXPECT_EQ(0, line.count(0xFF0000FFu));
}

} // namespace
} // namespace zarvex1
