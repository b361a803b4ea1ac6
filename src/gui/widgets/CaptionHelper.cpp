#include "gui/widgets/CaptionHelper.h"

#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include <vector>

namespace zarvex1 {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<QObject *> Targets(QObject *root, const QString &name) {
    std::vector<QObject *> found;
    if (root->objectName() == name)
        found.push_back(root);
    for (QObject *child : root->findChildren<QObject *>(name))
        found.push_back(child);
    return found;
}

// A page of a tab widget shows its caption on its tab.
QTabWidget *TabOf(QWidget *page) {
    auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

void SetCaption(QObject *target, const QString &text) {
    if (auto *action = qobject_cast<QAction *>(target)) {
        action->setText(text);
    } else if (auto *menu = qobject_cast<QMenu *>(target)) {
        menu->setTitle(text);
    } else if (auto *label = qobject_cast<QLabel *>(target)) {
        label->setText(text);
        NameBuddy(label);
    } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        button->setText(text);
    } else if (auto *box = qobject_cast<QGroupBox *>(target)) {
        box->setTitle(text);
        // Qt names a group box inside another by the outer one's title unless it has a name of its own.
        box->setAccessibleName(QString(text).remove(QLatin1Char('&')).trimmed());
    } else if (auto *page = qobject_cast<QWidget *>(target)) {
        if (QTabWidget *tabs = TabOf(page))
            tabs->setTabText(tabs->indexOf(page), text);
        else
            page->setWindowTitle(text);
    }
}

void SetHint(QObject *target, const QString &hint) {
    // "short|long": the short text is the tooltip, the long one the status text.
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString tip = bar < 0 ? hint : hint.left(bar);
    const QString status = bar < 0 ? hint : hint.mid(bar + 1);
    // A menu's hint belongs to its entry in the menu bar.
    if (auto *menu = qobject_cast<QMenu *>(target))
        target = menu->menuAction();
    if (auto *action = qobject_cast<QAction *>(target)) {
        action->setToolTip(tip);
        action->setStatusTip(status);
    } else if (auto *widget = qobject_cast<QWidget *>(target)) {
        widget->setToolTip(tip);
        widget->setStatusTip(status);
    }
}

void SetItem(QObject *target, int item, const QString &text) {
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        if (item >= 0 && item < combo->count())
            combo->setItemText(item, text);
    } else if (auto *radio = qobject_cast<TRadioGroup *>(target)) {
        radio->setItemText(item, text);
    }
}

void SetItems(QObject *target, const QString &texts) {
    const QStringList items = texts.split(QLatin1Char('\n'));
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        // The chosen position stays; the texts are put in place without a change event.
        const QSignalBlocker quiet(combo);
        const int index = combo->currentIndex();
        while (combo->count() > items.size())
            combo->removeItem(combo->count() - 1);
        for (int i = 0; i < items.size(); ++i) {
            if (i < combo->count())
                combo->setItemText(i, items[i]);
            else
                combo->addItem(items[i]);
        }
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    } else if (auto *radio = qobject_cast<TRadioGroup *>(target)) {
        radio->setItems(items);
    }
}

} // namespace

void NameBuddy(QLabel *label) {
    QWidget *buddy = label->buddy();
    if (!buddy)
        return;
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    buddy->setAccessibleName(name.trimmed());
}

void ApplyCaptions(QObject *root, CaptionTable rows, int languageIndex) {
    for (const CaptionRow &row : rows) {
        const QString text = Text(row.in(languageIndex));
        for (QObject *target : Targets(root, Text(row.target))) {
            switch (row.kind) {
            case CaptionKind::Caption:
                SetCaption(target, text);
                break;
            case CaptionKind::Hint:
                SetHint(target, text);
                break;
            case CaptionKind::Item:
                SetItem(target, row.item, text);
                break;
            case CaptionKind::Items:
                SetItems(target, text);
                break;
            }
        }
    }
}

} // namespace zarvex1
