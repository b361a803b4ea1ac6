#pragma once

#include "core/link/LiveWatcher.h"
#include "core/pages/MonitorDisplay.h"

#include <optional>

class QLabel;

namespace zarvex1 {

class ParameterSession;
class TBikePage;
class TGearPage;
class TMonitorPage;
class TTestPage;

// What the live values show in the main window: the Monitor page's rows and gauges, the programming count
// on the Bike page, the gear sensor and ratios on the Gear page, the test buttons that wait while the
// engine turns and the unit's data error. The rows are built in the core from the newest record of a tick
// and the screen's set; a tick with several records shows only the newest.
class WindowLiveView : public LiveWatcher {
public:
    struct Parts {
        const ParameterSession *session = nullptr; // the set that names the outputs, and the language
        TMonitorPage *monitor = nullptr;
        TBikePage *bike = nullptr;
        TGearPage *gear = nullptr;
        TTestPage *test = nullptr;
        QLabel *dataError = nullptr;
    };

    void Attach(Parts parts) { parts_ = parts; }

    void ConnectionChanged(bool connected, long long nowMs) override;
    void RecordsArrived(std::span<const LiveRecord> records) override;
    // The rows again from the newest record: another language, another output mode, the window's start.
    void Refresh();

    const MonitorDisplay &display() const { return display_; }

private:
    void Show();

    Parts parts_;
    std::optional<LiveRecord> latest_;
    bool connected_ = false;
    MonitorDisplay display_;
};

} // namespace zarvex1
