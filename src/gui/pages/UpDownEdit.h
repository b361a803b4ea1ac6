#pragma once

#include "core/pages/PageMachine.h"

#include <QSpinBox>

#include <optional>
#include <string>

namespace zarvex1 {

// An edit box with its up-down: EditX and UpDownX of a page are one widget named EditX. The position is
// taken from the edit's text when the up-down is clicked, a position of 1000 or more shows the thousands
// separator, Enter moves the focus on and commits, leaving the edit commits, Esc brings back the value
// the edit holds. Any whole number can be typed (a minus only where the range has negative values); a
// commit clamps it to the range and shows what was taken. The wheel steps only the edit that has the
// focus, and the window's own shortcuts (Undo, Redo) win over the edit's text keys. The up-down part can
// be hidden (the print look) while the edit stays.
class TUpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    TUpDownEdit(const std::string &editName, const std::string &upDownName, QWidget *parent = nullptr);

    const std::string &editName() const { return editName_; }
    const std::string &upDownName() const { return upDownName_; }

    // Sets the position as a load does: an equal position changes nothing, but the edit's text always
    // ends up showing it.
    void ShowPosition(int position);
    void SetUpDownVisible(bool visible);
    bool upDownVisible() const { return buttonSymbols() != QAbstractSpinBox::NoButtons; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;
    // Text typed but not yet taken is committed now, clamped to the range (before an undo).
    void CommitTyped();

signals:
    // The up-down was clicked (Delayed), or the edit was left or Enter pressed (Immediate). The source is
    // the up-down's name for a click, the edit's name otherwise.
    void commitRequested(const std::string &source, CommitMode mode);

protected:
    int valueFromText(const QString &text) const override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool OnArrows(const QPoint &position) const;
    // The whole number the text stands for, group separators allowed; none for anything else.
    std::optional<qint64> Number(const QString &text) const;
    bool WindowShortcut(const QKeyEvent &key) const;

    std::string editName_;
    std::string upDownName_;
    bool enterMovingFocus_ = false;
    bool justFocusedByMouse_ = false;
    // The focus came with a click on the up-down (or the wheel) and nothing was typed since: the edit was
    // never entered, so leaving it is no change to commit.
    bool onlyStepped_ = false;
};

} // namespace zarvex1
