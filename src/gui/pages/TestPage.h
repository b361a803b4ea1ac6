#pragma once

#include "core/link/TestCommands.h"
#include "core/pages/TestPageModel.h"
#include "gui/pages/BoundPage.h"

#include <optional>

namespace zarvex1 {

// The Test page: buttons that make the unit fire an ignition output, switch a power output, drive the
// tachometer output or step the servo, and the two test settings. The buttons work only while the
// engine stands; that is looked at with every live frame.
class TTestPage : public TBoundPage {
    Q_OBJECT
public:
    explicit TTestPage(PageMachine &machine, QWidget *parent = nullptr);

    // Whether a pick-up reports a signal: the buttons are enabled only while none does.
    void ShowPickupActivity(bool active);

signals:
    void testClicked(TestButton button);

private:
    std::optional<bool> pickupActive_;
};

} // namespace zarvex1
