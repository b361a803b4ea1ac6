#include "core/mapeditor/PopupMenu.h"

#include <cstdio>

#include "core/mapeditor/Clipboard.h"
#include "core/mapeditor/ClipboardCommands.h"
#include "core/mapeditor/EditorCommands.h"
#include "core/mapeditor/MapEditor.h"
#include "core/mapeditor/model/EditorTexts.h"

namespace zarvex1 {

namespace {

// Columns or rows whose every used cell is selected.
int WholeLines(const CSheet &s, bool columns) {
    const CAxe &along = columns ? s.axisX : s.axisY;
    const CAxe &across = columns ? s.axisY : s.axisX;
    int whole = 0;
    for (int p = 0; p < along.count; ++p) {
        bool all = true;
        for (int q = 0; q < across.count && all; ++q) {
            if (across.collapsed() && q != across.collapsedIndex)
                continue;
            all = (columns ? s.sel.CellMark(p, q) : s.sel.CellMark(q, p)) & MarkSelected;
        }
        whole += all ? 1 : 0;
    }
    return whole;
}

bool LineSelected(const CSheet &s, bool column, int index) {
    const CAxe &across = column ? s.axisY : s.axisX;
    if (index < 0 || index >= (column ? s.axisX.count : s.axisY.count))
        return false;
    for (int q = 0; q < across.count; ++q) {
        if (across.collapsed() && q != across.collapsedIndex)
            continue;
        if (((column ? s.sel.CellMark(index, q) : s.sel.CellMark(q, index)) & MarkSelected) == 0)
            return false;
    }
    return true;
}

bool HasEditableAxis(const CSheet &s) {
    return s.axisX.editable() || s.axisY.editable() || s.axisData.editable();
}

} // namespace

std::vector<PopupItem> BuildPopupMenu(MapEditor &editor, int x, int y, bool onTab) {
    std::vector<PopupItem> items;
    if (!editor.HasCurrent())
        return items;
    const int language = editor.Language();
    auto text = [language](const char *english) { return EditorText(english, language); };
    auto add = [&items](PopupAction action, int value, std::string label, bool checkable = false,
                        bool checked = false) {
        items.push_back(PopupItem{action, value, std::move(label), checkable, checked});
    };
    auto separator = [&items] {
        if (!items.empty() && items.back().action != PopupAction::Separator)
            items.push_back(PopupItem{});
    };
    const CSheet &s = editor.Current();
    const TableGeometry &g = editor.Geometry();
    const bool enabled = s.enabled();

    if ((s.flags & HasEnableBox) != 0) {
        add(PopupAction::Command, CommandSheetOnOff,
            text(enabled ? "Disable " : "Enable ") + " " + EditorText(s.title, language));
        separator();
    }

    if (enabled) {
        const int probe = editor.Clipboard() != nullptr ? editor.Clipboard()->Probe() : 0;
        const bool pasteInto = SomethingToPasteInto(s);
        const bool sheetText = (probe & ClipboardHasSheet) != 0 && HasEditableAxis(s);
        const bool plainText = (probe & ClipboardHasText) != 0 && pasteInto;
        const bool graphDrawn = (g.shownViews & (ViewGraph2D | ViewGraph3D)) != 0;
        const bool overGraph = graphDrawn && editor.Layout().OverGraph(x, y, s);
        const bool copy = !onTab && SomethingToCopy(s);
        if (copy)
            add(PopupAction::Command, CommandCopy, text("Copy"));
        if (copy || onTab || overGraph)
            add(PopupAction::Command, CommandCopyTable, text("Copy table"));
        if (overGraph && !onTab)
            add(PopupAction::Command, CommandCopyGraph, text("Copy graph"));
        if (sheetText)
            add(PopupAction::Command, CommandPaste, text("Paste table"));
        else if (plainText && !onTab)
            add(PopupAction::Command, CommandPaste, text("Paste"));
        separator();

        if (!onTab && pasteInto && s.sel.isRectangle != 0) {
            add(PopupAction::Command, CommandInterpolate, text("Interpolate"));
            separator();
        }

        LayoutRecord &record = editor.Layout().TableRecord();
        const int families = onTab || g.viewMode != ViewTable ? 0 : HitFamilies(record, x, y);
        if (families != 0) {
            const bool xc = s.axisX.collapsed(), yc = s.axisY.collapsed();
            bool insertColumn = false, insertRow = false;
            int deleteColumns = 0, deleteRows = 0;
            if ((families & HitCell) != 0) {
                insertColumn = !xc && LineSelected(s, true, record.hitColumn);
                insertRow = !yc && LineSelected(s, false, record.hitRow);
            }
            insertColumn = insertColumn || (families & HitColumnBar) != 0;
            insertRow = insertRow || (families & HitRowBar) != 0;
            if (s.sel.kind == SelCells) {
                deleteColumns = xc ? 0 : WholeLines(s, true);
                deleteRows = yc ? 0 : WholeLines(s, false);
            } else if (s.sel.kind == SelXHeaders) {
                insertColumn = true;
                deleteColumns = s.sel.count;
            } else if (s.sel.kind == SelYHeaders) {
                insertRow = true;
                deleteRows = s.sel.count;
            }
            if ((families & HitColumnBar) != 0)
                deleteRows = 0;
            if ((families & HitRowBar) != 0)
                deleteColumns = 0;
            if (deleteColumns == s.axisX.count)
                deleteColumns = 0;
            if (deleteRows == s.axisY.count)
                deleteRows = 0;
            if (!s.axisX.resizable() || xc)
                insertColumn = false, deleteColumns = 0;
            if (!s.axisY.resizable() || yc)
                insertRow = false, deleteRows = 0;
            if (insertRow)
                add(PopupAction::InsertRow, editor.Layout().RowBoundaryAt(y, s), text("Insert row here"));
            if (insertColumn)
                add(PopupAction::InsertColumn, editor.Layout().ColumnBoundaryAt(x, s),
                    text("Insert column here"));
            char counted[64];
            if (deleteRows == 1)
                add(PopupAction::DeleteRows, 1, text("Delete row"));
            else if (deleteRows > 1) {
                std::snprintf(counted, sizeof counted, "%s (%i)", text("Delete rows").c_str(), deleteRows);
                add(PopupAction::DeleteRows, deleteRows, counted);
            }
            if (deleteColumns == 1)
                add(PopupAction::DeleteColumns, 1, text("Delete column"));
            else if (deleteColumns > 1) {
                std::snprintf(counted, sizeof counted, "%s (%i)", text("Delete columns").c_str(),
                              deleteColumns);
                add(PopupAction::DeleteColumns, deleteColumns, counted);
            }
        }

        // Autoscroll: inside the table of an editor with a toolbar, while not every point is visible.
        const bool insideTable = (g.shownViews & ViewTable) != 0 && x > g.tableX &&
                                 x < g.cellsX + g.visibleCols * g.columnWidth + 16 && y > g.tableY &&
                                 y < g.cellsY + g.visibleRows * g.rowHeight + 16;
        const bool hidden = (!s.axisX.collapsed() && s.axisX.count > g.visibleCols) ||
                            (!s.axisY.collapsed() && s.axisY.count > g.visibleRows);
        if (!onTab && insideTable && g.Has(ShowToolbar) && hidden) {
            separator();
            add(PopupAction::Autoscroll, 1, text("Autoscroll actual position"), true, editor.Autoscroll());
            add(PopupAction::Autoscroll, 0, text("Disable autoscroll"), true, !editor.Autoscroll());
        }

        if (!onTab && (g.shownViews & ViewGraph3D) != 0 && overGraph) {
            const GraphSettings &graph = editor.Graph3D();
            separator();
            add(PopupAction::Command, CommandTop, text("Top view"), true, graph.Preset() == CommandTop);
            add(PopupAction::Command, CommandIso1, text("ISO1 view"), true, graph.Preset() == CommandIso1);
            add(PopupAction::Command, CommandIso2, text("ISO2 view"), true, graph.Preset() == CommandIso2);
            separator();
            const char *qualities[] = {"Wire model",
                                       "One color graph",
                                       "Height colors (grain 0)",
                                       "Height colors (grain 1)",
                                       "Height colors (grain 2)",
                                       "Height colors (grain 3)"};
            for (int q = 0; q < 6; ++q)
                add(PopupAction::Quality, q, text(qualities[q]), true, graph.quality == q);
            separator();
            const char *modes[] = {"No values", "Only active value", "Only interresting values",
                                   "All values"};
            for (int m = 0; m < 4; ++m)
                add(PopupAction::ValuesMode, m, text(modes[m]), true, graph.valuesMode == m);
        }

        const int views[3][3] = {{AllowTable, CommandViewTable, ViewTable},
                                 {AllowGraph2D, CommandView2D, ViewGraph2D},
                                 {AllowGraph3D, CommandView3D, ViewGraph3D}};
        const char *viewTexts[3] = {"View as table", "View as graph 2D", "View as graph 3D"};
        int allowed = 0;
        for (const auto &v : views)
            allowed += g.Has(v[0]) ? 1 : 0;
        if (allowed > 1) {
            separator();
            for (int i = 0; i < 3; ++i)
                if (g.Has(views[i][0]))
                    add(PopupAction::Command, views[i][1], text(viewTexts[i]), true,
                        g.viewMode == views[i][2]);
        }

        const CAxe &ax = s.axisX;
        const CAxe &ay = s.axisY;
        if (ax.collapseMode != 2 && ay.collapseMode != 2 && (ax.collapseMode == 1 || ay.collapseMode == 1)) {
            const std::string labelX = EditorText(ax.label, language),
                              labelY = EditorText(ay.label, language);
            const bool onlyX = ay.collapsed(), onlyY = ax.collapsed();
            separator();
            if (ay.collapseMode == 1)
                add(PopupAction::Command, CommandUseX, text("Use only") + " " + labelX, true, onlyX);
            if (ax.collapseMode == 1)
                add(PopupAction::Command, CommandUseY, text("Use only") + " " + labelY, true, onlyY);
            add(PopupAction::Command, CommandUseBoth,
                text("Use") + " " + labelX + " " + text("and") + " " + labelY, true, !onlyX && !onlyY);
        }
    }
    if (!items.empty() && items.back().action == PopupAction::Separator)
        items.pop_back();
    return items;
}

void RunPopupItem(MapEditor &editor, const PopupItem &item) {
    switch (item.action) {
    case PopupAction::Separator:
        return;
    case PopupAction::Command:
        RunCommand(editor, item.value);
        return;
    case PopupAction::InsertRow:
        editor.Operations().InsertRow(item.value);
        break;
    case PopupAction::InsertColumn:
        editor.Operations().InsertColumn(item.value);
        break;
    case PopupAction::DeleteRows:
        editor.Operations().DeleteSelectedRows();
        break;
    case PopupAction::DeleteColumns:
        editor.Operations().DeleteSelectedColumns();
        break;
    case PopupAction::Autoscroll:
        editor.SetAutoscroll(item.value != 0);
        break;
    case PopupAction::Quality:
        editor.Graph3D().quality = item.value;
        break;
    case PopupAction::ValuesMode:
        editor.Graph3D().valuesMode = item.value;
        break;
    }
    editor.Request(DirtyRedraw);
}

} // namespace zarvex1
