#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

// Colours in the platform's 0x00BBGGRR order.
constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
           (static_cast<std::uint32_t>(b & 0xFF) << 16);
}
inline constexpr std::uint32_t Black = Rgb(0, 0, 0);
inline constexpr std::uint32_t White = Rgb(255, 255, 255);
inline constexpr std::uint32_t Grey = Rgb(128, 128, 128);

// The bitmaps of the editor, loaded by name from the program's resources.
enum class BitmapId {
    None,
    ClipboardCopy,       // CLBRD_COPY
    ClipboardCopyOff,    // CLBRD_COPY0
    ClipboardCopySheet,  // CLBRD_COPYSHEET
    ClipboardPaste,      // CLBRD_PAST
    ClipboardPasteOff,   // CLBRD_PAST0
    ClipboardPasteSheet, // CLBRD_PASTSHEET
    ViewTable,           // BTTAB
    View2D,              // BT2D
    View3D,              // BT3D
    SwitchToGraph,       // BT_G
    SwitchToTable,       // BT_T
};
const char *BitmapName(BitmapId id);

struct ScenePoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScenePoint &) const = default;
};

// One drawing step on the editor's 32-bit off-screen bitmap. Boxes are (x, y, w, h) and cover
// x ... x + w - 1; a line from A to B covers A but not B.
struct FillOp {
    int x = 0, y = 0, w = 0, h = 0;
    std::uint32_t colour = 0;
};
struct LineOp {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t colour = 0;
    int width = 1;
};
struct PolygonOp {
    std::vector<ScenePoint> points;
    std::uint32_t fill = 0;
    std::uint32_t outline = 0;
};
// An unfilled ellipse inside left, top, right, bottom (right and bottom exclusive).
struct EllipseOp {
    int left = 0, top = 0, right = 0, bottom = 0;
    std::uint32_t colour = 0;
    int width = 1;
};
// A filled ellipse inside left, top, right, bottom (right and bottom exclusive) with its outline.
struct DiscOp {
    int left = 0, top = 0, right = 0, bottom = 0;
    std::uint32_t fill = 0;
    std::uint32_t outline = 0;
};
// A rectangle inside left, top, right, bottom (right and bottom exclusive) with corners rounded by an
// ellipse corner pixels wide and high: filled and outlined, or its outline alone.
struct RoundRectOp {
    int left = 0, top = 0, right = 0, bottom = 0;
    int corner = 0;
    std::uint32_t fill = 0;
    std::uint32_t outline = 0;
    bool filled = true;
};
// A triangle filled together with its edges in one colour, written straight into the bitmap's scan
// lines (the 3D graph's surface is thousands of them).
struct TriangleOp {
    ScenePoint a, b, c;
    std::uint32_t colour = 0;
};
// A text on a transparent background, its top-left at (x, y); angle 90 runs upwards from there.
struct TextOp {
    int x = 0, y = 0;
    std::string text;
    EditorFont font;
    std::uint32_t colour = 0;
    int angle = 0;
};
// Every other pixel of the box in the colour, written straight into the bitmap's scan lines.
struct TintOp {
    int x = 0, y = 0, w = 0, h = 0;
    std::uint32_t colour = 0;
};
// The shared 8 x 8 pattern: colour 1 with every pixel whose row + column is odd in colour 2.
struct PatternOp {
    int x = 0, y = 0, w = 0, h = 0;
    std::uint32_t colour1 = 0;
    std::uint32_t colour2 = 0;
};
struct BitmapOp {
    int x = 0, y = 0;
    BitmapId bitmap = BitmapId::None;
};

using DrawOp = std::variant<FillOp, LineOp, PolygonOp, EllipseOp, DiscOp, RoundRectOp, TriangleOp, TextOp,
                            TintOp, PatternOp, BitmapOp>;

// A list of drawing steps, in order; the widget's painter carries them out.
class Scene {
public:
    void Fill(int x, int y, int w, int h, std::uint32_t colour) {
        ops_.emplace_back(std::in_place_type<FillOp>, FillOp{x, y, w, h, colour});
    }
    void Line(int x1, int y1, int x2, int y2, std::uint32_t colour, int width = 1) {
        ops_.emplace_back(std::in_place_type<LineOp>, LineOp{x1, y1, x2, y2, colour, width});
    }
    void Polygon(std::vector<ScenePoint> points, std::uint32_t fill, std::uint32_t outline) {
        ops_.emplace_back(std::in_place_type<PolygonOp>, PolygonOp{std::move(points), fill, outline});
    }
    void Ellipse(int left, int top, int right, int bottom, std::uint32_t colour, int width) {
        ops_.emplace_back(std::in_place_type<EllipseOp>, EllipseOp{left, top, right, bottom, colour, width});
    }
    void Disc(int left, int top, int right, int bottom, std::uint32_t fill, std::uint32_t outline) {
        ops_.emplace_back(std::in_place_type<DiscOp>, DiscOp{left, top, right, bottom, fill, outline});
    }
    void RoundRect(int left, int top, int right, int bottom, int corner, std::uint32_t fill,
                   std::uint32_t outline, bool filled = true) {
        ops_.emplace_back(std::in_place_type<RoundRectOp>,
                          RoundRectOp{left, top, right, bottom, corner, fill, outline, filled});
    }
    void Triangle(ScenePoint a, ScenePoint b, ScenePoint c, std::uint32_t colour) {
        ops_.emplace_back(std::in_place_type<TriangleOp>, TriangleOp{a, b, c, colour});
    }
    void Text(int x, int y, std::string text, const EditorFont &font, std::uint32_t colour, int angle = 0) {
        ops_.emplace_back(std::in_place_type<TextOp>, TextOp{x, y, std::move(text), font, colour, angle});
    }
    void Tint(int x, int y, int w, int h, std::uint32_t colour) {
        ops_.emplace_back(std::in_place_type<TintOp>, TintOp{x, y, w, h, colour});
    }
    void Pattern(int x, int y, int w, int h, std::uint32_t colour1, std::uint32_t colour2) {
        ops_.emplace_back(std::in_place_type<PatternOp>, PatternOp{x, y, w, h, colour1, colour2});
    }
    void Bitmap(int x, int y, BitmapId bitmap) {
        ops_.emplace_back(std::in_place_type<BitmapOp>, BitmapOp{x, y, bitmap});
    }

    const std::vector<DrawOp> &Ops() const { return ops_; }
    void Clear() { ops_.clear(); }
    std::size_t Size() const { return ops_.size(); }

private:
    std::vector<DrawOp> ops_;
};

} // namespace zarvex1
