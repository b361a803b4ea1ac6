#include "core/mapeditor/views/DrawPrimitives.h"

#include <algorithm>

namespace zarvex1 {

void DrawBevelBox(Scene &scene, int x, int y, int w, int h, bool pressed, std::uint32_t fill,
                  std::uint32_t dark, std::uint32_t light) {
    scene.Fill(x, y, w, h, fill);
    const std::uint32_t topLeft = pressed ? dark : light;
    const std::uint32_t bottomRight = pressed ? light : dark;
    scene.Line(x, y, x + w - 1, y, topLeft);
    scene.Line(x, y, x, y + h - 1, topLeft);
    scene.Line(x, y + h, x + w, y + h, bottomRight);
    scene.Line(x + w, y, x + w, y + h, bottomRight);
}

void DrawBevelBox2(Scene &scene, int x, int y, int w, int h, bool pressed, std::uint32_t fill,
                   std::uint32_t dark, std::uint32_t light) {
    scene.Fill(x, y, w, h, fill);
    const std::uint32_t topLeft = pressed ? dark : light;
    const std::uint32_t bottomRight = pressed ? light : dark;
    scene.Line(x, y, x + w, y, topLeft);
    scene.Line(x, y, x, y + h, topLeft);
    scene.Line(x, y + h, x + w, y + h, bottomRight);
    scene.Line(x + w, y, x + w, y + h, bottomRight);
    if (pressed) {
        scene.Line(x + 1, y + 1, x + w - 1, y + 1, dark);
        scene.Line(x + 1, y + 1, x + 1, y + h - 1, dark);
    } else {
        scene.Line(x + 1, y + h - 1, x + w - 1, y + h - 1, dark);
        scene.Line(x + w - 1, y + 1, x + w - 1, y + h - 1, dark);
    }
}

void FillBox(Scene &scene, int x, int y, int w, int h, std::uint32_t colour) {
    scene.Fill(x, y, w, h, colour);
}

void DrawCornerTriangles(Scene &scene, int x, int y, int w, int h, int corners, std::uint32_t colour) {
    if (corners == 0)
        return;
    const int e = std::min(w, h);
    const int r = x + w - 1, b = y + h - 1;
    if ((corners & 1) != 0)
        scene.Polygon({{x, y}, {x, y + e}, {x + e, y}}, colour, colour);
    if ((corners & 2) != 0)
        scene.Polygon({{r, y}, {r, y + e}, {r - e, y}}, colour, colour);
    if ((corners & 4) != 0)
        scene.Polygon({{x, b}, {x, b - e}, {x + e, b}}, colour, colour);
    if ((corners & 8) != 0)
        scene.Polygon({{r, b}, {r, b - e}, {r - e, b}}, colour, colour);
}

void DrawRing(Scene &scene, int x, int y, int w, int h, std::uint32_t colour) {
    // Each channel halved on its own.
    const std::uint32_t shadow = (colour >> 1) & 0x007F7F7F;
    scene.Ellipse(x + 4, y + 3, x + w, y + h - 1, shadow, 3);
    scene.Ellipse(x + 2, y + 2, x + w - 2, y + h - 2, colour, 3);
}

const char *BitmapName(BitmapId id) {
    switch (id) {
    case BitmapId::ClipboardCopy:
        return "CLBRD_COPY";
    case BitmapId::ClipboardCopyOff:
        return "CLBRD_COPY0";
    case BitmapId::ClipboardCopySheet:
        return "CLBRD_COPYSHEET";
    case BitmapId::ClipboardPaste:
        return "CLBRD_PAST";
    case BitmapId::ClipboardPasteOff:
        return "CLBRD_PAST0";
    case BitmapId::ClipboardPasteSheet:
        return "CLBRD_PASTSHEET";
    case BitmapId::ViewTable:
        return "BTTAB";
    case BitmapId::View2D:
        return "BT2D";
    case BitmapId::View3D:
        return "BT3D";
    case BitmapId::SwitchToGraph:
        return "BT_G";
    case BitmapId::SwitchToTable:
        return "BT_T";
    case BitmapId::None:
        break;
    }
    return "";
}

} // namespace zarvex1
