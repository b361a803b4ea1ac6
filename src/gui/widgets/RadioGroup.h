#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace zarvex1 {

// A group box with a list of radio buttons, one item chosen (or none). The items are named after the
// group: RadioGroupInput1_Item0, RadioGroupInput1_Item1, ...
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString &name, int items, int columns = 1, QWidget *parent = nullptr);

    int count() const { return static_cast<int>(buttons_.size()); }
    // -1: no item chosen.
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    void setItemText(int index, const QString &text);
    // Texts of the items in order; items beyond the list keep their texts.
    void setItems(const QStringList &texts);

signals:
    // The user chose an item.
    void itemClicked(int index);

private:
    QButtonGroup *group_;
    std::vector<QRadioButton *> buttons_;
};

} // namespace zarvex1
