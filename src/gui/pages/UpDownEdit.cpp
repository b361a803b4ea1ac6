#include "pages/UpDownEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

namespace zarvex1 {

TUpDownEdit::TUpDownEdit(const std::string &editName, const std::string &upDownName, QWidget *parent)
    : QSpinBox(parent), editName_(editName), upDownName_(upDownName) {
    setObjectName(QString::fromStdString(editName));
    setGroupSeparatorShown(true);
    // The separator shows whatever the locale's default says about it.
    QLocale numbers = locale();
    numbers.setNumberOptions(numbers.numberOptions() & ~QLocale::OmitGroupSeparator);
    setLocale(numbers);
    setKeyboardTracking(false);
    // A typed value beyond the range becomes its nearest end, not the previous value.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
}

void TUpDownEdit::ShowPosition(int position) {
    const int shown = std::clamp(position, minimum(), maximum());
    if (value() != shown)
        setValue(shown);
    // Text typed but never taken is replaced by the position.
    if (lineEdit()->text() != textFromValue(shown))
        lineEdit()->setText(textFromValue(shown));
}

void TUpDownEdit::SetUpDownVisible(bool visible) {
    setButtonSymbols(visible ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
}

void TUpDownEdit::stepBy(int steps) {
    // The base class takes the edit's text first, then steps from it.
    QSpinBox::stepBy(steps);
    emit commitRequested(upDownName_, CommitMode::Delayed);
}

bool TUpDownEdit::OnArrows(const QPoint &position) const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit =
        style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, position, this);
    return hit == QStyle::SC_SpinBoxUp || hit == QStyle::SC_SpinBoxDown;
}

void TUpDownEdit::focusInEvent(QFocusEvent *event) {
    justFocusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    onlyStepped_ = false;
    QSpinBox::focusInEvent(event);
}

void TUpDownEdit::mousePressEvent(QMouseEvent *event) {
    // A click on the up-down steps, as the up-down beside an edit does, without entering the edit.
    if (justFocusedByMouse_ && OnArrows(event->position().toPoint()))
        onlyStepped_ = true;
    else if (!OnArrows(event->position().toPoint()))
        onlyStepped_ = false;
    justFocusedByMouse_ = false;
    QSpinBox::mousePressEvent(event);
}

void TUpDownEdit::wheelEvent(QWheelEvent *event) {
    if (justFocusedByMouse_)
        onlyStepped_ = true;
    justFocusedByMouse_ = false;
    QSpinBox::wheelEvent(event);
}

void TUpDownEdit::keyPressEvent(QKeyEvent *event) {
    onlyStepped_ = false;
    justFocusedByMouse_ = false;
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    // Enter takes the text, moves on and commits once: the focus leaving does not commit a second time.
    interpretText();
    enterMovingFocus_ = true;
    focusNextChild();
    enterMovingFocus_ = false;
    emit commitRequested(editName_, CommitMode::Immediate);
}

void TUpDownEdit::focusOutEvent(QFocusEvent *event) {
    QSpinBox::focusOutEvent(event);
    // Another window or a popup taking the focus is no leaving of the edit.
    const bool left = !enterMovingFocus_ && !onlyStepped_ && event->reason() != Qt::ActiveWindowFocusReason &&
                      event->reason() != Qt::PopupFocusReason;
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        onlyStepped_ = false;
    if (left)
        emit commitRequested(editName_, CommitMode::Immediate);
}

} // namespace zarvex1
