// The Monitor page at frame rate: new texts repaint their own labels and lay nothing out again, gauges
// repaint later and only when their bar moves, a hidden page waits until it is shown.

#include "gui/pages/MonitorPage.h"
#include "gui/widgets/Gauge.h"
#include "gui/widgets/LiveLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <map>

using namespace zarvex1;

namespace {

// Counts paint and layout events per widget.
class EventCounter : public QObject {
public:
    explicit EventCounter(QWidget *root) {
        root->installEventFilter(this);
        for (QWidget *child : root->findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    int paints(const QObject *o) const { return count(o, QEvent::Paint); }
    int layouts() const {
        int n = 0;
        for (const auto &[key, value] : counts_)
            n += key.second == QEvent::LayoutRequest ? value : 0;
        return n;
    }
    QStringList painted() const {
        QStringList names;
        for (const auto &[key, value] : counts_)
            if (key.second == QEvent::Paint)
                names << key.first->objectName();
        return names;
    }
    void clear() { counts_.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        ++counts_[{watched, event->type()}];
        return false;
    }

private:
    int count(const QObject *o, QEvent::Type type) const {
        const auto it = counts_.find({o, type});
        return it == counts_.end() ? 0 : it->second;
    }
    std::map<std::pair<const QObject *, QEvent::Type>, int> counts_;
};

MonitorDisplay FrameDisplay(int rpm) {
    MonitorDisplay display;
    display.LabelRpm = {"RPM = " + std::to_string(rpm), Colour::ButtonFace};
    display.LabelNapeti = {"U = 13.8 V", Colour::ButtonFace};
    display.LabelMonStartLimiterAkt = {"Start limiter aktivated = NO", Colour::ButtonFace};
    display.CGaugeRpm = {0, 12000, rpm, Colour::Lime};
    display.CGaugeTps = {0, 1000, 500, Colour::Lime};
    display.CGaugeAkcel = {0, 100, 10, Colour::Lime};
    return display;
}

} // namespace

class MonitorPageTest : public QObject {
    Q_OBJECT
private slots:
    // The live label paints its text from the font's glyphs; it must look as a label does, wherever the
    // text stands, and fall back to the label for what it does not paint itself.
    void liveLabelPaintsAsALabelDoes() {
        const struct {
            QString text;
            Qt::Alignment align;
        } rows[] = {
            {QStringLiteral("RPM = 9307"), Qt::AlignLeft | Qt::AlignVCenter},
            {QStringLiteral("Pick-up 1 - is running, positive"), Qt::AlignLeft | Qt::AlignVCenter},
            {QStringLiteral("Zapalování = 35 [°] /max 45 [°]"), Qt::AlignRight | Qt::AlignVCenter},
            {QStringLiteral("U = 13.8 V"), Qt::AlignHCenter | Qt::AlignVCenter},
            {QStringLiteral("two\nlines"), Qt::AlignLeft | Qt::AlignVCenter},
            {QStringLiteral("<b>rich</b>"), Qt::AlignLeft | Qt::AlignVCenter},
        };
        for (const auto &row : rows) {
            QLabel label;
            TLiveLabel live;
            for (QLabel *l : {&label, static_cast<QLabel *>(&live)}) {
                l->setAutoFillBackground(true);
                l->setContentsMargins(4, 1, 4, 1);
                l->setFixedSize(260, 40);
                l->setAlignment(row.align);
                l->setText(row.text);
            }
            QCOMPARE(live.grab().toImage(), label.grab().toImage());
        }
    }

    void newFrameRepaintsOnlyWhatChangedAndLaysNothingOut() {
        TMonitorPage page;
        page.show();
        page.Show(FrameDisplay(4000));
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::qWait(50); // laid out and painted once
        auto *rpm = page.findChild<QLabel *>(QStringLiteral("LabelRpm"));
        auto *supply = page.findChild<QLabel *>(QStringLiteral("LabelNapeti"));
        const QRect before = rpm->geometry();

        EventCounter events(&page);
        for (int value : {4010, 9990, 12000, 800}) {
            page.Show(FrameDisplay(value));
            QCoreApplication::processEvents();
        }
        QCOMPARE(rpm->text(), QStringLiteral("RPM = 800"));
        QCOMPARE(events.layouts(), 0);
        QCOMPARE(rpm->geometry(), before);
        QVERIFY(events.paints(rpm) >= 1);
        QCOMPARE(events.paints(supply), 0);
        QCOMPARE(events.paints(page.findChild<QGroupBox *>(QStringLiteral("GroupBoxMonLoad"))), 0);
        QVERIFY2(events.paints(&page) == 0, qPrintable(events.painted().join(QLatin1Char(' '))));
    }

