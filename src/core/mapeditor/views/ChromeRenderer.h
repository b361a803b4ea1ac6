#pragma once

#include "core/mapeditor/model/EditorView.h"
#include "core/mapeditor/model/Scene.h"

namespace zarvex1 {

// The sheet tabs hanging from the control's top line (with more than one sheet).
void PaintSheetTabs(const EditorView &view, Scene &scene);
// The title above a single sheet.
void PaintTitleLine(const EditorView &view, Scene &scene);
// The toolbar: the frame around + and -, then every shown button.
void PaintToolbar(const EditorView &view, Scene &scene);

// The whole control without the graphs: body is the control's colour and the table; chrome, drawn
// after the graphs, the tabs or title and the toolbar.
void RenderBody(const EditorView &view, Scene &body);
void RenderChrome(const EditorView &view, Scene &chrome);

} // namespace zarvex1
