// The Tools menu's Minus, Plus and Interpolation on the map editor of the active page, by their keys.

#include "simulated_window.h"

#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cmath>

using namespace zarvex1;

namespace {

struct Window : test::SimulatedWindow {
    Window() {
        form->resize(1000, 720);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void open(int page) {
        form->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        tick(2);
    }
    ParameterImage &image() { return form->session().image(); }
    TTab *advance() { return qobject_cast<TAdvancePage *>(form->pages[Page::Advance])->TabAdvance; }
    int cell(int column, int row) { return image().byte(Adrb::Advance1 + 15 * row + column); }
    // Cells (c0, r0) to (c1, r1) selected with the mouse: a click and a Shift+click.
    void select(int c0, int r0, int c1, int r1) {
        QTest::mouseClick(advance(), Qt::LeftButton, Qt::NoModifier, centre(c0, r0));
        QTest::mouseClick(advance(), Qt::LeftButton, Qt::ShiftModifier, centre(c1, r1));
    }
    QPoint centre(int column, int row) {
        const Rect r = advance()->Editor().Layout().ItemRect(column, row);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Undo steps back to the first entry.
    int undoSteps() {
        int steps = 0;
        while (form->session().undo().CanUndo()) {
            form->session().Undo();
            ++steps;
        }
        return steps;
    }
};

} // namespace

class ToolsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void plusAndMinusStepTheSelectedCellsWithOneUndoEntryEach() {
        Window w;
        w.open(Page::Advance);
        w.select(2, 1, 4, 3);
        const ParameterImage before = w.image();
        // The keys work wherever the focus was on the page: the editor takes it.
        w.form->BitBtnVerify->setFocus();
        QTest::keyClick(w.form.get(), Qt::Key_F5);
        w.tick(8);
        for (int row = 0; row < 10; ++row)
            for (int column = 0; column < 15; ++column) {
                const bool selected = column >= 2 && column <= 4 && row >= 1 && row <= 3;
                QCOMPARE(w.cell(column, row),
                         before.byte(Adrb::Advance1 + 15 * row + column) + (selected ? 1 : 0));
            }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.advance()));
        QTest::keyClick(w.form.get(), Qt::Key_F4);
        QTest::keyClick(w.form.get(), Qt::Key_F4);
        w.tick(8);
        QCOMPARE(w.cell(3, 2), before.byte(Adrb::Advance1 + 15 * 2 + 3) - 1);
        QCOMPARE(w.cell(5, 2), before.byte(Adrb::Advance1 + 15 * 2 + 5));
        // F5 is one entry; the two F4 in a row are one step of the map and so one entry.
        QCOMPARE(w.undoSteps(), 2);
        QCOMPARE(w.image(), before);
    }

    void interpolationFillsTheSelectedRowOverTheEngineSpeed() {
        Window w;
        for (int column = 0; column < 15; ++column)
            w.image().setByte(Adrb::Advance1 + 15 * 4 + column, 5);
        w.image().setByte(Adrb::Advance1 + 15 * 4 + 1, 10);
        w.image().setByte(Adrb::Advance1 + 15 * 4 + 6, 35);
        w.form->session().ImageToPages();
        w.open(Page::Advance);
        w.select(1, 4, 6, 4);
        QTest::keyClick(w.form.get(), Qt::Key_I, Qt::ControlModifier);
        w.tick(8);
        auto rpm = [&w](int column) { return double(w.image().word(Adrw::AdvanceRpm1 + column)); };
        for (int column = 1; column <= 6; ++column) {
            const double expected = 10 + 25 * (rpm(column) - rpm(1)) / (rpm(6) - rpm(1));
            QVERIFY2(std::abs(w.cell(column, 4) - expected) <= 0.5,
                     qPrintable(QStringLiteral("column %1: %2").arg(column).arg(w.cell(column, 4))));
        }
        QCOMPARE(w.cell(0, 4), 5);
        QCOMPARE(w.cell(7, 4), 5);
        QCOMPARE(w.undoSteps(), 1);
    }

    void onAPageWithoutAnEditorTheToolsChangeNothing() {
        Window w;
        w.open(Page::Advance);
        w.select(0, 0, 3, 3); // a selection waits on the Advance map
        for (int page : {Page::Bike, Page::Gear, Page::Monitor}) {
            w.open(page);
            const ParameterImage before = w.image();
            w.form->MenuToolsPlus->trigger();
            w.form->MenuToolsMinus->trigger();
            w.form->MenuInterpol->trigger();
            QTest::keyClick(w.form.get(), Qt::Key_F5);
            w.tick(8);
            QCOMPARE(w.image(), before);
            QVERIFY(!w.form->session().undo().CanUndo());
            QCOMPARE(w.form->ActivePageIndex(), page);
        }
    }
};

QTEST_MAIN(ToolsMenuTest)
#include "tools_menu_test.moc"
