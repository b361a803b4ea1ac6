#include "core/params/MapLookup.h"

#include <algorithm>

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

int FirstByte(UnitMap map) {
    switch (map) {
    case UnitMap::Advance1:
        return Adrb::Advance1;
    case UnitMap::Advance2:
        return Adrb::Advance2;
    case UnitMap::Servo:
        break;
    }
    return Adrb::Servo;
}

int RpmAxisWord(UnitMap map) {
    switch (map) {
    case UnitMap::Advance1:
        return Adrw::AdvanceRpm1;
    case UnitMap::Advance2:
        return Adrw::AdvanceRpm2;
    case UnitMap::Servo:
        break;
    }
    return Adrw::ServoRpm;
}

int Interpolate(const ParameterImage &image, int mapFirstByte, int rpmAxisFirstWord, int rpm, int load) {
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

} // namespace

MapAxes UnitMapAxes(const ParameterImage &image, UnitMap map) {
    MapAxes axes;
    for (int i = 0; i < 15; ++i)
        axes.rpm.push_back(image.word(RpmAxisWord(map) + i));
    const int sensor = image.byte(Adrb::LoadSensor);
    if (image.byte(Adrb::MapsUseLoad) != 0 && sensor == 1)
        axes.load.assign(ThrottlePoints.begin(), ThrottlePoints.end());
    else if (image.byte(Adrb::MapsUseLoad) != 0 && sensor == 2)
        for (int i = 0; i < 10; ++i)
            axes.load.push_back(image.word(Adrw::IapAxis + i));
    else
        axes.load = {0};
    return axes;
}

int UnitMapCell(const ParameterImage &image, UnitMap map, int row, int column) {
    return image.byte(FirstByte(map) + 15 * std::clamp(row, 0, 9) + std::clamp(column, 0, 14));
}

int MapValueAt(const ParameterImage &image, UnitMap map, int rpm, int load) {
    return Interpolate(image, FirstByte(map), RpmAxisWord(map), rpm, load);
}

bool UsesMap2(const ParameterImage &image, const OperatingPoint &point) {
    const int threshold = 100 * image.byte(Adrb::Map2Acceleration);
    return point.running && threshold > 0 && point.acceleration > threshold;
}

int UnitAdvance(const ParameterImage &image, int channel, const OperatingPoint &point) {
    if (!point.running || (channel != 0 && image.byte(Adrb::OutputCount) < 2))
        return 0;
    const UnitMap map = UsesMap2(image, point) ? UnitMap::Advance2 : UnitMap::Advance1;
    const int advance = MapValueAt(image, map, point.rpm, point.load);
    return std::clamp(advance + image.byte(Adrb::CylinderCorrection + channel) - 100, 0, 99);
}

int UnitServoMv(const ParameterImage &image, const OperatingPoint &point) {
    if (image.byte(Adrb::ServoEnabled) == 0)
        return 0;
    return std::clamp(20 * MapValueAt(image, UnitMap::Servo, point.rpm, point.load), 0, 5000);
}

} // namespace zarvex1
