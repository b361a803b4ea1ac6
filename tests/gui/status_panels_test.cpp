#include "window_fixture.h"

#include "gui/app/StatusPanels.h"

#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QtTest>

using namespace zarvex1;

class StatusPanelsTest : public QObject {
    Q_OBJECT
private slots:
    // At the window's size the longest hint shows whole, and so does each other panel's longest text.
    void everyPanelShowsItsWholeText_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("connection");
        QTest::newRow("longest Czech hint, unit of another version")
            << QString::fromUtf8("Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
                                 "zapalování")
            << QString::fromUtf8(
                   "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!  PC-99, IGN-98");
        QTest::newRow("longest German hint, unit connected")
            << QString::fromUtf8("Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund")
            << QStringLiteral("ZRX01   10.12.2026   03:16   ");
    }
    void everyPanelShowsItsWholeText() {
        QFETCH(QString, hint);
        QFETCH(QString, connection);
        test::Window form{test::Scripted{}};
        form->resize(1000, 720);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.form.get()));
        test::Named<QLabel>(*form, "StatusPanel0")->setText(hint);
        test::Named<QLabel>(*form, "StatusPanel4")->setText(connection);
        form->statusBar()->layout()->activate();
        test::Named<QLabel>(*form, "StatusPanel0")->parentWidget()->layout()->activate();

        QCOMPARE(form->width(), 1000);
        for (int i = 0; i < StatusPanels::Count; ++i) {
            QLabel *panel = test::Named<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i));
            const int needed = panel->fontMetrics().horizontalAdvance(panel->text());
            QVERIFY2(panel->contentsRect().width() >= needed, qPrintable(panel->objectName()));
            const QRect onWindow(panel->mapTo(form.form.get(), QPoint(0, 0)), panel->size());
            QVERIFY2(form->rect().contains(onWindow), qPrintable(panel->objectName()));
        }
        // Panels never overlap one another.
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                QVERIFY(
                    !test::Named<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i))
                         ->geometry()
                         .intersects(
                             test::Named<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(j))->geometry()));
    }

    // The 3D graph's hint has three lines: they stand side by side on the one hint line, and neither the
    // line nor the window changes its size.
    void aHintOfSeveralLinesKeepsTheWindowsSize() {
        test::Window form{test::Scripted{}};
        form->resize(1000, 720);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.form.get()));
        form->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(Page::Advance);
        QApplication::processEvents();
        auto *line = form->findChild<QLabel *>(QStringLiteral("StatusPanel0"));
        const QSize window = form->size(), minimum = form->minimumSizeHint(), bar = form->statusBar()->size();
        const int height = line->height();
        const QString hint = QStringLiteral("Rotate: drag mouse (X, XY) and wheel (XYZ)   \nGraph quality: "
                                            "CTRL+mouse wheel   \nView values: SHIFT+mouse wheel");
        QStatusTipEvent tip(hint);
        QApplication::sendEvent(form.form.get(), &tip);
        QApplication::processEvents();
        form->statusBar()->layout()->activate();
        QCOMPARE(line->text(), hint); // the whole hint, for the tooltip and the screen reader
        QCOMPARE(line->height(), height);
        QCOMPARE(line->sizeHint().height(), height);
        QCOMPARE(form->statusBar()->size(), bar);
        QCOMPARE(form->minimumSizeHint(), minimum);
        QCOMPARE(form->size(), window);
        if (const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS"); !folder.isEmpty())
            QVERIFY(form->grab().save(folder + QStringLiteral("/advance-3d-hint.png")));
    }

    void aHintLongerThanTheWindowDoesNotWidenIt() {
        test::Window form{test::Scripted{}};
        form->resize(1000, 720);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.form.get()));
        test::Named<QLabel>(*form, "StatusPanel0")->setText(QString(400, QLatin1Char('x')));
        QVERIFY(form->minimumSizeHint().width() <= 1000);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(StatusPanelsTest)
#include "status_panels_test.moc"
