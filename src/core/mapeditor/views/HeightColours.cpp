#include "core/mapeditor/views/HeightColours.h"

#include <cmath>

namespace zarvex1 {
namespace {

struct Stop {
    int index;
    int red, green, blue;
};

constexpr Stop Stops[] = {
    {0, 0, 0, 85},     {15, 0, 0, 255}, {25, 0, 255, 0},   {32, 255, 255, 0},
    {40, 204, 204, 0}, {52, 255, 0, 0}, {61, 255, 0, 255},
};

std::uint32_t Rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
}

int Between(int from, int to, double fraction) {
    return static_cast<int>(from + (to - from) * fraction);
}

} // namespace

std::array<std::uint32_t, HeightColourCount> BuildHeightColours() {
    std::array<std::uint32_t, HeightColourCount> colours{};
    constexpr int stopCount = sizeof Stops / sizeof Stops[0];
    for (int s = 0; s + 1 < stopCount; ++s) {
        const Stop &a = Stops[s];
        const Stop &b = Stops[s + 1];
        for (int j = a.index; j < b.index; ++j) {
            const double fraction = static_cast<double>(j - a.index) / (b.index - a.index);
            colours[j] = Rgb(Between(a.red, b.red, fraction), Between(a.green, b.green, fraction),
                             Between(a.blue, b.blue, fraction));
        }
    }
    const Stop &last = Stops[stopCount - 1];
    for (int j = last.index; j < HeightColourCount; ++j)
        colours[j] = Rgb(last.red, last.green, last.blue);
    return colours;
}

int HeightColourIndex(double height) {
    if (!(height > 0.0)) // also catches NaN from an empty colour range
        return 0;
    if (height > HeightColourTop)
        return HeightColourTop;
    return static_cast<int>(std::floor(height + 0.5));
}

} // namespace zarvex1
