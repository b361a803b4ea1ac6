#include "core/mapeditor/Operations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarvex1 {

namespace {

// Rounded half away from zero; 0 stays 0.
int RoundAway(double m) {
    return RawFromPhysical(m, 1.0);
}

int Clamped(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Fraction of c between a and b, 0.5 when they coincide.
double Fraction(double c, double a, double b) {
    return a == b ? 0.5 : (c - a) / (b - a);
}

} // namespace

int Half(long long a, long long b) {
    return Clamped((a + b) / 2);
}

void BlockFill(CSheet &s, int x0, int x1, int y0, int y1) {
    BlockFill(s, s.axisData.values, x0, x1, y0, y1);
}

void BlockFill(const CSheet &s, std::vector<int> &cells, int x0, int x1, int y0, int y1) {
    auto xAt = [&](int i) { return s.axisX.hasValues() ? s.axisX.values[static_cast<std::size_t>(i)] : i; };
    auto yAt = [&](int j) { return s.axisY.hasValues() ? s.axisY.values[static_cast<std::size_t>(j)] : j; };
    auto cell = [&cells](int x, int y) -> int & { return cells[static_cast<std::size_t>(y * MaxX + x)]; };
    const double a = cell(x0, y0), b = cell(x1, y0), c = cell(x0, y1), d = cell(x1, y1);
    for (int y = y0; y <= y1; ++y) {
        const double h = Fraction(yAt(y), yAt(y0), yAt(y1));
        for (int x = x0; x <= x1; ++x) {
            const double g = Fraction(xAt(x), xAt(x0), xAt(x1));
            const double m = g * (h * d + (1 - h) * b) + (1 - g) * (h * c + (1 - h) * a);
            cell(x, y) = RoundAway(m);
        }
    }
}

void FillLine(std::vector<int> &values, int i0, int i1) {
    const double a = values[static_cast<std::size_t>(i0)], b = values[static_cast<std::size_t>(i1)];
    for (int i = i0; i <= i1; ++i) {
        const double g = Fraction(i, i0, i1);
        values[static_cast<std::size_t>(i)] = RoundAway(g * b + (1 - g) * a);
    }
}

} // namespace zarvex1
