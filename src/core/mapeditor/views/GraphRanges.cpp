#include "core/mapeditor/views/GraphRanges.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zarvex1 {
namespace {

// Conversion toward zero that stays defined for values beyond the int range (and NaN).
int ToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int ToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A band without a usable step or an axis without a scale must not divide by zero.
double Usable(double value) {
    return value > 0.0 || value < 0.0 ? value : 1.0;
}

int Clamped(int index, int count) {
    return std::clamp(index, 0, std::max(0, count - 1));
}

struct Span {
    bool visited = false;
    int min = INT_MAX;
    int max = INT_MIN;

    void Include(int value) {
        visited = true;
        min = std::min(min, value);
        max = std::max(max, value);
    }
};

Span PointRange(const CAxe &axis) {
    Span span;
    for (int i = 0; i < axis.count; ++i)
        span.Include(axis.hasValues() ? axis.values[static_cast<std::size_t>(i)] : i);
    return span;
}

// The band for the shown width and, for an axis with values, the rounded ends. The fallback for an
// empty range adds one step: converted to raw units for an axis with values, one index otherwise.
void BandAndRound(CAxe &axis, Span &span) {
    if (!span.visited)
        return;
    const double s = Usable(axis.scale);
    axis.SelectBand(std::trunc((static_cast<double>(span.max) - span.min) * s));
    const double t = Usable(axis.currentBand.step1);
    if (axis.hasValues()) {
        const RawRange rounded = RoundRangeEnds(span.min, span.max, t, s);
        span.min = rounded.min;
        span.max = rounded.max;
    }
    if (span.max <= span.min)
        span.max = ToInt(std::trunc(span.min + (axis.hasValues() ? t / s : t)));
}

int RoundUpToStep(int raw, double s, double t, double spare) {
    return ToInt(std::floor(t * std::ceil((raw * s + spare * t) / t) / s + 0.5));
}

} // namespace

int GraphKindOf(const CSheet &sheet) {
    if (sheet.axisY.collapsed())
        return 1;
    if (sheet.axisX.collapsed())
        return 2;
    return 3;
}

RawRange RoundRangeEnds(int min, int max, double t, double s) {
    t = Usable(t);
    s = Usable(s);
    double lo = min * s - 0.2 * t;
    if (min * s >= 0 && lo < 0)
        lo = 0;
    double hi = max * s + 0.2 * t;
    if (max * s <= 0 && hi > 0)
        hi = 0;
    return {ToInt(std::floor(t * std::floor(lo / t) / s + 0.5)),
            ToInt(std::floor(t * std::ceil(hi / t) / s + 0.5))};
}

