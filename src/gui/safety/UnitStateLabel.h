#pragma once

#include "core/safety/UnitState.h"

#include <QLabel>

namespace zarvex1 {

// The unit's state beside the port label: what the unit holds against the screen's set, in the language.
// A click asks for the compare with the set the unit is known to hold.
class UnitStateLabel : public QLabel {
    Q_OBJECT
public:
    explicit UnitStateLabel(QWidget *parent = nullptr);

    // Shows the state; the text and the accessible name change only when the state or language does.
    void Show(const UnitStateView &view, int languageIndex);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    UnitStateView shown_;
    int language_ = -1;
};

} // namespace zarvex1
