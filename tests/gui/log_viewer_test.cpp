// The log viewer and the log on the maps: a log recorded with the unit in process, opened; the cursor's
// values are the frames at its time; zoom and pan move every chart; the channels chosen are kept; the
// cursor's operating point is ringed and the cells shaded by time on the Advance map.

#include "window_fixture.h"

#include "core/logs/LogChannels.h"
#include "core/logs/LogFormat.h"
#include "core/safety/RestorePoints.h"
#include "gui/logs/CellTimeOverlay.h"
#include "gui/logs/LogCharts.h"
#include "gui/logs/LogCommands.h"
#include "gui/logs/LogRecording.h"
#include "gui/logs/LogViewer.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <qcustomplot.h>

using namespace zarvex1;
using namespace zarvex1::test;

class LogViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void CursorValuesAreTheFramesAtItsTime();
    void ZoomPanAndClickMoveEveryChart();
    void ChosenChannelsAreKept();
    void TheMapsRingTheCursorAndShadeTheTime();
    void ReplayAddsTheModelBesideTheUnit();

private:
    // A log recorded from the window with the unit in process, and the frames the link took.
    std::unique_ptr<Window> window_;
    QTemporaryDir folder_;
    QString logPath_;
    // Every record the link handed its watchers while recording.
    struct Seen : LiveWatcher {
        std::vector<LiveRecord> records;
        void RecordsArrived(std::span<const LiveRecord> arrived) override {
            records.insert(records.end(), arrived.begin(), arrived.end());
        }
    };
    Seen frames_;
};

void LogViewerTest::initTestCase() {
    SimOptions unit;
    unit.engine = EngineMode::Running;
    window_ = std::make_unique<Window>(unit);
    Window &window = *window_;
    LogCommands &logs = window->logs();
    logs.recording().SetFolder(folder_.path().toStdString());
    QVERIFY(window.tickUntil([&] { return window->link().state().Connected; }) >= 0);
    // A Read makes the unit's set known (the rows name it) and keeps it as a restore point.
    window->session().Read();
    QVERIFY(window.tickUntil([&] { return window->link().state().LinkRequest == LinkRequest::None; }) >= 0);
    QVERIFY(window->session().unitSet());
    logs.recording().Start();
    window->link().AddLiveWatcher(frames_);
    window.tick(120);
    window->link().RemoveLiveWatcher(frames_);
    logs.recording().Stop();
    const QStringList files = QDir(folder_.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    logPath_ = folder_.path() + QLatin1Char('/') + files[0];
    QVERIFY(logs.OpenLog(logPath_.toStdString()));
    QVERIFY(window.messages.isEmpty());
}

void LogViewerTest::CursorValuesAreTheFramesAtItsTime() {
    LogViewer &viewer = *window_->form->logs().viewer();
    const MonitorLog &log = *viewer.log();
    QCOMPARE(log.rowCount(), int(frames_.records.size()));
    auto *tree = viewer.findChild<QTreeWidget *>(QStringLiteral("TreeCursorValues"));
    for (const int row : {0, 17, log.rowCount() - 1}) {
        // Between two rows the cursor shows the earlier one.
        viewer.SetCursorMs(log.timeMs(row) + (row + 1 < log.rowCount() ? 20 : 0));
        QCOMPARE(viewer.cursorRow(), row);
        int shown = 0;
        for (const LogChannel *channel : viewer.Channels())
            for (const std::string_view id : channel->fields) {
                const MonitorField &field = *FindMonitorField(id);
                const QString expected =
                    QString::fromStdString(FormatFieldValue(field, frames_.records[row].raw(field.field)));
                QCOMPARE(viewer.CursorValue(id), expected);
                const QString caption = QString::fromStdString(FieldCaption(id, 0));
                const auto items = tree->findItems(caption, Qt::MatchExactly);
                QCOMPARE(items.size(), 1);
                QCOMPARE(items[0]->text(1), expected);
                ++shown;
            }
        QVERIFY(shown >= 20);
    }
}

void LogViewerTest::ZoomPanAndClickMoveEveryChart() {
    LogViewer &viewer = *window_->form->logs().viewer();
    LogCharts &charts = *viewer.charts();
    charts.resize(800, 900);
    QCustomPlot *plot = charts.plot();
    plot->replot();
    QCOMPARE(charts.chartCount(), int(LogChannels().size()));
    // The wheel zooms the time of every chart around the pointer.
    QCPAxisRect *first = plot->axisRect(0);
    const double before = first->axis(QCPAxis::atBottom)->range().size();
    const QPoint inside = first->rect().center();
    QWheelEvent wheel(inside, plot->mapToGlobal(inside), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    const QCPRange zoomed = first->axis(QCPAxis::atBottom)->range();
    QVERIFY(zoomed.size() < before * 0.95);
    for (int i = 0; i < plot->axisRectCount(); ++i)
        QCOMPARE(plot->axisRect(i)->axis(QCPAxis::atBottom)->range(), zoomed);
    // A drag pans them all; it does not move the cursor.
    const long long cursor = viewer.cursorMs();
    QCPAxisRect *last = plot->axisRect(plot->axisRectCount() - 1);
    const QPoint from = last->rect().center();
    QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(plot, from + QPoint(-100, 0));
    QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, from + QPoint(-100, 0));
    const QCPRange panned = first->axis(QCPAxis::atBottom)->range();
    QVERIFY(panned.lower > zoomed.lower);
    QCOMPARE(last->axis(QCPAxis::atBottom)->range(), panned);
    QCOMPARE(viewer.cursorMs(), cursor);
    // A click puts the cursor there.
    const int x = int(first->axis(QCPAxis::atBottom)->coordToPixel(panned.center()));
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(x, from.y()));
    QVERIFY(std::abs(viewer.cursorMs() - std::llround(panned.center() * 1000)) <= 20);
    // The arrow keys step it by a row.
    const int row = viewer.cursorRow();
    QTest::keyClick(&charts, Qt::Key_Right);
    QCOMPARE(viewer.cursorRow(), row + 1);
}

