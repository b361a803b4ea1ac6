#include "gui/safety/CompareOverlay.h"

#include "core/safety/SafetyTexts.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <QPainter>

namespace zarvex1 {

namespace {

QColor ColourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

CompareOverlay::CompareOverlay(TTab *editor, const CompareMarks &marks,
                               std::function<const ParameterImage &()> screen, std::function<int()> language)
    : TEditorOverlay(editor, QStringLiteral("CompareMarks")), marks_(marks), screen_(std::move(screen)),
      language_(std::move(language)) {
    setVisible(marks_.Other() != nullptr);
}

const CatalogueEntry *CompareOverlay::Map() const {
    const MapEditor &editor = tab()->Editor();
    return marks_.Other() && editor.HasCurrent()
               ? SheetMap(tab()->objectName().toStdString(), editor.CurrentIndex())
               : nullptr;
}

std::vector<CellMark> CompareOverlay::TableMarks() const {
    const CatalogueEntry *map = Map();
    return map ? marks_.TableMarks(tab()->Editor(), *map, screen_(), language_()) : std::vector<CellMark>{};
}

std::vector<LineOp> CompareOverlay::GraphLines() const {
    const CatalogueEntry *map = Map();
    return map ? marks_.GraphLines(tab()->Editor(), *map, screen_()) : std::vector<LineOp>{};
}

void CompareOverlay::MarksChanged() {
    setVisible(marks_.Other() != nullptr);
    raise();
    update();
}

void CompareOverlay::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QColor colour = ColourOf(CompareColour);
    painter.setPen(QPen(colour, 1));
    for (const LineOp &line : GraphLines())
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    for (const CellMark &mark : TableMarks())
        painter.drawRect(QRect(mark.box.left + 1, mark.box.top + 1, mark.box.right - mark.box.left - 2,
                               mark.box.bottom - mark.box.top - 2));
}

std::optional<TEditorOverlay::Tip> CompareOverlay::ToolTipAt(QPoint position) const {
    for (const CellMark &mark : TableMarks()) {
        const QRect box(mark.box.left, mark.box.top, mark.box.right - mark.box.left,
                        mark.box.bottom - mark.box.top);
        if (box.contains(position))
            return Tip{QString::fromStdString(
                           SafetyTextWith(SafetyText::CellOtherValue, language_(), mark.otherValue)),
                       box};
    }
    return std::nullopt;
}

} // namespace zarvex1
