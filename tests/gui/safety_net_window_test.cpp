#include "window_fixture.h"

#include "core/texts/MessageTexts.h"
#include "gui/safety/CompareOverlay.h"
#include "gui/safety/CompareWindow.h"
#include "gui/safety/HistoryWindow.h"
#include "gui/safety/UnitStateLabel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zarvex1;

namespace {

// The window on a unit that holds the window's set with the hard limiter and one advance cell changed.
struct UnitWithOtherSet : test::Window {
    ParameterImage screen;
    ParameterImage unitSet;

    UnitWithOtherSet() {
        screen = form->session().image();
        unitSet = screen;
        unitSet.setWord(Adrw::HardLimiter, 11500);
        unitSet.setByte(Adrb::Advance1 + 40, 31);
        unit().unit().memory() = unitSet;
        form->show();
    }
    template <typename T> T *find(const char *name) { return test::Named<T>(*form, name); }
    QString stateText() { return find<UnitStateLabel>("LabelUnitState")->text(); }
    bool idle() { return form->link().state().LinkRequest == LinkRequest::None; }
};

} // namespace

class SafetyNetWindowTest : public QObject {
    Q_OBJECT
private slots:
    // File > Compare with unit reads the unit into a snapshot: the screen's set, its undo steps and file
    // name stay; the compare lists what differs, the state line counts it, and the Advance map frames the
    // differing cell.
    void compareWithTheUnitLeavesTheScreensSetUntouched() {
        UnitWithOtherSet w;
        QVERIFY(w.tickUntil([&] { return w->link().state().Connected; }, 20) > 0);
        QCOMPARE(w.stateText(), QStringLiteral("Unit: not read yet"));
        const bool couldUndo = w->session().undo().CanUndo();
        const std::string caption = w->session().Caption();

        w.find<QAction>("MenuCompareUnit")->trigger();
        auto *compare = w.find<CompareWindow>("CompareWindow");
        QVERIFY(compare->isVisible());
        QVERIFY(w.tickUntil([&] { return compare->Other() != nullptr; }) > 0);

        QVERIFY(w->session().image() == w.screen);
        QCOMPARE(w->session().undo().CanUndo(), couldUndo);
        QCOMPARE(w->session().Caption(), caption);
        QVERIFY(*compare->Other() == w.unitSet);
        QCOMPARE(compare->Comparison().changedValues(), 2);
        w.tick();
        QCOMPARE(w.stateText(), QStringLiteral("Unit: differs from the screen in 2 values"));

        w.page(Page::Advance);
        auto *marks = w.find<CompareOverlay>("TabAdvanceCompareMarks");
        QVERIFY(marks && marks->isVisible());
        const std::vector<CellMark> cells = marks->TableMarks();
        QCOMPARE(cells.size(), std::size_t(1));
        QCOMPARE(cells[0].row * 15 + cells[0].column, 40);
        compare->close();
        QVERIFY(marks->TableMarks().empty());
    }

    // The state line beside the port follows Read, an edit and Program in the window's language; a click
    // opens the compare with the set the unit is known to hold, and the History lists the points.
    void theStateLineFollowsTheUnitInThreeLanguages() {
        UnitWithOtherSet w;
        QVERIFY(w.tickUntil([&] { return w->link().state().Connected; }, 20) > 0);
        w.find<QPushButton>("ButtonRead")->click();
        QVERIFY(w.tickUntil([&] { return w.idle(); }) > 0);
        w.tick();
        QCOMPARE(w.stateText(), QStringLiteral("Unit: same as the screen"));

        w->SetLanguage(Language::German);
        w->session().image().setByte(Adrb::Advance1 + 41, w.unitSet.byte(Adrb::Advance1 + 41) + 2);
        w->session().Commit();
        w.tick();
        QCOMPARE(w.stateText(), QString::fromUtf8("Zündung: 1 Änderung nicht programmiert"));
        QCOMPARE(w.find<UnitStateLabel>("LabelUnitState")->accessibleName(), w.stateText());

        QTest::mouseClick(w.find<UnitStateLabel>("LabelUnitState"), Qt::LeftButton);
        auto *compare = w.find<CompareWindow>("CompareWindow");
        QVERIFY(compare->Other() && *compare->Other() == w.unitSet);
        QCOMPARE(compare->Comparison().changedValues(), 1);
        compare->close();

        w->SetLanguage(Language::Czech);
        w.find<QPushButton>("BitBtnProgram")->click();
        QVERIFY(w.tickUntil([&] { return w.idle(); }) > 0);
        w.tick();
        QCOMPARE(w.stateText(), QString::fromUtf8("Zapalování: shodné s obrazovkou"));

        w.find<QAction>("MenuShowHistory")->trigger();
        auto *history = w.find<HistoryWindow>("HistoryWindow");
        QVERIFY(history->isVisible());
        QCOMPARE(history->Table()->model()->rowCount(), 2); // the read and the program
        QCOMPARE(history->Table()->model()->index(0, RestorePointModel::Event).data().toString(),
                 QString::fromUtf8("Naprogramováno"));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(SafetyNetWindowTest)
#include "safety_net_window_test.moc"
