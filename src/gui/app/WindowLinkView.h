#pragma once

#include "core/link/LinkOwner.h"

#include <functional>
#include <utility>

class QLabel;
class QProgressBar;
class QWidget;

namespace zarvex1 {

class TBikePage;
class TComMenu;

// What the link shows through the main window: the message line and its gauge, the connection banner and
// text, the unit's version label and texts, the port label and the Com menu's tick, and the link's
// messages. It keeps no state of its own. The live values go their own way (WindowLiveView).
class WindowLinkView : public LinkOwner {
public:
    // The window's controls it writes to, there once the window is built.
    struct Parts {
        QWidget *window = nullptr; // the parent of the messages
        QLabel *message = nullptr;
        QProgressBar *gauge = nullptr;
        QLabel *banner = nullptr;
        QLabel *connection = nullptr; // the status bar's last panel
        QLabel *version = nullptr;
        QLabel *com = nullptr;
        TComMenu *comMenu = nullptr;
        TBikePage *bike = nullptr;
        // The caption while a loader program has the port, and the captions of the language after.
        std::function<void(bool handedOver)> handover;
    };

    void Attach(Parts parts) { parts_ = std::move(parts); }

    void MessageLineChanged(const MessageLine &line) override;
    void ProgressGaugeChanged(const ProgressGauge &gauge) override;
    void ConnectionBannerChanged(bool visible) override;
    void ConnectionTextChanged(const std::string &text) override;
    void VersionLabelChanged(const VersionLabel &label) override;
    void DeviceTextsChanged(const DeviceTexts &texts) override;
    void ComPortChanged(const std::string &labelCom, int tickedItem) override;
    void PortHandoverChanged(bool handedOver) override;
    void ShowVersionMessage(const std::string &text) override;
    void ShowComOpeningError(const std::string &text) override;

private:
    Parts parts_;
};

} // namespace zarvex1
