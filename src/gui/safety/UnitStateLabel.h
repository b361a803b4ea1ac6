#pragma once

#include "core/safety/UnitState.h"

#include <QLabel>

namespace zarvex1 {

// The unit's state beside the port label: what the unit holds against the screen's set, in the language.
// A click asks for the compare with the set the unit is known to hold. Where the window is narrow it gives
// way: the text ends in "…" and the tooltip holds it whole.
class UnitStateLabel : public QLabel {
    Q_OBJECT
public:
    explicit UnitStateLabel(QWidget *parent = nullptr);

    // Shows the state; the text and the accessible name change only when the state or language does.
    void Show(const UnitStateView &view, int languageIndex);
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    UnitStateView shown_;
    int language_ = -1;
};

} // namespace zarvex1
