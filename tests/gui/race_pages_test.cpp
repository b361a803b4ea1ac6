// The Power out, Gear, Race and Test pages driven through their real controls, offscreen, on the unit
// in process.
#include "gui/app/MainForm.h"
#include "gui/pages/GearPage.h"
#include "gui/pages/PowerOutPage.h"
#include "gui/pages/RacePage.h"
#include "gui/pages/TestPage.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <numeric>

using namespace zarvex1;

namespace {

SimOptions Engine(EngineMode mode) {
    SimOptions options;
    options.engine = mode;
    options.savingMs = 0;
    return options;
}

// Clicks a radio item on its button, not somewhere in its row.
void ClickItem(QRadioButton *item) {
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

QString Accessible(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// An up-down edit shows its mark in its text field.
bool Green(QWidget *widget) {
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        widget = spin->findChild<QLineEdit *>();
    return widget->palette().color(QPalette::Base) == QColor(0, 255, 0) ||
           (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == QColor(0, 255, 0));
}

int UndoSteps(ParameterSession &session) {
    int steps = 0;
    UndoHistory copy = session.undo();
    while (copy.Undo())
        ++steps;
    return steps;
}

} // namespace

class RacePagesTest : public QObject {
    Q_OBJECT
private slots:
    void aTestButtonPressReachesTheUnitOnce() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.page(Page::Test);
        auto *out1 = test::Named<QPushButton>(*w, "ButtonTestPOut1");
        auto *servo = test::Named<QPushButton>(*w, "ButtonTestServoPlus");
        QVERIFY(out1->isEnabled());
        QTest::mouseClick(out1, Qt::LeftButton);
        QTest::mouseClick(out1, Qt::LeftButton); // before the next poll: still one command
        QTest::mouseClick(servo, Qt::LeftButton);
        w.tick(30);
        const std::array<int, 7> counts = w.unit().unit().testCounts();
        QCOMPARE(counts[2], 1);
        QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 1);
        int servoSteps = 0;
        for (const Frame &poll : w.unit().recentPolls())
            servoSteps += poll.bytes[TestBitsIndex + 2] & 1;
        QCOMPARE(servoSteps, 1);
    }

    void theTestButtonsGoWhenTheEngineStartsWhileThePageIsShown() {
        test::Window w(Engine(EngineMode::Cycle)); // stands for 5 s, then runs
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.page(Page::Test);
        auto *ign = test::Named<QPushButton>(*w, "ButtonTestIgn1");
        QVERIFY(ign->isEnabled());
        QVERIFY(w.tickUntil([&] { return w->link().engineTurns(); }) > 0);
        QVERIFY(!ign->isEnabled());
        for (const char *name : {"ButtonTestPOut1", "ButtonTestRpm", "ButtonTestServoMinus"})
            QVERIFY(!test::Named<QPushButton>(*w, name)->isEnabled());
        QTest::mouseClick(ign, Qt::LeftButton);
        w.tick(30);
        QCOMPARE(w.unit().unit().testCounts()[0], 0);
        QVERIFY(test::Named<QPushButton>(*w, "ButtonTestIgn2")->isHidden());
        QVERIFY(test::Named<QPushButton>(*w, "ButtonTestPOut4")->isHidden());
    }

    void aModeClickSetsItsDefaultsAndTheLiveRowFollows() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.page(Page::PowerOut);
        auto *group = test::Named<QGroupBox>(*w, "GroupBoxPOutMap2");
        QVERIFY(group->isVisible()); // pilot light
        QVERIFY(!test::Named<QCheckBox>(*w, "CheckBoxPOut2Cell00")->isEnabled());
        const int steps = UndoSteps(w->session());
        ClickItem(test::Named<TRadioGroup>(*w, "RadioGroupPOut2")->item(PowerOut::Special));
        QCOMPARE(w.image().byte(Adrb::PowerOutMode + 1), 4);
        QCOMPARE(w.image().byte(Adrb::PowerOutRpm + 3), 40);
        QCOMPARE(w.image().byte(Adrb::PowerOutLoad + 3), 90);
        QCOMPARE(UndoSteps(w->session()), steps + 1);
        QCOMPARE(test::Named<TUpDownEdit>(*w, "EditPOut2Rpm2")->value(), 14000);
        auto *cell = test::Named<QCheckBox>(*w, "CheckBoxPOut2Cell23");
        QVERIFY(cell->isVisible() && cell->isEnabled());
        QCOMPARE(w->monitorDisplay().LabelMonPOut[1].text.substr(0, 7), std::string("Special"));

        // A cell is a bit of its row.
        const int row = w.image().byte(Adrb::PowerOutTable + 5);
        cell->click();
        QCOMPARE(w.image().byte(Adrb::PowerOutTable + 5), row ^ 0x08);

