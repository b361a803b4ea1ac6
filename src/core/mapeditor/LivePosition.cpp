#include "core/mapeditor/LivePosition.h"

#include <algorithm>
#include <cmath>

namespace zarvex1 {

void LivePosition::SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown) {
    live_.rpm = rpm;
    live_.tps = static_cast<int>(std::trunc(tpsTenths * 0.1));
    live_.iap = iapKpa;
    live_.noConnection = noConnectionShown ? 1 : 0;
}

int LivePosition::ActualIndex(const CSheet &s, const CAxe &a) const {
    int value = 0;
    if (live_.noConnection != 0)
        return -2;
    if (a.key == "RPM")
        value = live_.rpm;
    else if (a.key == "TPS")
        value = live_.tps;
    else if (a.key == "IAP")
        value = live_.iap;
    else
        return -2;
    const int n = std::clamp(a.count, 0, a.Capacity());
    if (n == 0)
        return -2;
    const int raw = RawFromPhysical(value, a.scale);
    if (raw < a.values[0])
        return (s.flags & BaseMarkerInRange) != 0 && a.key == "RPM" ? -1 : 0;
    for (int i = 0; i < n - 1; ++i) {
        const long long mid = (static_cast<long long>(a.values[static_cast<std::size_t>(i)]) +
                               a.values[static_cast<std::size_t>(i + 1)]) /
                              2;
        if (raw < mid)
            return i;
    }
    return n - 1;
}

ActualChange LivePosition::Update(CSheet &s, bool graph2DShown) {
    ActualChange change;
    const int oldState = s.actualState, oldX = s.actualX, oldY = s.actualY;
    s.actualState = 0;
    s.actualX = s.actualY = -2;
    if ((s.flags & TrackLive) == 0) {
        change.redraw = oldState != 0;
        return change;
    }
    // The 2D graph shows the live speed on its horizontal axis: redraw when it moved.
    const CAxe &horizontal = (s.flags & SwapGraphAxes) != 0 ? s.axisY : s.axisX;
    if (graph2DShown && horizontal.key == "RPM" && live_.rpm != live_.previousRpm)
        change.redraw = true;
    s.actualX = ActualIndex(s, s.axisX);
    s.actualY = ActualIndex(s, s.axisY);
    live_.previousRpm = live_.rpm;
    s.actualState = 1;
    if ((s.actualX == -2 && !s.axisX.collapsed()) || (s.actualY == -2 && !s.axisY.collapsed())) {
        s.actualState = 0;
        change.redraw = change.redraw || oldState != 0;
        return change;
    }
    if (s.axisX.collapsed())
        s.actualX = s.axisX.collapsedIndex;
    if (s.axisY.collapsed())
        s.actualY = s.axisY.collapsedIndex;
    if (s.axisX.key == "RPM" && live_.rpm == 0)
        s.actualState = 0;
    if (s.actualState != oldState || s.actualX != oldX || s.actualY != oldY) {
        change.moved = true;
        change.redraw = true;
    }
    return change;
}

} // namespace zarvex1
