#pragma once

#include <cstdint>

#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/views/PixelTint.h"

namespace zarvex1 {

// Fills a triangle together with its edges in colour (0x00BBGGRR), written straight into the scan
// lines of a 32-bit bitmap. A pixel is taken when the triangle touches its square (the pixel centred
// on its coordinates), so triangles that share an edge leave no gap between them, and a triangle
// whose corners lie on one line still shows as that line. Clipped to the bitmap; bitmaps that are
// not 32 bits per pixel are left alone.
void FillTriangle(PixelBuffer &bitmap, ScenePoint a, ScenePoint b, ScenePoint c, std::uint32_t colour);

} // namespace zarvex1
