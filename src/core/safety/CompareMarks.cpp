#include "core/safety/CompareMarks.h"

#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/views/Graph2DPoints.h"
#include "core/mapeditor/views/Graph3DGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zarvex1 {

namespace {

struct SheetBinding {
    std::string_view editor;
    int sheet;
    std::string_view map;
};

constexpr SheetBinding Bindings[] = {
    {"TabAdvance", 0, "ADVANCE1"},
    {"TabAdvance", 1, "ADVANCE2"},
    {"TabServo", 0, "SERVO"},
};

bool IsAdvance(const CatalogueEntry &map) {
    return map.id == "ADVANCE1" || map.id == "ADVANCE2";
}

bool CellDiffers(const CatalogueEntry &map, const ParameterImage &a, const ParameterImage &b, int cell) {
    return ParameterCatalogue::RawValue(map, a, cell) != ParameterCatalogue::RawValue(map, b, cell);
}

int Rounded(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1.0e6, 1.0e6)));
}

} // namespace

const CatalogueEntry *SheetMap(std::string_view editorName, int sheet) {
    for (const SheetBinding &b : Bindings)
        if (b.editor == editorName && b.sheet == sheet)
            return ParameterCatalogue::Instance().EntryWithId(b.map);
    return nullptr;
}

int SheetValue(const CatalogueEntry &map, const ParameterImage &image, int cell) {
    const int raw = ParameterCatalogue::RawValue(map, image, cell);
    return IsAdvance(map) ? static_cast<std::int8_t>(raw) : raw;
}

std::vector<CellMark> CompareMarks::TableMarks(const MapEditor &editor, const CatalogueEntry &map,
                                               const ParameterImage &screen, int language) const {
    std::vector<CellMark> marks;
    const TableGeometry &g = editor.Geometry();
    if (!other_ || !editor.HasCurrent() || (g.shownViews & ViewTable) == 0)
        return marks;
    const CSheet &sheet = editor.Current();
    const int columns = std::min(map.columns, sheet.axisX.count),
              rows = std::min(map.rows, sheet.axisY.count);
    for (int row = 0; row < rows; ++row) {
        // A collapsed axis shows one line of cells.
        if (sheet.axisY.collapsed()
                ? row != sheet.axisY.collapsedIndex
                : row < sheet.axisY.firstVisible || row >= sheet.axisY.firstVisible + g.visibleRows)
            continue;
        for (int column = 0; column < columns; ++column) {
            if (sheet.axisX.collapsed()
                    ? column != sheet.axisX.collapsedIndex
                    : column < sheet.axisX.firstVisible || column >= sheet.axisX.firstVisible + g.visibleCols)
                continue;
            const int cell = row * map.columns + column;
            if (!CellDiffers(map, screen, *other_, cell))
                continue;
            const Rect box = BlockPixels(g, sheet, Block{column, column, row, row});
            if (box.right <= box.left || box.bottom <= box.top)
                continue;
            marks.push_back(
                {column, row, box, ParameterCatalogue::FormatValue(map, *other_, language, cell)});
        }
    }
    return marks;
}

std::vector<LineOp> CompareMarks::GraphLines(const MapEditor &editor, const CatalogueEntry &map,
                                             const ParameterImage &screen) const {
    std::vector<LineOp> lines;
    const TabGraph &graphs = editor.Graphs();
    const TableGeometry &g = editor.Geometry();
    if (!other_ || !editor.HasCurrent() || !graphs.Valid() ||
        (g.shownViews & (ViewGraph2D | ViewGraph3D)) == 0)
        return lines;
    const CSheet &sheet = editor.Current();
    const int cells = map.rows * map.columns;
    bool differs = false;
    for (int cell = 0; cell < cells && !differs; ++cell)
        differs = CellDiffers(map, screen, *other_, cell);
    if (!differs)
        return lines;
    // The sheet's column and row within the map; cells outside it (a wider sheet) do not compare.
    auto cellOf = [&](int column, int row) {
        return column < map.columns && row < map.rows ? row * map.columns + column : -1;
    };

    if (graphs.Shows3D()) {
        // The other set's surface as a wire: the same grid with the other set's values in its cells.
        CSheet otherSheet = sheet;
        for (int row = 0; row < sheet.axisY.count; ++row)
            for (int column = 0; column < sheet.axisX.count; ++column)
                if (const int cell = cellOf(column, row); cell >= 0)
                    otherSheet.Cell(column, row) = SheetValue(map, *other_, cell);
        const Graph3DGrid grid(otherSheet, editor.Sheets().Markers().baseMarker);
        const Graph3DLayout &layout = graphs.Layout3D();
        auto point = [&](int i, int j) {
            const ProjectedPoint p =
                Project(layout, grid.x.Position(i), grid.Height(i, j), grid.y.Position(j));
            return ScenePoint{Rounded(p.x), Rounded(p.y)};
        };
        const int nx = std::max(grid.x.count, 1), ny = std::max(grid.y.count, 1);
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                const ScenePoint a = point(i, j);
                if (i + 1 < nx) {
                    const ScenePoint b = point(i + 1, j);
                    lines.push_back({a.x, a.y, b.x, b.y, CompareColour, 1});
                }
                if (j + 1 < ny) {
                    const ScenePoint b = point(i, j + 1);
                    lines.push_back({a.x, a.y, b.x, b.y, CompareColour, 1});
                }
            }
        return lines;
    }

    // 2D: each curve with a differing cell as a thin line through the other set's values, each point
    // moved from where the screen's value is drawn by the difference.
    const Graph2DLayout &layout = graphs.Layout2D();
    const GraphRanges &ranges = graphs.Ranges();
    const int curves = std::clamp(ranges.curveCount, 1, MaxX), points = PointCount(ranges);
    for (int c = 0; c < curves; ++c) {
        std::vector<ScenePoint> line;
        bool curveDiffers = false;
        for (int i = 0; i < points; ++i) {
            const CellPosition at = PointCell(layout, c, i);
            const int cell = cellOf(at.column, at.row);
            int lift = 0;
            if (cell >= 0) {
                curveDiffers = curveDiffers || CellDiffers(map, screen, *other_, cell);
                lift = SheetValue(map, *other_, cell) - sheet.Cell(at.column, at.row);
            }
            line.push_back({layout.X(c, i), Rounded(layout.Y(c, i) - lift * layout.yScale)});
        }
        if (!curveDiffers)
            continue;
        for (std::size_t i = 1; i < line.size(); ++i)
            lines.push_back({line[i - 1].x, line[i - 1].y, line[i].x, line[i].y, CompareColour, 1});
    }
    return lines;
}

} // namespace zarvex1
