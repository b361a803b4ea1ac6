#include "gui/app/WindowLiveView.h"

#include "core/session/ParameterSession.h"
#include "gui/pages/BikePage.h"
#include "gui/pages/GearPage.h"
#include "gui/pages/MonitorPage.h"
#include "gui/pages/TestPage.h"

#include <QLabel>

namespace zarvex1 {

void WindowLiveView::ConnectionChanged(bool connected, long long /*nowMs*/) {
    connected_ = connected;
    // The rows turn to "---" at once rather than showing stale values until the next frame.
    Refresh();
}

void WindowLiveView::RecordsArrived(std::span<const LiveRecord> records) {
    if (records.empty())
        return;
    latest_ = records.back();
    Refresh();
}

void WindowLiveView::Refresh() {
    if (!parts_.session)
        return;
    display_ = BuildMonitorDisplay(latest_ ? &*latest_ : nullptr, connected_, parts_.session->image(),
                                   parts_.session->texts());
    Show();
}

void WindowLiveView::Show() {
    parts_.monitor->Show(display_);
    parts_.bike->ShowMonitor(display_);
    parts_.gear->ShowMonitor(display_);
    // A test command is for an engine that stands: the buttons follow every frame.
    parts_.test->ShowPickupActivity(latest_ && latest_->engineTurns());
    parts_.dataError->setVisible(display_.LabelEeDataErrVisible);
}

} // namespace zarvex1
