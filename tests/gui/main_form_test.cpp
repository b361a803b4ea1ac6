#include "gui/app/MainForm.h"
#include "gui/pages/MonitorPage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Gauge.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void pagesComeInTheirFixedOrder() {
        test::Window form{test::Scripted{}};
        const QStringList names = {"TabSheet_Bike",  "TabSheet_Inputs",   "TabSheet_Advance",
                                   "TabSheet_Servo", "TabSheet_PowerOut", "TabSheet_Gear",
                                   "TabSheet_Race",  "TabSheet_Test",     "TabSheet_Monitor"};
        QCOMPARE(test::Named<QTabWidget>(*form, "PageControl1")->count(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(test::Named<QTabWidget>(*form, "PageControl1")->widget(i)->objectName(), names[i]);
        QCOMPARE(test::Named<QTabWidget>(*form, "PageControl1")->tabText(4), QStringLiteral("Power out"));
    }

    void languageArgumentSelectsTheCaptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("bikeCaption");
        QTest::addColumn<QString>("banner");
        QTest::newRow("none") << QStringList{} << "Bike"
                              << "No connection with PC";
        QTest::newRow("DEUTSCH") << QStringList{"DEUTSCH"} << "Motorrad"
                                 << "Keine Verbindung zum PC";
        QTest::newRow("CESKY") << QStringList{"CESKY"} << "Motocykl"
                               << QString::fromUtf8("Není spojení s PC");
        QTest::newRow("lower case is ignored") << QStringList{"deutsch"} << "Bike"
                                               << "No connection with PC";
    }
    void languageArgumentSelectsTheCaptions() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, bikeCaption);
        QFETCH(QString, banner);
        test::Window form(test::Scripted{StartOptions::Parse(arguments, {})});
        QCOMPARE(test::Named<QTabWidget>(*form, "PageControl1")->tabText(0), bikeCaption);
        QCOMPARE(test::Named<QLabel>(*form, "LabelSpojeni")->text(), banner);
    }

    void statusBarShowsVersionAndFixedTexts() {
        test::Window form{test::Scripted{}};
        QVERIFY(test::Named<QLabel>(*form, "StatusPanel2")
                    ->text()
                    .startsWith(QStringLiteral("ZARVEX1   RSKEY=99   COMPILE=")));
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel2")->text(), form->versionText());
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel1")->text(), QStringLiteral("EXE"));
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel3")->text(), QStringLiteral("HEX"));
        form->Timer1Timer();
        // The refresh at start reads an empty frame: the unit's version is 0.
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel4")->text(), QStringLiteral("Not connected"));
    }

    void messageLineStaysFor200Ticks() {
        test::Window form{test::Scripted{}};
        form->show();
        form->link().ShowMessageLine("Read error!", Colour::Red);
        QCOMPARE(test::Named<QLabel>(*form, "LabelMessage")->text(), QStringLiteral("Read error!"));
        QCOMPARE(test::Named<QLabel>(*form, "LabelMessage")->palette().color(QPalette::Window),
                 QColor(255, 0, 0));
        for (int i = 0; i < 200; ++i)
            form->Timer1Timer();
        QVERIFY(test::Named<QLabel>(*form, "LabelMessage")->isVisible());
        form->Timer1Timer();
        QVERIFY(!test::Named<QLabel>(*form, "LabelMessage")->isVisible());
        QVERIFY(!test::Named<QProgressBar>(*form, "CGaugeProgram")->isVisible());
    }

    void printingHidesMessageLineAndBannerButCountersGoOn() {
        test::Window form{test::Scripted{}};
        form->show();
        form->Timer1Timer();
        QVERIFY(test::Named<QLabel>(*form, "LabelSpojeni")->isVisible());
        form->link().SetPrinting(true);
        form->link().ShowMessageLine("x", Colour::White);
        form->Timer1Timer();
        QVERIFY(!test::Named<QLabel>(*form, "LabelMessage")->isVisible());
        QVERIFY(!test::Named<QLabel>(*form, "LabelSpojeni")->isVisible());
        QCOMPARE(form->link().state().MessageTicks, 199);
    }

    void comMenuChoosesThePortAndTicksIt() {
        test::Window form{test::Scripted{}};
        QCOMPARE(form.port->opened.size(), size_t(1)); // the port chosen at start, Com 2
        auto *com5 = form->findChild<QAction *>(QStringLiteral("MenuCom5"));
        QVERIFY(com5);
        com5->trigger();
        QCOMPARE(form->session().settings().portIndex, 4);
        QCOMPARE(QString::fromStdString(form.port->opened.back()), QStringLiteral("/dev/ttyUSB4"));
        QCOMPARE(test::Named<QLabel>(*form, "LabelCom")->text(), QStringLiteral("COM= ttyUSB4"));
        for (int i = 0; i < 31; ++i)
            QCOMPARE(test::Named<QAction>(*form, QStringLiteral("MenuCom%1").arg(i + 1))->isChecked(),
                     i == 4);
        QCOMPARE(test::Named<QAction>(*form, "MenuCom31")->text(), QStringLiteral("Com Auto"));
    }

    void failedOpenOfAChosenPortSaysSoButNotInAutomaticMode() {
        test::Window form{test::Scripted{}};
        form.port->failAll = true;
        test::Named<QAction>(*form, "MenuCom3")->trigger();
        QCOMPARE(form.messages, QStringList{QStringLiteral("Com opening error!")});
        test::Named<QAction>(*form, "MenuCom31")->trigger();
        QCOMPARE(form.messages.size(), 1);
    }

    void monitorFrameFillsTheMonitorPage() {
        test::Window form{test::Scripted{}};
        form->show();
        test::Named<QTabWidget>(*form, "PageControl1")->setCurrentIndex(Page::Monitor);
        Frame frame;
        frame.setByte(0, MonitorCode);
        frame.setWord(Monw::Rpm, 4321);
        frame.setWord(Monw::Supply, 12345);
        frame.setByte(Monb::Version, 99);
        frame.seal();
        form.port->feed(frame);
        form->Timer1Timer();
        auto *rpm = test::Named<TMonitorPage>(*form, PageNames[Page::Monitor])
                        ->findChild<QLabel *>(QStringLiteral("LabelRpm"));
        auto *supply = test::Named<TMonitorPage>(*form, PageNames[Page::Monitor])
                           ->findChild<QLabel *>(QStringLiteral("LabelNapeti"));
        QVERIFY(rpm && supply);
        QCOMPARE(rpm->text(), QStringLiteral("RPM = 4321"));
        QVERIFY(supply->text().contains(QStringLiteral("12.3")));
        QVERIFY(!test::Named<QLabel>(*form, "LabelSpojeni")->isVisible());
        QCOMPARE(test::Named<TMonitorPage>(*form, PageNames[Page::Monitor])->CGaugeRpm->value(), 4321);
    }

    void readFromTheUnitFillsTheImageAndVerifies() {
        SimOptions options;
        options.engine = EngineMode::Running;
        test::Window form(options);
        ParameterImage tuned = form->session().image();
        tuned.setWord(Adrw::HardLimiter, 11500);
        tuned.setByte(Adrb::Advance1 + 40, 31);
        form.unit().unit().memory() = tuned;
        form->show();
        QVERIFY(form.tickUntil([&] { return form->link().state().Connected; }, 10) > 0);

        test::Named<QPushButton>(*form, "ButtonRead")->click();
        QVERIFY(form.tickUntil([&] { return form->link().state().LinkRequest == LinkRequest::None; }) > 0);
        QCOMPARE(test::Named<QLabel>(*form, "LabelMessage")->text(), QStringLiteral("Verify:: OK"));
        QCOMPARE(form->session().image().word(Adrw::HardLimiter), 11500);
        QCOMPARE(form->session().image().byte(Adrb::Advance1 + 40), 31);
        QCOMPARE(form.unit().requestCount(), 13);
        QVERIFY(test::Named<QLabel>(*form, "StatusPanel4")->text().startsWith(QStringLiteral("ZRX01")));
    }

    void hintsGoToTheFirstPanelAndProgramAfterChangeIsRed() {
        test::Window form{test::Scripted{}};
        QStatusTipEvent tip(QStringLiteral("Open a parameter file"));
        QApplication::sendEvent(form.form.get(), &tip);
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel0")->text(), QStringLiteral("Open a parameter file"));
        QVERIFY(test::Named<QLabel>(*form, "StatusPanel2")->isVisibleTo(form.form.get()));

        test::Named<QCheckBox>(*form, "CheckBoxProgHned")->setChecked(true);
        QCOMPARE(test::Named<QCheckBox>(*form, "CheckBoxProgHned")->palette().color(QPalette::Window),
                 QColor(255, 0, 0));
        test::Named<QCheckBox>(*form, "CheckBoxProgHned")->setChecked(false);
        QCOMPARE(test::Named<QCheckBox>(*form, "CheckBoxProgHned")->palette().color(QPalette::Window),
                 LabelColour(Colour::ButtonFace));
    }

    void undoAndRedoFollowTheCommits() {
        test::Window form{test::Scripted{}};
        auto *undo = form->findChild<QAction *>(QStringLiteral("MenuZpet"));
        auto *redo = form->findChild<QAction *>(QStringLiteral("MenuZnovu"));
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        const ParameterImage start = form->session().image();
        form->session().Commit(); // nothing changed: no entry
        QVERIFY(!undo->isEnabled());

        // The Monitor page stores nothing, so the change made to the image stands.
        test::Named<QTabWidget>(*form, "PageControl1")->setCurrentIndex(Page::Monitor);
        form->session().image().setByte(Adrb::GearCount, 4);
        form->session().Commit();
        QVERIFY(undo->isEnabled());
        test::Named<QTabWidget>(*form, "PageControl1")->setCurrentIndex(Page::Bike);

        undo->trigger();
        QCOMPARE(form->session().image(), start);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(form->session().image().byte(Adrb::GearCount), 4);
        QCOMPARE(form->ActivePageIndex(), int(Page::Monitor)); // the page of the entry comes back
    }

    void languageMenuTicksTheLanguageAndRelabels() {
        test::Window form{test::Scripted{}};
        auto *german = form->findChild<QAction *>(QStringLiteral("MenuGerman"));
        german->trigger();
        QVERIFY(german->isChecked());
        QCOMPARE(form->session().settings().languageIndex, 1);
        QCOMPARE(form->findChild<QAction *>(QStringLiteral("MenuRead"))->text(), QStringLiteral("&Lesen"));
        QCOMPARE(form->session().texts()[6], std::string("Lesefehler"));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(MainFormTest)
#include "main_form_test.moc"
