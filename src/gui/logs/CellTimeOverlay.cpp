#include "gui/logs/CellTimeOverlay.h"

#include "core/logs/LogFormat.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <QPainter>

#include <algorithm>

namespace zarvex1 {

CellTimeOverlay::CellTimeOverlay(TTab *editor, std::function<std::optional<UnitMap>(int)> mapOf,
                                 std::function<MapAxes(UnitMap)> axesOf)
    : TEditorOverlay(editor, QStringLiteral("TimeInCell")), mapOf_(std::move(mapOf)),
      axesOf_(std::move(axesOf)) {
    hide();
}

std::optional<UnitMap> CellTimeOverlay::CurrentMap() const {
    const MapEditor &editor = tab()->Editor();
    return editor.HasCurrent() ? mapOf_(editor.CurrentIndex()) : std::nullopt;
}

void CellTimeOverlay::SetCellTime(const CellTime *time) {
    if (time == time_)
        return;
    time_ = time;
    setVisible(time_ || ring_);
    update();
}

void CellTimeOverlay::SetRing(const std::optional<OperatingPoint> &point) {
    const std::optional<QPoint> before = RingCell();
    ring_ = point;
    setVisible(time_ || ring_);
    if (RingCell() != before)
        update();
}

bool CellTimeOverlay::TableShown() const {
    const MapEditor &editor = tab()->Editor();
    return editor.HasCurrent() && editor.Geometry().viewMode == ViewTable && CurrentMap().has_value();
}

QPoint CellTimeOverlay::SheetCell(int timeRow, int timeColumn) const {
    const CSheet &sheet = tab()->Editor().Current();
    return QPoint(timeColumn, sheet.axisY.collapsed() ? sheet.axisY.collapsedIndex : timeRow);
}

QRect CellTimeOverlay::CellBox(int column, int row) const {
    if (!TableShown())
        return QRect();
    const MapEditor &editor = tab()->Editor();
    const TableGeometry &g = editor.Geometry();
    const CSheet &sheet = editor.Current();
    const int c = column - sheet.axisX.firstVisible, r = row - sheet.axisY.firstVisible;
    if ((!sheet.axisX.collapsed() && (c < 0 || c >= g.visibleCols)) ||
        (!sheet.axisY.collapsed() && (r < 0 || r >= g.visibleRows)))
        return QRect();
    const Rect box = BlockPixels(g, sheet, Block{column, column, row, row});
    if (box.right <= box.left || box.bottom <= box.top)
        return QRect();
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

std::optional<QPoint> CellTimeOverlay::CellAt(QPoint position) const {
    if (!TableShown())
        return std::nullopt;
    const CSheet &sheet = tab()->Editor().Current();
    for (int row = 0; row < sheet.axisY.count; ++row)
        for (int column = 0; column < sheet.axisX.count; ++column)
            if (CellBox(column, row).contains(position))
                return QPoint(column, row);
    return std::nullopt;
}

std::optional<QPoint> CellTimeOverlay::RingCell() const {
    if (!ring_ || !ring_->running || !TableShown())
        return std::nullopt;
    // As the live ring: the points nearest the operating point.
    const MapAxes axes = axesOf_(*CurrentMap());
    return SheetCell(CellTime::NearestIndex(axes.load, ring_->load),
                     CellTime::NearestIndex(axes.rpm, ring_->rpm));
}

int CellTimeOverlay::Shade(int column, int row) const {
    if (!time_ || !TableShown())
        return 0;
    long long longest = 0;
    for (int r = 0; r < time_->rows(); ++r)
        for (int c = 0; c < time_->columns(); ++c)
            longest = std::max(longest, time_->ms(r, c));
    const CSheet &sheet = tab()->Editor().Current();
    const int timeRow = sheet.axisY.collapsed() ? 0 : row;
    if (longest == 0 || timeRow >= time_->rows() || column >= time_->columns() ||
        (sheet.axisY.collapsed() && row != sheet.axisY.collapsedIndex))
        return 0;
    return static_cast<int>(time_->ms(timeRow, column) * 255 / longest);
}

QString CellTimeOverlay::CellToolTip(int column, int row) const {
    if (!time_)
        return QString();
    const CSheet &sheet = tab()->Editor().Current();
    const int timeRow = sheet.axisY.collapsed() ? 0 : row;
    if (timeRow >= time_->rows() || column >= time_->columns())
        return QString();
    return QString::fromStdString(LogSeconds(time_->ms(timeRow, column))) + QStringLiteral(" s");
}

void CellTimeOverlay::paintEvent(QPaintEvent *) {
    if (!TableShown())
        return;
    QPainter painter(this);
    if (time_) {
        for (int row = 0; row < time_->rows(); ++row)
            for (int column = 0; column < time_->columns(); ++column) {
                const QPoint cell = SheetCell(row, column);
                const int shade = Shade(cell.x(), cell.y());
                const QRect box = CellBox(cell.x(), cell.y());
                if (shade > 0 && !box.isEmpty())
                    painter.fillRect(box.adjusted(1, 1, 0, 0), QColor(0, 70, 255, 20 + shade * 130 / 255));
            }
    }
    if (const std::optional<QPoint> cell = RingCell()) {
        const QRect box = CellBox(cell->x(), cell->y());
        if (!box.isEmpty()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(230, 110, 0), 2.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRectF(box).adjusted(2, 2, -2, -2));
        }
    }
}

std::optional<TEditorOverlay::Tip> CellTimeOverlay::ToolTipAt(QPoint position) const {
    const std::optional<QPoint> cell = time_ ? CellAt(position) : std::nullopt;
    if (!cell)
        return std::nullopt;
    return Tip{CellToolTip(cell->x(), cell->y()), CellBox(cell->x(), cell->y())};
}

} // namespace zarvex1
