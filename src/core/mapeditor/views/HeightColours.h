#pragma once

#include <array>
#include <cstdint>

namespace zarvex1 {

inline constexpr int HeightColourCount = 63;
inline constexpr int HeightColourTop = 61; // heights run 0 … 61

// The 3D graph's height colours (0x00BBGGRR), dark blue at the bottom through blue, green, yellow
// and red to magenta at the top.
std::array<std::uint32_t, HeightColourCount> BuildHeightColours();

// Index of the colour of a height in 0 … 61: the height rounded to the nearest entry, clamped.
int HeightColourIndex(double height);

} // namespace zarvex1
