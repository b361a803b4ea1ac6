#include "core/mapeditor/views/Graph3DLegend.h"

#include <cmath>

#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {

int LegendY(double value, const ColourRange &range, int yBottom, int yTop) {
    if (range.hi == range.lo)
        return yBottom;
    const double span = static_cast<double>(range.hi) - range.lo;
    return static_cast<int>(yBottom - std::floor((value - range.lo) * (yBottom - yTop) / span + 0.5));
}

std::vector<LegendTick> LegendScale(CAxe &valueAxis, const ColourRange &range, int stackedMax, int yBottom,
                                    int yTop) {
    const double scale = valueAxis.scale != 0.0 ? valueAxis.scale : 1.0;
    const double span = static_cast<double>(range.hi) - range.lo;
    valueAxis.SelectBand(std::trunc(span * scale));
    double step = valueAxis.currentBand.step4 / scale;
    valueAxis.SelectBand(std::trunc(scale * (static_cast<double>(stackedMax) - valueAxis.displayMin)));
    const double labelStep = valueAxis.currentBand.step4;
    if (2 * step > span)
        step *= 0.2;

    std::vector<LegendTick> ticks;
    if (!(step > 0.0) || span <= 0.0)
        return ticks;
    // More lines than pixels would show nothing new; a degenerate band must not stall the paint.
    const int most = 2 * std::abs(yBottom - yTop) + 2;
    for (double v = range.lo; v <= range.hi && static_cast<int>(ticks.size()) < most; v += step) {
        LegendTick tick;
        tick.value = static_cast<int>(v);
        tick.y = LegendY(v, range, yBottom, yTop);
        tick.text = FormatTick(labelStep, v * scale) + valueAxis.unit;
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

} // namespace zarvex1
