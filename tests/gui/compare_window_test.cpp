#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "core/params/Defaults.h"
#include "core/safety/CompareMarks.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/safety/CompareOverlay.h"
#include "gui/safety/CompareWindow.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

using namespace zarvex1;

namespace {

// Cell (column 4 or 5, row 2) of advance map 1 in the image.
constexpr int Cell4 = Adrb::Advance1 + 15 * 2 + 4;
constexpr int Cell5 = Cell4 + 1;

// A session as the window starts it, and another set that differs in the retard and two cells of advance
// map 1.
struct Sets {
    SessionFrontEnd front;
    ParameterSession session{front};
    ParameterImage other;

    Sets() {
        session.image().setByte(Adrb::LoadSensor, 1);
        session.image().setByte(Adrb::MapsUseLoad, 1);
        session.Start();
        other = session.image();
        other.setByte(Adrb::Retard, session.image().byte(Adrb::Retard) + 2);
        other.setByte(Cell4, session.image().byte(Cell4) + 3);
        other.setByte(Cell5, session.image().byte(Cell5) + 4);
    }
};

QTreeWidgetItem *Find(QTreeWidget *tree, const QString &text) {
    const QList<QTreeWidgetItem *> items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

QString Degrees(int value) {
    return QString::number(value) + QString::fromUtf8("°");
}

} // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Every differing value by its caption under its page with both values in display units; a map with
    // its cells.
    void listsTheDifferencesByPageWithBothValues() {
        Sets s;
        CompareWindow window(s.session);
        window.ShowCompare(s.other, CompareWindow::Source::File, "tune.ign");
        QCOMPARE(window.windowTitle(), QStringLiteral("Compare with file tune.ign"));
        auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("TreeCompare"));
        QVERIFY(tree);
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem *retard = Find(tree, QStringLiteral("Retard"));
        QVERIFY(retard);
        QCOMPARE(retard->parent()->text(0), QStringLiteral("Inputs"));
        QCOMPARE(retard->text(1), Degrees(s.session.image().byte(Adrb::Retard)));
        QCOMPARE(retard->text(2), Degrees(s.other.byte(Adrb::Retard)));
        QTreeWidgetItem *cell = Find(tree, QStringLiteral("row 3, column 6"));
        QVERIFY(cell);
        QCOMPARE(cell->parent()->text(0), QStringLiteral("Advance 1"));
        QCOMPARE(cell->text(2), Degrees(s.other.byte(Cell5)));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("LabelCompareSummary"))->text(),
                 QStringLiteral("Values and cells that differ: 3"));

        window.SetLanguage(Language::Czech);
        QCOMPARE(window.windowTitle(), QString::fromUtf8("Porovnání se souborem tune.ign"));
        auto *take = window.findChild<QPushButton *>(QStringLiteral("ButtonTakeSelected"));
        QCOMPARE(take->text(), QString::fromUtf8("Převzít vybrané"));
        QCOMPARE(take->accessibleName(), take->text());
    }

    // Take selected copies the ticked value and cell into the screen's set as one undo entry; what was
    // not ticked stays, and the compare follows.
    void takeSelectedIsOneUndoEntry() {
        Sets s;
        const ParameterImage before = s.session.image();
        CompareWindow window(s.session);
        window.ShowCompare(s.other, CompareWindow::Source::Unit);
        auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("TreeCompare"));
        auto *take = window.findChild<QPushButton *>(QStringLiteral("ButtonTakeSelected"));
        QVERIFY(!take->isEnabled());
        Find(tree, QStringLiteral("Retard"))->setCheckState(0, Qt::Checked);
        Find(tree, QStringLiteral("row 3, column 5"))->setCheckState(0, Qt::Checked);
        QVERIFY(take->isEnabled());
        QTest::mouseClick(take, Qt::LeftButton);

        QCOMPARE(s.session.image().byte(Adrb::Retard), s.other.byte(Adrb::Retard));
        QCOMPARE(s.session.image().byte(Cell4), s.other.byte(Cell4));
        QCOMPARE(s.session.image().byte(Cell5), before.byte(Cell5));
        QCOMPARE(window.Comparison().changedValues(), 1);
        QVERIFY(s.other == *window.Other());
        s.session.Undo();
        QVERIFY(s.session.image() == before);
        QVERIFY(!s.session.undo().CanUndo());
    }

    // While the compare is open the Advance map frames its differing cells in the compare's colour with the
    // other value in the cell's tooltip; closed, nothing is marked.
    void theMapEditorMarksTheDifferingCells() {
        Sets s;
        CompareWindow window(s.session);
        TTab tab(960, 560, MapEditorOptions);
        tab.setObjectName(QStringLiteral("TabAdvance"));
        DefineAdvanceSheets(tab.Editor());
        LoadAdvanceMaps(tab.Editor(), s.session.image());
        CompareMarks marks;
        CompareOverlay overlay(
            &tab, marks, [&]() -> const ParameterImage & { return s.session.image(); },
            [] { return Language::German; });
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        tab.Render();
        QVERIFY(overlay.TableMarks().empty());

        window.ShowCompare(s.other, CompareWindow::Source::Unit);
        marks.SetOther(window.Other());
        overlay.MarksChanged();
        const std::vector<CellMark> cells = overlay.TableMarks();
        QCOMPARE(cells.size(), std::size_t(2));
        QCOMPARE(cells[0].column, 4);
        QCOMPARE(cells[0].row, 2);

        const QImage shown = tab.grab().toImage();
        const QColor frame(230, 0, 170);
        QCOMPARE(shown.pixelColor(cells[0].box.left + 1, (cells[0].box.top + cells[0].box.bottom) / 2),
                 frame);

        const QPoint centre((cells[1].box.left + cells[1].box.right) / 2,
                            (cells[1].box.top + cells[1].box.bottom) / 2);
        QHelpEvent help(QEvent::ToolTip, centre, tab.mapToGlobal(centre));
        QApplication::sendEvent(&tab, &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Andere Daten: ") + Degrees(s.other.byte(Cell5)));

        window.close();
        marks.SetOther(window.Other());
        overlay.MarksChanged();
        QVERIFY(overlay.TableMarks().empty());
        QVERIFY(!overlay.isVisible());
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
