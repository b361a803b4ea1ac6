#include "core/mapeditor/model/TabToolbar.h"

#include <tuple>

#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/Sheet.h"
#include "core/mapeditor/model/TabLayout.h"

namespace zarvex1 {

void TabToolbar::Layout(const TableGeometry &g, const CSheet *sheet, int language, std::uint32_t faceColour) {
    buttons_ = {};
    count_ = 0;
    if (!g.Has(ShowToolbar))
        return;
    count_ = Size;
    const int e = g.toolbarLeft, b = g.toolbarTop;
    auto define = [&](int index, Rect rect, int flags, std::string hint) -> ToolbarButton & {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(index)];
        button.rect = rect;
        button.flags = flags;
        button.faceColour = faceColour;
        button.hint = std::move(hint);
        return button;
    };
    ToolbarButton &copy = define(CommandCopy, Rect{e, b, e + 24, b + 24}, ButtonGreyed, "Copy");
    copy.image = BitmapId::ClipboardCopy;
    copy.inactiveImage = BitmapId::ClipboardCopyOff;
    ToolbarButton &copyTable =
        define(CommandCopyTable, Rect{e + 30, b, e + 54, b + 24}, ButtonGreyed, "Copy table");
    copyTable.image = BitmapId::ClipboardCopySheet;
    copyTable.inactiveImage = BitmapId::ClipboardCopyOff;
    copyTable.active = 1;
    ToolbarButton &paste = define(CommandPaste, Rect{e + 60, b, e + 84, b + 24}, ButtonGreyed, "Paste");
    paste.image = BitmapId::ClipboardPaste;
    paste.inactiveImage = BitmapId::ClipboardPasteOff;
    define(CommandPlus, Rect{e + 100, b, e + 112, b + 12}, ButtonGreyed,
           "Increment selection or actual value")
        .caption = "+";
    define(CommandMinus, Rect{e + 100, b + 13, e + 112, b + 24}, ButtonGreyed,
           "Decrement selection or actual value")
        .caption = "-";

    if (sheet != nullptr) {
        const CAxe &ax = sheet->axisX;
        const CAxe &ay = sheet->axisY;
        if (ax.collapseMode != 2 && ay.collapseMode != 2 && (ax.collapseMode == 1 || ay.collapseMode == 1)) {
            const std::string labelX = EditorText(ax.label, language),
                              labelY = EditorText(ay.label, language);
            const std::string only = EditorText("only", language);
            int f = e + 128;
            auto use = [&](int command, std::string caption, const char *hint) {
                ToolbarButton &button = define(command, Rect{f, b + 6, f + 70, b + 24}, ButtonToggle, hint);
                button.caption = std::move(caption);
                button.active = 1;
                f += 75;
            };
            if (ay.collapseMode == 1)
                use(CommandUseX, only + " " + labelX, "Use only this parameter for table definition");
            if (ax.collapseMode == 1)
                use(CommandUseY, only + " " + labelY, "Use only this parameter for table definition");
            use(CommandUseBoth, labelX + " " + EditorText("and", language) + " " + labelY,
                "Use both parameters for table definition");
            const int chosen = ay.collapsed() ? CommandUseX : ax.collapsed() ? CommandUseY : CommandUseBoth;
            buttons_[static_cast<std::size_t>(chosen)].pressed = 1;
        }
    }

    const int views[3][3] = {{AllowTable, CommandViewTable, static_cast<int>(BitmapId::ViewTable)},
                             {AllowGraph2D, CommandView2D, static_cast<int>(BitmapId::View2D)},
                             {AllowGraph3D, CommandView3D, static_cast<int>(BitmapId::View3D)}};
    const char *viewHints[3] = {"View as table", "View as graph 2D", "View as graph 3D"};
    int allowed = 0;
    for (const auto &v : views)
        allowed += g.Has(v[0]) ? 1 : 0;
    if (allowed > 1) {
        int left = g.width - g.rightMargin - allowed * 63 + 5;
        for (int i = 0; i < 3; ++i) {
            if (!g.Has(views[i][0]))
                continue;
            ToolbarButton &button =
                define(views[i][1], Rect{left, b, left + 58, b + 24}, ButtonToggle, viewHints[i]);
            button.image = static_cast<BitmapId>(views[i][2]);
            button.active = 1;
            left += 63;
        }
    }