void LogViewerTest::ChosenChannelsAreKept() {
    Window &window = *window_;
    LogViewer &viewer = *window->logs().viewer();
    auto *list = viewer.findChild<QListWidget *>(QStringLiteral("ListChannels"));
    QCOMPARE(list->accessibleName(), QStringLiteral("Channels"));
    viewer.SetChannels({FindLogChannel("servo"), FindLogChannel("rpm")});
    QCOMPARE(viewer.charts()->chartCount(), 2);
    // Unticking a channel and moving one up are kept as well.
    list->setCurrentRow(1);
    viewer.findChild<QPushButton *>(QStringLiteral("ButtonChannelUp"))->click();
    QCOMPARE(ChannelsToText(viewer.Channels()), std::string("rpm,servo"));
    list->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(viewer.charts()->chartCount(), 1);
    LogViewer another(std::filesystem::path(window.settingsDir.path().toStdString()) / "logviewer.ini", {},
                      {});
    QCOMPARE(ChannelsToText(another.Channels()), std::string("servo"));
    viewer.SetChannels(ChannelsFromText(""));
}

void LogViewerTest::TheMapsRingTheCursorAndShadeTheTime() {
    Window &window = *window_;
    LogCommands &logs = window->logs();
    LogViewer &viewer = *logs.viewer();
    window.page(Page::Advance);
    window->show();
    CellTimeOverlay &overlay = *logs.overlay(0);
    QCOMPARE(overlay.CurrentMap(), std::optional(UnitMap::Advance1));
    const MapAxes axes = UnitMapAxes(window->session().image(), UnitMap::Advance1);
    // The ring: the cell nearest the operating point of the cursor's row, as the live ring finds it.
    const MonitorLog &log = *viewer.log();
    int row = 0;
    while (row < log.rowCount() && !(LogPoint(log, row) && LogPoint(log, row)->rpm > 2000))
        ++row;
    QVERIFY(row < log.rowCount());
    viewer.SetCursorMs(log.timeMs(row));
    const OperatingPoint point = *LogPoint(log, row);
    const QPoint ringed(CellTime::NearestIndex(axes.rpm, point.rpm),
                        CellTime::NearestIndex(axes.load, point.load));
    QCOMPARE(overlay.RingCell(), std::optional(ringed));
    QVERIFY(overlay.isVisible());

    // Shading: the longest cell is the darkest, the seconds are in the tooltip.
    logs.shadeAction()->trigger();
    CellTime expected(axes);
    expected.AddLog(log);
    QVERIFY(expected.totalMs() > 0);
    long long longest = 0;
    for (int r = 0; r < expected.rows(); ++r)
        for (int c = 0; c < expected.columns(); ++c)
            longest = std::max(longest, expected.ms(r, c));
    for (int r = 0; r < expected.rows(); ++r)
        for (int c = 0; c < expected.columns(); ++c) {
            QCOMPARE(overlay.Shade(c, r), int(expected.ms(r, c) * 255 / longest));
            QCOMPARE(overlay.CellToolTip(c, r), QString::fromStdString(LogSeconds(expected.ms(r, c))) + " s");
        }
    const QRect box = overlay.CellBox(ringed.x(), ringed.y());
    QVERIFY(!box.isEmpty());
    QCOMPARE(overlay.CellAt(box.center()), std::optional(ringed));
    // The picture: a shaded cell is bluer than the map without the overlay.
    const QImage shot = Named<QTabWidget>(*window.form, "PageControl1")->currentWidget()->grab().toImage();
    QVERIFY(!shot.isNull());

    // With the viewer closed the ring goes and the shading is live.
    viewer.close();
    QVERIFY(!overlay.RingCell());
    logs.shadeAction()->trigger();
    QVERIFY(!overlay.isVisible());
}

