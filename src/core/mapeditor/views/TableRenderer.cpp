#include "core/mapeditor/views/TableRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/views/DrawPrimitives.h"
#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {

namespace {

// The smallest size a value shrinks to so that it stays inside its cell.
constexpr int MinItemFontSize = 6;

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

bool Selected(std::uint8_t mark) {
    return (mark & MarkSelected) != 0;
}

// None, some or all of a line selected: the fill of its corner part or select button.
enum class LineState { None, Some, All };

LineState StateOf(int selected, int total) {
    if (selected == 0 || total == 0)
        return LineState::None;
    return selected >= total ? LineState::All : LineState::Some;
}

// Paints one table; the helpers share the view and the numbers every step needs.
class TablePainter {
public:
    TablePainter(const EditorView &view, Scene &scene)
        : v_(view), g_(view.geometry), s_(*view.sheet), ax_(s_.axisX), ay_(s_.axisY), ad_(s_.axisData),
          scene_(scene), xc_(ax_.collapsed()), yc_(ay_.collapsed()) {
        base_ = view.metrics.baseSize;
        cellFont_ = EditorFont{Trunc(1.4 * base_), true, false};
        lockedFont_ = EditorFont{Trunc(1.2 * base_), true, true};
    }

    void Paint() {
        PaintScrollBar(v_.horizontalBar, v_.controlColour, scene_);
        PaintScrollBar(v_.verticalBar, v_.controlColour, scene_);
        Backgrounds();
        Grid();
        Corner();
        SelectButtons();
        if (v_.sheet->sel.count > 1)
            Tint();
        LiveRing();
        if (v_.selectionBlock.x0 >= -1)
            BlockFrame(v_.selectionBlock, Black, v_.focused ? 3 : 2, true);
        if (v_.sheet->sel.count > 1)
            Outline();
        if (v_.dragMode != DragNone)
            BlockFrame(v_.dragBlock, Grey, 3, false);
        CellTexts();
        HeaderTexts();
        CountLabels();
        if (!v_.printLook)
            PaintSpinner(v_, scene_);
        ViewSwitch();
    }

private:
    // Item index of visible column c and row r; a collapsed axis has only its fixed index.
    int Column(int c) const { return xc_ ? ax_.collapsedIndex : ax_.firstVisible + c; }
    int Row(int r) const { return yc_ ? ay_.collapsedIndex : ay_.firstVisible + r; }
    std::uint32_t Dark() const { return v_.Colour(PaletteDarkEdge); }
    std::uint32_t Light() const { return v_.Colour(PaletteLightEdge); }

    std::uint32_t Fill(LineState state) const {
        switch (state) {
        case LineState::None:
            return v_.controlColour;
        case LineState::Some:
            return v_.Colour(PalettePartlySelected);
        case LineState::All:
            return v_.Colour(PaletteFullySelected);
        }
        return v_.controlColour;
    }

    LineState HeaderState(const CAxe &axis, bool xHeaders) const {
        const TSel &sel = s_.sel;
        int n = 0;
        for (int i = 0; i < axis.count; ++i)
            n += Selected(xHeaders ? sel.xMarks[static_cast<std::size_t>(i)]
                                   : sel.yMarks[static_cast<std::size_t>(i)]);
        return StateOf(n, axis.count);
    }

    // Selected cells of a column (column >= 0), a row (row >= 0) or all used cells.
    LineState CellState(int column, int row) const {
        int n = 0, total = 0;
        for (int j = 0; j < ay_.count; ++j) {
            if ((yc_ && j != ay_.collapsedIndex) || (row >= 0 && j != row))
                continue;
            for (int i = 0; i < ax_.count; ++i) {
                if ((xc_ && i != ax_.collapsedIndex) || (column >= 0 && i != column))
                    continue;
                ++total;
                n += Selected(s_.sel.CellMark(i, j));
            }
        }
        return StateOf(n, total);
    }

