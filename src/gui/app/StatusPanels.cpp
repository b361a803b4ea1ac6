#include "app/StatusPanels.h"

#include <QGridLayout>
#include <QLabel>

namespace zarvex1 {

StatusPanels::StatusPanels(QWidget *parent) : QWidget(parent) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < Count; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panels_[i]->setMinimumWidth(DesignWidths[i]);
        panels_[i]->setContentsMargins(2, 0, 2, 0);
    }
    // A hint longer than the window is cut rather than widening the window.
    panels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels_[0]->setMinimumWidth(0);
    panels_[1]->setText(QStringLiteral("EXE"));
    panels_[3]->setText(QStringLiteral("HEX"));
    for (int i : {1, 3})
        panels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    grid->addWidget(panels_[0], 0, 0, 1, 4);
    for (int i = 1; i < Count; ++i)
        grid->addWidget(panels_[i], 1, i - 1);
    grid->setColumnStretch(3, 1);
}

} // namespace zarvex1
