#include "gui/safety/UnitStateLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace zarvex1 {

UnitStateLabel::UnitStateLabel(QWidget *parent) : QLabel(parent) {
    setObjectName(QStringLiteral("LabelUnitState"));
    setContentsMargins(8, 0, 8, 0);
    setCursor(Qt::PointingHandCursor);
}

void UnitStateLabel::Show(const UnitStateView &view, int languageIndex) {
    if (view == shown_ && languageIndex == language_)
        return;
    shown_ = view;
    language_ = languageIndex;
    const QString text = QString::fromStdString(UnitStateText(view, languageIndex));
    setText(text);
    setAccessibleName(text);
    setToolTip(text);
}

QSize UnitStateLabel::minimumSizeHint() const {
    const QMargins m = contentsMargins();
    return {m.left() + m.right() + fontMetrics().horizontalAdvance(QStringLiteral("Unit: …")),
            QLabel::minimumSizeHint().height()};
}

void UnitStateLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

void UnitStateLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace zarvex1