GraphRanges ComputeGraphRanges(CSheet &sheet, int graphKind, bool graph2DShown, const GraphMarkers &markers) {
    GraphRanges g;
    g.graphKind = graphKind;
    const bool swapped = (sheet.flags & SwapGraphAxes) != 0;
    g.xAxis = swapped ? &sheet.axisY : &sheet.axisX;
    g.yAxis = swapped ? &sheet.axisX : &sheet.axisY;
    g.valueAxis = &sheet.axisData;
    CAxe &xAxis = *g.xAxis;
    CAxe &yAxis = *g.yAxis;
    CAxe &valueAxis = *g.valueAxis;

    // 1. Point axes, then every value in use with the rises between neighbouring curves.
    Span x = PointRange(xAxis);
    Span y = PointRange(yAxis);

    const CAxe &sheetX = sheet.axisX;
    const CAxe &sheetY = sheet.axisY;
    const int j0 = sheetX.collapsed() ? Clamped(sheetX.collapsedIndex, sheetX.count) : 0;
    const int j1 = sheetX.collapsed() ? j0 : sheetX.count - 1;
    const int k0 = sheetY.collapsed() ? Clamped(sheetY.collapsedIndex, sheetY.count) : 0;
    const int k1 = sheetY.collapsed() ? k0 : sheetY.count - 1;
    Span value;
    long long riseBetweenColumns = 0;
    long long riseBetweenRows = 0;
    int firstColumnMax = INT_MIN;
    int firstRowMax = INT_MIN;
    for (int k = k0; k <= k1; ++k) {
        for (int j = j0; j <= j1; ++j) {
            const int v = sheet.Cell(j, k);
            value.Include(v);
            if (j > j0)
                riseBetweenColumns =
                    std::max(riseBetweenColumns, static_cast<long long>(v) - sheet.Cell(j - 1, k));
            if (k > k0)
                riseBetweenRows = std::max(riseBetweenRows, static_cast<long long>(v) - sheet.Cell(j, k - 1));
            if (j == j0)
                firstColumnMax = std::max(firstColumnMax, v);
            if (k == k0)
                firstRowMax = std::max(firstRowMax, v);
        }
    }
    if (!value.visited)
        value.Include(0);
    long long curveOffset = swapped ? riseBetweenColumns : riseBetweenRows;
    int firstCurveMax = swapped ? firstColumnMax : firstRowMax;
    if (firstCurveMax == INT_MIN)
        firstCurveMax = value.max;

    // 2. Markers the sheet shows widen the ranges of an engine-speed axis and of the values.
    const bool rpmX = xAxis.label == "RPM";
    const bool rpmY = yAxis.label == "RPM";
    if (sheet.flags & BaseMarkerInRange) {
        if (rpmX && x.visited) {
            x.min = std::min(x.min, 0);
            value.Include(markers.baseMarker);
            firstCurveMax = std::max(firstCurveMax, markers.baseMarker);
        }
        if (rpmY && y.visited) {
            y.min = std::min(y.min, 0);
            value.Include(markers.baseMarker);
        }
    }
    for (const auto &[flag, marker] : {std::pair{LimiterMarkerInRange, markers.limiterMarker},
                                       std::pair{SecondMarkerInRange, markers.secondMarker}}) {
        if (!(sheet.flags & flag))
            continue;
        if (rpmX && x.visited)
            x.Include(marker);
        if (rpmY && y.visited)
            y.Include(marker);
    }

    // 3., 4. Bands and rounded ends of the point axes.
    BandAndRound(xAxis, x);
    BandAndRound(yAxis, y);

    // 5. The 2D graph identifies its curves by index.
    if (graphKind == 3 && graph2DShown) {
        y.visited = true;
        y.min = 0;
        y.max = yAxis.count - 1;
    }

    // 6. - 11. The value axis: band for the stacked height, rounded ends, stacking step.
    const auto stackedTop = [&] {
        if (graphKind != 3)
            return static_cast<long long>(value.max);
        return (static_cast<long long>(yAxis.count) - 1) * curveOffset + firstCurveMax;
    };
    const double s = Usable(valueAxis.scale);
    valueAxis.SelectBand(std::trunc(s * (static_cast<double>(stackedTop()) - value.min)));
    const double t = Usable(valueAxis.currentBand.step1);
    const RawRange rounded = RoundRangeEnds(value.min, value.max, t, s);
    value.min = rounded.min;
    value.max = rounded.max;
    if (value.max < value.min + t / s)
        value.max = ToInt(std::trunc(value.min + t / s));

    curveOffset = RoundUpToStep(ToInt(curveOffset), s, t, 0.5);
    firstCurveMax = RoundUpToStep(firstCurveMax, s, t, 0.2);
    if (value.min + t / s > firstCurveMax)
        firstCurveMax = ToInt(std::trunc(value.min + t / s));
    firstCurveMax = std::min(firstCurveMax, value.max);
    g.curveOffset = ToInt(curveOffset);
    g.firstCurveMax = firstCurveMax;
    g.stackedMax = ToInt(stackedTop());

    // 12. An axis without points spans its indices.
    for (auto [axis, span] : {std::pair{&xAxis, &x}, std::pair{&yAxis, &y}}) {
        if (!span->visited) {
            span->min = 0;
            span->max = axis->count - 1;
        }
        axis->displayMin = span->min;
        axis->displayMax = span->max;
    }
    valueAxis.displayMin = value.min;
    valueAxis.displayMax = value.max;

    // 13. The horizontal axis of the 2D graph is always the one that is not collapsed.
    g.horizontalAxis = g.xAxis;
    g.curveAxis = g.yAxis;
    if ((graphKind == 1 && xAxis.collapsed()) || (graphKind == 2 && !yAxis.collapsed()))
        std::swap(g.horizontalAxis, g.curveAxis);
    g.curveCount = graphKind == 3 ? yAxis.count : 1;
    return g;
}

} // namespace zarvex1
