#include "map_graph_fixture.h"
#include "window_fixture.h"

#include "gui/pages/AdvancePage.h"

#include "core/mapbinding/SensorMaps.h"
#include "core/mapeditor/views/Graph3DGrid.h"
#include "core/mapeditor/views/HeightColours.h"

#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QWheelEvent>
#include <QtTest>

using namespace zarvex1;
using test::GraphWindow;

namespace {

bool Near(QRgb pixel, QRgb expected, int tolerance) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

QRgb AsQRgb(std::uint32_t colour) {
    return ToQColor(colour).rgb();
}

// Where grid point (i, j) of the 3D graph is on the screen.
QPoint OnScreen(GraphWindow &w, double i, double j) {
    const CSheet &s = w.sheet();
    const Graph3DGrid grid(s, w.editor().Sheets().Markers().baseMarker);
    auto at = [&](double a, const GroundAxis &axis) {
        const int lo = static_cast<int>(std::floor(a)), hi = static_cast<int>(std::ceil(a));
        return (axis.Position(lo) + axis.Position(hi)) / 2;
    };
    const int li = static_cast<int>(std::floor(i)), hi = static_cast<int>(std::ceil(i));
    const int lj = static_cast<int>(std::floor(j)), hj = static_cast<int>(std::ceil(j));
    const double h =
        (grid.Height(li, lj) + grid.Height(li, hj) + grid.Height(hi, lj) + grid.Height(hi, hj)) / 4;
    const ProjectedPoint p = Project(w.graphs().Layout3D(), at(i, grid.x), h, at(j, grid.y));
    return QPoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

// The image's pixels inside a box that differ from another image's.
int Changed(const QImage &a, const QImage &b, const QRect &box) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

class MapGraphWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void draggingAPointOfAdvance1ChangesTheImageOnce() {
        GraphWindow w;
        w.view(CommandView2D);
        const Graph2DLayout &g = w.graphs().Layout2D();
        const int before = w.image.byte(Adrb::Advance1 + 15 * 0 + 4); // 5000 rpm, throttle 0
        const QPoint point(g.X(0, 4), g.Y(0, 4));
        w.drag(point, point - QPoint(0, static_cast<int>(std::lround(3 * g.yScale))));
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 4)), before + 3);
        QCOMPARE(w.changes.size(), std::size_t{1}); // one change: one undo entry
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 1 + 4)),
                 int(test::SampleMapSet().byte(Adrb::Advance1 + 19)));
    }

    void dragOnTheAdvancePageIsOneUndoEntry() {
        SimOptions unit;
        unit.engine = EngineMode::Running;
        test::Window w(unit);
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.tickUntil([&w] { return w->link().state().Connected; }, 20) > 0);
        test::Named<QTabWidget>(*w, "PageControl1")->setCurrentIndex(Page::Advance);
        QApplication::processEvents();
        w.tick(4);
        TTab *tab =
            qobject_cast<TAdvancePage *>(test::Named<QWidget>(*w, PageNames[Page::Advance]))->TabAdvance;
        RunCommand(tab->Editor(), CommandView2D);
        tab->Render();
        const ParameterImage &image = w->session().image();
        const int before = image.byte(Adrb::Advance1 + 6); // 5000 rpm, the top curve
        const Graph2DLayout &g = tab->Editor().Graphs().Layout2D();
        const QPoint from(g.X(0, 6), g.Y(0, 6)),
            to = from - QPoint(0, static_cast<int>(std::lround(3 * g.yScale)));
        auto mouse = [tab](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent event(type, p, tab->mapToGlobal(p), button, held, Qt::NoModifier);
            QApplication::sendEvent(tab, &event);
        };
        mouse(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        w.tick(10);
        QCOMPARE(int(image.byte(Adrb::Advance1 + 6)), before + 3);
        QVERIFY(w->session().undo().CanUndo());
        test::Named<QAction>(*w, "MenuZpet")->trigger();
        QCOMPARE(int(image.byte(Adrb::Advance1 + 6)), before);
        QVERIFY(!w->session().undo().CanUndo()); // one entry, one undo
        test::Named<QTabWidget>(*w, "PageControl1")->setCurrentIndex(Page::Advance);
        RunCommand(tab->Editor(), CommandView3D);
        w.tick(20);
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (!folder.isEmpty())
            w->grab().save(folder + QStringLiteral("/advance_page_3d.png"));
    }

    void rotationDragChangesTheAngleReadOut() {
        GraphWindow w;
        w.view(CommandView3D);
        const QImage before = w.tab->Bitmap().copy();
        w.drag(QPoint(500, 300), QPoint(600, 280));
        QCOMPARE(w.editor().Graph3D().angles, (ViewAngles{-3, 34, 0}));
        const QRect readOut(10, 36 + 25, 140, 14);
        QVERIFY(Changed(before, w.tab->Bitmap(), readOut) > 10);
        QCOMPARE(w.editor().Toolbar().Button(CommandIso2).pressed, 0);
    }

    void highestCellTakesTheTopHeightColourAtGrain0() {
        GraphWindow w;
        w.view(CommandView3D);
        w.editor().Graph3D().quality = 2;
        w.tab->Render();
        // Cells (7 … 8, 0 … 1) hold the map's highest advance, 36°.
        const CAxe &values = w.sheet().axisData;
        const double index = HeightIndexOf(36 - values.displayMin, values.displayMin, ColourRangeOf(values));
        const QRgb top = AsQRgb(BuildHeightColours()[static_cast<std::size_t>(HeightColourIndex(index))]);
        const QPoint centre = OnScreen(w, 7.5, 0.5);
        QVERIFY2(Near(w.pixel(centre.x(), centre.y()), top, 0),
                 qPrintable(QString::number(w.pixel(centre.x(), centre.y()), 16)));
    }

    void livePointWearsItsValue() {
        GraphWindow w;
        w.view(CommandView3D);
        w.editor().Graph3D().valuesMode = 1;
        w.editor().SetLiveValues(6000, 300, 0, false); // speed point 5, throttle point 5
        w.tab->Tick();
        w.tab->Tick();
        QCOMPARE(w.sheet().actualX, 5);
        w.tab->Render();
        const QPoint live = OnScreen(w, 5, 5);
        // The marker: the live colour around the value's black digits (as wide as the editor's font
        // makes them).
        bool marked = false;
        for (int dx = 4; dx <= 16 && !marked; ++dx)
            marked = Near(w.pixel(live.x() - dx, live.y()), AsQRgb(EditorPalette[PaletteLiveOk]), 40);
        QVERIFY(marked);
        int dark = 0;
        for (int x = live.x() - 6; x <= live.x() + 6; ++x)
            dark += qGray(w.pixel(x, live.y())) < 80 ? 1 : 0;
        QVERIFY(dark > 0);
        w.screenshot(QStringLiteral("advance1_3d_live"));
    }

    void helpIsATooltipUntilUsedThenTheStatusLineOnly() {
        GraphWindow w;
        w.view(CommandView3D);
        w.move(QPoint(500, 300));
        QVERIFY(w.tab->toolTip().startsWith(QStringLiteral("Rotate: drag mouse")));
        QCOMPARE(w.tab->Hint(), w.tab->toolTip());
        QWheelEvent wheel(QPointF(500, 300), w.tab->mapToGlobal(QPointF(500, 300)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.tab.get(), &wheel);
        QCOMPARE(w.editor().Graph3D().angles.angleXYZ, 1);
        w.move(QPoint(502, 300));
        QCOMPARE(w.tab->toolTip(), QString());
        QVERIFY(w.tab->Hint().startsWith(QStringLiteral("Rotate: drag mouse")));
    }

    void copyGraphPutsThePictureOnTheClipboard() {
        GraphWindow w;
        w.view(CommandView3D);
        RunCommand(w.editor(), CommandCopyGraph);
        const QImage picture = QGuiApplication::clipboard()->image();
        // Right of the legend strip to the graph area's right and bottom edges, on white.
        QCOMPARE(picture.size(), QSize(960 - 27 - 140 + 1, 560 - 27 - 36 + 1));
        QCOMPARE(picture.pixel(picture.width() - 3, picture.height() - 3), qRgb(255, 255, 255));
        QVERIFY(w.pixel(900, 500) != qRgb(255, 255, 255)); // the control has its colour back
    }

    void pointerStaysOnTheDraggedPointWhileTheGraphRescales() {
        GraphWindow w;
        w.view(CommandView2D);
        const Graph2DLayout &g = w.graphs().Layout2D();
        const QPoint point(g.X(0, 8), g.Y(0, 8)); // 36° at 9000 rpm, the top of the range
        const int top = w.sheet().axisData.displayMax;
        w.move(point);
        w.mouse(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
        w.move(point - QPoint(0, 40), Qt::LeftButton);
        QVERIFY(w.sheet().axisData.displayMax > top);
        QCOMPARE(QCursor::pos(), w.tab->mapToGlobal(QPoint(g.X(0, 8), g.Y(0, 8))));
        const int value = w.sheet().Cell(8, 0);
        QApplication::processEvents(); // the move the warp caused changes nothing
        QCOMPARE(w.sheet().Cell(8, 0), value);
        w.mouse(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(w.changes.size(), std::size_t{1});
    }

    void popupOffersTheViewsOfThe3DGraph() {
        GraphWindow w;
        w.view(CommandView3D);
        w.move(QPoint(500, 300));
        w.mouse(QEvent::MouseButtonPress, QPoint(500, 300), Qt::RightButton, Qt::RightButton);
        QMenu *menu = w.tab->PopupMenu();
        QVERIFY(menu != nullptr);
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        for (const char *text : {"Copy graph", "Top view", "ISO2 view", "Wire model",
                                 "Height colors (grain 2)", "Only interresting values", "View as graph 2D"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("Top view"))
                action->trigger();
        menu->close();
        QCOMPARE(w.editor().Graph3D().angles, ViewTop);
        QCOMPARE(w.editor().Toolbar().Button(CommandTop).pressed, 1);
    }

    // The pictures of the README and the review: ZARVEX1_SCREENSHOTS=folder.
    void screenshotsWhileTheEngineRuns() {
        GraphWindow w;
        w.runEngine(3000);
        w.view(CommandView2D);
        w.screenshot(QStringLiteral("advance1_2d"));
        w.view(CommandView3D);
        w.editor().Graph3D().valuesMode = 2;
        for (int preset : {CommandTop, CommandIso1, CommandIso2}) {
            w.view(preset);
            w.screenshot(QStringLiteral("advance1_3d_") + QString::fromUtf8(preset == CommandTop ? "top"
                                                                            : preset == CommandIso1
                                                                                ? "iso1"
                                                                                : "iso2"));
        }
        GraphWindow s(GraphWindow::Map::Servo);
        RunCommand(s.editor(), CommandUseBoth);
        s.runEngine(3000);
        s.view(CommandView2D);
        s.screenshot(QStringLiteral("servo_2d"));
        s.view(CommandView3D);
        s.screenshot(QStringLiteral("servo_3d"));

        // A calibration of the Inputs page: no toolbar, its view switch at the left.
        TTab tps(250, 130, SensorEditorOptions), iap(250, 130, SensorEditorOptions);
        DefineTpsSensorSheet(tps.Editor());
        DefineIapSensorSheet(iap.Editor());
        LoadSensorMaps(tps.Editor(), iap.Editor(), w.image);
        tps.show();
        RunCommand(tps.Editor(), CommandView2D);
        tps.Render();
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (!folder.isEmpty())
            tps.Bitmap().save(folder + QStringLiteral("/tps_2d.png"));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(MapGraphWidgetTest)
#include "map_graph_widget_test.moc"