void LogViewerTest::ReplayAddsTheModelBesideTheUnit() {
    Window &window = *window_;
    LogCommands &logs = window->logs();
    QVERIFY(logs.OpenLog(logPath_.toStdString()));
    LogViewer &viewer = *logs.viewer();
    // The log names the set on the screen. Another set: advance map 1 two degrees higher everywhere.
    const ParameterImage held = window->session().image();
    QCOMPARE(viewer.log()->set(0).imageHash, ImageHash(held));
    ParameterImage other = held;
    for (int i = 0; i < 150; ++i)
        other.setByte(Adrb::Advance1 + i, other.byte(Adrb::Advance1 + i) + 2);
    const int graphs = viewer.charts()->plot()->graphCount();
    QVERIFY(viewer.Replay(other, QStringLiteral("wet.ign")));
    QCOMPARE(viewer.charts()->plot()->graphCount(), graphs + 3);
    viewer.FinishComparison();
    QVERIFY(!viewer.differences().empty());
    QCOMPARE(viewer.differences().front().after, viewer.differences().front().before + 2);
    QVERIFY(viewer.differences().front().ms > 0);
    auto *tree = viewer.findChild<QTreeWidget *>(QStringLiteral("TreeDifferingCells"));
    QCOMPARE(tree->topLevelItemCount(), int(viewer.differences().size()));
    auto *line = viewer.findChild<QLabel *>(QStringLiteral("LabelComparedWith"));
    QCOMPARE(line->text(), QStringLiteral("Compared with the set the unit held at each row."));

    // The screen has moved on since (advance map 1 five degrees higher): the cells compare with the set
    // the unit held, found among the restore points, not with the screen's.
    ParameterImage screen = held;
    for (int i = 0; i < 150; ++i)
        screen.setByte(Adrb::Advance1 + i, held.byte(Adrb::Advance1 + i) + 5);
    QTemporaryDir history;
    RestorePointStore store(history.path().toStdString(), true);
    QVERIFY(store.Write(held, {RestoreClock::now(), RestoreEvent::Read, "", {}}).written);
    QVERIFY(
        store.Write(screen, {RestoreClock::now() + std::chrono::seconds(1), RestoreEvent::Program, "", {}})
            .written);
    const std::filesystem::path settings = folder_.filePath(QStringLiteral("viewer.ini")).toStdString();
    for (const bool pointsKept : {true, false}) {
        LogViewer alone(settings,
                        pointsKept ? std::filesystem::path(history.path().toStdString())
                                   : std::filesystem::path(),
                        [&screen] { return screen; });
        alone.ApplyLanguage(Language::German);
        std::string error;
        QVERIFY(alone.Open(logPath_.toStdString(), error));
        QVERIFY(alone.Replay(other, QStringLiteral("wet.ign")));
        alone.FinishComparison();
        QVERIFY(!alone.differences().empty());
        const int rows = viewer.log()->rowCount();
        const QString said = alone.findChild<QLabel *>(QStringLiteral("LabelComparedWith"))->text();
        if (pointsKept) {
            QCOMPARE(alone.differences(), viewer.differences());
            QCOMPARE(said, QStringLiteral("Verglichen mit dem Satz, den die Zündung in jeder Zeile hatte."));
        } else {
            // Without the points every row stands under the screen's set, and the viewer says so.
            for (const CellDifference &cell : alone.differences())
                QCOMPARE(cell.after, cell.before + (cell.map == UnitMap::Advance1 ? -3 : 0));
            QCOMPARE(said,
                     QStringLiteral("%1 von %1 Zeilen nennen keinen hier gefundenen Satz: sie werden mit "
                                    "dem Satz auf dem Bildschirm verglichen.")
                         .arg(rows));
        }
    }
}

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(LogViewerTest)
#include "log_viewer_test.moc"
