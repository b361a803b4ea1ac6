#include "gui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace zarvex1 {

TRadioGroup::TRadioGroup(const QString &name, int items, int columns, QWidget *parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)) {
    setObjectName(name);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    const int rows = (items + columns - 1) / columns;
    for (int i = 0; i < items; ++i) {
        auto *button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("%1_Item%2").arg(name).arg(i));
        group_->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
        buttons_.push_back(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::itemClicked);
}

int TRadioGroup::itemIndex() const {
    return group_->checkedId();
}

void TRadioGroup::setItemIndex(int index) {
    if (index == itemIndex())
        return;
    if (index < 0 || index >= count()) {
        // No item: an exclusive group keeps one button checked unless it is let go for a moment.
        group_->setExclusive(false);
        for (QRadioButton *button : buttons_)
            button->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

void TRadioGroup::setItemText(int index, const QString &text) {
    if (index >= 0 && index < count())
        buttons_[static_cast<std::size_t>(index)]->setText(text);
}

void TRadioGroup::setItems(const QStringList &texts) {
    for (int i = 0; i < texts.size() && i < count(); ++i)
        setItemText(i, texts[i]);
}

} // namespace zarvex1
