#include "core/mapeditor/input/Graph2DInput.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "core/mapeditor/EditOperations.h"
#include "core/mapeditor/EditorSteps.h"
#include "core/mapeditor/input/ValueEntry.h"
#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {

namespace {

// Pixels within which the pointer takes a point or the limiter line.
constexpr int HotDistance = 5;

// Conversion toward zero that stays defined far outside the int range.
int ToInt(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// Raw units of a pixel distance along an axis: the nearest whole unit.
int Units(int pixels, double scale) {
    return ToInt(std::floor(pixels / scale + 0.5));
}

int AddClamped(int value, int step) {
    return static_cast<int>(std::clamp<long long>(1LL * value + step, INT_MIN, INT_MAX));
}

} // namespace

int Graph2DInput::Lift(int curve) const {
    const GraphRanges &r = graph_.Ranges();
    return static_cast<int>(
        std::clamp<long long>(1LL * (r.curveCount - curve - 1) * r.curveOffset, INT_MIN / 2, INT_MAX / 2));
}

bool Graph2DInput::Dragging() const {
    return state_.dragging || (sheets_.HasCurrent() && (sheets_.Current().sel.mode & SelDragGraph) != 0);
}

void Graph2DInput::Move(int x, int y) {
    if (!sheets_.HasCurrent() || !graph_.Valid())
        return;
    CSheet &s = sheets_.Current();
    const Graph2DLayout &g = graph_.Layout2D();
    if (state_.dragging) {
        DragTo(x, y);
        return;
    }
    if ((s.sel.mode & SelDragGraph) != 0) {
        // The band stays inside the plot, one pixel in from every side.
        const int cx = std::clamp(x, g.plotLeft + 1, std::max(g.plotLeft + 1, g.plotLeft + g.plotWidth - 1));
        const int cy = std::clamp(y, g.plotBottom - g.plotHeight + 1,
                                  std::max(g.plotBottom - g.plotHeight + 1, g.plotBottom - 1));
        if (s.sel.ExtendSelectionDrag(graph_.PointRecord(), cx, cy, false))
            steps_.Request(DirtyRedraw);
        return;
    }
    Hover(x, y);
}

void Graph2DInput::Hover(int x, int y) {
    const CSheet &s = sheets_.Current();
    const GraphRanges &r = graph_.Ranges();
    const Graph2DLayout &g = graph_.Layout2D();
    const int curves = std::clamp(r.curveCount, 1, MaxX);
    const int points = PointCount(r);
    const bool base = ShowsBasePoint(s, r);
    auto distance = [x, y](int px, int py) {
        const double dx = px - x, dy = py - y;
        return ToInt(std::sqrt(dx * dx + dy * dy));
    };
    // The nearest point; ties keep the earlier curve, then the earlier point.
    int best = INT_MAX, bestCurve = state_.selectedCurve, bestPoint = HotNone;
    for (int c = 0; c < curves; ++c) {
        if (base) {
            const int d = distance(g.plotLeft, g.startY[static_cast<std::size_t>(c)]);
            if (d < best) {
                best = d;
                bestCurve = c;
                bestPoint = HotBase;
            }
        }
        for (int i = 0; i < points; ++i) {
            const int d = distance(g.X(c, i), g.Y(c, i));
            if (d < best) {
                best = d;
                bestCurve = c;
                bestPoint = c * MaxX + i;
            }
        }
    }
    int hot = HotNone;
    if (!layout_.OverGraph(x, y, s))
        bestCurve = state_.selectedCurve; // over the table beside the graph: nothing is hot
    else if (best < HotDistance)
        hot = bestPoint;
    else if (ShowsLimiter(s, r) &&
             std::abs(x - LimiterX(g, r, sheets_.Markers().limiterMarker)) < HotDistance)
        hot = HotLimiter;
    bool preview = false;
    if (hot >= 0 && (PointMark(s, g, hot / MaxX, hot % MaxX) & MarkCorner) != 0) {
        preview = true; // an interpolation corner shows the interpolation instead of dragging
        hot = HotNone;
    }
    if (bestCurve != state_.selectedCurve || hot != state_.hotPoint || preview != state_.previewOn)
        steps_.Request(DirtyRedraw);
    state_.selectedCurve = bestCurve;
    state_.hotPoint = hot;
    state_.previewOn = preview;
    UpdateHint();
}

bool Graph2DInput::LeftDown(int x, int y, bool shift, bool control) {
    if (!sheets_.HasCurrent() || !graph_.Valid() || state_.dragging)
        return true;
    CSheet &s = sheets_.Current();
    const GraphRanges &r = graph_.Ranges();
    const Graph2DLayout &g = graph_.Layout2D();
    if (state_.hotPoint == HotNone) {
        if (state_.previewOn) {
            operations_.Interpolate();
        } else {
            entry_.Commit();
            const int cx =
                std::clamp(x, g.plotLeft + 1, std::max(g.plotLeft + 1, g.plotLeft + g.plotWidth - 1));
            const int cy = std::clamp(y, g.plotBottom - g.plotHeight + 1,
                                      std::max(g.plotBottom - g.plotHeight + 1, g.plotBottom - 1));
            s.sel.BeginGraphSelectionDrag(graph_.PointRecord(), cx, cy, shift, control);
        }
        steps_.Request(DirtyRedraw);
        return true;
    }
    int ox = 0, oy = 0;
    dragAxis_ = 0;
    if (state_.hotPoint >= 0) {
        const CAxe &horizontal = *r.horizontalAxis;
        const bool sideways = horizontal.editable() && horizontal.hasValues();
        if (!sideways && !r.valueAxis->editable())
            return true; // nothing of the point can be changed
        if (sideways)
            dragAxis_ = &horizontal == &s.axisX ? AxisX : AxisY;
        ox = g.X(state_.hotPoint / MaxX, state_.hotPoint % MaxX);
        oy = g.Y(state_.hotPoint / MaxX, state_.hotPoint % MaxX);
    } else if (state_.hotPoint == HotBase) {
        ox = g.plotLeft;
        oy = g.startY[static_cast<std::size_t>(std::clamp(g.selectedCurve, 0, MaxX - 1))];
    } else {
        ox = LimiterX(g, r, sheets_.Markers().limiterMarker);
        oy = g.plotBottom;
    }
    entry_.Commit();
    grabX_ = x - ox;
    grabY_ = y - oy;
    lastX_ = x;
    lastY_ = y;
    dragCurve_ = g.selectedCurve;
    state_.dragging = true;
    steps_.NoteChange(0, GroupBegin);
    steps_.Request(DirtyRedraw);
    UpdateHint();
    return true;
}

bool Graph2DInput::LeftUp(int, int) {
    if (!sheets_.HasCurrent())
        return false;
    if (state_.dragging) {
        state_.dragging = false;
        warp_.reset();
        ignoreNextMove_ = false;
        // The owner learns of the whole drag at once: the values, and the shared axis when it could move.
        steps_.NoteChange(AxisData | dragAxis_, GroupEnd);
        steps_.Request(DirtyRelayout | DirtyRedraw);
        UpdateHint();
        return true;
    }
    TSel &sel = sheets_.Current().sel;
    if ((sel.mode & SelDragGraph) != 0) {
        sel.CommitSelection(graph_.PointRecord());
        steps_.Request(DirtyRedraw);
    }
    return false;
}

void Graph2DInput::RightDown(int, int) {
    if (!sheets_.HasCurrent() || !graph_.Valid() || state_.dragging)
        return;
    CSheet &s = sheets_.Current();
    const int hot = state_.hotPoint;
    if (hot < 0) {
        s.sel.ClearSelection();
    } else if ((PointMark(s, graph_.Layout2D(), hot / MaxX, hot % MaxX) & MarkSelected) == 0) {
        const CellPosition cell = PointCell(graph_.Layout2D(), hot / MaxX, hot % MaxX);
        s.sel.SelectOne(graph_.PointRecord(), cell.column, cell.row);
    }
    steps_.Request(DirtyRedraw);
}

bool Graph2DInput::Wheel(int direction) {
    if (!sheets_.HasCurrent() || !graph_.Valid() || state_.dragging)
        return false;
    const CSheet &s = sheets_.Current();
    const int hot = state_.hotPoint;
    if (hot < 0) {
        if (s.sel.kind != SelCells || s.sel.count == 0)
            return false;
        operations_.Increment(direction);
        return true;
    }
    if ((PointMark(s, graph_.Layout2D(), hot / MaxX, hot % MaxX) & MarkSelected) != 0) {
        operations_.Increment(direction);
    } else {
        const CellPosition cell = PointCell(graph_.Layout2D(), hot / MaxX, hot % MaxX);
        operations_.StepTarget(cell.column, cell.row, direction);
    }
    UpdateHint();
    return true;
}

void Graph2DInput::DragTo(int x, int y) {
    CSheet &s = sheets_.Current();
    const GraphRanges &r = graph_.Ranges();
    const Graph2DLayout &g = graph_.Layout2D();
    CAxe &horizontal = *r.horizontalAxis;
    CAxe &values = *r.valueAxis;
    const int dx = x - g.plotLeft - grabX_;
    const int dy = y - g.plotBottom - grabY_;
    lastX_ = x;
    lastY_ = y;
    const int sheet = sheets_.CurrentIndex();

    if (state_.hotPoint >= 0) {
        const int c = state_.hotPoint / MaxX, i = state_.hotPoint % MaxX;
        const int index = g.ValueIndex(c, i);
        if (index < 0 || index >= MaxCells || i >= horizontal.Capacity())
            return;
        int &cell = values.values[static_cast<std::size_t>(index)];
        int &point = horizontal.values[static_cast<std::size_t>(i)];
        int h = AddClamped(horizontal.displayMin, Units(dx, g.xScale));
        int v = AddClamped(AddClamped(-Units(dy, g.yScale), -Lift(c)), values.displayMin);
        if (!values.editable())
            v = cell;
        if (dragAxis_ == 0)
            h = point;
        const int oldValue = cell, oldPoint = point;
        cell = v;
        point = h;
        sheets_.NormalizeSheet(sheet, AxisData | dragAxis_);
        const int dh = point - oldPoint, dv = cell - oldValue;
        if (dh != 0 || dv != 0) {
            // The rest of the moving set follows by what the dragged point really moved.
            const PointSet moving =
                MovingPoints(s, r, g, state_.hotPoint, steps_.ShiftDown(), steps_.ControlDown());
            std::bitset<MaxX> indices;
            for (int k = 0; k < static_cast<int>(moving.size()); ++k) {
                if (!moving.test(static_cast<std::size_t>(k)) || k == state_.hotPoint)
                    continue;
                const int other = g.ValueIndex(k / MaxX, k % MaxX);
                if (other >= 0 && other < MaxCells && dv != 0)
                    values.values[static_cast<std::size_t>(other)] =
                        AddClamped(values.values[static_cast<std::size_t>(other)], dv);
                if (k % MaxX != i)
                    indices.set(static_cast<std::size_t>(k % MaxX));
            }
            for (int k = 0; k < MaxX && dh != 0; ++k)
                if (indices.test(static_cast<std::size_t>(k)) && k < horizontal.Capacity())
                    horizontal.values[static_cast<std::size_t>(k)] =
                        AddClamped(horizontal.values[static_cast<std::size_t>(k)], dh);
            sheets_.NormalizeSheet(sheet, AxisData | dragAxis_);
            steps_.Request(DirtyRedraw);
            Rescale(x, y, dragAxis_ != 0 ? std::optional<int>(h) : std::nullopt,
                    values.editable() ? std::optional<int>(v) : std::nullopt, c);
        }
    } else if (state_.hotPoint == HotBase) {
        int &base = sheets_.Markers().baseMarker;
        const int v = AddClamped(AddClamped(-Units(dy, g.yScale), -Lift(dragCurve_)), values.displayMin);
        base = v;
        sheets_.NormalizeSheet(sheet, 0);
        steps_.Request(DirtyRedraw);
        Rescale(x, y, std::nullopt, v, dragCurve_);
    } else if (state_.hotPoint == HotLimiter) {
        int &limiter = sheets_.Markers().limiterMarker;
        const int h = AddClamped(horizontal.displayMin, Units(dx, g.xScale));
        limiter = h;
        sheets_.NormalizeSheet(sheet, 0);
        steps_.Request(DirtyRedraw);
        Rescale(x, y, h, std::nullopt, dragCurve_);
    }
    UpdateHint();
}

void Graph2DInput::Rescale(int x, int y, std::optional<int> horizontal, std::optional<int> value, int curve) {
    const double xScale = graph_.Layout2D().xScale, yScale = graph_.Layout2D().yScale;
    graph_.Layout();
    const GraphRanges &r = graph_.Ranges();
    const Graph2DLayout &g = graph_.Layout2D();
    int px = x, py = y;
    if (horizontal && g.xScale != xScale)
        px = ToInt((static_cast<double>(*horizontal) - r.horizontalAxis->displayMin) * g.xScale + g.plotLeft +
                   grabX_);
    if (value && g.yScale != yScale)
        py = ToInt(g.plotBottom -
                   (static_cast<double>(*value) + Lift(curve) - r.valueAxis->displayMin) * g.yScale + grabY_);
    if (px == x && py == y)
        return;
    // The dragged object stays under the pointer while the graph rescales.
    warp_ = ScenePoint{px, py};
    ignoreNextMove_ = true;
    steps_.Request(DirtyRelayout | DirtyRedraw);
}

std::optional<ScenePoint> Graph2DInput::TakePointerWarp() {
    std::optional<ScenePoint> warp;
    std::swap(warp, warp_);
    if (warp)
        pendingWarp_ = *warp;
    return warp;
}

bool Graph2DInput::TakeIgnoreNextMove() {
    const bool ignore = ignoreNextMove_;
    ignoreNextMove_ = false;
    return ignore;
}

void Graph2DInput::PointerWarpRefused() {
    ignoreNextMove_ = false;
    // The pointer stays where it is: from now on it stands for where the object is.
    grabX_ += lastX_ - pendingWarp_.x;
    grabY_ += lastY_ - pendingWarp_.y;
}

void Graph2DInput::UpdateHint() {
    hint_.clear();
    if (!sheets_.HasCurrent() || !graph_.Valid())
        return;
    const GraphRanges &r = graph_.Ranges();
    const int language = steps_.Language();
    const std::string prefix = state_.dragging ? EditorText("Dragging: ", language) : std::string();
    auto name = [language](const CAxe &axis) { return EditorText(axis.label, language); };
    auto value = [](const CAxe &axis, int raw) { return FormatValue(raw, axis.scale, axis.unit, true); };
    const int hot = state_.hotPoint;
    if (hot >= 0) {
        const int c = hot / MaxX, i = hot % MaxX;
        const CAxe &horizontal = *r.horizontalAxis;
        const CAxe &curves = *r.curveAxis;
        const int index = graph_.Layout2D().ValueIndex(c, i);
        if (index < 0 || index >= MaxCells)
            return;
        const int h = horizontal.hasValues() ? horizontal.values[static_cast<std::size_t>(i)] : i;
        hint_ = prefix;
        if (r.curveCount > 1) {
            const int cv =
                curves.hasValues() && c < curves.Capacity() ? curves.values[static_cast<std::size_t>(c)] : c;
            hint_ += name(curves) + " = " + value(curves, cv) + "; ";
        }
        hint_ += name(horizontal) + " = " + value(horizontal, h) + "; " + name(*r.valueAxis) + " = " +
                 value(*r.valueAxis, r.valueAxis->values[static_cast<std::size_t>(index)]);
    } else if (hot == HotBase) {
        hint_ = prefix + EditorText("Base advance", language) + " = " +
                value(*r.valueAxis, sheets_.Markers().baseMarker);
    } else if (hot == HotLimiter) {
        hint_ = prefix + EditorText("Limiter", language) + " = " +
                value(*r.horizontalAxis, sheets_.Markers().limiterMarker);
    }
}

} // namespace zarvex1
