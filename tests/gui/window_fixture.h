#pragma once

#include "named_controls.h"

#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/fake_discovery.h"
#include "link/mock_port.h"

#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <QApplication>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zarvex1::test {

// A live value of the link's newest record; 0 before the first.
inline int Live(const LinkEngine &link, LiveField field) {
    return link.latest() ? link.latest()->raw(field) : 0;
}

// A scripted port under the window instead of the unit, for what only the port's bytes show: the devices
// opened, failing opens, frames fed. The machine's serial ports are as given; the window's timer runs
// with the event loop.
struct Scripted {
    explicit Scripted(StartOptions options = {}, std::vector<DiscoveredPort> ports = {}, bool shown = false)
        : options(std::move(options)), ports(std::move(ports)), shown(shown) {}

    StartOptions options;
    std::vector<DiscoveredPort> ports;
    bool shown; // shown and on the screen before the test goes on
};

// The main window of the widget tests. It runs on the unit in process with its timer off: the test steps
// the ticks, the line and the unit running 55 ms between two of them; it counts ticks and never waits.
// Its settings folder is its own unless a test hands one to several windows; message boxes are
// collected. Its controls are found by their object names (Named).
class Window {
public:
    explicit Window(const SimOptions &unit = SimOptions(), LineModel line = LineModel::Serial(),
                    StartOptions options = StartOptions(), const QString &settings = QString()) {
        UseSettings(settings);
        options.steppedTicks = true;
        auto simulated = std::make_unique<SimulatedPort>(unit, line);
        simulated_ = simulated.get();
        // The records are stamped on the line's clock, as the unit's bytes come.
        options.clockMs = [port = simulated_] {
            return static_cast<long long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(port->now()).count());
        };
        form = std::make_unique<TMainForm>(options, std::move(simulated));
        stepper_ = std::make_unique<TickStepper>(*simulated_, [this] { form->Timer1Timer(); });
    }
    explicit Window(Scripted scripted, const QString &settings = QString()) {
        UseSettings(settings);
        auto mock = std::make_unique<MockPort>();
        auto fake = std::make_unique<FakeDiscovery>();
        port = mock.get();
        discovery = fake.get();
        discovery->ports = std::move(scripted.ports);
        form = std::make_unique<TMainForm>(scripted.options, std::move(mock), std::move(fake));
        if (scripted.shown && !show())
            qWarning("the window did not come on the screen");
    }
    ~Window() { Dialogs::messageHook = nullptr; }
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    TMainForm *operator->() { return form.get(); }
    TMainForm &operator*() { return *form; }

    // Ticks of the window: on the unit in process the line and the unit run 55 ms before each; on a
    // scripted port the window's tick alone.
    void tick(int count = 1) {
        if (stepper_) {
            stepper_->Step(count);
            return;
        }
        for (int i = 0; i < count; ++i)
            form->Timer1Timer();
    }
    // Ticks until done() holds: the ticks it took, or -1 after `limit`.
    int tickUntil(const std::function<bool()> &done, int limit = 400) {
        return stepper_->StepUntil(done, limit);
    }
    // Ticks until the link hears the unit: false when it does not within `limit` ticks.
    bool connect(int limit = 40) {
        return tickUntil([this] { return form->link().state().Connected; }, limit) > 0;
    }
    // The unit's end of the line: its memory, faults and what it received.
    UnitEnd &unit() { return simulated_->unit(); }

    // Shows the window and waits until it is on the screen; `active`: until it has the focus as well.
    bool show(bool active = false) {
        form->show();
        if (!active)
            return QTest::qWaitForWindowExposed(form.get());
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }
    void page(int index) { Named<QTabWidget>(*form, "PageControl1")->setCurrentIndex(index); }
    ParameterImage &image() { return form->session().image(); }
    // Undo steps back to the start, counted on a copy of the history.
    int undoSteps() {
        int steps = 0;
        UndoHistory copy = form->session().undo();
        while (copy.Undo())
            ++steps;
        return steps;
    }

    QTemporaryDir settingsDir;
    QStringList messages;
    MockPort *port = nullptr;           // the scripted port
    FakeDiscovery *discovery = nullptr; // the machine's ports beside the scripted port
    std::unique_ptr<TMainForm> form;

private:
    void UseSettings(const QString &settings) {
        qputenv("ZARVEX1_SETTINGS_DIR", (settings.isEmpty() ? settingsDir.path() : settings).toUtf8());
        Dialogs::messageHook = [this](const QString &text) { messages << text; };
    }

    SimulatedPort *simulated_ = nullptr;
    std::unique_ptr<TickStepper> stepper_;
};

} // namespace zarvex1::test
