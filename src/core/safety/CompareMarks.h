#pragma once

#include "core/catalogue/ParameterCatalogue.h"
#include "core/mapeditor/MapEditor.h"
#include "core/mapeditor/model/Scene.h"
#include "core/params/ParameterImage.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// The frame colour of a cell whose value differs from the other set, and of the other set's lines in
// the graphs: a colour no other mark of the editor uses.
inline constexpr std::uint32_t CompareColour = Rgb(230, 0, 170);

// The map of the image that sheet `sheet` of the map editor named `editorName` shows ("TabAdvance",
// "TabServo"), or nothing for an editor or sheet that shows no map of cells.
const CatalogueEntry *SheetMap(std::string_view editorName, int sheet);

// A cell of the editor's table whose value differs from the other set, in pixels of the control.
struct CellMark {
    int column = 0;
    int row = 0;
    Rect box;               // right and bottom exclusive
    std::string otherValue; // the other set's value in display units
};

// What the map editors show of a compare: the differing cells of the shown sheet framed in the table,
// the other set's values as thin lines over the 2D graph and as a wire over the 3D graph. It reads the
// editor's layout and never changes the editor.
class CompareMarks {
public:
    // `other` must outlive the marks; none: nothing is marked.
    void SetOther(const ParameterImage *other) { other_ = other; }
    const ParameterImage *Other() const { return other_; }

    // The differing cells of the current sheet that the table shows, scrolled-out cells left out.
    std::vector<CellMark> TableMarks(const MapEditor &editor, const CatalogueEntry &map,
                                     const ParameterImage &screen, int language) const;
    // The other set's values over the graph shown (2D: one line per curve that differs; 3D: the wire of
    // the whole surface), as lines in pixels of the control; empty when no graph is shown or no cell
    // differs.
    std::vector<LineOp> GraphLines(const MapEditor &editor, const CatalogueEntry &map,
                                   const ParameterImage &screen) const;

private:
    const ParameterImage *other_ = nullptr;
};

// The value of a map's cell as the editor's sheet holds it (the advance maps' bytes are signed).
int SheetValue(const CatalogueEntry &map, const ParameterImage &image, int cell);

} // namespace zarvex1
