#pragma once

#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// The live engine values an editor follows.
struct EditorLiveValues {
    int rpm = 0;
    int previousRpm = 0;
    int tps = 0; // whole percent
    int iap = 0; // kPa
    int noConnection = 0;
};

// What recomputing the actual position found.
struct ActualChange {
    bool moved = false;  // state or position changed: scroll it into view when autoscroll is on
    bool redraw = false; // the views must be drawn again
};

// The live values and the sheet's actual position: the breakpoints nearest to them.
class LivePosition {
public:
    void SetLiveValues(int rpm, int tpsTenths, int iapKpa, bool noConnectionShown);
    const EditorLiveValues &Values() const { return live_; }

    // Index of the breakpoint nearest to the live value of an axis's key ("RPM", "TPS", "IAP"): a value
    // on a midpoint goes to the upper point; -1 below the first speed point of an advance map, -2 for no
    // live source.
    int ActualIndex(const CSheet &sheet, const CAxe &axis) const;
    // Recomputes the sheet's actual position; graph2DShown tells whether a 2D graph shows the speed.
    ActualChange Update(CSheet &sheet, bool graph2DShown);

private:
    EditorLiveValues live_;
};

} // namespace zarvex1