    std::string Label(const CAxe &axis) const { return EditorText(axis.label, v_.language); }

    void Backgrounds() {
        const int width = Trunc(g_.visibleCols * static_cast<double>(g_.columnWidth));
        const int height = Trunc(g_.visibleRows * static_cast<double>(g_.rowHeight));
        if (!xc_)
            DrawBevelBox(scene_, g_.cellsX, g_.tableY, width, g_.columnHeaderHeight, true, ax_.color, Dark(),
                         Light());
        if (!yc_)
            DrawBevelBox(scene_, g_.tableX, g_.cellsY, g_.rowHeaderWidth, height, true, ay_.color, Dark(),
                         Light());
        DrawBevelBox(scene_, g_.cellsX, g_.cellsY, width, height, true, ad_.color, Dark(), Light());
    }

    void Grid() {
        const std::uint32_t grid = v_.Colour(PaletteGrid);
        for (int c = 1; c < g_.visibleCols; ++c) {
            const int x = g_.ColumnEdge(c);
            scene_.Line(x, g_.tableY + 1, x, g_.tableY + g_.columnHeaderHeight, grid);
            scene_.Line(x, g_.cellsY + 1, x, g_.CellsBottom(), grid);
        }
        for (int r = 1; r < g_.visibleRows; ++r) {
            const int y = g_.RowEdge(r);
            scene_.Line(g_.tableX + 1, y, g_.tableX + g_.rowHeaderWidth, y, grid);
            scene_.Line(g_.cellsX + 1, y, g_.CellsRight(), y, grid);
        }
    }

    // An axis name: bold at the label size, white and one pixel lower right when its line is selected.
    void AxisName(int x, int y, const std::string &text, const EditorFont &font, bool allSelected) {
        if (allSelected)
            scene_.Text(x + 1, y + 1, text, font, White);
        else
            scene_.Text(x, y, text, font, Black);
    }

    void Corner() {
        const EditorFont labelFont{s_.labelFontSize, true, false};
        const int tx = g_.tableX, ty = g_.tableY, rhw = g_.rowHeaderWidth, chh = g_.columnHeaderHeight;
        if (!xc_) {
            const LineState state = HeaderState(ax_, true);
            const int left = yc_ ? tx + 1 : tx + 2;
            const int leftBottom = yc_ ? tx + 1 : tx + rhw + 1;
            std::vector<ScenePoint> part{
                {left, ty}, {leftBottom, ty + chh - 1}, {g_.cellsX - 1, ty + chh - 1}, {g_.cellsX - 1, ty}};
            scene_.Polygon(part, Fill(state), Dark());
            if (state != LineState::All) {
                scene_.Line(left, ty, g_.cellsX - 1, ty, Light());
                if (yc_)
                    scene_.Line(left, ty, left, ty + chh - 1, Light());
            } else {
                scene_.Line(g_.cellsX - 1, ty, g_.cellsX - 1, ty + chh - 1, Light());
                scene_.Line(leftBottom, ty + chh - 1, g_.cellsX - 1, ty + chh - 1, Light());
            }
            const std::string name = Label(ax_);
            const int w = v_.metrics.Width(name, labelFont);
            const int x = yc_ ? (left + g_.cellsX - 1 - w) / 2 : g_.cellsX - 3 - w;
            const int y = yc_ ? ty + (chh - v_.metrics.XHeight(labelFont)) / 2 : ty;
            AxisName(x, y, name, labelFont, state == LineState::All);
        }
        if (!yc_) {
            const LineState state = HeaderState(ay_, false);
            const int top = xc_ ? g_.cellsY - 30 : ty + 2;
            const int topRight = xc_ ? g_.cellsY - 30 : ty + chh + 1;
            std::vector<ScenePoint> part{
                {tx, top}, {tx + rhw - 1, topRight}, {tx + rhw - 1, g_.cellsY - 1}, {tx, g_.cellsY - 1}};
            scene_.Polygon(part, Fill(state), Dark());
            if (state != LineState::All) {
                scene_.Line(tx, g_.cellsY - 1, tx, top, Light());
                if (xc_)
                    scene_.Line(tx, top, tx + rhw - 1, top, Light());
            } else {
                scene_.Line(tx, g_.cellsY - 1, tx + rhw - 1, g_.cellsY - 1, Light());
                scene_.Line(tx + rhw - 1, g_.cellsY - 1, tx + rhw - 1, topRight, Light());
            }
            const std::string name = Label(ay_);
            const int h = v_.metrics.XHeight(labelFont);
            const int x = xc_ ? tx + (rhw - v_.metrics.Width(name, labelFont)) / 2 : tx + 5;
            const int y = xc_ ? (top + g_.cellsY - 1 - h) / 2 : g_.cellsY - h - 5;
            AxisName(x, y, name, labelFont, state == LineState::All);
        }
        if (xc_) {
            const int left = tx + rhw + 2, right = Trunc(g_.cellsX + g_.columnWidth);
            ValueNameBox(left, g_.cellsY - 30, right - left, 28, CellState(ax_.collapsedIndex, -1), 4);
        } else if (yc_) {
            const int top = ty + chh + 2;
            ValueNameBox(tx, top, g_.cellsX - tx - 2, g_.RowEdge(1) - top, CellState(-1, ay_.collapsedIndex),
                         6);
        }
    }

