#include "core/mapeditor/views/Graph3DRenderer.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/views/Graph3DGrid.h"
#include "core/mapeditor/views/HeightColours.h"
#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {

namespace {

constexpr std::uint32_t OneColour = Rgb(136, 136, 255);
constexpr std::uint32_t BackColour = Rgb(192, 192, 192);
constexpr std::uint32_t SelectedEdge = Rgb(0, 0, 255);
constexpr std::uint32_t CornerEdge = Rgb(0, 128, 0);
constexpr std::uint32_t Grey128 = Rgb(128, 128, 128);

const std::array<std::uint32_t, HeightColourCount> &Colours() {
    static const std::array<std::uint32_t, HeightColourCount> colours = BuildHeightColours();
    return colours;
}

int Trunc(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9)); // far outside any control, still defined
}

// A polygon's corner: the filler rounds to the nearest pixel.
ScenePoint Rounded(double x, double y) {
    return {Trunc(std::floor(x + 0.5)), Trunc(std::floor(y + 0.5))};
}

// A projected point with its height index (0 … 61 along the colour range).
struct Vertex {
    double x = 0.0;
    double y = 0.0;
    double depth = 0.0;
    double height = 0.0;
};

Vertex Mid(const Vertex &a, const Vertex &b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.depth + b.depth) / 2, (a.height + b.height) / 2};
}

class Graph3DPainter {
public:
    Graph3DPainter(const EditorView &view, const Graph3DView &graph, Scene &scene)
        : v_(view), gv_(graph), s_(*view.sheet), scene_(scene), grid_(*view.sheet, graph.baseMarker),
          spans_(SpansOf(graph.ranges)), order_(CellOrderOf(graph.layout, spans_)),
          live_(LiveGridPoint(s_)), font_{view.metrics.baseSize, false, false},
          labelFont_{graph.valuesMode <= 2 ? 9 : 7, false, false} {
        const CAxe &values = *graph.ranges.valueAxis;
        valueMin_ = values.displayMin;
        valueScale_ = values.scale;
        valueUnit_ = values.unit;
        Project();
    }

    void Paint() {
        const GraphArea &a = v_.geometry.graph;
        scene_.Fill(a.graphLeft, a.graphTop, v_.geometry.width - a.graphRight - a.graphLeft,
                    v_.geometry.height - a.graphBottom - a.graphTop, v_.controlColour);
        const AxisEnds ends = Ends();
        Axis(ends.x, *gv_.ranges.xAxis);
        Axis(ends.value, *gv_.ranges.valueAxis);
        Axis(ends.y, *gv_.ranges.yAxis);
        Surface();
        // Axes that the surface may have covered come again over it.
        if (order_.signY == -1 || order_.topView) {
            Axis(ends.x, *gv_.ranges.xAxis);
            Axis(ends.value, *gv_.ranges.valueAxis);
        }
        if (order_.signX == -1 || order_.topView)
            Axis(ends.y, *gv_.ranges.yAxis);
        Legend();
        LiveValue();
        AngleReadout();
    }

private:
    // Grid points are kept for indices -2 … count along each axis.
    int Slot(int i, int j) const { return (j - GridFirst) * (grid_.x.count + 3) + (i - GridFirst); }
    const Vertex &At(int i, int j) const { return vertices_[static_cast<std::size_t>(Slot(i, j))]; }

    void Project() {
        const int nx = grid_.x.count + 3, ny = grid_.y.count + 3;
        vertices_.resize(static_cast<std::size_t>(nx * ny));
        for (int j = GridFirst; j <= grid_.y.count; ++j)
            for (int i = GridFirst; i <= grid_.x.count; ++i) {
                const double h = grid_.Height(i, j);
                const ProjectedPoint p =
                    zarvex1::Project(gv_.layout, grid_.x.Position(i), h, grid_.y.Position(j));
                vertices_[static_cast<std::size_t>(Slot(i, j))] =
                    Vertex{p.x, p.y, p.depth, HeightIndexOf(h, valueMin_, gv_.colours)};
            }
    }

    struct AxisEnds {
        ProjectedPoint origin, x, value, y;
    };
    AxisEnds Ends() const {
        const Graph3DLayout &l = gv_.layout;
        return {zarvex1::Project(l, 0, 0, 0),
                zarvex1::Project(l, static_cast<double>(spans_.xMax) - spans_.xMin, 0, 0),
                zarvex1::Project(l, 0, static_cast<double>(spans_.valueMax) - spans_.valueMin, 0),
                zarvex1::Project(l, 0, 0, static_cast<double>(spans_.yMax) - spans_.yMin)};
    }

