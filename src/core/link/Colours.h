#pragma once

#include <cstdint>

namespace zarvex1 {

// Colours of the link's labels and gauges in the platform's 0x00BBGGRR order.
namespace Colour {
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t Lime = 0x00FF00;
inline constexpr std::uint32_t Yellow = 0x00FFFF;
inline constexpr std::uint32_t Aqua = 0xFFFF00;
inline constexpr std::uint32_t Fuchsia = 0xFF00FF;
inline constexpr std::uint32_t Olive = 0x008080;
inline constexpr std::uint32_t Teal = 0x808000;
inline constexpr std::uint32_t White = 0xFFFFFF;
// The system's button-face colour; not an RGB value: the widgets map it to their palette.
inline constexpr std::uint32_t ButtonFace = 0xFF00000F;
} // namespace Colour

} // namespace zarvex1
