#include "gui/safety/UnitStateLabel.h"

#include <QMouseEvent>

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
}

void UnitStateLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace zarvex1
