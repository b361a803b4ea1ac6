#pragma once

#include <cstdint>

#include "core/mapeditor/model/Scene.h"

namespace zarvex1 {

// The drawing primitives of the views, as steps of a scene.

// Filled box with a 1-pixel bevel: light at top and left when raised, dark when pressed. The bottom
// and right edges lie one pixel outside the filled area.
void DrawBevelBox(Scene &scene, int x, int y, int w, int h, bool pressed, std::uint32_t fill,
                  std::uint32_t dark, std::uint32_t light);
// The same box with a 2-pixel bevel on the dark side (the toolbar buttons).
void DrawBevelBox2(Scene &scene, int x, int y, int w, int h, bool pressed, std::uint32_t fill,
                   std::uint32_t dark, std::uint32_t light);
void FillBox(Scene &scene, int x, int y, int w, int h, std::uint32_t colour);
// Filled triangles in the corners named by the bits (1 top-left, 2 top-right, 4 bottom-left,
// 8 bottom-right), their legs as long as the shorter side of the box.
void DrawCornerTriangles(Scene &scene, int x, int y, int w, int h, int corners, std::uint32_t colour);
// A ring inscribed in the box over a shadow in the colour's halved channels.
void DrawRing(Scene &scene, int x, int y, int w, int h, std::uint32_t colour);

} // namespace zarvex1
