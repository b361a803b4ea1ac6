// The Tools menu's Minus, Plus and Interpolation on the map editor of the active page, by their keys.

#include "window_fixture.h"

#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cmath>

using namespace zarvex1;

namespace {

// The page in front, after the event loop and two ticks.
void Open(test::Window &w, int page) {
    w.page(page);
    QApplication::processEvents();
    w.tick(2);
}

TTab *Advance(test::Window &w) {
    return qobject_cast<TAdvancePage *>(test::Named<QWidget>(*w, PageNames[Page::Advance]))->TabAdvance;
}

int Cell(test::Window &w, int column, int row) {
    return w.image().byte(Adrb::Advance1 + 15 * row + column);
}

QPoint Centre(test::Window &w, int column, int row) {
    const Rect r = Advance(w)->Editor().Layout().ItemRect(column, row);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Cells (c0, r0) to (c1, r1) selected with the mouse: a click and a Shift+click.
void Select(test::Window &w, int c0, int r0, int c1, int r1) {
    QTest::mouseClick(Advance(w), Qt::LeftButton, Qt::NoModifier, Centre(w, c0, r0));
    QTest::mouseClick(Advance(w), Qt::LeftButton, Qt::ShiftModifier, Centre(w, c1, r1));
}

// Undoes every step back to the first entry: the steps it took.
int UndoAll(test::Window &w) {
    int steps = 0;
    while (w->session().undo().CanUndo()) {
        w->session().Undo();
        ++steps;
    }
    return steps;
}

} // namespace

class ToolsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void plusAndMinusStepTheSelectedCellsWithOneUndoEntryEach() {
        test::Window w;
        w->resize(1000, 720);
        QVERIFY(w.show(true)); // active: its shortcuts work
        Open(w, Page::Advance);
        Select(w, 2, 1, 4, 3);
        const ParameterImage before = w.image();
        // The keys work wherever the focus was on the page: the editor takes it.
        test::Named<QPushButton>(*w.form, "BitBtnVerify")->setFocus();
        QTest::keyClick(w.form.get(), Qt::Key_F5);
        w.tick(8);
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 15; ++column) {
                const bool selected = column >= 2 && column <= 4 && row >= 1 && row <= 3;
                QCOMPARE(Cell(w, column, row),
                         before.byte(Adrb::Advance1 + 15 * row + column) + (selected ? 1 : 0));
            }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Advance(w)));
        QTest::keyClick(w.form.get(), Qt::Key_F4);
        QTest::keyClick(w.form.get(), Qt::Key_F4);
        w.tick(8);
        QCOMPARE(Cell(w, 3, 2), before.byte(Adrb::Advance1 + 15 * 2 + 3) - 1);
        QCOMPARE(Cell(w, 5, 2), before.byte(Adrb::Advance1 + 15 * 2 + 5));
        // F5 is one entry; the two F4 in a row are one step of the map and so one entry.
        QCOMPARE(UndoAll(w), 2);
        QCOMPARE(w.image(), before);
    }

    void interpolationFillsTheSelectedRowOverTheEngineSpeed() {
        test::Window w;
        w->resize(1000, 720);
        QVERIFY(w.show(true)); // active: its shortcuts work
        for (int column = 0; column < 15; ++column)
            w.image().setByte(Adrb::Advance1 + 15 * 4 + column, 5);
        w.image().setByte(Adrb::Advance1 + 15 * 4 + 1, 10);
        w.image().setByte(Adrb::Advance1 + 15 * 4 + 6, 35);
        w.form->session().ImageToPages();
        Open(w, Page::Advance);
        Select(w, 1, 4, 6, 4);
        QTest::keyClick(w.form.get(), Qt::Key_I, Qt::ControlModifier);
        w.tick(8);
        auto rpm = [&w](int column) { return double(w.image().word(Adrw::AdvanceRpm1 + column)); };
        for (int column = 1; column <= 6; ++column) {
            const double expected = 10 + 25 * (rpm(column) - rpm(1)) / (rpm(6) - rpm(1));
            QVERIFY2(std::abs(Cell(w, column, 4) - expected) <= 0.5,
                     qPrintable(QStringLiteral("column %1: %2").arg(column).arg(Cell(w, column, 4))));
        }
        QCOMPARE(Cell(w, 0, 4), 5);
        QCOMPARE(Cell(w, 7, 4), 5);
        QCOMPARE(UndoAll(w), 1);
    }

    void onAPageWithoutAnEditorTheToolsChangeNothing() {
        test::Window w;
        w->resize(1000, 720);
        QVERIFY(w.show(true)); // active: its shortcuts work
        Open(w, Page::Advance);
        Select(w, 0, 0, 3, 3); // a selection waits on the Advance map
        for (int page : {Page::Bike, Page::Gear, Page::Monitor}) {
            Open(w, page);
            const ParameterImage before = w.image();
            test::Named<QAction>(*w.form, "MenuToolsPlus")->trigger();
            test::Named<QAction>(*w.form, "MenuToolsMinus")->trigger();
            test::Named<QAction>(*w.form, "MenuInterpol")->trigger();
            QTest::keyClick(w.form.get(), Qt::Key_F5);
            w.tick(8);
            QCOMPARE(w.image(), before);
            QVERIFY(!w.form->session().undo().CanUndo());
            QCOMPARE(w.form->ActivePageIndex(), page);
        }
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
