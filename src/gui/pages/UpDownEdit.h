#pragma once

#include "pages/PageMachine.h"

#include <QSpinBox>

#include <string>

namespace zarvex1 {

// An edit box with its up-down: EditX and UpDownX of a page are one widget named EditX. The position is
// taken from the edit's text when the up-down is clicked, a position of 1000 or more shows the thousands
// separator, positions stay in the range, Enter moves the focus on and commits, leaving the edit
// commits. The up-down part can be hidden (the print look) while the edit stays.
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

signals:
    // The up-down was clicked (Delayed), or the edit was left or Enter pressed (Immediate). The source is
    // the up-down's name for a click, the edit's name otherwise.
    void commitRequested(const std::string &source, CommitMode mode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool OnArrows(const QPoint &position) const;

    std::string editName_;
    std::string upDownName_;
    bool enterMovingFocus_ = false;
    bool justFocusedByMouse_ = false;
    // The focus came with a click on the up-down (or the wheel) and nothing was typed since: the edit was
    // never entered, so leaving it is no change to commit.
    bool onlyStepped_ = false;
};

} // namespace zarvex1
