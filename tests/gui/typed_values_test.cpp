// What the pages' edits take from the keyboard and the wheel, and what of it reaches the unit: typed
// values beyond the range, the wheel over an edit, Undo and Esc inside an edit. Offscreen, on the unit in
// process.
#include "core/pages/PageMachine.h"
#include "gui/pages/UpDownEdit.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabWidget>
#include <QWheelEvent>
#include <QtTest>

using namespace zarvex1;

namespace {

SimOptions Quiet() {
    SimOptions options;
    options.savingMs = 0;
    return options;
}

// Input 3 as start limiter: its edits are enabled.
void StartLimiterOn(test::Window &w) {
    w.image().setByte(Adrb::InputFunction + 2, 5);
    w->session().Commit();
}

void ClickArrow(QSpinBox *box, bool up = true) {
    const QStyle::SubControl arrow = up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.subControls = arrow;
    option.buttonSymbols = box->buttonSymbols();
    option.frame = true;
    const QRect rect = box->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, rect.center());
}

QString TextOf(QSpinBox *box) {
    return box->findChild<QLineEdit *>()->text();
}

// A value as an edit shows it, with the thousands separator.
QString Shown(QSpinBox *box, int value) {
    return box->locale().toString(value);
}

// Keys go to the edit as to the widget with the focus.
void Type(QSpinBox *box, const QString &text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void Wheel(QWidget *widget, int notches) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

enum class Commit { Enter, Leave, Spinner };

} // namespace

