#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/print/WindowPrinter.h"
#include "pdf_pages.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace zarvex1;

namespace {

// How the window looked when a page was drawn.
struct DrawnPage {
    int page = -1;
    int shownPage = -1;
    int visibleTabs = 0;
    bool printing = false;
    bool toolBar = true;
    bool statusBar = true;
    bool banner = true;
    bool white = false;
    int spinners = 0; // up-downs of the printed page that show their buttons
    QString messageLine;
    bool messageLineShown = false;
};

// A window printing into PDFs in a folder of its own; it is shown as a user sees it.
struct PrintingWindow : test::Window {
    PrintingWindow() : Window(test::Scripted{}) {
        form->resize(1000, 720);
        form->show();
        form->printer().SetTarget(WindowPrinter::Target::Pdf, pdfDir.path());
        form->printer().SetPageObserver([this](int page) {
            DrawnPage d;
            d.page = page;
            d.shownPage = test::Named<QTabWidget>(*form, "PageControl1")->currentIndex();
            for (int i = 0; i < test::Named<QTabWidget>(*form, "PageControl1")->count(); ++i)
                d.visibleTabs += test::Named<QTabWidget>(*form, "PageControl1")->isTabVisible(i) ? 1 : 0;
            d.printing = form->link().state().Printing;
            d.toolBar = test::Named<QWidget>(*form, "GroupBoxToolBar")->isVisible();
            d.statusBar = form->statusBar()->isVisible();
            d.banner = test::Named<QLabel>(*form, "LabelSpojeni")->isVisible();
            d.white = form->palette().color(QPalette::Window) == Qt::white;
            for (auto *edit : test::Named<QTabWidget>(*form, "PageControl1")
                                  ->currentWidget()
                                  ->findChildren<TUpDownEdit *>())
                d.spinners += edit->isVisibleTo(form.get()) && edit->upDownVisible() ? 1 : 0;
            d.messageLine = test::Named<QLabel>(*form, "LabelMessage")->text();
            d.messageLineShown = test::Named<QLabel>(*form, "LabelMessage")->isVisible();
            drawn << d;
        });
    }
    QStringList pdfs() const { return QDir(pdfDir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

    // Back to how it was before printing.
    void verifyNormalLook() {
        QVERIFY(!form->link().state().Printing);
        QVERIFY(test::Named<QWidget>(*form, "GroupBoxToolBar")->isVisible());
        QVERIFY(form->statusBar()->isVisible());
        QVERIFY(test::Named<QLabel>(*form, "LabelSpojeni")->isVisible()); // no unit: the banner comes back
        QVERIFY(form->palette().color(QPalette::Window) != Qt::white);
        for (int i = 0; i < test::Named<QTabWidget>(*form, "PageControl1")->count(); ++i)
            QVERIFY(test::Named<QTabWidget>(*form, "PageControl1")->isTabVisible(i));
    }

    QTemporaryDir pdfDir;
    QList<DrawnPage> drawn;
};

// How many colours a picture holds.
int Colours(const QImage &image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void printPutsThePageInItsPrintLookIntoOnePdf() {
        PrintingWindow window;
        window->Timer1Timer();
        QVERIFY(test::Named<QLabel>(*window, "LabelSpojeni")->isVisible());
        const QString before = window->palette().color(QPalette::Window).name();
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Monitor);

        test::Named<QToolButton>(*window, "SpeedButtonPrint")->click();
        // The window is back at once; the PDF follows from the background.
        window.verifyNormalLook();
        QTRY_VERIFY(test::Named<QLabel>(*window, "LabelMessage")
                        ->text()
                        .startsWith(QStringLiteral("Printed to PDF: ")));

        QCOMPARE(window.drawn.size(), 1);
        const DrawnPage &d = window.drawn[0];
        QCOMPARE(d.page, int(Page::Monitor));
        QVERIFY(d.printing);
        QVERIFY(!d.toolBar && !d.statusBar && !d.banner);
        QVERIFY(d.white);
        QVERIFY(d.messageLineShown);
        QVERIFY2(d.messageLine.startsWith(QStringLiteral("Date and time of printing:  ")),
                 qPrintable(d.messageLine));
        QVERIFY(d.messageLine.contains(QStringLiteral("    ")));

        const QStringList pdfs = window.pdfs();
        QCOMPARE(pdfs.size(), 1);
        QVERIFY(pdfs[0].startsWith(QStringLiteral("ZARVEX1_"))); // no parameter file open
        const QString path = QDir(window.pdfDir.path()).filePath(pdfs[0]);
        QCOMPARE(test::PdfPageCount(path), 1);
        QCOMPARE(test::Named<QLabel>(*window, "LabelMessage")->text(),
                 QStringLiteral("Printed to PDF: ") + QDir::toNativeSeparators(path));
        window.verifyNormalLook();
        QCOMPARE(window->palette().color(QPalette::Window).name(), before);
        QCOMPARE(window->ActivePageIndex(), int(Page::Monitor));
    }

    void printAllGivesNinePagesInTabOrderAndTheActivePageBack() {
        PrintingWindow window;
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Gear);

        test::Named<QAction>(*window, "MenuPrintAll")->trigger();
        QTRY_VERIFY(test::Named<QLabel>(*window, "LabelMessage")
                        ->text()
                        .startsWith(QStringLiteral("Printed to PDF: ")));

        QCOMPARE(window.drawn.size(), int(Page::Count));
        for (int page = 0; page < Page::Count; ++page) {
            const DrawnPage &d = window.drawn[page];
            QCOMPARE(d.page, page);
            QCOMPARE(d.shownPage, page); // each page alone, filled and in its print states
            QCOMPARE(d.visibleTabs, 1);
            QVERIFY(d.printing && d.white && !d.toolBar && !d.statusBar);
            QCOMPARE(d.spinners, 0);
        }
        const QStringList pdfs = window.pdfs();
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(test::PdfPageCount(QDir(window.pdfDir.path()).filePath(pdfs[0])), int(Page::Count));
        QCOMPARE(window->ActivePageIndex(), int(Page::Gear));
        window.verifyNormalLook();
        // The spinners come back with the pages.
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Bike);
        auto *pulses = test::Named<QTabWidget>(*window, "PageControl1")
                           ->currentWidget()
                           ->findChild<TUpDownEdit *>(QStringLiteral("EditRpmPulsu"));
        QVERIFY(pulses);
        QVERIFY(pulses->upDownVisible());
    }

