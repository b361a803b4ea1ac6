#pragma once

#include <string>
#include <vector>

#include "core/mapeditor/model/Sheet.h"
#include "core/mapeditor/views/Graph3DLayout.h"

namespace zarvex1 {

// Vertical position on the colour legend (from yBottom up to yTop) of a raw value in lo … hi.
int LegendY(double value, const ColourRange &range, int yBottom, int yTop);

struct LegendTick {
    int value = 0; // raw
    int y = 0;
    std::string text; // the tick text followed directly by the value axis unit
};

// The value scale beside the 3D graph's colour legend. The label step comes from the value axis band
// for the colour range; the band is then chosen again for the 2D graph's stacked range, which leaves
// the axis as the 2D graph expects and gives the step the texts are formatted with. The caller skips
// labels that would overlap the previous one.
std::vector<LegendTick> LegendScale(CAxe &valueAxis, const ColourRange &range, int stackedMax, int yBottom,
                                    int yTop);

} // namespace zarvex1