    // An axis from the origin with its name in a box at the end.
    void Axis(const ProjectedPoint &end, const CAxe &axis) {
        const ProjectedPoint origin = zarvex1::Project(gv_.layout, 0, 0, 0);
        const int ex = Trunc(end.x), ey = Trunc(end.y);
        scene_.Line(Trunc(origin.x), Trunc(origin.y), ex, ey, Black);
        const std::string label = EditorText(axis.label, v_.language);
        const int width = v_.metrics.Width(label, font_);
        const int box = std::max(width + 4, 32);
        scene_.RoundRect(ex - box / 2, ey - 8, ex + box / 2, ey + 8, 2, v_.controlColour, Black);
        scene_.Text(ex - width / 2, ey - 7, label, font_, Black);
    }

    // The cells in painting order, far ones first.
    std::vector<std::pair<int, int>> CellsInOrder() const {
        std::vector<std::pair<int, int>> cells;
        auto along = [](const GroundAxis &axis, int sign) {
            std::vector<int> indices;
            for (int i = axis.firstCell; i <= axis.lastCell; ++i)
                indices.push_back(i);
            if (sign < 0)
                std::reverse(indices.begin(), indices.end());
            return indices;
        };
        const std::vector<int> xs = along(grid_.x, order_.signX), ys = along(grid_.y, order_.signY);
        if (order_.outerX) {
            for (int i : xs)
                for (int j : ys)
                    cells.emplace_back(i, j);
        } else {
            for (int j : ys)
                for (int i : xs)
                    cells.emplace_back(i, j);
        }
        return cells;
    }

    int MarkAt(int i, int j) const {
        const auto [column, row] = grid_.SheetCell(i, j);
        return s_.sel.ItemMark(column, row);
    }

    std::uint32_t EdgeColour(int i1, int j1, int i2, int j2) const {
        if (gv_.quality == 0)
            return Black;
        const int a = MarkAt(i1, j1), b = MarkAt(i2, j2);
        if ((a & MarkSelected) == 0 || (b & MarkSelected) == 0)
            return White;
        return ((a | b) & MarkCorner) != 0 ? CornerEdge : SelectedEdge;
    }

