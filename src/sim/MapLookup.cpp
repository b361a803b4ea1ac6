#include "MapLookup.h"

#include <algorithm>
#include <array>

namespace zarvex1 {

namespace {

// Where x falls on a rising axis: the lower point and the share (0..1000) towards the next one.
struct AxisPosition {
    int index = 0;
    int permille = 0;
};

template <typename Axis> AxisPosition Locate(const Axis &axis, int count, int x) {
    if (x <= axis(0))
        return {0, 0};
    for (int i = 0; i + 1 < count; ++i) {
        const int a = axis(i), b = axis(i + 1);
        if (x < b)
            return {i, b > a ? (x - a) * 1000 / (b - a) : 0};
    }
    return {count - 1, 0};
}

constexpr std::array<int, 10> ThrottlePoints = {0, 20, 50, 100, 200, 300, 400, 600, 800, 1000}; // 0.1 %

} // namespace

int MapValueAt(const ParameterImage &image, int mapFirstByte, int rpmAxisFirstWord, int rpm, int load) {
    const AxisPosition x = Locate([&](int i) { return int(image.word(rpmAxisFirstWord + i)); }, 15, rpm);
    AxisPosition y;
    const int sensor = image.byte(Adrb::LoadSensor);
    if (image.byte(Adrb::MapsUseLoad) != 0 && sensor == 1)
        y = Locate([](int i) { return ThrottlePoints[i]; }, 10, load);
    else if (image.byte(Adrb::MapsUseLoad) != 0 && sensor == 2)
        y = Locate([&](int i) { return int(image.word(Adrw::IapAxis + i)); }, 10, load);

    auto cell = [&](int row, int col) {
        return int(image.byte(mapFirstByte + 15 * std::min(row, 9) + std::min(col, 14)));
    };
    const int top = cell(y.index, x.index) * (1000 - x.permille) + cell(y.index, x.index + 1) * x.permille;
    const int bottom =
        cell(y.index + 1, x.index) * (1000 - x.permille) + cell(y.index + 1, x.index + 1) * x.permille;
    const long long mixed =
        static_cast<long long>(top) * (1000 - y.permille) + static_cast<long long>(bottom) * y.permille;
    return static_cast<int>((mixed + 500000) / 1000000);
}

} // namespace zarvex1