    // The box that names the value axis over a single column or beside a single row.
    void ValueNameBox(int x, int y, int w, int h, LineState state, int margin) {
        DrawBevelBox(scene_, x, y, w, h, state == LineState::All, Fill(state), Dark(), Light());
        EditorFont font{s_.labelFontSize, true, false};
        const std::string name = Label(ad_);
        int textWidth = v_.metrics.Width(name, font);
        const int room = w - margin;
        if (textWidth > room && textWidth > 0) {
            font.size = std::max(1, font.size * room / textWidth);
            textWidth = v_.metrics.Width(name, font);
        }
        const int textHeight = v_.metrics.XHeight(font);
        AxisName(x + (w - textWidth) / 2, y + (h - textHeight) / 2, name, font, state == LineState::All);
    }

    void SelectButtons() {
        const int tx = g_.tableX, ty = g_.tableY, rhw = g_.rowHeaderWidth, chh = g_.columnHeaderHeight;
        auto button = [this](int x, int y, int w, int h, LineState state) {
            DrawBevelBox(scene_, x, y, w, h, state == LineState::All, Fill(state), Dark(), Light());
        };
        if (!xc_ && !yc_)
            button(tx + rhw + 2, ty + chh + 2, g_.cellsX - tx - rhw - 3, g_.cellsY - ty - chh - 3,
                   CellState(-1, -1));
        // A collapsed axis has the box of the value name in place of its select buttons.
        if (!xc_)
            for (int c = 0; c < g_.visibleCols; ++c)
                button(Trunc(c * static_cast<double>(g_.columnWidth) + g_.cellsX + 1), ty + chh + 2,
                       Trunc(g_.columnWidth - 1), g_.cellsY - ty - chh - 3, CellState(Column(c), -1));
        if (!yc_)
            for (int r = 0; r < g_.visibleRows; ++r)
                button(tx + rhw + 2, Trunc(r * static_cast<double>(g_.rowHeight) + g_.cellsY + 1),
                       g_.cellsX - tx - rhw - 3, Trunc(g_.rowHeight - 1), CellState(-1, Row(r)));
    }