        // Off hides the map; the Monitor page greys the output's row.
        ClickItem(test::Named<TRadioGroup>(*w, "RadioGroupPOut2")->item(PowerOut::Off));
        QVERIFY(!group->isVisible());
        w.page(Page::Monitor);
        QVERIFY(!test::Named<QLabel>(*w, "LabelMonPOut2")->isEnabled());
        QVERIFY(test::Named<QLabel>(*w, "LabelMonPOut3")->isEnabled());
    }

    // With a pressure sensor the thresholds a mode brings are 75 and 90 kPa, below atmospheric pressure.
    void aModeBringsItsThresholdsOnTheSensorsScale() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.image().setByte(Adrb::LoadSensor, 2);
        w.image().setByte(Adrb::PowerOutMode + 1, PowerOut::Off);
        w.image().setByte(Adrb::PowerOutMode + 2, PowerOut::Off);
        w->session().Commit();
        w.page(Page::PowerOut);
        for (const auto &[output, mode] :
             {std::pair{2, int(PowerOut::Special)}, {3, int(PowerOut::PowerJet)}}) {
            const std::string n = std::to_string(output);
            ClickItem(test::Named<TRadioGroup>(*w, ("RadioGroupPOut" + n).c_str())->item(mode));
            QCOMPARE(w.image().byte(Adrb::PowerOutMode + output - 1), mode);
            QCOMPARE(w.image().byte(Adrb::PowerOutLoad + 2 * (output - 1)), 15);
            QCOMPARE(w.image().byte(Adrb::PowerOutLoad + 2 * (output - 1) + 1), 18);
            QCOMPARE(test::Named<TUpDownEdit>(*w, ("EditPOut" + n + "Load0").c_str())->value(), 75);
            QCOMPARE(test::Named<TUpDownEdit>(*w, ("EditPOut" + n + "Load1").c_str())->value(), 90);
        }
    }

    void aLoadThresholdOf1000KpaWidensItsEdit() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.image().setByte(Adrb::LoadSensor, 2);
        w.image().setByte(Adrb::PowerOutMode, 4);
        w.image().setByte(Adrb::PowerOutLoad, 150);
        w->session().Commit();
        w.page(Page::PowerOut);
        auto *low = test::Named<TUpDownEdit>(*w, "EditPOut1Load0");
        QCOMPARE(low->value(), 750);
        QCOMPARE(low->singleStep(), 5);
        const QRect narrow = low->geometry();
        auto *text = low->findChild<QLineEdit *>();
        low->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("1000"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(w.image().byte(Adrb::PowerOutLoad), 200);
        QVERIFY(low->geometry().left() < narrow.left());
        QVERIFY(low->geometry().width() > narrow.width());
        QCOMPARE(low->text(), QLocale().toString(1000));
    }

    void aGearButtonTakesTheLiveVoltageAndTheCurrentGearIsMarked() {
        test::Window w(Engine(EngineMode::Running));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.page(Page::Gear);
        auto *system = test::Named<TRadioGroup>(*w, "RadioGroupGearSystem");
        ClickItem(system->item(Gear::Voltage));
        QCOMPARE(w.image().byte(Adrb::GearMode), 1);
        QCOMPARE(w.image().byte(Adrb::InputFunction + 1), 7);
        QVERIFY(test::Named<QGroupBox>(*w, "GroupBoxNapetiProGear")->isVisible());
        QVERIFY(!test::Named<QGroupBox>(*w, "GroupBoxRpmSpeedProGear")->isVisible());

        QVERIFY(w.tickUntil([&] { return test::Live(w->link(), LiveField::Gear) == 3; }) > 0);
        auto *button = test::Named<QPushButton>(*w, "ButtonGear3");
        QVERIFY(button->font().bold());
        QVERIFY(Green(test::Named<TUpDownEdit>(*w, "EditGearVoltage3")));
        QVERIFY(Green(test::Named<QLabel>(*w, "LabelGear3")));
        QVERIFY(!test::Named<QPushButton>(*w, "ButtonGear2")->font().bold());
        QVERIFY(!Green(test::Named<TUpDownEdit>(*w, "EditGearVoltage2")));

        const int live = test::Live(w->link(), LiveField::GearVoltage);
        QVERIFY(live > 0);
        w.image().setWord(Adrw::GearVoltage + 3, 1234);
        w->session().ImageToPages();
        w->session().AfterEdit();
        const int steps = UndoSteps(w->session());
        button->click();
        QCOMPARE(w.image().word(Adrw::GearVoltage + 3), live);
        QCOMPARE(test::Named<TUpDownEdit>(*w, "EditGearVoltage3")->value(), live);
        QCOMPARE(UndoSteps(w->session()), steps + 1);
        auto *voltage = test::Named<QLabel>(*w, "LabelMonGearNapeti1");
        QVERIFY(voltage->text().contains(QString::number(live)));

        // A hidden page leaves its live texts alone and catches up when it is shown again.
        w.page(Page::Bike);
        const QString before = voltage->text();
        QVERIFY(w.tickUntil([&] {
            return w->monitorDisplay().LabelMonGearNapeti1.text != before.toStdString();
        }) > 0);
        QCOMPARE(voltage->text(), before);
        w.page(Page::Gear);
        QCOMPARE(voltage->text().toStdString(), w->monitorDisplay().LabelMonGearNapeti1.text);

        // Without the unit the buttons take nothing.
        w.unit().SetSilent(true);
        QVERIFY(w.tickUntil([&] { return !w->link().state().Connected; }) > 0);
        QVERIFY(!button->isEnabled());
    }

    void theRacePageMarksTheCurrentGearsRow() {
        test::Window w(Engine(EngineMode::Running));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.image().setByte(Adrb::GearMode, 1);
        w.image().setByte(Adrb::InputFunction, 3); // input 1: clutch master
        w->session().Commit();
        w.page(Page::Race);
        QVERIFY(w.tickUntil([&] { return test::Live(w->link(), LiveField::Gear) == 4; }) > 0);
        // Row 4 holds gear 4 (the first row gears 0 and 1).
        for (const char *name : {"EditClutchTime4", "EditGearCorrAdv4", "EditGearCorrLimiter4",
                                 "EditGearCorrPOut3_4", "LabelGearKor4", "LabelRaceGear4"})
            QVERIFY2(Green(test::Named<QWidget>(*w, name)), name);
        for (const char *name : {"EditClutchTime3", "EditGearCorrAdv5", "LabelGearKor3"})
            QVERIFY2(!Green(test::Named<QWidget>(*w, name)), name);
        QVERIFY(test::Named<TUpDownEdit>(*w, "EditClutchTime1")->isEnabled());
    }

    // The pages edit three power outputs: a fourth has no column; the servo correction has no unit.
    void theRacePageShowsThreeOutputsAndAServoColumnWithoutUnit() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.image().setByte(Adrb::GearMode, 1);
        w.image().setByte(Adrb::GearCount, 6);
        w->session().Commit();
        w.page(Page::Race);
        QVERIFY(test::Named<TUpDownEdit>(*w, "EditGearCorrPOut3_6")->isVisible());
        for (const char *name : {"EditGearCorrPOut4_1", "LabelGearKorPOut4"})
            QVERIFY2(!w->findChild<QWidget *>(QString::fromLatin1(name)), name);
        for (const int language : {Language::English, Language::German, Language::Czech}) {
            w->SetLanguage(language);
            QCOMPARE(test::Named<QLabel>(*w, "LabelGearKorServo")->text(), QStringLiteral("Servo"));
            // Column heads break before the unit, never inside it, and every line fits its column.
            const auto heads = w->findChildren<QLabel *>(
                QRegularExpression(QStringLiteral("^Label(GearKor\\D|ClutchTime)")));
            QCOMPARE(heads.size(), 7);
            for (QLabel *head : heads)
                for (const QString &line : head->text().split(QLatin1Char('\n'))) {
                    QVERIFY2(line.count(QLatin1Char('[')) == line.count(QLatin1Char(']')), qPrintable(line));
                    QVERIFY2(head->fontMetrics().horizontalAdvance(line) <= head->contentsRect().width(),
                             qPrintable(line));
                }
        }
    }

    void captionsAndAccessibleNamesFollowTheLanguage() {
        test::Window w(Engine(EngineMode::Stopped));
        QVERIFY(w.show());
        QVERIFY(w.connect());
        w.image().setByte(Adrb::GearMode, 1);
        w->session().Commit();
        struct Expected {
            int language;
            QString powerTitle, gearSystem, clutch, cylinder;
        };
        const Expected rounds[] = {
            {Language::German, "Modus Ausgang  2 (pin 7)", "Gangbestimmung", "Schaltautomat", "Zylinder 1"},
            {Language::Czech, QString::fromUtf8("Režim výstupu  2 (pin 7)"),
             QString::fromUtf8("Určení rychlostního stupně"), "Clutch master", QString::fromUtf8("Válec 1")},
            {Language::English, "Mode power out  2 (pin 7)", "Determining of gear", "Clutch master",
             "Cylinder 1"},
        };
        for (const Expected &e : rounds) {
            w->SetLanguage(e.language);
            QCOMPARE(test::Named<QGroupBox>(*w, "RadioGroupPOut2")->title(), e.powerTitle);
            QCOMPARE(test::Named<QGroupBox>(*w, "RadioGroupGearSystem")->title(), e.gearSystem);
            QCOMPARE(test::Named<QGroupBox>(*w, "GroupBoxClutch")->title(), e.clutch);
            QCOMPARE(test::Named<QPushButton>(*w, "ButtonTestIgn1")->text(), e.cylinder);
            QCOMPARE(Accessible(test::Named<QPushButton>(*w, "ButtonTestIgn1")), e.cylinder);
            QCOMPARE(Accessible(test::Named<TUpDownEdit>(*w, "EditGearVoltage2")),
                     test::Named<QLabel>(*w, "LabelGear2")->text());
        }
        QCOMPARE(Accessible(test::Named<TUpDownEdit>(*w, "EditGearCorrLimiter1")),
                 QStringLiteral("Limiter [rpm] 0-1"));
        QCOMPARE(Accessible(test::Named<QCheckBox>(*w, "CheckBoxPOut1Cell12")),
                 QStringLiteral("Tps 2 - Rpm 3"));
        QCOMPARE(Accessible(test::Named<TUpDownEdit>(*w, "EditPOut3Hyst")), QStringLiteral("Hysterese"));
        // Every label names the control it stands for, and every control has a name.
        for (const int index : {int(Page::PowerOut), int(Page::Gear), int(Page::Race), int(Page::Test)}) {
            QWidget *page = test::Named<QWidget>(*w, PageNames[index]);
            for (QLabel *label : page->findChildren<QLabel *>())
                if (label->buddy())
                    QCOMPARE(Accessible(label->buddy()), label->text().remove('&').trimmed());
            for (QWidget *control : page->findChildren<QWidget *>())
                if (qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QAbstractButton *>(control) ||
                    qobject_cast<QGroupBox *>(control))
                    QVERIFY2(!Accessible(control).trimmed().isEmpty(), qPrintable(control->objectName()));
        }
    }

    // With ZARVEX1_SCREENSHOTS set to a folder, the four pages in three languages go there as PNG files.
    void screenshots() {
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("ZARVEX1_SCREENSHOTS not set");
        test::Window w(Engine(EngineMode::Running));
        ParameterImage &image = w->session().image();
        image.setByte(Adrb::PowerOutMode, 4);
        image.setByte(Adrb::PowerOutMode + 1, 3);
        image.setByte(Adrb::PowerOutMode + 2, 2);
        image.setByte(Adrb::GearMode, 1);
        image.setByte(Adrb::GearCount, 6);
        w->session().Commit();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        QVERIFY(w.tickUntil([&] { return test::Live(w->link(), LiveField::Gear) >= 2; }, 400) > 0);
        const std::pair<int, const char *> pages[] = {
            {Page::PowerOut, "power"}, {Page::Gear, "gear"}, {Page::Race, "race"}, {Page::Test, "test"}};
        for (const auto &[language, suffix] :
             {std::pair{Language::English, "en"}, std::pair{Language::German, "de"},
              std::pair{Language::Czech, "cs"}}) {
            w->SetLanguage(language);
            // The tool bar with "Programming after change" ticked.
            w->findChild<QCheckBox *>(QStringLiteral("CheckBoxProgHned"))->setChecked(true);
            QTest::qWait(20);
            QVERIFY(w->findChild<QWidget *>(QStringLiteral("GroupBoxToolBar"))
                        ->grab()
                        .save(QStringLiteral("%1/toolbar-%2.png").arg(folder, suffix)));
            w->findChild<QCheckBox *>(QStringLiteral("CheckBoxProgHned"))->setChecked(false);
            for (const auto &[page, name] : pages) {
                test::Named<QTabWidget>(*w, "PageControl1")->setCurrentIndex(page);
                w.tick(2);
                QTest::qWait(20);
                QVERIFY(w->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, name, suffix)));
            }
        }
        // The other gear systems and a load sensor by pressure, in English.
        w->SetLanguage(Language::English);
        image.setByte(Adrb::LoadSensor, 2);
        image.setByte(Adrb::PowerOutLoad, 200);
        image.setByte(Adrb::GearMode, 3);
        w->session().Commit();
        for (const auto &[page, name] :
             {std::pair{int(Page::PowerOut), "power-iap"}, {int(Page::Gear), "gear-auto"}}) {
            test::Named<QTabWidget>(*w, "PageControl1")->setCurrentIndex(page);
            w.tick(2);
            QTest::qWait(20);
            QVERIFY(w->grab().save(QStringLiteral("%1/%2-en.png").arg(folder, name)));
        }
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(RacePagesTest)
#include "race_pages_test.moc"
