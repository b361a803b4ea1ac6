#include "core/mapeditor/views/Graph2DRenderer.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/mapeditor/views/Graph2DPoints.h"
#include "core/mapeditor/views/NumberFormat.h"
#include "core/mapeditor/views/TableRenderer.h"

namespace zarvex1 {

namespace {

constexpr std::uint32_t SeveralCurvesBackground = Rgb(255, 251, 240);
constexpr std::uint32_t LimiterZone = Rgb(221, 221, 221);
constexpr std::uint32_t LimiterZoneOutside = Rgb(221, 213, 192);
constexpr std::uint32_t GridColour = Rgb(192, 192, 192);
constexpr std::uint32_t Red = Rgb(255, 0, 0);
constexpr std::uint32_t Yellow = Rgb(255, 255, 0);
constexpr std::uint32_t Blue = Rgb(0, 0, 255);
constexpr std::uint32_t CornerGreen = Rgb(0, 128, 0);
constexpr std::uint32_t LiveRpmColour = Rgb(0, 255, 0);

int ToInt(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9)); // far outside any control, still defined
}

// The steps of a scale from `from` to `to`, at most one a pixel (pixels: of one unit): a band finer
// than the screen shows whole multiples of its step.
template <typename Each> void Steps(double from, double to, double step, double pixels, Each each) {
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(from) || !(pixels > 0.0))
        return;
    if (step * pixels < 1.0)
        step *= std::ceil(1.0 / (step * pixels));
    for (double v = from; v <= to; v += step)
        if (!each(v))
            return;
}

class Graph2DPainter {
public:
    Graph2DPainter(const EditorView &view, const Graph2DView &graph, Scene &scene)
        : v_(view), gv_(graph), g_(graph.layout), r_(graph.ranges), s_(*view.sheet), scene_(scene),
          horizontal_(*graph.ranges.horizontalAxis), curves_(*graph.ranges.curveAxis),
          values_(*graph.ranges.valueAxis), curveCount_(std::clamp(graph.ranges.curveCount, 1, MaxX)),
          points_(PointCount(graph.ranges)), font_{view.metrics.baseSize, false, false} {
        plotTop_ = g_.plotBottom - g_.plotHeight;
        plotRight_ = g_.plotLeft + g_.plotWidth;
        const int selected = std::clamp(g_.selectedCurve, 0, curveCount_ - 1);
        selectedLift_ = static_cast<double>(curveCount_ - selected - 1) * r_.curveOffset;
        usePreview_ = view.previewOn && s_.sel.isRectangle != 0 && s_.sel.rectX0 >= 0 && s_.sel.rectY0 >= 0 &&
                      view.preview.size() >= static_cast<std::size_t>(MaxCells);
    }

    void Paint() {
        Background();
        Limiter();
        Grid();
        HorizontalLabels();
        ValueLabels();
        Axes();
        LiveLine();
        Curves();
        Points();
        HotMarkers();
        RubberBand();
        ViewSwitch();
    }

private:
    bool Several() const { return curveCount_ > 1; }
    int TextWidth(const std::string &text) const { return v_.metrics.Width(text, font_); }
    int TextHeight() const { return v_.metrics.XHeight(font_); }

    // The band of the selected curve: its baseline y0 and the top of its own range y1.
    int BandBottom() const { return ToInt(g_.plotBottom - std::floor(selectedLift_ * g_.yScale + 0.5 - 1)); }
    int BandTop() const {
        const int y0 = BandBottom();
        const double span = static_cast<double>(values_.displayMax) - values_.displayMin;
        return std::max(ToInt(y0 - std::floor(span * g_.yScale)), plotTop_);
    }

    // Fills the plot's rows top … bottom from x to the plot's right edge.
    void FillRows(int x, int top, int bottom, std::uint32_t colour) {
        if (bottom >= top && plotRight_ >= x)
            scene_.Fill(x, top, plotRight_ - x + 1, bottom - top + 1, colour);
    }

    void Background() {
        const TableGeometry &geo = v_.geometry;
        const GraphArea &a = geo.graph;
        scene_.Fill(a.graphLeft, a.graphTop, geo.width - a.graphRight - a.graphLeft,
                    geo.height - a.graphBottom - a.graphTop, v_.controlColour);
        FillRows(g_.plotLeft, plotTop_, g_.plotBottom, Several() ? SeveralCurvesBackground : White);
        if (Several())
            FillRows(g_.plotLeft, BandTop(), BandBottom(), White);
    }

