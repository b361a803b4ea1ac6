// Takes the README's pictures of the program on the unit in process, and of the Advance map's graphs
// with the unit's engine running: zarvex1-screenshots FOLDER
#include "../../tests/gui/sample_maps.h"
#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapeditor/EditorCommands.h"
#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"
#include "gui/logs/LogCommands.h"
#include "gui/logs/LogRecording.h"
#include "gui/logs/LogViewer.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include "sim/EngineModel.h"
#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarvex1-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The pictures show a first start: no settings of the user's are read or written.
    QTemporaryDir settings;
    qputenv("ZARVEX1_SETTINGS_DIR", settings.path().toUtf8());

    using namespace zarvex1;
    SimOptions unit;
    unit.engine = EngineMode::Running;
    StartOptions options;
    options.steppedTicks = true;
    auto simulated = std::make_unique<SimulatedPort>(unit, LineModel::Serial());
    SimulatedPort &port = *simulated;
    TMainForm form(options, std::move(simulated));
    TickStepper stepper(port, [&form] { form.Timer1Timer(); });
    form.resize(1000, 720);
    form.show();

    auto save = [&folder](const QImage &picture, const char *name) {
        const QString path = folder.filePath(QString::fromUtf8(name));
        if (!picture.save(path)) {
            std::fprintf(stderr, "zarvex1-screenshots: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };

    // The engine runs up for a few seconds, and the Monitor page shows its live values; a minute of it is
    // recorded.
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(Page::Monitor);
    QTemporaryDir logs;
    form.logs().recording().SetFolder(logs.path().toStdString());
    form.logs().recording().Start();
    stepper.Step(80);
    QApplication::processEvents();
    if (!save(form.grab().toImage(), "monitor.png"))
        return 1;

    // The log in the viewer, and the Advance map shaded by the time spent in each cell with the cursor's
    // operating point ringed.
    stepper.Step(1100);
    form.logs().recording().Stop();
    const QStringList recorded = QDir(logs.path()).entryList(QDir::Files);
    if (recorded.size() != 1 || !form.logs().OpenLog(QDir(logs.path()).filePath(recorded[0]).toStdString()))
        return 1;
    LogViewer &viewer = *form.logs().viewer();
    viewer.resize(1100, 760);
    viewer.SetCursorMs(33000);
    QApplication::processEvents();
    if (!save(viewer.grab().toImage(), "log_viewer.png"))
        return 1;
    pages->setCurrentIndex(Page::Advance);
    form.logs().shadeAction()->trigger();
    stepper.Step(1);
    QApplication::processEvents();
    if (!save(pages->currentWidget()->grab().toImage(), "advance_time_in_cell.png"))
        return 1;
    viewer.close();
    form.logs().shadeAction()->trigger();

    // The Advance editor at its page's size with tuned maps, the engine running on it: 2D and 3D graph.
    ParameterImage image = test::SampleMapSet();
    TTab advance(960, 560, MapEditorOptions);
    DefineAdvanceSheets(advance.Editor());
    LoadAdvanceMaps(advance.Editor(), image);
    advance.Editor().Sheets().Markers() = MarkersFromImage(image);
    advance.show();
    for (int ms = 0; ms <= 3000; ms += 55) {
        const EngineState engine = EngineAt(ms, EngineMode::Running, image);
        advance.Editor().SetLiveValues(engine.rpm, engine.throttle, 0, false);
        advance.Tick();
    }
    // The table with a block selected, as a tuner interpolates it.
    advance.Editor().Cursor().SelectOne(4, 2);
    advance.Editor().Cursor().MoveCursor(3, 3, true);
    advance.Editor().UpdateToolbarStates(false);
    advance.Render();
    if (!save(advance.Bitmap(), "advance_table.png"))
        return 1;
    advance.Editor().Cursor().ClearSelection();
    RunCommand(advance.Editor(), CommandView2D);
    advance.Render();
    if (!save(advance.Bitmap(), "advance_2d.png"))
        return 1;
    RunCommand(advance.Editor(), CommandView3D);
    RunCommand(advance.Editor(), CommandIso1);
    advance.Editor().Graph3D().valuesMode = 2;
    advance.Render();
    return save(advance.Bitmap(), "advance_3d.png") ? 0 : 1;
}