    // The tint over the inside of one selected item (tintW x tintH from one pixel in), the white accent
    // lines along its inner bottom and right edges, and its corner triangles.
    void TintItem(int x, int y, int right, int bottom, int tintW, int tintH, int corners, bool editable,
                  int triW, int triH) {
        scene_.Tint(x + 1, y + 1, tintW, tintH, v_.Colour(PaletteSelectionTint));
        scene_.Line(x + 1, bottom - 1, right - 1, bottom - 1, White);
        scene_.Line(right - 1, bottom - 1, right - 1, y, White);
        scene_.Line(x + 1, bottom - 2, right - 2, bottom - 2, White);
        scene_.Line(right - 2, bottom - 2, right - 2, y, White);
        if (editable)
            DrawCornerTriangles(scene_, x + 1, y + 1, triW, triH, corners,
                                v_.Colour(v_.previewOn ? PalettePreview : PaletteCornerMarker));
    }

    void Tint() {
        const TSel &sel = s_.sel;
        const int cw2 = Trunc(g_.columnWidth - 2), rh2 = Trunc(g_.rowHeight - 2);
        for (int r = 0; r < g_.visibleRows; ++r)
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c), j = Row(r);
                if (Selected(sel.CellMark(i, j)))
                    TintItem(g_.ColumnEdge(c), g_.RowEdge(r), g_.ColumnEdge(c + 1), g_.RowEdge(r + 1), cw2,
                             rh2, sel.CornerMask(i, j, xc_, yc_), ad_.editable(), cw2, rh2);
            }
        const int ty = g_.tableY, chh = g_.columnHeaderHeight;
        if (!xc_)
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c);
                if (!Selected(sel.xMarks[static_cast<std::size_t>(i)]))
                    continue;
                const int x = g_.ColumnEdge(c), right = g_.ColumnEdge(c + 1);
                TintItem(x, ty, right, ty + chh, right - x - 2, chh - 2, sel.CornerMask(i, -1, xc_, yc_),
                         ax_.editable(), cw2, chh - 1);
            }
        const int tx = g_.tableX, rhw = g_.rowHeaderWidth;
        if (!yc_)
            for (int r = 0; r < g_.visibleRows; ++r) {
                const int j = Row(r);
                if (!Selected(sel.yMarks[static_cast<std::size_t>(j)]))
                    continue;
                const int y = g_.RowEdge(r), bottom = g_.RowEdge(r + 1);
                TintItem(tx, y, tx + rhw, bottom, rhw - 2, bottom - y - 2, sel.CornerMask(-1, j, xc_, yc_),
                         ay_.editable(), rhw - 1, rh2);
            }
    }

    void LiveRing() {
        std::vector<Rect> boxes;
        AddLiveRingBoxes(g_, s_, boxes);
        for (const Rect &box : boxes)
            DrawRing(scene_, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     v_.Colour(PaletteLiveOk));
    }

    // A block's frame clipped to the part that holds it: an edge goes when its own coordinate was
    // clamped or both its ends were clamped to the same side.
    void BlockFrame(const Block &b, std::uint32_t colour, int width, bool fillHandle) {
        const Rect r = BlockPixels(g_, s_, b);
        if (r == Rect{})
            return;
        const Rect part = BlockPart(g_, b);
        // -1 clamped to the low side, 1 to the high side, 0 inside.
        auto clamp = [](int value, int low, int high, int &side) {
            side = value < low ? -1 : value > high ? 1 : 0;
            return std::clamp(value, low, high);
        };
        int sl = 0, sr = 0, st = 0, sb = 0;
        const int left = clamp(r.left, part.left, part.right, sl);
        const int right = clamp(r.right, part.left, part.right, sr);
        const int top = clamp(r.top, part.top, part.bottom, st);
        const int bottom = clamp(r.bottom, part.top, part.bottom, sb);
        const bool horizontalGone = st != 0 && st == sb;
        const bool verticalGone = sl != 0 && sl == sr;
        if (sl == 0 && !horizontalGone)
            scene_.Line(left, top, left, bottom, colour, width);
        if (sr == 0 && !horizontalGone)
            scene_.Line(right, top, right, bottom, colour, width);
        if (st == 0 && !verticalGone)
            scene_.Line(left, top, right, top, colour, width);
        if (sb == 0 && !verticalGone)
            scene_.Line(left, bottom, right, bottom, colour, width);
        if (fillHandle && sr == 0 && sb == 0 && !horizontalGone && !verticalGone) {
            const int n = right, o = bottom;
            scene_.Line(n - 3, o - 1, n - 3, o + 2, White);
            scene_.Line(n - 1, o - 3, n + 2, o - 3, White);
            scene_.Fill(n - 2, o - 2, 5, 5, Black);
        }
    }

    void Outline() {
        const TSel &sel = s_.sel;
        auto cellSelected = [&](int i, int j) {
            if (i < 0 || j < 0 || i >= ax_.count || j >= ay_.count)
                return false;
            return Selected(sel.CellMark(i, j));
        };
        for (int r = 0; r < g_.visibleRows; ++r) {
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c), j = Row(r);
                if (!Selected(sel.CellMark(i, j)))
                    continue;
                const int x = g_.ColumnEdge(c), y = g_.RowEdge(r);
                const int right = g_.ColumnEdge(c + 1), bottom = g_.RowEdge(r + 1);
                const bool leftSel = i == 0 ? Selected(sel.yMarks[static_cast<std::size_t>(j)])
                                            : !xc_ && cellSelected(i - 1, j);
                const bool topSel = j == 0 ? Selected(sel.xMarks[static_cast<std::size_t>(i)])
                                           : !yc_ && cellSelected(i, j - 1);
                const bool rightSel = !xc_ && cellSelected(i + 1, j);
                const bool bottomSel = !yc_ && cellSelected(i, j + 1);
                if (!leftSel)
                    scene_.Line(x + 1, y + 1, x + 1, bottom, Black);
                if (!rightSel)
                    scene_.Line(right - 1, y + 1, right - 1, bottom, Black);
                if (!topSel)
                    scene_.Line(x + 1, y + 1, right, y + 1, Black);
                if (!bottomSel)
                    scene_.Line(x + 1, bottom - 1, right, bottom - 1, Black);
            }
        }
        const int ty = g_.tableY, hb = g_.tableY + g_.columnHeaderHeight;
        if (!xc_)
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c);
                if (!Selected(sel.xMarks[static_cast<std::size_t>(i)]))
                    continue;
                const int x = g_.ColumnEdge(c), right = g_.ColumnEdge(c + 1);
                if (i == 0 || !Selected(sel.xMarks[static_cast<std::size_t>(i - 1)]))
                    scene_.Line(x + 1, ty + 1, x + 1, hb, Black);
                if (i + 1 >= ax_.count || !Selected(sel.xMarks[static_cast<std::size_t>(i + 1)]))
                    scene_.Line(right - 1, ty + 1, right - 1, hb, Black);
                scene_.Line(x + 1, ty + 1, right, ty + 1, Black);
                scene_.Line(x + 1, hb - 1, right, hb - 1, Black);
            }
        const int tx = g_.tableX, hr = g_.tableX + g_.rowHeaderWidth;
        if (!yc_)
            for (int r = 0; r < g_.visibleRows; ++r) {
                const int j = Row(r);
                if (!Selected(sel.yMarks[static_cast<std::size_t>(j)]))
                    continue;
                const int y = g_.RowEdge(r), bottom = g_.RowEdge(r + 1);
                if (j == 0 || !Selected(sel.yMarks[static_cast<std::size_t>(j - 1)]))
                    scene_.Line(tx + 1, y + 1, hr, y + 1, Black);
                if (j + 1 >= ay_.count || !Selected(sel.yMarks[static_cast<std::size_t>(j + 1)]))
                    scene_.Line(tx + 1, bottom - 1, hr, bottom - 1, Black);
                scene_.Line(tx + 1, y + 1, tx + 1, bottom, Black);
                scene_.Line(hr - 1, y + 1, hr - 1, bottom, Black);
            }
    }

    // The text of one item centred in left ... right, top ... bottom (their last pixels): the value, the
    // preview value or the in-place text.
    void ItemText(int column, int row, int raw, int previewRaw, bool previewItem, const CAxe &axis,
                  bool showUnit, int left, int top, int right, int bottom) {
        const TValueEdit &edit = v_.edit;
        const bool editable = axis.editable();
        const EditorFont font = editable ? cellFont_ : lockedFont_;
        if (edit.active != 0 && edit.editCol == column && edit.editRow == row) {
            const Rect &t = edit.textRect;
            if (edit.HasSelection() && edit.boundaries.size() == edit.editText.size() + 1) {
                const int lo = edit.boundaries[static_cast<std::size_t>(
                    std::clamp(edit.SelLow(), 0, static_cast<int>(edit.editText.size())))];
                const int hi = edit.boundaries[static_cast<std::size_t>(
                    std::clamp(edit.SelHigh(), 0, static_cast<int>(edit.editText.size())))];
                scene_.Fill(lo, t.top, hi - lo, t.bottom - t.top, v_.Colour(PaletteEditHighlight));
            }
            scene_.Text(t.left, t.top, edit.editText, EntryFont(), Black);
            return;
        }
        std::uint32_t colour = editable ? Black : Grey;
        int value = raw;
        if (v_.previewOn && previewItem) {
            value = previewRaw;
            if (previewRaw != raw)
                colour = v_.Colour(PalettePreview);
        }
        const std::string text = FormatValue(value, axis.scale, axis.unit, showUnit);
        EditorFont fitted = font;
        int w = v_.metrics.Width(text, fitted);
        // A text wider than its item ("1 000 kPa" beside a sensor calibration) is drawn smaller rather
        // than over its neighbours.
        while (w > right - left - 3 && fitted.size > MinItemFontSize) {
            --fitted.size;
            w = v_.metrics.Width(text, fitted);
        }
        const int h = v_.metrics.XHeight(fitted);
        scene_.Text((left + right - w) / 2 + 2, (top + bottom - h) / 2, text, fitted, colour);
    }

    EditorFont EntryFont() const {
        return EditorFont{static_cast<int>(std::lround(1.4 * base_)), true, false};
    }

    static bool PreviewItem(std::uint8_t mark) {
        return (mark & MarkSelected) != 0 && (mark & MarkCorner) == 0;
    }

    void CellTexts() {
        const TSel &sel = s_.sel;
        for (int r = 0; r < g_.visibleRows; ++r) {
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c), j = Row(r);
                const std::size_t index = static_cast<std::size_t>(j * MaxX + i);
                ItemText(i, j, s_.Cell(i, j), v_.preview[index], PreviewItem(sel.CellMark(i, j)), ad_,
                         ad_.showUnit(), g_.ColumnEdge(c), g_.RowEdge(r), g_.ColumnEdge(c + 1) - 1,
                         g_.RowEdge(r + 1) - 1);
            }
        }
    }

    void HeaderTexts() {
        const TSel &sel = s_.sel;
        const bool xRun = sel.isRectangle != 0 && sel.rectY0 == -1;
        const bool yRun = sel.isRectangle != 0 && sel.rectX0 == -1;
        if (!xc_)
            for (int c = 0; c < g_.visibleCols; ++c) {
                const int i = Column(c);
                const std::uint8_t mark = sel.xMarks[static_cast<std::size_t>(i)];
                ItemText(i, -1, ax_.values[static_cast<std::size_t>(i)],
                         v_.preview[static_cast<std::size_t>(i)], xRun && PreviewItem(mark), ax_, true,
                         g_.ColumnEdge(c), g_.tableY, g_.ColumnEdge(c + 1) - 1,
                         g_.tableY + g_.columnHeaderHeight - 1);
            }
        if (!yc_)
            for (int r = 0; r < g_.visibleRows; ++r) {
                const int j = Row(r);
                const std::uint8_t mark = sel.yMarks[static_cast<std::size_t>(j)];
                ItemText(-1, j, ay_.values[static_cast<std::size_t>(j)],
                         v_.preview[static_cast<std::size_t>(j)], yRun && PreviewItem(mark), ay_, true,
                         g_.tableX, g_.RowEdge(r), g_.tableX + g_.rowHeaderWidth - 1, g_.RowEdge(r + 1) - 1);
            }
    }

    void CountLabels() {
        const EditorFont font{10, true, false};
        char text[16];
        if (!yc_ && ay_.resizable()) {
            std::snprintf(text, sizeof text, "(%i)", ay_.count);
            const int w = v_.metrics.Width(text, font);
            scene_.Text(g_.tableX + (g_.rowHeaderWidth - w) / 2,
                        Trunc(g_.cellsY + g_.visibleRows * static_cast<double>(g_.rowHeight) + 2), text, font,
                        Black);
        }
        if (!xc_ && ax_.resizable()) {
            std::snprintf(text, sizeof text, "(%i)", ax_.count);
            const int w = v_.metrics.Width(text, font);
            scene_.Text(Trunc(g_.cellsX + g_.visibleCols * static_cast<double>(g_.columnWidth) + 2),
                        g_.tableY + (w + g_.columnHeaderHeight) / 2, text, font, Black, 90);
        }
    }

    void ViewSwitch() { PaintViewSwitch(v_, ViewTable, BitmapId::SwitchToGraph, scene_); }

    const EditorView &v_;
    const TableGeometry &g_;
    const CSheet &s_;
    const CAxe &ax_;
    const CAxe &ay_;
    const CAxe &ad_;
    Scene &scene_;
    bool xc_;
    bool yc_;
    int base_ = 8;
    EditorFont cellFont_;
    EditorFont lockedFont_;
};