    void Limiter() {
        if (!ShowsLimiter(s_, r_))
            return;
        const int x = std::max(LimiterX(g_, r_, gv_.markers.limiterMarker), g_.plotLeft);
        if (x > plotRight_)
            return;
        FillRows(x, plotTop_, g_.plotBottom, Several() ? LimiterZoneOutside : LimiterZone);
        if (Several())
            FillRows(x, BandTop(), BandBottom(), LimiterZone);
    }

    int GridX(double v) const {
        return ToInt(std::floor((v - horizontal_.displayMin) * g_.xScale + 0.5) + g_.plotLeft);
    }
    int GridY(double v) const {
        return ToInt(g_.plotBottom - std::floor((v - values_.displayMin) * g_.yScale + 0.5));
    }
    static double Step(const CAxe &axis, double bandStep) {
        return axis.scale != 0.0 ? bandStep / axis.scale : bandStep;
    }

    void Grid() {
        Steps(horizontal_.displayMin, horizontal_.displayMax,
              Step(horizontal_, horizontal_.currentBand.step2), g_.xScale, [&](double v) {
                  const int x = GridX(v);
                  scene_.Line(x, g_.plotBottom + 3, x, plotTop_, GridColour);
                  return true;
              });
        Steps(values_.displayMin, r_.stackedMax, Step(values_, values_.currentBand.step2), g_.yScale,
              [&](double v) {
                  const int y = GridY(v);
                  scene_.Line(g_.plotLeft - 3, y, plotRight_, y, GridColour);
                  return true;
              });
        if (Several())
            scene_.Line(g_.plotLeft - 3, BandBottom(), plotRight_, BandBottom(), GridColour);
    }

    void HorizontalLabels() {
        int previousRight = INT_MIN;
        const double step = horizontal_.currentBand.step4;
        Steps(horizontal_.displayMin, horizontal_.displayMax, Step(horizontal_, step), g_.xScale,
              [&](double v) {
                  std::string text;
                  if (horizontal_.hasValues()) {
                      text = FormatTick(step, v * horizontal_.scale);
                  } else {
                      const int index =
                          std::clamp(ToInt(std::floor(v + 0.5)), 0, std::max(0, horizontal_.Capacity() - 1));
                      const int raw = horizontal_.Capacity() > 0
                                          ? horizontal_.values[static_cast<std::size_t>(index)]
                                          : index;
                      text = FormatValue(raw, horizontal_.scale, horizontal_.unit, true);
                  }
                  const int width = TextWidth(text);
                  const int left = GridX(v) - width / 2;
                  if (left > previousRight) { // labels that would overlap are left out
                      scene_.Text(left, g_.plotBottom + 4, text, font_, Black);
                      previousRight = left + width;
                  }
                  return true;
              });
    }

    void ValueLabels() {
        int previousY = INT_MAX;
        const int height = TextHeight();
        const double step = values_.currentBand.step4;
        Steps(values_.displayMin, values_.displayMax, Step(values_, step), g_.yScale, [&](double v) {
            const int y =
                ToInt(g_.plotBottom - std::floor((v - values_.displayMin + selectedLift_) * g_.yScale + 0.5));
            if (y < plotTop_)
                return false;
            if (previousY != INT_MAX && previousY - y <= height + 2)
                return true;
            const std::string text = FormatTick(step, v * values_.scale) + values_.unit;
            const int x = Several() ? plotRight_ + 5 : g_.plotLeft - 5 - TextWidth(text);
            scene_.Text(x, y - height / 2, text, font_, Black);
            previousY = y;
            return true;
        });
    }

    void Axes() {
        scene_.Line(g_.plotLeft, g_.plotBottom, g_.plotLeft, plotTop_ - 1, Black);
        scene_.Line(g_.plotLeft - 1, g_.plotBottom, g_.plotLeft - 1, plotTop_ - 1, Black);
        scene_.Line(g_.plotLeft, g_.plotBottom, plotRight_, g_.plotBottom, Black);
        scene_.Line(g_.plotLeft, g_.plotBottom + 1, plotRight_, g_.plotBottom + 1, Black);
    }

