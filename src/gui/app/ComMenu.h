#pragma once

#include "core/link/LinkEngine.h"
#include "core/link/PortDiscovery.h"
#include "core/link/PortNames.h"

#include <QObject>

#include <array>
#include <vector>

class QAction;
class QMenu;

namespace zarvex1 {

// The Com menu: "Com 1" .. "Com 30" and "Com Auto", and below them the serial adapters present, each
// with what the system knows of it. The adapters are looked up again whenever the menu opens, so one
// plugged in meanwhile is there.
class TComMenu : public QObject {
    Q_OBJECT
public:
    TComMenu(QMenu *menu, LinkEngine &link, PortDiscovery &discovery);

    const std::array<QAction *, ComMenuItemCount> &numberedItems() const { return numbered_; }
    // The items below the numbers: one per adapter, the chosen one when it is unplugged, or a
    // disabled line that says none was found.
    const std::vector<QAction *> &adapterItems() const { return adapters_; }

    // Ticks numbered item 0..30, or with -1 the chosen adapter.
    void ShowChoice(int tickedItem);
    void ApplyLanguage(int languageIndex);
    // Looks for adapters again and lays out their items.
    void RefreshAdapters();

private:
    QAction *AddAdapterItem(const QString &caption, const QString &hint, const std::string &stableName);

    QMenu *menu_;
    LinkEngine &link_;
    PortDiscovery &discovery_;
    std::array<QAction *, ComMenuItemCount> numbered_{};
    QAction *separator_ = nullptr;
    std::vector<QAction *> adapters_;
    std::vector<std::string> adapterNames_; // stable names of adapters_, empty for the "none" line
    int tickedItem_ = 0;
    int languageIndex_ = 0;
};

} // namespace zarvex1
