#include "core/mapeditor/views/ChromeRenderer.h"

#include <algorithm>

#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/views/DrawPrimitives.h"
#include "core/mapeditor/views/TableRenderer.h"

namespace zarvex1 {

void PaintSheetTabs(const EditorView &view, Scene &scene) {
    const TabSheets &sheets = view.sheets;
    const int current = sheets.CurrentIndex();
    scene.Line(0, 0, view.geometry.width, 0, Black);
    const EditorFont font{9, false, false};
    int left = 2;
    for (int i = 0; i < sheets.Count(); ++i) {
        const CSheet &s = sheets.Sheet(i);
        int l = left, r = left + s.titleWidth;
        left = r + 1;
        const bool isCurrent = i == current;
        const int bottom = isCurrent ? 20 : 18;
        if (isCurrent) {
            l -= 2;
            r += 2;
        }
        if (i != current + 1 || current < 0) {
            scene.Line(l, isCurrent ? 0 : 1, l, bottom - 2, White);
            scene.Line(l, bottom - 2, l + 2, bottom, Black);
        }
        scene.Line(l + 2, bottom, r - 2, bottom, Black);
        if (i != current - 1) {
            scene.Line(r - 2, bottom, r, bottom - 2, Black);
            scene.Line(r, bottom - 2, r, 0, Black);
            scene.Line(r - 1, 1, r - 1, bottom - 1, Grey);
        }
        if (isCurrent)
            scene.Line(l + 1, 0, r, 0, view.controlColour);
        const bool editable = s.axisX.editable() || s.axisY.editable() || s.axisData.editable();
        EditorFont titleFont = font;
        titleFont.italic = !s.enabled() || !editable;
        const std::string title = EditorText(s.title, view.language);
        const int w = view.metrics.Width(title, titleFont);
        scene.Text((l + r - w) / 2, bottom - 16, title, titleFont, s.enabled() ? Black : Grey);
    }
}

void PaintTitleLine(const EditorView &view, Scene &scene) {
    if (view.sheet == nullptr)
        return;
    const TableGeometry &g = view.geometry;
    const int x = g.colsWanted * g.columnWidth < 200 ? 0 : 10;
    scene.Text(x, 3, EditorText(view.sheet->title, view.language),
               EditorFont{view.sheet->titleFontSize, false, false}, Black);
}

void PaintToolbar(const EditorView &view, Scene &scene) {
    const TabToolbar &toolbar = view.toolbar;
    if (toolbar.Count() == 0)
        return;
    const ToolbarButton &plus = toolbar.Button(CommandPlus);
    const ToolbarButton &minus = toolbar.Button(CommandMinus);
    if (plus.active != 0) {
        if (toolbar.ActsOnSelection()) {
            const int l = plus.rect.left - 5, t = plus.rect.top - 3;
            const int r = plus.rect.right + 5, b = minus.rect.bottom + 3;
            scene.Line(l, t, r, t, Black, 3);
            scene.Line(r, t, r, b, Black, 3);
            scene.Line(r, b, l, b, Black, 3);
            scene.Line(l, b, l, t, Black, 3);
            // The small fill mark of a selection at the frame's bottom-right corner.
            const int mx = plus.rect.right + 3, my = minus.rect.bottom + 1;
            scene.Line(mx - 1, my - 1, mx - 1, my + 4, White);
            scene.Line(mx - 1, my - 1, mx + 4, my - 1, White);
            scene.Fill(mx, my, 5, 5, Black);
        } else {
            DrawRing(scene, plus.rect.left - 7, plus.rect.top - 5, plus.rect.right - plus.rect.left + 14,
                     minus.rect.bottom - plus.rect.top + 10, view.Colour(PaletteLiveOk));
        }
    }
    for (int i = 0; i < toolbar.Count(); ++i) {
        const ToolbarButton &button = toolbar.Button(i);
        if (!button.Shown())
            continue;
        const Rect &r = button.rect;
        const int w = r.right - r.left, h = r.bottom - r.top;
        const bool pressed = button.pressed != 0;
        const bool active = button.active != 0;
        DrawBevelBox2(scene, r.left, r.top, w, h, pressed, button.faceColour, Grey, White);
        const int shift = pressed ? 1 : 0;
        if (button.image != BitmapId::None) {
            const BitmapId image =
                active || button.inactiveImage == BitmapId::None ? button.image : button.inactiveImage;
            scene.Bitmap(r.left + 1 + shift, r.top + 1 + shift, image);
        } else if (button.caption == "+" || button.caption == "-") {
            const std::uint32_t colour = !active ? Grey : pressed ? White : Black;
            const int pen = std::min(w, h) / 10 + 1;
            const int cx = r.left + w / 2, cy = r.top + h / 2;
            scene.Line(r.left + w * 2 / 10, cy, r.left + w * 8 / 10, cy, colour, pen);
            if (button.caption == "+")
                scene.Line(cx, r.top + h * 2 / 10, cx, r.top + h * 8 / 10, colour, pen);
        } else if (!button.caption.empty()) {
            const EditorFont font{view.metrics.baseSize, false, false};
            const int tw = view.metrics.Width(button.caption, font);
            const int th = view.metrics.XHeight(font);
            scene.Text(r.left + (w - tw) / 2 + shift, r.top + (h - th) / 2 + shift, button.caption, font,
                       active ? Black : Grey);
        }
    }
}

void RenderBody(const EditorView &view, Scene &body) {
    const TableGeometry &g = view.geometry;
    body.Fill(0, 0, g.width, g.height, view.controlColour);
    if (view.sheet != nullptr && view.sheet->enabled() && (g.shownViews & ViewTable) != 0)
        PaintTable(view, body);
}

void RenderChrome(const EditorView &view, Scene &chrome) {
    if (view.sheets.Count() > 1)
        PaintSheetTabs(view, chrome);
    else if (view.geometry.Has(ShowTitleLine))
        PaintTitleLine(view, chrome);
    if (view.sheet != nullptr && view.sheet->enabled() && !view.printLook)
        PaintToolbar(view, chrome);
}

} // namespace zarvex1