    void LiveLine() {
        if ((s_.flags & TrackLive) == 0 || gv_.noConnection || horizontal_.label != "RPM")
            return;
        const double rpm = horizontal_.scale != 0.0 ? gv_.liveRpm / horizontal_.scale : 0.0;
        if (rpm < horizontal_.displayMin || rpm > horizontal_.displayMax)
            return;
        const int x = ToInt(g_.plotLeft + (rpm - horizontal_.displayMin) * g_.xScale);
        scene_.Line(x, g_.plotBottom, x, plotTop_, LiveRpmColour);
    }

    int Mark(int c, int i) const { return PointMark(s_, g_, c, i); }
    bool Selected(int c, int i) const { return (Mark(c, i) & MarkSelected) != 0; }
    // The interpolation's outcome differs from the stored value at a selected point.
    bool Previewed(int c, int i) const { return usePreview_ && Selected(c, i); }
    int PreviewValue(int c, int i) const {
        const int index = std::clamp(g_.ValueIndex(c, i), 0, MaxCells - 1);
        return v_.preview[static_cast<std::size_t>(index)];
    }
    // Where point i of curve c is drawn: at the interpolation's outcome while the preview shows.
    ScenePoint Drawn(int c, int i) const {
        if (!Previewed(c, i))
            return {g_.X(c, i), g_.Y(c, i)};
        const double lift = static_cast<double>(curveCount_ - c - 1) * r_.curveOffset;
        const double v = static_cast<double>(PreviewValue(c, i)) - values_.displayMin + lift;
        return {g_.X(c, i), ToInt(g_.plotBottom - v * g_.yScale)};
    }

    void Curves() {
        const bool flatEnds = (s_.flags & NoFlatEnds) == 0;
        const int end =
            g_.plotLeft +
            ToInt((static_cast<double>(horizontal_.displayMax) - horizontal_.displayMin) * g_.xScale);
        const int height = TextHeight();
        for (int c = 0; c < curveCount_; ++c) {
            const std::uint32_t colour = c == g_.selectedCurve ? Red : Grey;
            const int startY = g_.startY[static_cast<std::size_t>(c)];
            if (points_ > 0) {
                const ScenePoint first = Drawn(c, 0);
                if (flatEnds) {
                    scene_.Line(g_.plotLeft, startY, first.x, startY, colour, 2);
                    scene_.Line(first.x, startY, first.x, first.y, colour, 2);
                }
                for (int i = 1; i < points_; ++i) {
                    const ScenePoint a = Drawn(c, i - 1), b = Drawn(c, i);
                    const bool both = Selected(c, i - 1) && Selected(c, i);
                    scene_.Line(a.x, a.y, b.x, b.y, both ? Blue : colour, 2);
                }
                if (flatEnds) {
                    const ScenePoint last = Drawn(c, points_ - 1);
                    scene_.Line(last.x, last.y, end, last.y, colour, 2);
                }
            }
            if (Several()) {
                const int raw = c < curves_.Capacity() ? curves_.values[static_cast<std::size_t>(c)] : c;
                const std::string text = FormatValue(raw, curves_.scale, curves_.unit, true);
                scene_.Text(g_.plotLeft - 5 - TextWidth(text), startY - height / 2, text, font_, Black);
            }
        }
    }

    void Point(ScenePoint p, std::uint32_t fill, std::uint32_t outline) {
        scene_.RoundRect(p.x - 3, p.y - 3, p.x + 3, p.y + 3, 3, fill, outline);
    }

    void Points() {
        const bool base = ShowsBasePoint(s_, r_);
        for (int c = 0; c < curveCount_; ++c) {
            const bool onSelectedCurve = c == g_.selectedCurve;
            const std::uint32_t outline = onSelectedCurve ? Red : Grey;
            const std::uint32_t fill = onSelectedCurve ? Yellow : Grey;
            if (base)
                Point({g_.plotLeft, g_.startY[static_cast<std::size_t>(c)]}, fill, outline);
            for (int i = 0; i < points_; ++i) {
                const ScenePoint p = Drawn(c, i);
                const int mark = Mark(c, i);
                if ((mark & MarkSelected) == 0) {
                    Point(p, fill, outline);
                    continue;
                }
                std::uint32_t selectedFill = (mark & MarkCorner) != 0 ? CornerGreen : Blue;
                if (Previewed(c, i) &&
                    PreviewValue(c, i) != values_.values[static_cast<std::size_t>(
                                              std::clamp(g_.ValueIndex(c, i), 0, MaxCells - 1))])
                    selectedFill = Yellow;
                Point(p, selectedFill, Blue);
                scene_.RoundRect(p.x - 5, p.y - 5, p.x + 5, p.y + 5, 5, Blue, Blue, false);
            }
        }
        LiveRing(base);
    }

