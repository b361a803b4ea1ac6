#pragma once

#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/Scene.h"

#include <vector>

namespace zarvex1 {

// The table view of the current sheet, step by step: the scroll bars, the backgrounds and grid, the
// corner with the axis names, the select buttons, the selection tint, the live ring, the selection
// and drag frames, the outline, the cell and header texts, the count labels, the spinner and the
// view switch. Called only for an enabled sheet.
void PaintTable(const EditorView &view, Scene &scene);

// One of the editor's scroll bars: nothing unless shown with more points than fit.
void PaintScrollBar(const ScrollBar &bar, std::uint32_t face, Scene &scene);

// The view switch of an editor without a toolbar, left of the table below its last row: drawn while
// the view `alone` is the only one shown.
void PaintViewSwitch(const EditorView &view, int alone, BitmapId bitmap, Scene &scene);

// Where the table draws the live ring: the live cell and the headers of its column and row, as boxes
// (left, top, right, bottom exclusive) added to boxes. None without a live position.
void AddLiveRingBoxes(const TableGeometry &geometry, const CSheet &sheet, std::vector<Rect> &boxes);

// The spinner's up and down boxes.
void PaintSpinner(const EditorView &view, Scene &scene);

} // namespace zarvex1
