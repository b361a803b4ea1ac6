// Takes the README's pictures of the program on the unit in process, and of the Advance map's graphs
// with the unit's engine running, and of a compare: zarvex1-screenshots FOLDER [--all-languages]
#include "../../tests/gui/sample_maps.h"
#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "core/mapeditor/EditorCommands.h"
#include "core/safety/CompareMarks.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"
#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"
#include "gui/logs/LogCommands.h"
#include "gui/logs/LogRecording.h"
#include "gui/logs/LogViewer.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/safety/CompareOverlay.h"
#include "gui/safety/CompareWindow.h"
#include "gui/safety/HistoryWindow.h"

#include "sim/EngineModel.h"
#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using SaveFunction = std::function<bool(const QImage &, const char *)>;

// The compare of a tune with an older one the unit holds: the Advance map with its differing cells
// framed beside the compare window, the value under the pointer in its tooltip. With allLanguages the
// compare and history windows alone in each language, to look at their layout.
bool SaveCompare(const SaveFunction &save, bool allLanguages) {
    using namespace zarvex1;
    SessionFrontEnd front;
    ParameterSession session(front);
    session.image() = test::SampleMapSet();
    session.Start();
    ParameterImage older = session.image();
    for (int row = 3; row <= 5; ++row)
        for (int column = 6; column <= 9; ++column)
            older.setByte(Adrb::Advance1 + 15 * row + column,
                          older.byte(Adrb::Advance1 + 15 * row + column) - 2);
    older.setByte(Adrb::Retard, older.byte(Adrb::Retard) + 2);
    older.setWord(Adrw::SoftLimiter, older.word(Adrw::SoftLimiter) - 300);

    TTab advance(960, 560, MapEditorOptions);
    advance.setObjectName(QStringLiteral("TabAdvance"));
    DefineAdvanceSheets(advance.Editor());
    LoadAdvanceMaps(advance.Editor(), session.image());
    advance.Editor().Sheets().Markers() = MarkersFromImage(session.image());
    CompareWindow compare(session);
    CompareMarks marks;
    CompareOverlay overlay(
        &advance, marks, [&]() -> const ParameterImage & { return session.image(); }, [] { return 0; });
    compare.resize(560, 560);
    compare.ShowCompare(older, CompareWindow::Source::Unit);
    marks.SetOther(compare.Other());
    overlay.MarksChanged();
    advance.show();
    advance.Render();
    QApplication::processEvents();

    QImage picture(960 + 8 + compare.width(), 560, QImage::Format_RGB32);
    picture.fill(QColor(212, 208, 200));
    QPainter painter(&picture);
    painter.drawImage(0, 0, advance.grab().toImage());
    painter.drawImage(968, 0, compare.grab().toImage());
    painter.end();
    if (!save(picture, "compare.png"))
        return false;
    if (!allLanguages)
        return true;

    HistoryWindow history;
    const auto now = RestoreClock::now();
    std::vector<RestorePoint> points;
    for (int i = 0; i < 12; ++i)
        points.push_back({std::filesystem::path("20261210-2043" + std::to_string(10 + i) +
                                                "-123_program_c3_n42_ZRX07.ign"),
                          {now - std::chrono::minutes(i * 7),
                           i % 3 == 0 ? RestoreEvent::Read : RestoreEvent::Program, "ZRX07", 42 - i},
                          i * 3});
    history.ShowPoints(points);
    const std::pair<int, const char *> languages[] = {
        {Language::English, "en"}, {Language::German, "de"}, {Language::Czech, "cz"}};
    for (const auto &[language, code] : languages) {
        compare.SetLanguage(language);
        history.SetLanguage(language);
        QApplication::processEvents();
        const std::string compareName = std::string("compare_window_") + code + ".png";
        const std::string historyName = std::string("history_window_") + code + ".png";
        if (!save(compare.grab().toImage(), compareName.c_str()) ||
            !save(history.grab().toImage(), historyName.c_str()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zarvex1-screenshots FOLDER [--all-languages]\n");
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
    // recorded, under the set a Read made known.
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(Page::Monitor);
    stepper.StepUntil([&form] { return form.link().state().Connected; }, 100);
    form.session().Read();
    stepper.StepUntil([&form] { return form.link().state().LinkRequest == LinkRequest::None; }, 100);
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
    // Replayed under a set with advance map 1 two degrees higher from the middle speeds up.
    ParameterImage wet = form.session().image();
    for (int row = 0; row < 10; ++row)
        for (int column = 6; column < 15; ++column)
            wet.setByte(Adrb::Advance1 + 15 * row + column, wet.byte(Adrb::Advance1 + 15 * row + column) + 2);
    viewer.Replay(wet, QStringLiteral("wet.ign"));
    viewer.FinishComparison();
    const std::pair<int, const char *> viewerLanguages[] = {{Language::English, "log_viewer.png"},
                                                            {Language::German, "log_viewer_de.png"},
                                                            {Language::Czech, "log_viewer_cz.png"}};
    for (const auto &[language, name] : viewerLanguages) {
        viewer.ApplyLanguage(language);
        QApplication::processEvents();
        if (!save(viewer.grab().toImage(), name))
            return 1;
    }
    viewer.ApplyLanguage(Language::English);
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
    if (!save(advance.Bitmap(), "advance_3d.png"))
        return 1;
    return SaveCompare(save, argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--all-languages"))
               ? 0
               : 1;
}
