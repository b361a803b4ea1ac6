#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/Scene.h"
#include "core/mapeditor/model/ScrollBar.h"
#include "core/mapeditor/model/TabLayout.h"
#include "core/mapeditor/model/TabSheets.h"
#include "core/mapeditor/model/TabToolbar.h"
#include "core/mapeditor/model/ValueEdit.h"

namespace zarvex1 {

// The editor's 12 colours.
enum PaletteIndex : int {
    PaletteLightEdge = 0,
    PaletteDarkEdge = 1,
    PaletteGrid = 2,
    PaletteSelectionTint = 3,
    PaletteEditHighlight = 4,
    PalettePartlySelected = 5,
    PaletteFullySelected = 6,
    PaletteCornerMarker = 7,
    PalettePreview = 8,
    PaletteLiveOk = 9,
    PaletteLiveOther = 10,
    PaletteSpare = 11,
};
inline constexpr std::array<std::uint32_t, 12> EditorPalette = {
    Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(212, 214, 228), Rgb(236, 238, 244),
    Rgb(68, 136, 255),  Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(68, 244, 136),
    Rgb(170, 170, 0),   Rgb(68, 244, 68),   Rgb(244, 244, 68),  Rgb(221, 221, 221),
};

// What the painters of the editor read: a const view of the layout, the sheets, the current sheet,
// the selection, the live position, the interpolation preview, the in-place entry, the spinner, the
// dragged block, the scroll bars and the toolbar. They paint from it and hold no rule of their own.
struct EditorView {
    const TableGeometry &geometry;
    const TabSheets &sheets;
    const CSheet *sheet; // the current sheet, null before the page selected one
    const TValueEdit &edit;
    const Spinner &spinner;
    int dragMode;
    Block dragBlock;
    Block selectionBlock;
    const ScrollBar &horizontalBar;
    const ScrollBar &verticalBar;
    const TabToolbar &toolbar;
    bool focused;
    bool previewOn;
    const std::vector<int> &preview; // 1500 cells while previewOn
    int language;
    std::uint32_t controlColour;
    const TextMetrics &metrics;
    const std::array<std::uint32_t, 12> &palette = EditorPalette;
    // A printout shows the map without the toolbar and the spinner.
    bool printLook = false;

    std::uint32_t Colour(int index) const { return palette[static_cast<std::size_t>(index)]; }
};

} // namespace zarvex1
