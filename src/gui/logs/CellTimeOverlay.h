#pragma once

#include "core/logs/CellTime.h"

#include "gui/mapeditor/EditorOverlay.h"

#include <functional>
#include <optional>

namespace zarvex1 {

class TTab;

// Drawn over a map editor's table: every cell shaded by the time the engine spent in it (the seconds in
// the cell's tooltip), and a ring on the cell of the log cursor's operating point. It lies over the
// editor without taking its mouse or keys, and keeps no rule: the cells come from the editor's layout,
// the times and the point from its owner.
class CellTimeOverlay : public TEditorOverlay {
    Q_OBJECT
public:
    // mapOf: the unit's map that the editor's sheet (by index) shows; none for a sheet of another kind.
    // axesOf: that map's speed and load points in the set on the screen.
    CellTimeOverlay(TTab *editor, std::function<std::optional<UnitMap>(int sheet)> mapOf,
                    std::function<MapAxes(UnitMap)> axesOf);

    // The unit map of the sheet shown now, if any.
    std::optional<UnitMap> CurrentMap() const;
    // The times to shade by, for the current map (null: no shading).
    void SetCellTime(const CellTime *time);
    // The operating point to ring (none: no ring).
    void SetRing(const std::optional<OperatingPoint> &point);

    // The editor's cell (column, row of the sheet) under a point of the control, if it shows one; and
    // back, the box of a cell on the screen (empty when it is not shown).
    std::optional<QPoint> CellAt(QPoint position) const;
    QRect CellBox(int column, int row) const;
    // The cell ringed now, if any; the seconds of a cell as its tooltip says them.
    std::optional<QPoint> RingCell() const;
    QString CellToolTip(int column, int row) const;
    // The shade of a cell: 0 (never there) to 255 (the longest).
    int Shade(int column, int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    std::optional<Tip> ToolTipAt(QPoint position) const override;

private:
    // The sheet's cell of a CellTime cell: a speed-only map's one row is the sheet's collapsed row.
    QPoint SheetCell(int timeRow, int timeColumn) const;
    bool TableShown() const;

    std::function<std::optional<UnitMap>(int)> mapOf_;
    std::function<MapAxes(UnitMap)> axesOf_;
    const CellTime *time_ = nullptr;
    std::optional<OperatingPoint> ring_;
};

} // namespace zarvex1