    void LiveRing(bool base) {
        if ((s_.flags & TrackLive) == 0 || s_.actualState != 1)
            return;
        const bool alongY = &horizontal_ == &s_.axisY;
        int point = alongY ? s_.actualY : s_.actualX;
        int curve = alongY ? s_.actualX : s_.actualY;
        if (curves_.collapsed())
            curve = 0;
        if (curve < 0 || curve >= curveCount_ || point < -1 || point >= points_)
            return;
        ScenePoint p;
        if (point == -1) {
            if (!base)
                return;
            p = {g_.plotLeft, g_.startY[static_cast<std::size_t>(curve)]};
        } else {
            p = {g_.X(curve, point), g_.Y(curve, point)};
        }
        const std::uint32_t live = v_.Colour(PaletteLiveOk);
        scene_.Ellipse(p.x - 7, p.y - 7, p.x + 7, p.y + 7, live, 1);
        scene_.Ellipse(p.x - 8, p.y - 8, p.x + 8, p.y + 8, live, 1);
    }

    // A square outline whose corners are both included.
    void Frame(int left, int top, int right, int bottom, std::uint32_t colour) {
        scene_.Line(left, top, right, top, colour);
        scene_.Line(right, top, right, bottom, colour);
        scene_.Line(right, bottom, left, bottom, colour);
        scene_.Line(left, bottom, left, top, colour);
    }

    void HotMarkers() {
        const std::uint32_t colour = gv_.dragging ? Blue : Red;
        const int hot = gv_.hotPoint;
        if (hot == HotBase && ShowsBasePoint(s_, r_)) {
            for (int c = 0; c < curveCount_; ++c) {
                const int y = g_.startY[static_cast<std::size_t>(c)];
                Frame(g_.plotLeft - 5, y - 5, g_.plotLeft + 4, y + 4, colour);
            }
        } else if (hot >= 0) {
            const PointSet moving = MovingPoints(s_, r_, g_, hot, gv_.shift, gv_.control);
            for (int c = 0; c < curveCount_; ++c)
                for (int i = 0; i < points_; ++i)
                    if (moving.test(static_cast<std::size_t>(c * MaxX + i))) {
                        const ScenePoint p = Drawn(c, i);
                        Frame(p.x - 5, p.y - 5, p.x + 4, p.y + 4, colour);
                    }
        } else if (hot == HotLimiter && ShowsLimiter(s_, r_)) {
            const int x = LimiterX(g_, r_, gv_.markers.limiterMarker);
            scene_.Line(x, g_.plotBottom, x, plotTop_, colour);
            scene_.Line(x + 1, g_.plotBottom, x + 1, plotTop_, colour);
        }
    }

    void RubberBand() {
        const TSel &sel = s_.sel;
        if ((sel.mode & SelDragGraph) == 0 || sel.anchorX < 0)
            return;
        Frame(std::min(sel.anchorX, sel.currentX), std::min(sel.anchorY, sel.currentY),
              std::max(sel.anchorX, sel.currentX), std::max(sel.anchorY, sel.currentY), Red);
    }

    void ViewSwitch() { PaintViewSwitch(v_, ViewGraph2D, BitmapId::SwitchToTable, scene_); }

    const EditorView &v_;
    const Graph2DView &gv_;
    const Graph2DLayout &g_;
    const GraphRanges &r_;
    const CSheet &s_;
    Scene &scene_;
    const CAxe &horizontal_;
    const CAxe &curves_;
    const CAxe &values_;
    int curveCount_;
    int points_;
    EditorFont font_;
    int plotTop_ = 0;
    int plotRight_ = 0;
    double selectedLift_ = 0.0;
    bool usePreview_ = false;
};

} // namespace

void PaintGraph2D(const EditorView &view, const Graph2DView &graph, Scene &scene) {
    if (view.sheet == nullptr || graph.ranges.horizontalAxis == nullptr ||
        graph.ranges.valueAxis == nullptr || graph.ranges.curveAxis == nullptr)
        return;
    Graph2DPainter(view, graph, scene).Paint();
}

} // namespace zarvex1
