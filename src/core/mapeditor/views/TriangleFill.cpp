#include "core/mapeditor/views/TriangleFill.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace zarvex1 {
namespace {

// One edge from its upper to its lower end, with the change of x per row.
struct Edge {
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0, slope = 0.0;

    Edge(ScenePoint p, ScenePoint q) {
        if (p.y > q.y)
            std::swap(p, q);
        x0 = p.x;
        y0 = p.y;
        x1 = q.x;
        y1 = q.y;
        slope = q.y != p.y ? (x1 - x0) / (y1 - y0) : 0.0;
    }

    // Widens lo … hi by the part of the edge inside the band from top to bottom.
    void Span(double top, double bottom, double &lo, double &hi) const {
        const double from = std::max(y0, top), to = std::min(y1, bottom);
        if (from > to)
            return;
        const double a = y1 != y0 ? x0 + (from - y0) * slope : x0;
        const double b = y1 != y0 ? x0 + (to - y0) * slope : x1;
        lo = std::min({lo, a, b});
        hi = std::max({hi, a, b});
    }
};

} // namespace

void FillTriangle(PixelBuffer &bitmap, ScenePoint a, ScenePoint b, ScenePoint c, std::uint32_t colour) {
    if (bitmap.bits == nullptr || bitmap.bitsPerPixel != 32)
        return;
    const int top = std::max(std::min({a.y, b.y, c.y}), 0);
    const int bottom = std::min(std::max({a.y, b.y, c.y}), bitmap.height - 1);
    if (top > bottom || std::max({a.x, b.x, c.x}) < 0 || std::min({a.x, b.x, c.x}) >= bitmap.width)
        return;
    // The colour holds red in its low byte; the bitmap's word is 0xFFRRGGBB.
    const std::uint32_t pixel =
        0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    const Edge edges[3] = {Edge(a, b), Edge(b, c), Edge(c, a)};
    for (int y = top; y <= bottom; ++y) {
        // Every part of the triangle within half a pixel of this row counts.
        double lo = 1e300, hi = -1e300;
        for (const Edge &edge : edges)
            edge.Span(y - 0.5, y + 0.5, lo, hi);
        if (lo > hi)
            continue;
        const int left = std::max(static_cast<int>(std::ceil(lo - 0.5)), 0);
        const int right = std::min(static_cast<int>(std::floor(hi + 0.5)), bitmap.width - 1);
        if (left > right)
            continue;
        auto *line = reinterpret_cast<std::uint32_t *>(bitmap.bits +
                                                       static_cast<std::ptrdiff_t>(y) * bitmap.bytesPerLine);
        std::fill(line + left, line + right + 1, pixel);
    }
}

} // namespace zarvex1
