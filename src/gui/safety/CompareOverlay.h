#pragma once

#include "core/safety/CompareMarks.h"

#include "gui/mapeditor/EditorOverlay.h"

#include <functional>

namespace zarvex1 {

class TTab;

// Lies over a map editor while a compare is open and draws the compare's marks: a frame round each cell
// that differs from the other set, with the other value in the cell's tooltip, and the other set's lines
// over the graphs. It takes no mouse input and changes nothing in the editor; the editor's repaints
// repaint it.
class CompareOverlay : public TEditorOverlay {
    Q_OBJECT
public:
    // `screen` gives the screen's set, `language` the language index.
    CompareOverlay(TTab *editor, const CompareMarks &marks, std::function<const ParameterImage &()> screen,
                   std::function<int()> language);

    // The marks of the editor's current sheet as they would be drawn now.
    std::vector<CellMark> TableMarks() const;
    std::vector<LineOp> GraphLines() const;
    // The compare began, changed or ended.
    void MarksChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    std::optional<Tip> ToolTipAt(QPoint position) const override;

private:
    const CatalogueEntry *Map() const;

    const CompareMarks &marks_;
    std::function<const ParameterImage &()> screen_;
    std::function<int()> language_;
};

} // namespace zarvex1