    void Surface() {
        const std::vector<std::pair<int, int>> cells = CellsInOrder();
        // A point's label and the live marker come after the last of its cells, over the surface so far.
        std::vector<int> last(vertices_.size(), -1);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const auto [i, j] = cells[k];
            for (const auto &[ci, cj] :
                 {std::pair{i - 1, j - 1}, std::pair{i - 1, j}, std::pair{i, j - 1}, std::pair{i, j}})
                last[static_cast<std::size_t>(Slot(ci, cj))] = static_cast<int>(k);
        }
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const auto [i, j] = cells[k];
            Cell(i, j);
            for (const auto &[ci, cj] :
                 {std::pair{i - 1, j - 1}, std::pair{i - 1, j}, std::pair{i, j - 1}, std::pair{i, j}})
                if (last[static_cast<std::size_t>(Slot(ci, cj))] == static_cast<int>(k))
                    PointLabel(ci, cj);
        }
    }

    void Cell(int i, int j) {
        // Corners c0 (i - 1, j - 1), c1 (i - 1, j), c2 (i, j - 1), c3 (i, j) around the centre.
        const std::pair<int, int> corner[4] = {{i - 1, j - 1}, {i - 1, j}, {i, j - 1}, {i, j}};
        Vertex c[4];
        for (int k = 0; k < 4; ++k)
            c[k] = At(corner[k].first, corner[k].second);
        const Vertex centre{(c[0].x + c[1].x + c[2].x + c[3].x) / 4, (c[0].y + c[1].y + c[2].y + c[3].y) / 4,
                            (c[0].depth + c[1].depth + c[2].depth + c[3].depth) / 4,
                            (c[0].height + c[1].height + c[2].height + c[3].height) / 4};
        struct Side {
            int a, b;
            double depth;
        };
        Side sides[4] = {{2, 0, 0.0}, {0, 1, 0.0}, {3, 2, 0.0}, {1, 3, 0.0}};
        for (Side &side : sides)
            side.depth = (c[side.a].depth + c[side.b].depth) / 2;
        // Far triangles first; equal depths keep their order.
        for (int pass = 0; pass < 3; ++pass)
            for (int k = 0; k + 1 < 4; ++k)
                if (sides[k].depth > sides[k + 1].depth)
                    std::swap(sides[k], sides[k + 1]);
        for (const Side &side : sides)
            Triangle(c[side.a], c[side.b], centre,
                     EdgeColour(corner[side.a].first, corner[side.a].second, corner[side.b].first,
                                corner[side.b].second));
    }

    // Vertices 1 and 2 are the cell's corners, 3 its centre; only the edge 1 - 2 is drawn.
    void Triangle(Vertex p1, Vertex p2, Vertex p3, std::uint32_t edge) {
        for (Vertex *p : {&p1, &p2, &p3})
            p->height = std::clamp(p->height, 0.0, static_cast<double>(HeightColourTop));
        const int q = gv_.quality;
        if (q > 0) {
            const double d = (p1.x - p3.x) * (p2.y - p3.y) - (p1.y - p3.y) * (p2.x - p3.x);
            if (d < 0) {
                if (q == 1)
                    scene_.Triangle(Rounded(p1.x, p1.y), Rounded(p2.x, p2.y), Rounded(p3.x, p3.y), OneColour);
                else
                    HeightFill(p1, p2, p3, q - 2);
            } else if (d > 0) {
                scene_.Triangle(Rounded(p1.x, p1.y), Rounded(p2.x, p2.y), Rounded(p3.x, p3.y), BackColour);
            }
        }
        scene_.Line(Trunc(p1.x), Trunc(p1.y), Trunc(p2.x), Trunc(p2.y), edge);
    }

    // The triangle in the colour of its mean height; where it rises by a colour step or more it is
    // cut at its edges' midpoints into four, each coloured the same way over it, depth times.
    void HeightFill(const Vertex &p1, const Vertex &p2, const Vertex &p3, int depth) {
        const double mean = (p1.height + p2.height + p3.height) / 3;
        scene_.Triangle(Rounded(p1.x, p1.y), Rounded(p2.x, p2.y), Rounded(p3.x, p3.y),
                        Colours()[static_cast<std::size_t>(HeightColourIndex(mean))]);
        if (depth < 1)
            return;
        if (std::abs(Trunc(p1.height - p2.height)) < 1 && std::abs(Trunc(p2.height - p3.height)) < 1)
            return;
        const Vertex m12 = Mid(p1, p2), m13 = Mid(p1, p3), m23 = Mid(p2, p3);
        HeightFill(p1, m12, m13, depth - 1);
        HeightFill(p2, m12, m23, depth - 1);
        HeightFill(p3, m13, m23, depth - 1);
        HeightFill(m12, m13, m23, depth - 1);
    }

    std::string ValueText(int i, int j) const {
        const int raw = Trunc(std::floor(grid_.Height(i, j) + 0.5)) + valueMin_;
        return FormatValue(raw, valueScale_);
    }

    void PointLabel(int i, int j) {
        const bool isLive = live_ && live_->first == i && live_->second == j;
        const bool labelled = ShowsValueLabel(s_, grid_, gv_.valuesMode, i, j, live_);
        if (!labelled && !isLive)
            return;
        const Vertex &p = At(i, j);
        const int px = Trunc(p.x), py = Trunc(p.y);
        std::string text;
        int width = 0, height = 0;
        if (labelled) {
            text = ValueText(i, j);
            width = v_.metrics.Width(text, labelFont_);
            height = v_.metrics.XHeight(labelFont_);
            const int mark = MarkAt(i, j);
            std::uint32_t shadow = Black, colour = White;
            if ((mark & MarkCorner) != 0) {
                shadow = Rgb(0, 68, 0);
                colour = Rgb(0, 221, 0);
            } else if ((mark & MarkSelected) != 0) {
                shadow = Rgb(0, 0, 68);
                colour = Rgb(0, 0, 221);
            }
            scene_.Text(px - width / 2, py - height / 2, text, labelFont_, shadow);
            scene_.Text(px - width / 2 - 1, py - height / 2 - 1, text, labelFont_, colour);
        }
        if (!isLive)
            return;
        const int r = labelled ? std::max(width / 2 + height / 4 + 2, 7) : 6;
        scene_.Ellipse(px - r, py - r, px + r, py + r, White, 1);
        scene_.Disc(px - r + 1, py - r + 1, px + r - 1, py + r - 1, v_.Colour(PaletteLiveOk), Black);
        if (labelled)
            scene_.Text(px - width / 2, py - height / 2, text, labelFont_, Black);
    }

    int LegendBottom() const { return v_.geometry.height - v_.geometry.graph.graphBottom; }
    int LegendTop() const { return v_.geometry.graph.graphTop + 45; }
    int LegendLeft() const { return v_.geometry.graph.graphLeft + 30; }
    int LegendRight() const { return v_.geometry.graph.graphLeft + 90; }

    void Legend() {
        const int yb = LegendBottom(), yt = LegendTop();
        for (int i = 0; i < HeightColourTop; ++i) {
            const int top = Trunc(yb - (yb - yt) * (i + 1) / static_cast<double>(HeightColourTop));
            const int bottom = Trunc(yb - (yb - yt) * i / static_cast<double>(HeightColourTop));
            scene_.Fill(LegendLeft(), top, LegendRight() - LegendLeft(), bottom - top,
                        Colours()[static_cast<std::size_t>(i)]);
        }
        const int height = v_.metrics.XHeight(font_);
        int previous = INT_MAX;
        for (const LegendTick &tick : gv_.legend) {
            scene_.Line(LegendLeft(), tick.y, LegendRight(), tick.y, Grey128);
            if (previous != INT_MAX && previous - tick.y <= height + 2)
                continue; // labels that would overlap are left out
            scene_.Text(LegendLeft() - 5 - v_.metrics.Width(tick.text, font_), tick.y - height / 2, tick.text,
                        font_, Grey128);
            previous = tick.y;
        }
    }

    void LiveValue() {
        if (!live_ || live_->first < 0 || live_->second < 0)
            return;
        const int value = Trunc(std::floor(grid_.Height(live_->first, live_->second) + 0.5)) + valueMin_;
        const int y = LegendY(value, gv_.colours, LegendBottom(), LegendTop());
        const int middle = (LegendLeft() + LegendRight()) / 2, right = LegendRight();
        const std::string text = FormatValue(value, valueScale_) + valueUnit_;
        const int width = v_.metrics.Width(text, font_);
        scene_.Fill(middle, y - 8, right + width + 20 - middle, 17, White);
        const std::uint32_t live = v_.Colour(PaletteLiveOk);
        const int rows[6][2] = {{-3, 3}, {-2, 2}, {-1, 1}, {2, 1}, {3, 2}, {4, 3}};
        for (const auto &row : rows)
            scene_.Line(middle + row[1], y + row[0], right + 5, y + row[0], live);
        scene_.Line(middle, y, right + 5, y, Black);
        scene_.Line(middle, y + 1, right + 5, y + 1, Black);
        scene_.Line(middle, y, middle + 8, y - 4, Black);
        scene_.Line(middle, y + 1, middle + 8, y + 5, Black);
        scene_.Text(right + 10, y - v_.metrics.XHeight(font_) / 2, text, font_, Black);
    }

    void AngleReadout() {
        char text[64];
        std::snprintf(text, sizeof text, "X:%i\u00b0  XY:%i\u00b0  XYZ:%i\u00b0", gv_.angles.angleX * 5,
                      gv_.angles.angleXY * 5, gv_.angles.angleXYZ * 5);
        const int width = v_.metrics.Width(text, font_);
        const GraphArea &a = v_.geometry.graph;
        scene_.Text((a.graphLeft + gv_.area.stripWidth - width) / 2, a.graphTop + 25, text, font_, Black);
    }

    const EditorView &v_;
    const Graph3DView &gv_;
    const CSheet &s_;
    Scene &scene_;
    Graph3DGrid grid_;
    AxisSpans spans_;
    CellOrder order_;
    std::optional<std::pair<int, int>> live_;
    EditorFont font_;
    EditorFont labelFont_;
    int valueMin_ = 0;
    double valueScale_ = 1.0;
    std::string valueUnit_;
    std::vector<Vertex> vertices_;
};

} // namespace

void PaintGraph3D(const EditorView &view, const Graph3DView &graph, Scene &scene) {
    if (view.sheet == nullptr || graph.ranges.xAxis == nullptr || graph.ranges.yAxis == nullptr ||
        graph.ranges.valueAxis == nullptr)
        return;
    Graph3DPainter(view, graph, scene).Paint();
}

} // namespace zarvex1