// A small black arrow of b / 2 lines pointing along the bar (direction -1 or 1).
void Arrow(Scene &scene, int x, int y, int b, bool horizontal, int direction) {
    const int n = b / 2;
    const int cx = x + b / 2, cy = y + b / 2;
    for (int i = 0; i < n; ++i) {
        const int half = i / 2;
        const int along = (direction < 0 ? -n / 2 + i : n / 2 - i);
        if (horizontal)
            scene.Line(cx + along, cy - half, cx + along, cy + half + 1, Black);
        else
            scene.Line(cx - half, cy + along, cx + half + 1, cy + along, Black);
    }
}

} // namespace

void AddLiveRingBoxes(const TableGeometry &g, const CSheet &s, std::vector<Rect> &boxes) {
    if ((s.flags & TrackLive) == 0 || s.actualState != 1)
        return;
    const bool xc = s.axisX.collapsed(), yc = s.axisY.collapsed();
    const int c = xc ? 0 : s.actualX - s.axisX.firstVisible;
    const int r = yc ? 0 : s.actualY - s.axisY.firstVisible;
    const bool colIn = c >= 0 && c < g.visibleCols && s.actualX >= 0;
    const bool rowIn = r >= 0 && r < g.visibleRows && s.actualY >= 0;
    const int x = g.ColumnEdge(c), right = g.ColumnEdge(c + 1);
    const int y = g.RowEdge(r), bottom = g.RowEdge(r + 1);
    if (!xc && colIn)
        boxes.push_back({x, g.tableY, right, g.tableY + g.columnHeaderHeight});
    if (!yc && rowIn)
        boxes.push_back({g.tableX, y, g.tableX + g.rowHeaderWidth, bottom});
    if (colIn && rowIn)
        boxes.push_back({x, y, right, bottom});
}

