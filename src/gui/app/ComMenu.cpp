#include "gui/app/ComMenu.h"

#include "gui/app/WindowTexts.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace zarvex1 {

namespace {

constexpr WindowText NoAdaptersText = {"No serial adapters found", "Keine seriellen Adapter gefunden",
                                       "Nenalezen žádný sériový adaptér"};
constexpr WindowText UnpluggedText = {"(not plugged in)", "(nicht angesteckt)", "(nepřipojen)"};
constexpr WindowText AutomaticHint = {
    "automatic scan: USB adapters first, then the numbered ports",
    "automatische Suche: zuerst USB-Adapter, dann die nummerierten Anschlüsse",
    "automatické hledání: nejprve adaptéry USB, potom číslované porty"};

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

TComMenu::TComMenu(QMenu *menu, LinkEngine &link, PortDiscovery &discovery)
    : QObject(menu), menu_(menu), link_(link), discovery_(discovery) {
    setObjectName(QStringLiteral("ComMenu"));
    for (int i = 0; i < ComMenuItemCount; ++i) {
        QAction *item = menu_->addAction(Text(ComMenuCaption(i)));
        item->setObjectName(QStringLiteral("MenuCom%1").arg(i + 1));
        item->setCheckable(true);
        if (i != AutoPortIndex) {
            // The hint names the device behind the number on this machine.
            const QString device = Text(PortDevice(i + 1));
            item->setStatusTip(device);
            item->setToolTip(device);
        }
        connect(item, &QAction::triggered, this, [this, i] { link_.ChoosePort(i); });
        numbered_[i] = item;
    }
    separator_ = menu_->addSeparator();
    menu_->setToolTipsVisible(true);
    connect(menu_, &QMenu::aboutToShow, this, &TComMenu::RefreshAdapters);
    ApplyLanguage(0);
}

void TComMenu::ApplyLanguage(int languageIndex) {
    languageIndex_ = languageIndex;
    const QString hint = AutomaticHint.in(languageIndex);
    numbered_[AutoPortIndex]->setStatusTip(hint);
    numbered_[AutoPortIndex]->setToolTip(hint);
    RefreshAdapters();
}

QAction *TComMenu::AddAdapterItem(const QString &caption, const QString &hint,
                                  const std::string &stableName) {
    auto *item = new QAction(caption, menu_);
    item->setObjectName(QStringLiteral("MenuComAdapter%1").arg(adapters_.size() + 1));
    item->setStatusTip(hint);
    item->setToolTip(hint);
    if (!stableName.empty()) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, stableName] { link_.ChooseAdapter(stableName); });
    }
    menu_->addAction(item);
    adapters_.push_back(item);
    adapterNames_.push_back(stableName);
    return item;
}

void TComMenu::RefreshAdapters() {
    for (QAction *item : adapters_) {
        menu_->removeAction(item);
        item->deleteLater();
    }
    adapters_.clear();
    adapterNames_.clear();

    const std::string &chosen = link_.portSelection().adapter();
    bool chosenPresent = chosen.empty();
    for (const DiscoveredPort &port : discovery_.AvailablePorts()) {
        const std::string &name = port.stableName.empty() ? port.device : port.stableName;
        QString hint = Text(port.device);
        if (const int number = ComNumberOfDevice(port.device); number > 0 && number <= AutoPortIndex)
            hint += QStringLiteral(" = ") + Text(ComMenuCaption(number - 1));
        AddAdapterItem(Text(AdapterCaption(port)), hint, name);
        chosenPresent = chosenPresent || name == chosen;
    }
    // The chosen adapter stays in the list while it is unplugged: the program waits for it.
    if (!chosenPresent)
        AddAdapterItem(Text(chosen) + QLatin1Char(' ') + UnpluggedText.in(languageIndex_), Text(chosen),
                       chosen);
    if (adapters_.empty())
        AddAdapterItem(NoAdaptersText.in(languageIndex_), QString(), {})->setEnabled(false);
    ShowChoice(tickedItem_);
}

void TComMenu::ShowChoice(int tickedItem) {
    tickedItem_ = tickedItem;
    for (int i = 0; i < ComMenuItemCount; ++i)
        numbered_[i]->setChecked(i == tickedItem);
    const std::string &chosen = link_.portSelection().adapter();
    for (std::size_t i = 0; i < adapters_.size(); ++i)
        if (adapters_[i]->isCheckable())
            adapters_[i]->setChecked(tickedItem < 0 && adapterNames_[i] == chosen);
}

} // namespace zarvex1
