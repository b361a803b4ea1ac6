#pragma once

#include "sample_maps.h"

#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/ServoMap.h"
#include "core/mapeditor/EditorCommands.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "sim/EngineModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <memory>
#include <vector>

namespace zarvex1::test {

// The Advance or the Servo page's editor on the screen with the sample maps, with the keyboard focus;
// the owner's side copies every change back into the image.
struct GraphWindow {
    enum class Map { Advance, Servo };

    ParameterImage image = SampleMapSet();
    Map map;
    std::unique_ptr<TTab> tab;
    std::vector<int> changes;

    explicit GraphWindow(Map which = Map::Advance, int width = 960, int height = 560) : map(which) {
        tab = std::make_unique<TTab>(width, height, MapEditorOptions);
        if (map == Map::Advance) {
            DefineAdvanceSheets(editor());
            LoadAdvanceMaps(editor(), image);
        } else {
            DefineServoSheet(editor());
            LoadServoMap(editor(), image);
        }
        editor().Sheets().Markers() = MarkersFromImage(image);
        QObject::connect(tab.get(), &TTab::mapChanged, [this](int what) {
            changes.push_back(what);
            if (map == Map::Advance)
                AdvanceMapToImage(editor(), image);
            else
                ServoMapToImage(editor(), image);
            WriteMarkers(image, editor().Sheets().Markers());
        });
        tab->show();
        QApplication::setActiveWindow(tab.get());
        tab->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(tab.get()));
        tab->Render();
    }

    MapEditor &editor() { return tab->Editor(); }
    CSheet &sheet() { return editor().Current(); }
    TabGraph &graphs() { return editor().Graphs(); }
    void view(int command) {
        RunCommand(editor(), command);
        tab->Render();
    }
    // The simulated engine from its start for ms milliseconds, handed over tick by tick as the window does.
    void runEngine(int ms) {
        for (int t = 0; t <= ms; t += 55) {
            const EngineState engine = EngineAt(t, EngineMode::Running, image);
            editor().SetLiveValues(engine.rpm, engine.throttle, 0, false);
            tab->Tick();
        }
        tab->Render();
    }
    void mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMouseEvent event(type, p, tab->mapToGlobal(p), button, held, keys);
        QApplication::sendEvent(tab.get(), &event);
    }
    void move(QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        mouse(QEvent::MouseMove, p, Qt::NoButton, held);
    }
    // A left-button drag in steps of at most 10 pixels, as a hand moves.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        move(from);
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, keys);
        const int steps =
            std::max(1, std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) / 10);
        for (int k = 1; k <= steps; ++k) {
            move(from + (to - from) * k / steps, Qt::LeftButton);
            QApplication::processEvents(); // a pointer warp's move comes in between
        }
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, keys);
    }
    QRgb pixel(int x, int y) const { return tab->Bitmap().pixel(x, y); }
    // With ZARVEX1_SCREENSHOTS naming a folder, the control's image goes there as name.png.
    void screenshot(const QString &name) const {
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (!folder.isEmpty())
            tab->Bitmap().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
};

} // namespace zarvex1::test