    void aMapPrintsWithoutItsToolbarAndSpinner() {
        PrintingWindow window;
        QApplication::setActiveWindow(window.form.get());
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Advance);
        TTab *tab =
            qobject_cast<TAdvancePage *>(test::Named<QWidget>(*window, PageNames[Page::Advance]))->TabAdvance;
        tab->Render();
        const QImage normal = tab->Bitmap().copy();
        // The pointer rests on a cell of the map being edited: its spinner shows.
        tab->setFocus();
        const Rect cell = tab->Editor().Layout().ItemRect(3, 2);
        QTest::mouseMove(tab, QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        QVERIFY(tab->Editor().SpinnerState().shown != 0);
        QImage printed;
        bool spinner = true;
        window->printer().SetPageObserver([&](int) {
            printed = tab->Bitmap().copy();
            spinner = tab->Editor().SpinnerState().shown != 0;
        });

        test::Named<QAction>(*window, "MenuPrint")->trigger();
        QTRY_VERIFY(test::Named<QLabel>(*window, "LabelMessage")
                        ->text()
                        .startsWith(QStringLiteral("Printed to PDF: ")));

        QVERIFY(!spinner);
        QVERIFY(!printed.isNull());
        // Where the toolbar's buttons are, the paper shows the bare control.
        const TabToolbar &toolbar = tab->Editor().Toolbar();
        int buttons = 0;
        for (int i = 0; i < toolbar.Count(); ++i) {
            const ToolbarButton &button = toolbar.Button(i);
            if (!button.Shown())
                continue;
            const QRect r(button.rect.left, button.rect.top, button.rect.right - button.rect.left,
                          button.rect.bottom - button.rect.top);
            QCOMPARE(Colours(printed.copy(r)), 1);
            QVERIFY(Colours(normal.copy(r)) > 1);
            ++buttons;
        }
        QVERIFY(buttons > 5);
        QCOMPARE(tab->Bitmap(), normal); // the toolbar is back, the spinner waits for the pointer
    }

    void aFailedPrintSaysSoAndLeavesThePrintLook_data() {
        QTest::addColumn<bool>("all");
        QTest::newRow("print") << false;
        QTest::newRow("print all") << true;
    }
    void aFailedPrintSaysSoAndLeavesThePrintLook() {
        QFETCH(bool, all);
        PrintingWindow window;
        window->SetLanguage(1);
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Inputs);
        // The PDF's folder cannot be made: a file stands where it should be.
        QFile blocker(window.pdfDir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        window->printer().SetTarget(WindowPrinter::Target::Pdf, blocker.fileName() + QStringLiteral("/out"));

        if (all)
            test::Named<QAction>(*window, "MenuPrintAll")->trigger();
        else
            test::Named<QAction>(*window, "MenuPrint")->trigger();

        QVERIFY(!window.drawn.isEmpty());
        QTRY_VERIFY2(
            test::Named<QLabel>(*window, "LabelMessage")->text().startsWith(QStringLiteral("Druckfehler!")),
            qPrintable(test::Named<QLabel>(*window, "LabelMessage")->text()));
        QCOMPARE(test::Named<QLabel>(*window, "LabelMessage")->palette().color(QPalette::Window),
                 QColor(255, 0, 0));
        QCOMPARE(window.pdfs(), QStringList{});
        window.verifyNormalLook();
        QCOMPARE(window->ActivePageIndex(), int(Page::Inputs));
    }

    void thePdfIsNamedAfterTheParameterFile() {
        PrintingWindow window;
        window->session().texts()[1] =
            QDir(window.pdfDir.path()).filePath(QStringLiteral("Brno wet.ign")).toStdString();
        test::Named<QAction>(*window, "MenuPrint")->trigger();
        test::Named<QAction>(*window, "MenuPrint")
            ->trigger(); // twice in the same second: the second gets a number
        QTRY_COMPARE(window.pdfs().size(), 2);
        const QStringList pdfs = window.pdfs();
        for (const QString &pdf : pdfs)
            QVERIFY2(pdf.startsWith(QStringLiteral("Brno wet_")), qPrintable(pdf));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(PrintingTest)
#include "printing_test.moc"