    void longerTextWidensItsWholeBoxOnce() {
        TMonitorPage page;
        page.show();
        page.Show(FrameDisplay(4000));
        QTest::qWait(50);
        auto *rpm = page.findChild<QLabel *>(QStringLiteral("LabelRpm"));
        auto *advance = page.findChild<QLabel *>(QStringLiteral("LabelAdvance1"));
        const int width = rpm->width();

        MonitorDisplay wide = FrameDisplay(4000);
        wide.LabelRpm.text = "RPM = " + std::string(60, '8');
        page.Show(wide);
        QTest::qWait(20); // the page lays out again, this once
        QVERIFY(rpm->width() > width);
        QCOMPARE(advance->width(), rpm->width()); // the box keeps one column
        QVERIFY(rpm->width() >= rpm->fontMetrics().horizontalAdvance(rpm->text()));

        EventCounter events(&page);
        page.Show(FrameDisplay(4000)); // shorter again: the room stays
        QCoreApplication::processEvents();
        QCOMPARE(events.layouts(), 0);
        QCOMPARE(advance->width(), rpm->width());
    }

    void hiddenPageCatchesUpWhenShown() {
        MonitorDisplay current = FrameDisplay(1234);
        TMonitorPage page;
        page.SetSource([&]() -> const MonitorDisplay & { return current; });
        auto *rpm = page.findChild<QLabel *>(QStringLiteral("LabelRpm"));
        page.Show(current);
        QCOMPARE(rpm->text(), QString()); // a hidden page is not refreshed
        current = FrameDisplay(5678);
        page.show();
        QCOMPARE(rpm->text(), QStringLiteral("RPM = 5678"));
        QCOMPARE(page.CGaugeRpm->value(), 5678);
    }

    void colourChangesRepaintTheLabel() {
        TMonitorPage page;
        page.show();
        MonitorDisplay display = FrameDisplay(4000);
        page.Show(display);
        auto *limiter = page.findChild<QLabel *>(QStringLiteral("LabelMonStartLimiterAkt"));
        display.LabelMonStartLimiterAkt = {"Start limiter aktivated = YES", Colour::Yellow};
        page.Show(display);
        QCOMPARE(limiter->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(limiter->text(), QStringLiteral("Start limiter aktivated = YES"));
    }

    void gaugeRepaintsLaterAndOnlyWhenItsBarMoves() {
        TGauge gauge;
        gauge.resize(101, 16); // 99 pixels of bar
        gauge.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gauge));
        gauge.SetGauge(0, 1000, 500, Qt::green);
        QTest::qWait(50);

        EventCounter events(&gauge);
        gauge.SetGauge(0, 1000, 501, Qt::green); // the same pixel
        QCoreApplication::processEvents();
        QCOMPARE(events.paints(&gauge), 0);
        gauge.SetGauge(0, 1000, 900, Qt::green);
        QCOMPARE(events.paints(&gauge), 0); // scheduled, not painted at once
        QCoreApplication::processEvents();
        QCOMPARE(events.paints(&gauge), 1);
        gauge.SetGauge(0, 1000, 900, Qt::red);
        QCoreApplication::processEvents();
        QCOMPARE(events.paints(&gauge), 2);

        const struct {
            int minimum, maximum, position, shown;
        } rows[] = {{0, 100, 150, 100}, {0, 100, -5, 0}, {50, 50, 70, 50}, {20, 10, 15, 20}};
        for (const auto &row : rows) {
            gauge.SetGauge(row.minimum, row.maximum, row.position, Qt::green);
            QCOMPARE(gauge.value(), row.shown);
        }
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(MonitorPageTest)
#include "monitor_page_test.moc"