void PaintTable(const EditorView &view, Scene &scene) {
    if (view.sheet == nullptr || !view.sheet->enabled())
        return;
    TablePainter(view, scene).Paint();
}

void PaintViewSwitch(const EditorView &view, int alone, BitmapId bitmap, Scene &scene) {
    const TableGeometry &g = view.geometry;
    if (view.sheet == nullptr || g.shownViews != alone || g.Has(ShowToolbar) || view.printLook)
        return;
    const CAxe &rows = view.sheet->axisY;
    const int n = rows.collapsed() ? 1 : std::min(rows.count, g.rowsWanted);
    scene.Bitmap(g.tableX - 10, Trunc(g.cellsY + n * static_cast<double>(g.rowHeight) - 2), bitmap);
}

void PaintScrollBar(const ScrollBar &shown, std::uint32_t face, Scene &scene) {
    if (!shown.Drawn())
        return;
    ScrollBar bar = shown;
    bar.position = std::min(bar.position, bar.total - bar.page);
    const Rect &r = bar.rect;
    const int b = bar.Thickness();
    const int c = bar.TrackLength();
    const int f = bar.ThumbLength();
    const int g = bar.ThumbOffset();
    const bool h = bar.horizontal;
    // Positions along the bar from its start, across it from its side.
    auto box = [&](int along, int length) {
        return h ? Rect{r.left + along, r.top, r.left + along + length, r.top + b}
                 : Rect{r.left, r.top + along, r.left + b, r.top + along + length};
    };
    const Rect track = box(b, c);
    scene.Pattern(track.left, track.top, track.right - track.left, track.bottom - track.top, White, face);
    if ((bar.pressedPart & PartTrackBefore) != 0) {
        const Rect before = box(b, g);
        scene.Fill(before.left, before.top, before.right - before.left, before.bottom - before.top, Black);
    }
    if ((bar.pressedPart & PartTrackAfter) != 0) {
        const Rect after = box(b + g + f, c - g - f);
        scene.Fill(after.left, after.top, after.right - after.left, after.bottom - after.top, Black);
    }
    for (int part : {PartFirstArrow, PartSecondArrow}) {
        const Rect arrowBox = box(part == PartFirstArrow ? 0 : b + c, b);
        const bool pressed = (bar.pressedPart & part) != 0;
        DrawBevelBox(scene, arrowBox.left, arrowBox.top, b - 1, b - 1, pressed, face, Grey, White);
        const int shift = pressed ? 1 : 0;
        Arrow(scene, arrowBox.left + shift, arrowBox.top + shift, b, h, part == PartFirstArrow ? -1 : 1);
    }
    const Rect thumb = box(b + g - 1, f);
    DrawBevelBox(scene, thumb.left, thumb.top, thumb.right - thumb.left - 1, thumb.bottom - thumb.top - 1,
                 false, face, Grey, White);
}

void PaintSpinner(const EditorView &view, Scene &scene) {
    const Spinner &spinner = view.spinner;
    if (spinner.shown == 0)
        return;
    for (int box : {1, 2}) {
        const Rect &r = box == 1 ? spinner.upBox : spinner.downBox;
        const bool pressed = box == 1 ? spinner.upPressed != 0 : spinner.downPressed != 0;
        const int w = r.right - r.left, h = r.bottom - r.top;
        DrawBevelBox(scene, r.left, r.top, w, h, pressed, view.controlColour, view.Colour(PaletteDarkEdge),
                     view.Colour(PaletteLightEdge));
        const int x = r.left + (pressed ? 1 : 0);
        auto px = [&](double fraction) { return x + Trunc(w * fraction); };
        auto py = [&](double fraction) {
            return box == 1 ? r.top + Trunc(h * fraction) : r.bottom - Trunc(h * fraction);
        };
        scene.Polygon({{px(0.5), py(0.1)}, {px(0.1), py(0.5)}, {px(0.9), py(0.5)}}, Grey, Grey);
        scene.Fill(px(0.3), std::min(py(0.5), py(0.9)), px(0.7) - px(0.3), std::abs(py(0.9) - py(0.5)), Grey);
    }
}

} // namespace zarvex1