class TypedValuesTest : public QObject {
    Q_OBJECT
private slots:
    // Typed beyond either end, the value committed is that end, whichever way the commit comes, and with
    // "Programming after change" it is what the unit then holds.
    void aValueBeyondTheRangeIsCommittedClamped() {
        test::Window w(Quiet());
        QVERIFY(w.show(true)); // active: its shortcuts work
        QVERIFY(w.connect());
        StartLimiterOn(w);
        test::Named<QCheckBox>(*w, "CheckBoxProgHned")->click();
        struct Case {
            int page;
            const char *edit;
            const char *typed;
            bool toMaximum;
        };
        const Case cases[] = {
            {Page::Inputs, "EditSoftLimiter", "30000", true},
            {Page::Inputs, "EditSoftLimiter", "100", false},
            {Page::Inputs, "EditStartLimiterPause", "5100", true},
            {Page::Bike, "EditRpmKorekce", "-61", false},
            {Page::Bike, "EditRpmKorekce", "61", true},
        };
        for (const Commit how : {Commit::Enter, Commit::Leave, Commit::Spinner})
            for (const Case &c : cases) {
                const QByteArray what = QByteArray(c.edit) + " " + c.typed + " commit " +
                                        QByteArray::number(static_cast<int>(how));
                w.page(c.page);
                auto *edit = test::Named<TUpDownEdit>(*w, c.edit);
                const int expected = c.toMaximum ? edit->maximum() : edit->minimum();
                const auto programmed = [&] {
                    return w.tickUntil([&] { return w->link().state().LinkRequest == LinkRequest::None; }) >=
                           0;
                };
                if (edit->value() == expected) { // away from the end first, so that the case is a change
                    Type(edit, QString::number((edit->minimum() + edit->maximum()) / 2));
                    QTest::keyClick(edit, Qt::Key_Return);
                }
                // Leaving an edit programs the unit again; a load while it runs shows the stored values.
                edit->setFocus();
                QVERIFY2(programmed(), what);
                Type(edit, QString::fromLatin1(c.typed));
                QCOMPARE(TextOf(edit), QString::fromLatin1(c.typed)); // every digit taken
                switch (how) {
                case Commit::Enter:
                    QTest::keyClick(edit, Qt::Key_Return);
                    break;
                case Commit::Leave:
                    test::Named<QCheckBox>(*w, "CheckBoxProgHned")->setFocus();
                    break;
                case Commit::Spinner:
                    // Towards the end typed: the arrow takes the typed text first, an end steps no further.
                    ClickArrow(edit, c.toMaximum);
                    w.tick(PageMachine::CommitDelay);
                    break;
                }
                QVERIFY2(edit->value() == expected, what + " got " + QByteArray::number(edit->value()));
                QVERIFY2(edit->text() == Shown(edit, expected), what);
                QVERIFY2(programmed(), what);
                QVERIFY2(w.unit().unit().memory() == w.image(), what);
            }
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 900); // the last limiter case: its minimum
    }

    void onlyWholeNumbersCanBeTyped() {
        test::Window w(Quiet());
        QVERIFY(w.show(true)); // active: its shortcuts work
        QVERIFY(w.connect());
        StartLimiterOn(w);
        w.page(Page::Inputs);
        auto *pause = test::Named<TUpDownEdit>(*w, "EditStartLimiterPause"); // 0 … 5000
        Type(pause, QStringLiteral("-12a.5"));
        QCOMPARE(TextOf(pause), QStringLiteral("125"));
        Type(pause, QStringLiteral("1234567890123"));
        QCOMPARE(TextOf(pause), QStringLiteral("123456789")); // nine digits at most
        QTest::keyClick(pause, Qt::Key_Return);
        QCOMPARE(pause->value(), 5000);
        // Emptied, the edit goes back to its value.
        w.page(Page::Bike);
        auto *correction = test::Named<TUpDownEdit>(*w, "EditRpmKorekce"); // -60 … 60
        const int before = correction->value();
        Type(correction, QStringLiteral("-"));
        QCOMPARE(TextOf(correction), QStringLiteral("-"));
        QTest::keyClick(correction, Qt::Key_Return);
        QCOMPARE(correction->value(), before);
    }

    void theWheelStepsOnlyTheEditWithTheFocus() {
        test::Window w(Quiet());
        QVERIFY(w.show(true)); // active: its shortcuts work
        QVERIFY(w.connect());
        w.page(Page::Inputs);
        auto *soft = test::Named<TUpDownEdit>(*w, "EditSoftLimiter");
        auto *tick = test::Named<QCheckBox>(*w, "CheckBoxProgHned");
        tick->setFocus();
        const int before = soft->value();
        Wheel(soft, 2);
        w.tick(PageMachine::CommitDelay + 1);
        QCOMPARE(soft->value(), before);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), before);
        QCOMPARE(w.undoSteps(), 0);
        // Worked in, it steps and commits as its up-down does.
        soft->setFocus();
        Wheel(soft, 2);
        QCOMPARE(soft->value(), before + 2 * soft->singleStep());
        w.tick(PageMachine::CommitDelay);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), before + 2 * soft->singleStep());
        QCOMPARE(w.undoSteps(), 1);
    }

    // Ctrl+Z and Ctrl+Alt+Z inside an edit are the window's Undo and Redo: the typed text is committed
    // first, then the parameter goes back.
    void undoAndRedoWinInsideAnEdit() {
        test::Window w(Quiet());
        QVERIFY(w.show(true)); // active: its shortcuts work
        QVERIFY(w.connect());
        w.page(Page::Inputs);
        auto *soft = test::Named<TUpDownEdit>(*w, "EditSoftLimiter");
        const int start = soft->value();
        Type(soft, QStringLiteral("9000"));
        QTest::keyClick(soft, Qt::Key_Return);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9000);
        Type(soft, QStringLiteral("9500"));
        QTest::keyClick(soft, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9000);
        QCOMPARE(soft->text(), Shown(soft, 9000));
        QTest::keyClick(soft, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), start);
        QCOMPARE(soft->value(), start);
        QTest::keyClick(soft, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9000);
        QTest::keyClick(soft, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9500);
        QCOMPARE(soft->value(), 9500);
        // Up-down clicks still waiting for their commit are undone as one step too.
        ClickArrow(soft);
        QTest::keyClick(soft, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9500);
        QCOMPARE(soft->value(), 9500);
        w.tick(PageMachine::CommitDelay + 1);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9500);
    }

    void escBringsBackTheValue() {
        test::Window w(Quiet());
        QVERIFY(w.show(true)); // active: its shortcuts work
        QVERIFY(w.connect());
        w.page(Page::Inputs);
        auto *soft = test::Named<TUpDownEdit>(*w, "EditSoftLimiter");
        const int start = soft->value();
        Type(soft, QStringLiteral("12000"));
        QTest::keyClick(soft, Qt::Key_Escape);
        QCOMPARE(TextOf(soft), Shown(soft, start));
        QVERIFY(soft->hasFocus());
        test::Named<QCheckBox>(*w, "CheckBoxProgHned")->setFocus();
        QCOMPARE(w.image().word(Adrw::SoftLimiter), start);
        QCOMPARE(w.undoSteps(), 0);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(TypedValuesTest)
#include "typed_values_test.moc"
