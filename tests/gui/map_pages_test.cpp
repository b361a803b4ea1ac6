// The Advance, Servo and Inputs pages with their map editors, on the unit in process with the engine
// running.

#include "window_fixture.h"

#include "core/mapeditor/EditorKeys.h"
#include "core/mapeditor/views/ChromeRenderer.h"
#include "core/mapeditor/views/NumberFormat.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"
#include "gui/pages/InputsPage.h"
#include "gui/pages/SensorPanel.h"
#include "gui/pages/ServoPage.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cctype>

using namespace zarvex1;

namespace {

SimOptions RunningEngine() {
    SimOptions options;
    options.engine = EngineMode::Running;
    return options;
}

// The page in front, after the event loop and four ticks.
void Open(test::Window &w, int page) {
    w.page(page);
    QApplication::processEvents();
    w.tick(4);
}

// The window at least as large as the texts of the language need, as the window manager holds a window
// to its minimum size (the offscreen platform has none).
void Settle(test::Window &w) {
    QApplication::processEvents();
    w->resize(w->size().expandedTo(w->minimumSizeHint()));
    QApplication::processEvents();
}

TAdvancePage *AdvancePage(test::Window &w) {
    return qobject_cast<TAdvancePage *>(test::Named<QWidget>(*w, PageNames[Page::Advance]));
}

TServoPage *ServoPage(test::Window &w) {
    return qobject_cast<TServoPage *>(test::Named<QWidget>(*w, PageNames[Page::Servo]));
}

TSensorPanel *Sensors(test::Window &w) {
    return qobject_cast<TInputsPage *>(test::Named<QWidget>(*w, PageNames[Page::Inputs]))->sensorPanel();
}

QPoint Centre(TTab *tab, int column, int row) {
    const Rect r = tab->Editor().Layout().ItemRect(column, row);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Texts wider than their cell overflow into the neighbours: every value and header the table draws
// must lie inside the cell or header it stands in.
QStringList TextsBeyondTheirCells(TTab *tab) {
    QStringList wide;
    MapEditor &editor = tab->Editor();
    if (!editor.HasCurrent())
        return wide;
    const TableGeometry &g = editor.Geometry();
    const TextMetrics &metrics = editor.Metrics();
    Scene body;
    RenderBody(editor.View(), body);
    // The item edges across: the row headers, then every visible column.
    std::vector<int> edges = {g.tableX, g.tableX + g.rowHeaderWidth};
    for (int c = 0; c <= g.visibleCols; ++c)
        edges.push_back(g.ColumnEdge(c));
    for (const DrawOp &op : body.Ops()) {
        const auto *text = std::get_if<TextOp>(&op);
        // The values only: the axis names have places of their own, the count labels are turned.
        if (text == nullptr || text->angle != 0 || text->text.empty() ||
            (std::isdigit(static_cast<unsigned char>(text->text[0])) == 0 && text->text[0] != '-'))
            continue;
        const int w = metrics.Width(text->text, text->font);
        const int mx = text->x + w / 2, my = text->y + metrics.XHeight(text->font) / 2;
        const bool headerRow = my >= g.tableY && my < g.tableY + g.columnHeaderHeight;
        const bool cellRow = my >= g.RowEdge(0) && my < g.RowEdge(g.visibleRows);
        if (!cellRow && !headerRow)
            continue;
        for (std::size_t k = 0; k + 1 < edges.size(); ++k)
            if (k != 1 && mx >= edges[k] && mx < edges[k + 1] &&
                (text->x < edges[k] || text->x + w > edges[k + 1]))
                wide << QString::fromStdString(text->text);
    }
    return wide;
}

// Captions that do not fit their control on a page.
QStringList ClippedCaptions(QWidget *page) {
    QStringList clipped;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        if (!text.isEmpty() && w->sizeHint().width() > w->width())
            clipped << w->objectName() + QStringLiteral(": ") + text;
    }
    return clipped;
}

void Screenshot(QWidget *window, const QString &name) {
    const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
    if (!folder.isEmpty())
        window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class MapPagesTest : public QObject {
    Q_OBJECT
private slots:
    void typedValueGoesIntoTheImageWithOneUndoEntry() {
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        Open(w, Page::Advance);
        TTab *tab = AdvancePage(w)->TabAdvance;
        QVERIFY(!w.form->session().undo().CanUndo());
        const int before = w.image().byte(Adrb::Advance1 + 15 * 2 + 3);
        QTest::mouseClick(tab, Qt::LeftButton, Qt::NoModifier, Centre(tab, 3, 2));
        QTest::keyClicks(tab, QStringLiteral("25"));
        QTest::keyClick(tab, Qt::Key_Return);
        QCOMPARE(int(w.image().byte(Adrb::Advance1 + 15 * 2 + 3)), 25);
        QCOMPARE(tab->Editor().Current().Cell(3, 2), 25);
        w.tick(10);
        QVERIFY(w.form->session().undo().CanUndo());
        test::Named<QAction>(*w.form, "MenuZpet")->trigger();
        QCOMPARE(int(w.image().byte(Adrb::Advance1 + 15 * 2 + 3)), before);
        QCOMPARE(tab->Editor().Current().Cell(3, 2), before); // the page shows the image again
        QVERIFY(!w.form->session().undo().CanUndo());         // one entry, one undo
    }

    void theLivePositionFollowsTheEngine() {
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        Open(w, Page::Advance);
        TTab *tab = AdvancePage(w)->TabAdvance;
        const CSheet &sheet = tab->Editor().Current();
        QSet<int> columns;
        int partial = 0;
        for (int i = 0; i < 80; ++i) {
            w.tick();
            if (sheet.actualState == 1)
                columns << sheet.actualX;
            partial += tab->Editor().Damage().empty() ? 0 : 1;
            // A tick repaints only where the ring was and is: the picture of a whole render.
            const QImage ticked = tab->Bitmap().copy();
            tab->Render();
            QVERIFY2(ticked == tab->Bitmap(), qPrintable(QStringLiteral("tick %1").arg(i)));
        }
        QVERIFY2(columns.size() > 1, "the engine stays in one column");
        QVERIFY(partial > 0);
    }

    void servoPercentConvertsTheMap() {
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        Open(w, Page::Servo);
        TServoPage *page = ServoPage(w);
        w.image().setByte(Adrb::Servo, 250);
        w.form->session().ImageToPages();
        QCheckBox *enabled = page->findChild<QCheckBox *>(QStringLiteral("CheckBoxServoEnabled"));
        QCheckBox *percent = page->findChild<QCheckBox *>(QStringLiteral("CheckBoxServoPercent"));
        if (!enabled->isChecked())
            enabled->click();
        QVERIFY(percent->isVisible());
        percent->click();
        QCOMPARE(int(w.image().byte(Adrb::ServoPercent)), 1);
        QCOMPARE(int(w.image().byte(Adrb::Servo)), 100);
        QCOMPARE(page->TabServo->Editor().Current().axisData.unit, std::string("%"));
        enabled->click(); // off: the map is greyed out and the hysteresis goes
        QCOMPARE(page->TabServo->Editor().Current().enabled(), 0);
        QVERIFY(!percent->isVisible());
    }

    void tpsButtonTakesTheLiveSensorVoltage() {
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        w.image().setByte(Adrb::LoadSensor, 1);
        Open(w, Page::Inputs);
        w.form->session().ImageToPages();
        TSensorPanel *panel = Sensors(w);
        QVERIFY(panel->TabTpsSensor->isVisible());
        QVERIFY(!panel->TabIapSensor->isVisible());
        const int mv = test::Live(w.form->link(), LiveField::LoadVoltage);
        QVERIFY2(mv >= 200 && mv <= 4950, qPrintable(QString::number(mv)));
        panel->BitBtnTps0->click();
        QCOMPARE(int(w.image().word(Adrw::TpsVoltage0)), (mv + 5) / 10 * 10);
        QCOMPARE(panel->TabTpsSensor->Editor().Current().Cell(0, 0), (mv + 5) / 10 * 10);
    }

    void controlsAreNamedByTheirCaptionsInTheLanguage() {
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        w.form->SetLanguage(1);
        auto name = [&w](int page, const char *control) {
            QWidget *widget = test::Named<QWidget>(*w.form, PageNames[page])
                                  ->findChild<QWidget *>(QString::fromLatin1(control));
            return widget != nullptr ? widget->accessibleName() : QStringLiteral("(missing)");
        };
        QCOMPARE(name(Page::Advance, "EditBaseAdvance"), QStringLiteral("Grundvorzündung (°)"));
        QCOMPARE(name(Page::Advance, "EditCylCorr1"), QStringLiteral("Korrektur für Zyl. 1"));
        QCOMPARE(name(Page::Servo, "EditServoHystOff"), QStringLiteral("Zone aus [mV]"));
        QCOMPARE(ServoPage(w)->findChild<QCheckBox *>(QStringLiteral("CheckBoxServoPercent"))->text(),
                 QStringLiteral("Perzent"));
        QCOMPARE(Sensors(w)->BitBtnTps100->text(), QStringLiteral("TPS 100 % ->"));
        QAccessibleInterface *editor = QAccessible::queryAccessibleInterface(AdvancePage(w)->TabAdvance);
        QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Vorzündung 1"));
    }

    void pagesInThreeLanguagesFitTheirTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("English") << 0 << "en";
        QTest::newRow("German") << 1 << "de";
        QTest::newRow("Czech") << 3 << "cz";
    }
    void pagesInThreeLanguagesFitTheirTexts() {
        QFETCH(int, language);
        QFETCH(QString, suffix);
        test::Window w(RunningEngine()); // on a running engine, connected
        w->resize(1000, 720);
        w->show();
        QVERIFY(w.connect(20));
        w.image().setByte(Adrb::LoadSensor, 1);
        w.image().setByte(Adrb::ServoEnabled, 1);
        for (int k = 0; k < 150; ++k)
            w.image().setByte(Adrb::Servo + k, static_cast<unsigned>(100 + k));
        w.form->SetLanguage(language);
        w.tick(2);
        struct Shown {
            int page;
            TTab *tab;
            const char *name;
        };
        const Shown shown[] = {{Page::Advance, AdvancePage(w)->TabAdvance, "advance"},
                               {Page::Servo, ServoPage(w)->TabServo, "servo"},
                               {Page::Inputs, Sensors(w)->TabTpsSensor, "inputs"}};
        for (const Shown &s : shown) {
            Open(w, s.page);
            w.tick(20); // the engine runs, the live position moves
            Settle(w);
            QVERIFY2(TextsBeyondTheirCells(s.tab).isEmpty(),
                     qPrintable(TextsBeyondTheirCells(s.tab).join(", ")));
            QWidget *page = test::Named<QWidget>(*w.form, PageNames[s.page]);
            QVERIFY2(ClippedCaptions(page).isEmpty(), qPrintable(ClippedCaptions(page).join(", ")));
            Screenshot(w.form.get(), QStringLiteral("%1_%2").arg(QLatin1String(s.name), suffix));
        }
        // The intake-pressure calibration takes the same place.
        w.image().setByte(Adrb::LoadSensor, 2);
        w.image().setWord(Adrw::IapPressure2, 1000); // the widest pressure there is
        w.form->session().ImageToPages();
        w.tick(4);
        Settle(w);
        QVERIFY(Sensors(w)->TabIapSensor->isVisible());
        QVERIFY2(TextsBeyondTheirCells(Sensors(w)->TabIapSensor).isEmpty(),
                 qPrintable(TextsBeyondTheirCells(Sensors(w)->TabIapSensor).join(", ")));
        QVERIFY2(
            ClippedCaptions(test::Named<QWidget>(*w.form, PageNames[Page::Inputs])).isEmpty(),
            qPrintable(ClippedCaptions(test::Named<QWidget>(*w.form, PageNames[Page::Inputs])).join(", ")));
        Screenshot(w.form.get(), QStringLiteral("inputs_iap_") + suffix);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(MapPagesTest)
#include "map_pages_test.moc"
