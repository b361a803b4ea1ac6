#include "core/mapeditor/views/Graph3DGrid.h"

#include <algorithm>

namespace zarvex1 {
namespace {

bool HasBasePlateau(const CSheet &sheet, const CAxe &axis) {
    return (sheet.flags & BaseMarkerInRange) != 0 && axis.label == "RPM";
}

} // namespace

// The axis index a grid index stands for: the used point of a collapsed axis, else the nearest point.
int Graph3DGrid::AxisUse::Index(int i) const {
    const int last = std::max(0, count - 1);
    return std::clamp(collapsed ? collapsedIndex : i, 0, last);
}

GroundAxis GroundAxisOf(const CAxe &axis, bool basePlateau) {
    GroundAxis ground;
    const int count = std::clamp(axis.count, 0, MaxX);
    ground.count = count;
    const auto at = [&](int i) -> double & {
        return ground.positions[static_cast<std::size_t>(i - GridFirst)];
    };
    if (axis.hasValues()) {
        for (int i = 0; i < count; ++i)
            at(i) = static_cast<double>(axis.values[static_cast<std::size_t>(i)]) - axis.displayMin;
        at(-1) = 0.0;
        at(count) = static_cast<double>(axis.displayMax) - axis.displayMin;
        ground.firstCell = 0;
        ground.lastCell = count;
    } else {
        for (int i = GridFirst; i <= count; ++i)
            at(i) = i;
        ground.firstCell = 1;
        ground.lastCell = count - 1;
    }
    if (basePlateau) {
        at(-2) = 0.0;
        at(-1) = axis.collapsed() ? 0.0 : at(0);
        ground.firstCell = -1;
    }
    return ground;
}

Graph3DGrid::Graph3DGrid(const CSheet &sheet, int baseMarker) : swapped_((sheet.flags & SwapGraphAxes) != 0) {
    const CAxe &xAxis = swapped_ ? sheet.axisY : sheet.axisX;
    const CAxe &yAxis = swapped_ ? sheet.axisX : sheet.axisY;
    useX_ = {std::clamp(xAxis.count, 0, MaxX), xAxis.collapsed(), xAxis.collapsedIndex};
    useY_ = {std::clamp(yAxis.count, 0, MaxX), yAxis.collapsed(), yAxis.collapsedIndex};
    const bool plateauX = HasBasePlateau(sheet, xAxis);
    const bool plateauY = HasBasePlateau(sheet, yAxis);
    x = GroundAxisOf(xAxis, plateauX);
    y = GroundAxisOf(yAxis, plateauY);

    width_ = x.count + 3;
    heights_.assign(static_cast<std::size_t>(width_ * (y.count + 3)), 0.0);
    const double base = static_cast<double>(baseMarker) - sheet.axisData.displayMin;
    for (int j = GridFirst; j <= y.count; ++j) {
        for (int i = GridFirst; i <= x.count; ++i) {
            const auto [column, row] = SheetCell(i, j);
            double h = static_cast<double>(sheet.Cell(column, row)) - sheet.axisData.displayMin;
            if ((plateauX && !xAxis.collapsed() && i < 0) || (plateauY && !yAxis.collapsed() && j < 0))
                h = base;
            heights_[static_cast<std::size_t>((j - GridFirst) * width_ + (i - GridFirst))] = h;
        }
    }
}

double Graph3DGrid::Height(int i, int j) const {
    return heights_[static_cast<std::size_t>((j - GridFirst) * width_ + (i - GridFirst))];
}

std::pair<int, int> Graph3DGrid::SheetCell(int i, int j) const {
    const int a = useX_.Index(i);
    const int b = useY_.Index(j);
    return swapped_ ? std::pair{b, a} : std::pair{a, b};
}

CellOrder CellOrderOf(const Graph3DLayout &layout, const AxisSpans &spans) {
    const ProjectedPoint origin = Project(layout, 0, 0, 0);
    const ProjectedPoint xEnd = Project(layout, static_cast<double>(spans.xMax) - spans.xMin, 0, 0);
    const ProjectedPoint yEnd = Project(layout, 0, 0, static_cast<double>(spans.yMax) - spans.yMin);
    const ProjectedPoint valueEnd =
        Project(layout, 0, static_cast<double>(spans.valueMax) - spans.valueMin, 0);
    CellOrder order;
    order.signX = xEnd.depth < origin.depth ? -1 : 1;
    order.signY = yEnd.depth < origin.depth ? -1 : 1;
    order.outerX = std::abs(yEnd.x - origin.x) > std::abs(xEnd.x - origin.x);
    order.topView = std::abs(valueEnd.x - origin.x) < 0.001 && std::abs(valueEnd.y - origin.y) < 0.001;
    return order;
}

std::optional<std::pair<int, int>> LiveGridPoint(const CSheet &sheet) {
    if (!(sheet.flags & TrackLive) || sheet.actualState != 1)
        return std::nullopt;
    int column = sheet.actualX == -1 ? -2 : sheet.actualX; // below the first speed: the plateau start
    int row = sheet.actualY;
    if (sheet.axisX.collapsed())
        column = sheet.axisX.collapsedIndex;
    if (sheet.axisY.collapsed())
        row = sheet.axisY.collapsedIndex;
    if (sheet.flags & SwapGraphAxes)
        return std::pair{row, column};
    return std::pair{column, row};
}

bool ShowsValueLabel(const CSheet &sheet, const Graph3DGrid &grid, int valuesMode, int i, int j,
                     const std::optional<std::pair<int, int>> &live) {
    const bool isLive = live && live->first == i && live->second == j;
    if (valuesMode <= 0)
        return false;
    if (valuesMode == 1)
        return isLive;
    if (i == -1 || i == grid.x.count || j == -1 || j == grid.y.count)
        return false;
    if (valuesMode >= 3 || isLive)
        return true;

    const bool swapped = (sheet.flags & SwapGraphAxes) != 0;
    const CAxe &xAxis = swapped ? sheet.axisY : sheet.axisX;
    const CAxe &yAxis = swapped ? sheet.axisX : sheet.axisY;
    const bool dataPoint = i >= 0 && i < grid.x.count && j >= 0 && j < grid.y.count;
    if (!dataPoint)
        return false;
    // Along a collapsed axis only the used line carries real points.
    if ((xAxis.collapsed() && i != xAxis.collapsedIndex) || (yAxis.collapsed() && j != yAxis.collapsedIndex))
        return false;

    const auto [column, row] = grid.SheetCell(i, j);
    const int mark = sheet.sel.ItemMark(column, row);
    if (mark & MarkCorner)
        return true;
    if ((mark & MarkSelected) && sheet.sel.count < 5)
        return true;

    const int v = sheet.Cell(column, row);
    bool lowest = true;
    bool highest = true;
    const auto compare = [&](int ni, int nj) {
        const auto [c, r] = grid.SheetCell(ni, nj);
        const int n = sheet.Cell(c, r);
        lowest = lowest && v < n;
        highest = highest && v > n;
    };
    if (!xAxis.collapsed()) {
        if (i > 0)
            compare(i - 1, j);
        if (i + 1 < grid.x.count)
            compare(i + 1, j);
    }
    if (!yAxis.collapsed()) {
        if (j > 0)
            compare(i, j - 1);
        if (j + 1 < grid.y.count)
            compare(i, j + 1);
    }
    return lowest || highest;
}

} // namespace zarvex1