    define(CommandTop, Rect{10, 25, 55, 41}, ButtonToggle, "View graph form top").caption =
        EditorText("TOP", language);
    define(CommandIso1, Rect{60, 25, 95, 41}, ButtonToggle, "View graph as ISO1").caption =
        EditorText("ISO1", language);
    define(CommandIso2, Rect{100, 25, 135, 41}, ButtonToggle, "View graph as ISO2").caption =
        EditorText("ISO2", language);
}

bool TabToolbar::UpdateStates(const ToolbarStates &s) {
    if (count_ == 0)
        return false;
    ToolbarButton &copy = buttons_[CommandCopy], &paste = buttons_[CommandPaste];
    ToolbarButton &plus = buttons_[CommandPlus], &minus = buttons_[CommandMinus];
    const auto before = std::tuple(copy.active, paste.active, paste.image, plus.active, actsOnSelection_);
    copy.active = s.canCopy ? 1 : 0;
    paste.active = (s.pasteText && s.canPasteInto) || (s.pasteSheet && s.sheetHasEditable) ? 1 : 0;
    paste.image = s.pasteSheet ? BitmapId::ClipboardPasteSheet : BitmapId::ClipboardPaste;
    plus.active = minus.active = s.canPasteInto || s.liveTarget ? 1 : 0;
    actsOnSelection_ = s.canPasteInto;
    return before != std::tuple(copy.active, paste.active, paste.image, plus.active, actsOnSelection_);
}

void TabToolbar::ShowView(int viewMode, int left, int top) {
    if (count_ == 0)
        return;
    for (int command : {CommandViewTable, CommandView2D, CommandView3D}) {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(command)];
        const int view = command == CommandViewTable ? 1 : command == CommandView2D ? 2 : 4;
        button.pressed = button.Defined() && view == viewMode ? 1 : 0;
    }
    // The presets sit at the graph area's top-left corner, in the 3D view only.
    int x = left;
    for (int command : {CommandTop, CommandIso1, CommandIso2}) {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(command)];
        const int w = button.rect.right - button.rect.left, h = button.rect.bottom - button.rect.top;
        button.rect = Rect{x, top, x + w, top + h};
        button.active = viewMode == 4 ? 1 : 0;
        x += w + 5;
    }
}

void TabToolbar::SetPreset(int command) {
    for (int preset : {CommandTop, CommandIso1, CommandIso2})
        buttons_[static_cast<std::size_t>(preset)].pressed = preset == command ? 1 : 0;
}

int TabToolbar::ButtonAt(int x, int y) const {
    for (int i = 0; i < count_; ++i) {
        const ToolbarButton &button = buttons_[static_cast<std::size_t>(i)];
        if (button.Shown() && button.rect.Contains(x, y))
            return i;
    }
    return -1;
}

bool TabToolbar::Hover(int x, int y) {
    const int under = ButtonAt(x, y);
    bool changed = false;
    for (int i = 0; i < count_; ++i) {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(i)];
        const int hover = i == under ? 1 : 0;
        if (button.hover != hover) {
            button.hover = hover;
            changed = true;
        }
        if (hover == 0 && button.pressed != 0 && (button.flags & ButtonToggle) == 0) {
            button.pressed = 0; // left while pressed: released without running
            changed = true;
        }
    }
    return changed;
}

int TabToolbar::Press() {
    for (int i = 0; i < count_; ++i) {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(i)];
        if (!button.Shown() || button.hover == 0)
            continue;
        if (button.active == 0)
            return -1; // greyed: nothing to do
        if ((button.flags & ButtonToggle) != 0) {
            button.pressed = button.pressed != 0 ? 0 : 1;
            return i;
        }
        button.pressed = 1;
        return -1;
    }
    return -1;
}

int TabToolbar::Release() {
    for (int i = 0; i < count_; ++i) {
        ToolbarButton &button = buttons_[static_cast<std::size_t>(i)];
        if (button.pressed != 0 && (button.flags & ButtonToggle) == 0) {
            button.pressed = 0;
            return button.hover != 0 ? i : -1;
        }
    }
    return -1;
}

bool TabToolbar::AnyPressed() const {
    for (int i = 0; i < count_; ++i) {
        const ToolbarButton &button = buttons_[static_cast<std::size_t>(i)];
        if (button.pressed != 0 && (button.flags & ButtonToggle) == 0)
            return true;
    }
    return false;
}

int TabToolbar::HoveredButton() const {
    for (int i = 0; i < count_; ++i)
        if (buttons_[static_cast<std::size_t>(i)].hover != 0)
            return i;
    return -1;
}

} // namespace zarvex1
