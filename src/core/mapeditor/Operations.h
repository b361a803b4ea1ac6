#pragma once

#include <vector>

#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// Half of a sum, truncated towards zero, without overflow.
int Half(long long a, long long b);

// Bilinear fill of the cells x0..x1 x y0..y1 from its four corners, over the axis values where the
// axes have values and over the indices otherwise. Corners keep their values.
void BlockFill(CSheet &sheet, int x0, int x1, int y0, int y1);
// The same into a copy of the cells (1500 values, row stride 50), e.g. for the interpolation preview.
void BlockFill(const CSheet &sheet, std::vector<int> &cells, int x0, int x1, int y0, int y1);

// Linear refill by index of values[i0..i1] between values[i0] and values[i1].
void FillLine(std::vector<int> &values, int i0, int i1);

} // namespace zarvex1
