#pragma once

#include "gui/app/Dialogs.h"
#include "gui/app/MainForm.h"

#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace zarvex1::test {

// A main window on the unit in process, for widget tests that need a unit (read, program, live values),
// with its own settings folder; message boxes are collected. The window's timer stays off and the test
// steps the ticks, the line and the unit running 55 ms between two of them: it counts ticks and never
// waits.
struct SimulatedWindow {
    explicit SimulatedWindow(const SimOptions &unit = SimOptions(), LineModel line = LineModel::Serial(),
                             StartOptions options = StartOptions()) {
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir.path().toUtf8());
        Dialogs::messageHook = [this](const QString &text) { messages << text; };
        options.steppedTicks = true;
        auto simulated = std::make_unique<SimulatedPort>(unit, line);
        port = simulated.get();
        form = std::make_unique<TMainForm>(options, std::move(simulated));
        stepper = std::make_unique<TickStepper>(*port, [this] { form->Timer1Timer(); });
    }
    ~SimulatedWindow() { Dialogs::messageHook = nullptr; }

    TMainForm *operator->() { return form.get(); }
    void tick(int count = 1) { stepper->Step(count); }
    // Ticks until done() holds: the ticks it took, or -1 after `limit`.
    int tickUntil(const std::function<bool()> &done, int limit = 400) {
        return stepper->StepUntil(done, limit);
    }
    // The unit's end of the line: its memory, faults and what it received.
    UnitEnd &unit() { return port->unit(); }

    QTemporaryDir settingsDir;
    QStringList messages;
    SimulatedPort *port = nullptr;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TickStepper> stepper;
};

} // namespace zarvex1::test
