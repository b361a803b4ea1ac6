#include "gui/app/Dialogs.h"
#include "gui/app/MainForm.h"
#include "gui/pages/MonitorPage.h"
#include "gui/widgets/Gauge.h"
#include "link/mock_port.h"
#include "simulated_window.h"

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

namespace {

// A window on an in-process port, so that no test touches a real serial device.
struct Window {
    explicit Window(const StartOptions &options = {}) {
        auto mock = std::make_unique<test::MockPort>();
        port = mock.get();
        form = std::make_unique<TMainForm>(options, std::move(mock));
    }
    TMainForm *operator->() { return form.get(); }
    test::MockPort *port;
    std::unique_ptr<TMainForm> form;
};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir_->path().toUtf8());
        messages_.clear();
        Dialogs::messageHook = [this](const QString &text) { messages_ << text; };
    }

    void pagesComeInTheirFixedOrder() {
        Window form;
        const QStringList names = {"TabSheet_Bike",  "TabSheet_Inputs",   "TabSheet_Advance",
                                   "TabSheet_Servo", "TabSheet_PowerOut", "TabSheet_Gear",
                                   "TabSheet_Race",  "TabSheet_Test",     "TabSheet_Monitor"};
        QCOMPARE(form->PageControl1->count(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(form->PageControl1->widget(i)->objectName(), names[i]);
        QCOMPARE(form->PageControl1->tabText(4), QStringLiteral("Power out"));
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
        Window form(StartOptions::Parse(arguments, {}));
        QCOMPARE(form->PageControl1->tabText(0), bikeCaption);
        QCOMPARE(form->LabelSpojeni->text(), banner);
    }

    void statusBarShowsVersionAndFixedTexts() {
        Window form;
        QVERIFY(form->statusPanels[2]->text().startsWith(QStringLiteral("ZARVEX1   RSKEY=99   COMPILE=")));
        QCOMPARE(form->statusPanels[2]->text(), form->versionText);
        QCOMPARE(form->statusPanels[1]->text(), QStringLiteral("EXE"));
        QCOMPARE(form->statusPanels[3]->text(), QStringLiteral("HEX"));
        form->Timer1Timer();
        // The refresh at start reads an empty frame: the unit's version is 0.
        QCOMPARE(form->statusPanels[4]->text(), QStringLiteral("Not connected"));
    }

    void messageLineStaysFor200Ticks() {
        Window form;
        form->show();
        form->ShowMessageLine(QStringLiteral("Read error!"), Colour::Red);
        QCOMPARE(form->LabelMessage->text(), QStringLiteral("Read error!"));
        QCOMPARE(form->LabelMessage->palette().color(QPalette::Window), QColor(255, 0, 0));
        for (int i = 0; i < 200; ++i)
            form->Timer1Timer();
        QVERIFY(form->LabelMessage->isVisible());
        form->Timer1Timer();
        QVERIFY(!form->LabelMessage->isVisible());
        QVERIFY(!form->CGaugeProgram->isVisible());
    }

    void printingHidesMessageLineAndBannerButCountersGoOn() {
        Window form;
        form->show();
        form->Timer1Timer();
        QVERIFY(form->LabelSpojeni->isVisible());
        form->link->SetPrinting(true);
        form->ShowMessageLine(QStringLiteral("x"), Colour::White);
        form->Timer1Timer();
        QVERIFY(!form->LabelMessage->isVisible());
        QVERIFY(!form->LabelSpojeni->isVisible());
        QCOMPARE(form->link->state().MessageTicks, 199);
    }

    void comMenuChoosesThePortAndTicksIt() {
        Window form;
        QCOMPARE(form.port->opened.size(), size_t(1)); // the port chosen at start, Com 2
        auto *com5 = form->findChild<QAction *>(QStringLiteral("MenuCom5"));
        QVERIFY(com5);
        com5->trigger();
        QCOMPARE(form->session().settings().portIndex, 4);
        QCOMPARE(QString::fromStdString(form.port->opened.back()), QStringLiteral("/dev/ttyUSB4"));
        QCOMPARE(form->LabelCom->text(), QStringLiteral("COM= ttyUSB4"));
        for (int i = 0; i < 31; ++i)
            QCOMPARE(form->ComMenuItems[i]->isChecked(), i == 4);
        QCOMPARE(form->ComMenuItems[30]->text(), QStringLiteral("Com Auto"));
    }

    void failedOpenOfAChosenPortSaysSoButNotInAutomaticMode() {
        Window form;
        form.port->failAll = true;
        form->ComMenuItems[2]->trigger();
        QCOMPARE(messages_, QStringList{QStringLiteral("Com opening error!")});
        form->ComMenuItems[30]->trigger();
        QCOMPARE(messages_.size(), 1);
    }

    void monitorFrameFillsTheMonitorPage() {
        Window form;
        form->show();
        form->PageControl1->setCurrentIndex(Page::Monitor);
        Frame frame;
        frame.setByte(0, MonitorCode);
        frame.setWord(Monw::Rpm, 4321);
        frame.setWord(Monw::Supply, 12345);
        frame.setByte(Monb::Version, 99);
        frame.seal();
        form.port->feed(frame);
        form->Timer1Timer();
        auto *rpm = form->MonitorPage->findChild<QLabel *>(QStringLiteral("LabelRpm"));
        auto *supply = form->MonitorPage->findChild<QLabel *>(QStringLiteral("LabelNapeti"));
        QVERIFY(rpm && supply);
        QCOMPARE(rpm->text(), QStringLiteral("RPM = 4321"));
        QVERIFY(supply->text().contains(QStringLiteral("12.3")));
        QVERIFY(!form->LabelSpojeni->isVisible());
        QCOMPARE(form->MonitorPage->CGaugeRpm->value(), 4321);
    }

    void readFromTheUnitFillsTheImageAndVerifies() {
        SimOptions options;
        options.engine = EngineMode::Running;
        test::SimulatedWindow form(options);
        ParameterImage tuned = form->session().image();
        tuned.setWord(Adrw::HardLimiter, 11500);
        tuned.setByte(Adrb::Advance1 + 40, 31);
        form.unit().unit().memory() = tuned;
        form->show();
        QVERIFY(form.tickUntil([&] { return form->link->state().Connected; }, 10) > 0);

        form->ButtonRead->click();
        QVERIFY(form.tickUntil([&] { return form->link->state().LinkRequest == LinkRequest::None; }) > 0);
        QCOMPARE(form->LabelMessage->text(), QStringLiteral("Verify:: OK"));
        QCOMPARE(form->session().image().word(Adrw::HardLimiter), 11500);
        QCOMPARE(form->session().image().byte(Adrb::Advance1 + 40), 31);
        QCOMPARE(form.unit().requestCount(), 13);
        QVERIFY(form->statusPanels[4]->text().startsWith(QStringLiteral("ZRX01")));
    }

    void hintsGoToTheFirstPanelAndProgramAfterChangeIsRed() {
        Window form;
        QStatusTipEvent tip(QStringLiteral("Open a parameter file"));
        QApplication::sendEvent(form.form.get(), &tip);
        QCOMPARE(form->statusPanels[0]->text(), QStringLiteral("Open a parameter file"));
        QVERIFY(form->statusPanels[2]->isVisibleTo(form.form.get()));

        form->CheckBoxProgHned->setChecked(true);
        QCOMPARE(form->CheckBoxProgHned->palette().color(QPalette::Window), QColor(255, 0, 0));
        form->CheckBoxProgHned->setChecked(false);
        QCOMPARE(form->CheckBoxProgHned->palette().color(QPalette::Window), LabelColour(Colour::ButtonFace));
    }

    void undoAndRedoFollowTheCommits() {
        Window form;
        auto *undo = form->findChild<QAction *>(QStringLiteral("MenuZpet"));
        auto *redo = form->findChild<QAction *>(QStringLiteral("MenuZnovu"));
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        const ParameterImage start = form->session().image();
        form->session().Commit(); // nothing changed: no entry
        QVERIFY(!undo->isEnabled());

        // The Monitor page stores nothing, so the change made to the image stands.
        form->PageControl1->setCurrentIndex(Page::Monitor);
        form->session().image().setByte(Adrb::GearCount, 4);
        form->session().Commit();
        QVERIFY(undo->isEnabled());
        form->PageControl1->setCurrentIndex(Page::Bike);

        undo->trigger();
        QCOMPARE(form->session().image(), start);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(form->session().image().byte(Adrb::GearCount), 4);
        QCOMPARE(form->ActivePageIndex(), int(Page::Monitor)); // the page of the entry comes back
    }

    void languageMenuTicksTheLanguageAndRelabels() {
        Window form;
        auto *german = form->findChild<QAction *>(QStringLiteral("MenuGerman"));
        german->trigger();
        QVERIFY(german->isChecked());
        QCOMPARE(form->session().settings().languageIndex, 1);
        QCOMPARE(form->findChild<QAction *>(QStringLiteral("MenuRead"))->text(), QStringLiteral("&Lesen"));
        QCOMPARE(form->session().texts()[6], std::string("Lesefehler"));
    }

private:
    std::unique_ptr<QTemporaryDir> settingsDir_;
    QStringList messages_;
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
