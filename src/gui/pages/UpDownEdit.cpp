#include "gui/pages/UpDownEdit.h"

#include <QAction>
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
    // A wheel turned while the pointer passes over a form scrolls the form; it steps only the edit being
    // worked in.
    setFocusPolicy(Qt::StrongFocus);
}

std::optional<qint64> TUpDownEdit::Number(const QString &text) const {
    QString rest = text.trimmed();
    bool negative = false;
    for (const QString &minus : {QStringLiteral("-"), locale().negativeSign()})
        if (!minus.isEmpty() && rest.startsWith(minus)) {
            negative = true;
            rest.remove(0, minus.size());
            break;
        }
    const QString group = locale().groupSeparator();
    QString digits;
    for (const QChar c : rest) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
        else if (!group.contains(c) && !c.isSpace())
            return std::nullopt;
    }
    // Nine digits are beyond every range and far within the number's type.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    const qint64 number = digits.toLongLong();
    return negative ? -number : number;
}

QValidator::State TUpDownEdit::validate(QString &input, int &) const {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QValidator::Intermediate;
    if (text == QStringLiteral("-") || text == locale().negativeSign())
        return minimum() < 0 ? QValidator::Intermediate : QValidator::Invalid;
    const std::optional<qint64> number = Number(text);
    if (!number || (*number < 0 && minimum() >= 0))
        return QValidator::Invalid;
    // Beyond the range is still a number being typed: the commit clamps it.
    return *number >= minimum() && *number <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TUpDownEdit::fixup(QString &input) const {
    // A number beyond the range becomes its nearest end; text that is no number brings the value back.
    const std::optional<qint64> number = Number(input);
    const qint64 taken = number ? std::clamp<qint64>(*number, minimum(), maximum()) : value();
    input = textFromValue(static_cast<int>(taken));
}

int TUpDownEdit::valueFromText(const QString &text) const {
    const std::optional<qint64> number = Number(text);
    return number ? static_cast<int>(std::clamp<qint64>(*number, minimum(), maximum())) : value();
}

void TUpDownEdit::CommitTyped() {
    if (lineEdit()->text() == textFromValue(value()))
        return;
    interpretText();
    emit commitRequested(editName_, CommitMode::Immediate);
}

bool TUpDownEdit::WindowShortcut(const QKeyEvent &key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const QAction *action : window()->findChildren<QAction *>())
        if (action->shortcuts().contains(pressed))
            return true;
    return false;
}

bool TUpDownEdit::event(QEvent *event) {
    // The window's commands win over the edit's own text keys: Ctrl+Z undoes the parameter, not the
    // typing (the window commits the typed text first).
    if (event->type() == QEvent::ShortcutOverride && WindowShortcut(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QSpinBox::event(event);
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
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    if (justFocusedByMouse_)
        onlyStepped_ = true;
    justFocusedByMouse_ = false;
    QSpinBox::wheelEvent(event);
}

void TUpDownEdit::keyPressEvent(QKeyEvent *event) {
    onlyStepped_ = false;
    justFocusedByMouse_ = false;
    if (event->key() == Qt::Key_Escape) {
        // Typing is dropped: the edit shows the value it holds again, and leaving it changes nothing.
        lineEdit()->setText(textFromValue(value()));
        selectAll();
        return;
    }
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
