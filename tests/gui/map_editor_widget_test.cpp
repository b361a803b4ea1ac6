#include "map_editor_fixture.h"

#include "gui/mapeditor/EditorClipboard.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QWheelEvent>
#include <QtTest>

using namespace zarvex1;
using test::AdvanceEditorWindow;
using V = std::vector<int>;

namespace {

QAction *ActionNamed(QMenu *menu, const QString &text) {
    if (menu == nullptr)
        return nullptr;
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

bool Near(QRgb pixel, int r, int g, int b, int tolerance = 24) {
    return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance &&
           std::abs(qBlue(pixel) - b) <= tolerance;
}

// Where two pictures of one size first differ, as "x,y".
QString FirstDifference(const QImage &a, const QImage &b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("%1,%2").arg(x).arg(y);
    return QStringLiteral("none");
}

} // namespace

class MapEditorWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void typedValueGoesIntoTheMapAtOnce() {
        AdvanceEditorWindow w;
        w.click(w.centre(3, 2));
        QTest::keyClicks(w.tab.get(), QStringLiteral("25"));
        QCOMPARE(w.editor().Edit().editText, std::string("25"));
        QTest::keyClick(w.tab.get(), Qt::Key_Return);
        QCOMPARE(w.cell(3, 2), 25);
        QCOMPARE(w.changes, V{AxisData});
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 2 + 3)), 25);
        QCOMPARE(w.box(), (V{3, 3, 2, 2})); // Enter ends the entry; the next one moves the cursor
        QTest::keyClick(w.tab.get(), Qt::Key_Return);
        QCOMPARE(w.box(), (V{3, 3, 3, 3}));
    }

    void arrowsMoveTheCursorAndShiftExtends() {
        AdvanceEditorWindow w;
        w.click(w.centre(1, 1));
        QTest::keyClick(w.tab.get(), Qt::Key_Right);
        QTest::keyClick(w.tab.get(), Qt::Key_Down);
        QCOMPARE(w.box(), (V{2, 2, 2, 2}));
        QTest::keyClick(w.tab.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(w.tab.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.box(), (V{2, 3, 2, 3}));
        QCOMPARE(w.sheet().sel.count, 4);
        QTest::keyClick(w.tab.get(), Qt::Key_Plus);
        QCOMPARE(w.cell(3, 3), 10 + 3 + 3 + 1);
        w.ticks(6); // the increments reach the image five ticks after the last
        QCOMPARE(w.changes, V{AxisData});
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 3 + 3)), 10 + 3 + 3 + 1);
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 1 + 1)), 10 + 1 + 1); // outside the selection
        QTest::keyClick(w.tab.get(), Qt::Key_Escape);
        QCOMPARE(w.sheet().sel.count, 0);
    }

    void spinnerStepsOnAClickAndRepeatsWhileHeld() {
        AdvanceEditorWindow w;
        w.move(w.centre(4, 4));
        const Spinner &spinner = w.editor().SpinnerState();
        QCOMPARE(spinner.shown, 1);
        const QPoint up((spinner.upBox.left + spinner.upBox.right) / 2,
                        (spinner.upBox.top + spinner.upBox.bottom) / 2);
        w.click(up);
        QCOMPARE(w.cell(4, 4), 19);
        w.move(up);
        QTest::mousePress(w.tab.get(), Qt::LeftButton, Qt::NoModifier, up);
        w.ticks(5);
        QCOMPARE(w.cell(4, 4), 19);
        w.ticks(3); // one step a tick from the sixth on
        QCOMPARE(w.cell(4, 4), 22);
        QTest::mouseRelease(w.tab.get(), Qt::LeftButton, Qt::NoModifier, up);
        QCOMPARE(w.cell(4, 4), 22);
        w.ticks(6);
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 4 + 4)), 22);
    }

    void dragFillAndDragCopyWithTheMouse() {
        AdvanceEditorWindow w;
        w.click(w.centre(0, 0));
        w.click(w.centre(1, 0), Qt::ShiftModifier); // 10, 11
        const Rect last = w.editor().Layout().ItemRect(1, 0);
        const int cw = static_cast<int>(w.editor().Geometry().columnWidth);
        const QPoint handle(last.right + 2, last.bottom + 3);
        w.move(handle);
        QCOMPARE(w.tab->cursor().shape(), Qt::CrossCursor);
        w.drag(handle, handle + QPoint(2 * cw + 3, 0));
        QCOMPARE((V{w.cell(0, 0), w.cell(1, 0), w.cell(2, 0), w.cell(3, 0)}), (V{10, 11, 12, 13}));
        w.changes.clear();

        w.click(w.centre(5, 1)); // 16: copied one row down
        const Rect c = w.editor().Layout().ItemRect(5, 1);
        const QPoint border((c.left + c.right) / 2, c.top + 1);
        w.move(border);
        QCOMPARE(w.tab->cursor().shape(), Qt::SizeAllCursor);
        w.drag(border, border + QPoint(0, static_cast<int>(w.editor().Geometry().rowHeight) + 3));
        QCOMPARE(w.cell(5, 2), 16);
        QCOMPARE(w.changes, V{AxisData});
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 2 + 5)), 16);
    }

    void popupInsertsAndDeletesColumnsAndRows() {
        AdvanceEditorWindow w;
        QStringList errors;
        w.tab->SetErrorHandler([&errors](const QString &text, const QString &) { errors << text; });
        // As the page defines it, the speed axis keeps the 15 points the image holds.
        QTest::mouseClick(w.tab.get(), Qt::RightButton, Qt::NoModifier, w.centre(4, 4));
        QVERIFY(!ActionNamed(w.tab->PopupMenu(), QStringLiteral("Insert column here")));
        QVERIFY(!ActionNamed(w.tab->PopupMenu(), QStringLiteral("Delete column")));
        w.tab->PopupMenu()->close();
        // The editor itself on an axis that may grow and shrink.
        w.sheet().axisX.SetResizable(true);
        // Three whole columns through their select buttons.
        const Rect bar3 = w.editor().Layout().TableRecord().columnBars[3];
        const Rect bar5 = w.editor().Layout().TableRecord().columnBars[5];
        w.drag(QPoint(bar3.left + 3, bar3.top + 2), QPoint(bar5.left + 3, bar5.top + 2));
        QCOMPARE(w.sheet().sel.count, 30);
        QTest::mouseClick(w.tab.get(), Qt::RightButton, Qt::NoModifier, w.centre(4, 4));
        QAction *remove = ActionNamed(w.tab->PopupMenu(), QStringLiteral("Delete columns (3)"));
        QVERIFY(remove != nullptr);
        remove->trigger();
        QCOMPARE(w.sheet().axisX.count, 12);
        QCOMPARE(w.sheet().axisX.values[3], 70); // 7000 rpm moved into column 3
        QCOMPARE(int(w.image.word(Adrw::AdvanceRpm1 + 3)), 7000);
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 3)), 10 + 6); // and its cells
        QTest::mouseClick(w.tab.get(), Qt::RightButton, Qt::NoModifier,
                          QPoint(w.editor().Layout().TableRecord().columnBars[2].left + 2,
                                 w.editor().Layout().TableRecord().columnBars[2].top + 2));
        QAction *insert = ActionNamed(w.tab->PopupMenu(), QStringLiteral("Insert column here"));
        QVERIFY(insert != nullptr);
        insert->trigger();
        QCOMPARE(w.sheet().axisX.count, 13);
        QCOMPARE(w.sheet().axisX.values[2], 25); // midway between 2000 and 3000 rpm
        QCOMPARE(int(w.image.word(Adrw::AdvanceRpm1 + 2)), 2500);
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 1 + 2)), (12 + 13) / 2); // its cells midway too
        QVERIFY(errors.isEmpty());

        // Rows: a sheet whose second axis may grow and shrink.
        MapEditor &editor = w.editor();
        CSheet &sheet = w.sheet();
        sheet.axisY.SetResizable(true);
        sheet.axisY.SetEditable(true);
        sheet.axisY.count = 5;
        editor.Relayout();
        w.tab->Render();
        const Rect rowBar = editor.Layout().TableRecord().rowBars[1];
        QTest::mouseClick(w.tab.get(), Qt::RightButton, Qt::NoModifier,
                          QPoint(rowBar.left + 2, rowBar.top + 2));
        QAction *insertRow = ActionNamed(w.tab->PopupMenu(), QStringLiteral("Insert row here"));
        QVERIFY(insertRow != nullptr);
        insertRow->trigger();
        QCOMPARE(sheet.axisY.count, 6);
        QTest::mouseClick(w.tab.get(), Qt::RightButton, Qt::NoModifier,
                          QPoint(rowBar.left + 2, rowBar.top + 2));
        QAction *deleteRow = ActionNamed(w.tab->PopupMenu(), QStringLiteral("Delete row"));
        QVERIFY(deleteRow != nullptr);
        deleteRow->trigger();
        QCOMPARE(sheet.axisY.count, 5);
    }

    void wheelStepsTheCellUnderTheMouseButNotWhileAButtonIsHeld() {
        AdvanceEditorWindow w;
        const QPoint p = w.centre(6, 6);
        w.move(p);
        auto wheel = [&](int delta, Qt::MouseButtons buttons) {
            QWheelEvent event(p, w.tab->mapToGlobal(p), QPoint(), QPoint(0, delta), buttons, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.tab.get(), &event);
        };
        wheel(120, Qt::NoButton);
        QCOMPARE(w.cell(6, 6), 23);
        wheel(-120, Qt::NoButton);
        wheel(-120, Qt::NoButton);
        QCOMPARE(w.cell(6, 6), 21);
        wheel(120, Qt::LeftButton);
        QCOMPARE(w.cell(6, 6), 21);
        w.ticks(6);
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 6 + 6)), 21);
    }

    void spreadsheetBlockWithACzechCommaIsPasted() {
        AdvanceEditorWindow w(3);
        w.ticks(1);
        w.click(w.centre(2, 1));
        // LibreOffice Calc copies tab-separated text with a line feed after each row.
        QGuiApplication::clipboard()->setText(QStringLiteral("1,5\t2\t3\n4\t5,5\t6\n"));
        QTest::keyClick(w.tab.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE((V{w.cell(2, 1), w.cell(3, 1), w.cell(4, 1)}), (V{2, 2, 3}));
        QCOMPARE((V{w.cell(2, 2), w.cell(3, 2), w.cell(4, 2)}), (V{4, 6, 6}));
        QCOMPARE(w.cell(5, 1), 16); // outside the block: untouched
        QCOMPARE(w.box(), (V{2, 4, 1, 2}));
        QCOMPARE(w.changes, V{AxisData});
        QCOMPARE(int(w.image.byte(Adrb::Advance1 + 15 * 2 + 3)), 6);
    }

    void privateSheetTextGoesFromAdvance1ToAdvance2() {
        AdvanceEditorWindow w;
        w.sheet().Cell(7, 7) = 44;
        const Rect copyTable = w.editor().Toolbar().Button(CommandCopyTable).rect;
        w.click(QPoint(copyTable.left + 5, copyTable.top + 5));
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(SheetMimeType));
        QVERIFY(data->text().startsWith(QLatin1Char('\t')));
        const Rect tab2 = w.editor().Layout().SheetTabRect(1, w.editor().Sheets());
        w.click(QPoint((tab2.left + tab2.right) / 2, 8));
        QCOMPARE(w.editor().CurrentIndex(), 1);
        QCOMPARE(w.cell(7, 7), 37);
        QTest::keyClick(w.tab.get(), Qt::Key_V, Qt::ControlModifier);
        const CSheet &first = w.editor().Sheets().Sheet(0), &second = w.editor().Sheets().Sheet(1);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 15; ++x)
                QCOMPARE(second.Cell(x, y), first.Cell(x, y));
        QCOMPARE(int(w.image.byte(Adrb::Advance2 + 15 * 7 + 7)), 44);
    }

    void pixelsShowTheLivePositionAndTheSelection() {
        AdvanceEditorWindow w;
        w.editor().SetLiveValues(6000, 300, 0, false); // column 5, row 5
        w.ticks(4);
        const Rect live = w.editor().Layout().ItemRect(5, 5);
        const int midY = (live.top + live.bottom) / 2;
        QVERIFY(Near(w.pixel(live.left + 2, midY), 68, 244, 68, 40));
        QVERIFY(
            Near(w.pixel(live.left + 5, live.top + 4), 244, 226, 252, 8)); // inside the ring: the map colour

        w.click(w.centre(1, 1));
        w.click(w.centre(2, 2), Qt::ShiftModifier);
        w.tab->Render();
        const Rect c = w.editor().Layout().ItemRect(1, 1);
        // The checkerboard tint: every other pixel, shifted by one on odd rows of the bitmap.
        const int y = c.top + 4, x0 = c.left + 1 + (y % 2);
        QVERIFY(Near(w.pixel(x0 + 2, y), 236, 238, 244, 2));
        QVERIFY(Near(w.pixel(x0 + 3, y), 244, 226, 252, 2));
        QVERIFY(Near(w.pixel(x0 + 3, y + 1), 236, 238, 244, 2));
        // The select buttons of the two columns are partly selected: filled grey 192.
        const Rect bar = w.editor().Layout().TableRecord().columnBars[1];
        QVERIFY(Near(w.pixel((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2), 192, 192, 192, 2));
        w.screenshot(QStringLiteral("advance_selection"));
    }

    // A tick that only moves the live ring repaints its old and new places: the picture must be the
    // one a whole render gives, over a tinted selection as well.
    void movingLiveRingLeavesThePictureOfAWholeRender() {
        AdvanceEditorWindow w;
        w.click(w.centre(3, 3));
        w.click(w.centre(6, 6), Qt::ShiftModifier);
        int partial = 0;
        const std::pair<int, int> places[] = {{4000, 300}, {5000, 300},   {5000, 600}, {7000, 1000},
                                              {600, 0},    {15000, 1000}, {4000, 400}}; // rpm, TPS in tenths
        for (const auto &[rpm, tps] : places) {
            w.editor().SetLiveValues(rpm, tps, 0, false);
            for (int i = 0; i < 4; ++i) {
                w.tab->Tick();
                partial += w.editor().Damage().empty() ? 0 : 1;
            }
            const QImage ticked = w.tab->Bitmap().copy();
            w.tab->Render();
            QVERIFY2(ticked == w.tab->Bitmap(),
                     qPrintable(QStringLiteral("at %1 rpm, first at %2")
                                    .arg(rpm)
                                    .arg(FirstDifference(ticked, w.tab->Bitmap()))));
        }
        QVERIFY(partial >= 5);
    }

    void accessibilityNamesTheCurrentCellAndTheToolbar() {
        AdvanceEditorWindow w;
        w.click(w.centre(2, 3));
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(w.tab.get());
        QVERIFY(control != nullptr);
        QCOMPARE(control->text(QAccessible::Name), QStringLiteral("Advance 1"));
        QCOMPARE(control->text(QAccessible::Value),
                 QStringLiteral("Advance 1, RPM 3 000, TPS 10 %: Advance 15 °"));
        QStringList names;
        for (int i = 0; i < control->childCount(); ++i)
            names << control->child(i)->text(QAccessible::Name);
        QVERIFY(names.contains(QStringLiteral("Advance 2")));
        QVERIFY(names.contains(QStringLiteral("Copy table")));
        QVERIFY(names.contains(QStringLiteral("Increment selection or actual value")));
        QVERIFY(names.contains(QStringLiteral("View as graph 3D")));
        QVERIFY(names.contains(QStringLiteral("only RPM")));
        QAccessibleInterface *paste = nullptr;
        for (int i = 0; i < control->childCount(); ++i)
            if (control->child(i)->text(QAccessible::Name) == QStringLiteral("Paste"))
                paste = control->child(i);
        QVERIFY(paste != nullptr);
        QCOMPARE(paste->role(), QAccessible::PushButton);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(MapEditorWidgetTest)
#include "map_editor_widget_test.moc"
