// The Bike and Inputs pages driven through their real controls, offscreen.
#include "gui/app/MainForm.h"
#include "gui/pages/BikePage.h"
#include "gui/pages/InputsPage.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/RadioGroup.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

namespace {

// Clicks the up arrow of a spin box.
void ClickUp(QSpinBox *box) {
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_SpinBoxUp;
    option.buttonSymbols = box->buttonSymbols();
    option.frame = true;
    const QRect up = box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, up.center());
}

QLineEdit *EditOf(QSpinBox *box) {
    return box->findChild<QLineEdit *>();
}

void TypeInto(QSpinBox *box, const QString &text) {
    box->setFocus();
    EditOf(box)->selectAll();
    QTest::keyClicks(EditOf(box), text);
}

// Clicks a radio item on its button, not somewhere in its row.
void ClickItem(QRadioButton *item) {
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

QString Accessible(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        questions_.clear();
        Dialogs::askHook = [this](const QString &text) {
            questions_ << text;
            return answer_;
        };
        answer_ = QMessageBox::Yes;
    }

    void typingAValueAndEnterCommitsItWithOneUndoEntry() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Inputs);
        auto *edit = test::Named<TUpDownEdit>(*w, "EditSoftLimiter");
        QVERIFY(edit);
        TypeInto(edit, QStringLiteral("9650"));
        QVERIFY(!test::Named<QAction>(*w, "MenuZpet")->isEnabled());
        QTest::keyClick(EditOf(edit), Qt::Key_Return);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9650);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(w.undoSteps(), 1);
        // A position of 1000 or more shows the thousands separator.
        QCOMPARE(edit->text(), QStringLiteral("9") + edit->locale().groupSeparator() + QStringLiteral("650"));
        test::Named<QAction>(*w, "MenuZpet")->trigger();
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 10800);
        QCOMPARE(edit->value(), 10800);
    }

    void typedValueIsClampedAndLeavingTheEditCommits() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Bike);
        auto *edit = test::Named<TUpDownEdit>(*w, "EditRpmKorekce");
        TypeInto(edit, QStringLiteral("-60"));
        test::Named<QCheckBox>(*w, "CheckBox4TaktIgn")->setFocus(); // leaving the edit
        QCOMPARE(w.image().byte(Adrb::TachoCorrection), 40);
        QCOMPARE(w.undoSteps(), 1);
    }

    void spinnerClicksCommitOnceOnTheFifthTickAfterTheLast() {
        test::Window w{test::Scripted({}, {}, true)};
        w.image().setByte(Adrb::InputFunction + 2, 4); // input 3 retard: the retard edits are enabled
        w.page(Page::Inputs);
        auto *retard = test::Named<TUpDownEdit>(*w, "EditRetard");
        QVERIFY(retard->isEnabled() && retard->upDownVisible());
        const int start = w.image().byte(Adrb::Retard);
        for (int i = 0; i < 3; ++i)
            ClickUp(retard);
        QCOMPARE(retard->value(), start + 3);
        w.tick(4);
        QCOMPARE(w.image().byte(Adrb::Retard), start);
        w.tick(1);
        QCOMPARE(w.image().byte(Adrb::Retard), start + 3);
        QCOMPARE(w.undoSteps(), 1);

        // A click then a check box: one commit at the check box, storing both.
        ClickUp(retard);
        QTest::mouseClick(test::Named<QCheckBox>(*w, "CheckBoxInvInput1"), Qt::LeftButton);
        QCOMPARE(w.image().byte(Adrb::Retard), start + 4);
        QCOMPARE(w.image().byte(Adrb::InputInverted), 1);
        QCOMPARE(w.undoSteps(), 2);
        w.tick(10);
        QCOMPARE(w.undoSteps(), 2);

        // Clicks still waiting when another page is chosen are kept.
        ClickUp(retard);
        w.page(Page::Bike);
        QCOMPARE(w.image().byte(Adrb::Retard), start + 5);
        w.tick(10);
        QCOMPARE(w.image().byte(Adrb::Retard), start + 5);
    }

    void spinnerStepsFromTheTypedText() {
        test::Window w{test::Scripted({}, {}, true)};
        w.image().setByte(Adrb::InputFunction + 2, 4);
        w.page(Page::Inputs);
        auto *retard = test::Named<TUpDownEdit>(*w, "EditRetard");
        TypeInto(retard, QStringLiteral("20"));
        ClickUp(retard);
        QCOMPARE(retard->value(), 21);
        w.tick(PageMachine::CommitDelay);
        QCOMPARE(w.image().byte(Adrb::Retard), 21);
        QCOMPARE(w.undoSteps(), 1);
    }

    void statesFollowTheInputs() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Inputs);
        auto *input3 = test::Named<TRadioGroup>(*w, "RadioGroupInput3");
        auto *startSoft = test::Named<TUpDownEdit>(*w, "EditStartSoftLimiter");
        QVERIFY(startSoft->isEnabled() && startSoft->upDownVisible()); // input 3 is the start limiter
        ClickItem(input3->item(4));                                    // retard
        QCOMPARE(w.image().byte(Adrb::InputFunction + 2), 4);
        QVERIFY(!startSoft->isEnabled());
        QVERIFY(!startSoft->upDownVisible());
        QVERIFY(test::Named<TUpDownEdit>(*w, "EditRetard")->isEnabled());
        QVERIFY(!test::Named<QLabel>(*w, "LabelStartSoftLimiter")->isEnabled());

        // Gear detection by voltage takes input 2.
        w.image().setByte(Adrb::GearMode, 1);
        w->session().ImageToPages();
        QVERIFY(!test::Named<TRadioGroup>(*w, "RadioGroupInput2")->isEnabled());
        QCOMPARE(test::Named<TRadioGroup>(*w, "RadioGroupInput2")->itemIndex(), 7);
    }

    void loadSensorChangeResetsTheThresholdsAndPotentiometerModeSetsItsRange() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Inputs);
        ClickItem(test::Named<TRadioGroup>(*w, "RadioGroupTpsIap")->item(2));
        QCOMPARE(w.image().byte(Adrb::LoadSensor), 2);
        QCOMPARE(w.image().byte(Adrb::PowerOutLoad), 15);
        QCOMPARE(w.image().byte(Adrb::PowerOutLoad + 5), 18);

        auto *range = test::Named<TUpDownEdit>(*w, "EditPotencRozsah");
        ClickItem(test::Named<TRadioGroup>(*w, "RadioGroupModePotencMode")->item(4));
        QCOMPARE(w.image().byte(Adrb::PotentiometerUse), 4);
        QCOMPARE(w.image().word(Adrw::PotentiometerRange), 2000);
        QCOMPARE(range->value(), 2000);
        QCOMPARE(range->maximum(), 10000);
        QCOMPARE(range->singleStep(), 100);
        QCOMPARE(w.undoSteps(), 2);
    }

    void motorbikeChangeAsksAndSetsThePreset() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Bike);
        w.image().setWord(Adrw::SoftLimiter, 9000);
        w->session().Commit();
        auto *bike = test::Named<QComboBox>(*w, "ComboBoxBike");
        answer_ = QMessageBox::No;
        bike->setCurrentIndex(1);
        emit bike->activated(1);
        QCOMPARE(questions_, QStringList{QStringLiteral("Do you want default setting?")});
        QCOMPARE(w.image().byte(Adrb::BikeType), 2);
        QCOMPARE(w.image().byte(Adrb::IgnitionsPerRevolution), 2);
        QCOMPARE(w.image().word(Adrw::SoftLimiter), 9000);
        QCOMPARE(test::Named<QComboBox>(*w, "ComboBoxNasobekPalcu")->currentIndex(), 2);

        // Special setting with method 9: no question, and pick-up 1 loses its automatic polarity.
        bike->setCurrentIndex(BikePageModel::SpecialItem);
        emit bike->activated(BikePageModel::SpecialItem);
        QVERIFY(test::Named<QComboBox>(*w, "ComboBoxSynchro")->isEnabled());
        auto *synchro = test::Named<QComboBox>(*w, "ComboBoxSynchro");
        synchro->setCurrentIndex(9);
        emit synchro->activated(9);
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(w.image().byte(Adrb::PickupSystem), 9);
        QVERIFY(test::Named<QRadioButton>(*w, "RadioGroupPickup1Polarita_Item2")->isHidden());
        // Automatic polarity kept from before is not offered: no item shows, and a store keeps the byte.
        w.image().setByte(Adrb::InvPickup1, 2);
        w->session().ImageToPages();
        QCOMPARE(test::Named<TRadioGroup>(*w, "RadioGroupPickup1Polarita")->itemIndex(), -1);
        w->session().Commit();
        QCOMPARE(w.image().byte(Adrb::InvPickup1), 2);
        QCOMPARE(w.image().byte(Adrb::MaxAdvanceSecondEdge), 1);
        QVERIFY(!test::Named<QCheckBox>(*w, "CheckBoxPalec1ZacH2")->isEnabled());
    }

    void captionsAndAccessibleNamesFollowTheLanguage() {
        test::Window w{test::Scripted({}, {}, true)};
        struct Expected {
            int language;
            QString bikeTab, retardLabel, special, bikeItem0;
        };
        const Expected rounds[] = {
            {Language::German, "Motorrad", QString::fromUtf8("Spätzündung [°]"),
             QString::fromUtf8("Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!"),
             QString::fromUtf8("Klassisch (1 Leitstück, 1 oder 2 Geber)")},
            {Language::Czech, "Motocykl", QString::fromUtf8("Snížení předstihu [°]"),
             QString::fromUtf8("Popis synchronizace - Pozor - pouze pro zkušené uživatele!"),
             QString::fromUtf8("Klasika (1 výstupek, 1 nebo 2 snimače)")},
            {Language::English, "Bike", QString::fromUtf8("Retard [°]"),
             "Specification of synchronization - Caution - For experienced user only!",
             "Classic (1 lobe, 1 or 2 pick-up) "},
        };
        auto *bike = test::Named<QComboBox>(*w, "ComboBoxBike");
        for (const Expected &e : rounds) {
            w->SetLanguage(e.language);
            QCOMPARE(test::Named<QTabWidget>(*w, "PageControl1")->tabText(Page::Bike), e.bikeTab);
            QCOMPARE(test::Named<QLabel>(*w, "LabelRetard")->text(), e.retardLabel);
            QCOMPARE(test::Named<QGroupBox>(*w, "GroupBoxSpecial")->title(), e.special);
            QCOMPARE(bike->itemText(0), e.bikeItem0);
            QCOMPARE(bike->currentIndex(), 0); // the chosen item stays
            QCOMPARE(bike->itemText(1), QStringLiteral("Standard  (2 lobe  per revol., 1 or 2 pick-up) "));
            QCOMPARE(Accessible(test::Named<TUpDownEdit>(*w, "EditRetard")), e.retardLabel);
        }
        // Every label names the control it stands for, and every control has a name.
        for (QWidget *page : {test::Named<QWidget>(*w, PageNames[Page::Bike]),
                              test::Named<QWidget>(*w, PageNames[Page::Inputs])}) {
            for (QLabel *label : page->findChildren<QLabel *>()) {
                if (!label->buddy())
                    continue;
                if (qobject_cast<QComboBox *>(label->buddy())) {
                    // A combo box's name is its item; its label stands beside it as the labelling relation.
                    const auto relations =
                        QAccessible::queryAccessibleInterface(label->buddy())->relations(QAccessible::Label);
                    QVERIFY(std::any_of(relations.begin(), relations.end(), [&](const auto &relation) {
                        return relation.first->object() == label;
                    }));
                } else {
                    QCOMPARE(Accessible(label->buddy()), label->text().remove('&').trimmed());
                }
            }
            for (QWidget *control : page->findChildren<QWidget *>()) {
                if (qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QCheckBox *>(control) ||
                    qobject_cast<QRadioButton *>(control) || qobject_cast<QGroupBox *>(control))
                    QVERIFY2(!Accessible(control).trimmed().isEmpty(), qPrintable(control->objectName()));
            }
        }
    }

    void programmingAfterChangeSendsTheEditToTheUnit() {
        SimOptions quiet;
        quiet.savingMs = 0;
        test::Window w(quiet);
        w->show();
        QVERIFY(w.tickUntil([&] { return w->link().state().Connected; }, 20) > 0);
        test::Named<QCheckBox>(*w, "CheckBoxProgHned")->click();
        test::Named<QTabWidget>(*w, "PageControl1")->setCurrentIndex(Page::Inputs);
        auto *edit = w->findChild<TUpDownEdit *>(QStringLiteral("EditHardLimiter"));
        TypeInto(edit, QStringLiteral("11500"));
        QTest::keyClick(EditOf(edit), Qt::Key_Return);
        QCOMPARE(w->session().image().word(Adrw::HardLimiter), 11500);
        QCOMPARE(w->link().state().LinkRequest, LinkRequest::Program);
        QVERIFY(w.tickUntil([&] { return w->link().state().LinkRequest == LinkRequest::None; }) > 0);
        QCOMPARE(w.unit().unit().memory(), w->session().image());
        QCOMPARE(w.unit().requestsOf(0x03), 1); // each block programmed once
        QVERIFY(test::Named<QLabel>(*w, "LabelMessage")->text().startsWith(QStringLiteral("Verify:")));
        // The unit told its program with the first block; the Bike page shows it, its date as hint.
        auto *version = w->findChild<QLabel *>(QStringLiteral("LabelVerze1"));
        QCOMPARE(version->text(), QString::fromStdString(w->link().deviceTexts().programName));
        QVERIFY(!version->text().isEmpty());
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("LabelVerze2"))->toolTip(),
                 QStringLiteral("Date of program in ignition"));
    }

    void hiddenAtStartAndTheWindowsOwnStates() {
        test::Window w{test::Scripted({}, {}, true)};
        for (const char *name : {"CheckBoxZamenaPickup", "LabelPocKanalu", "EditPocKanalu"})
            QVERIFY2(test::Named<QWidget>(*w, name)->isHidden(), name);
        // The first-start set has one lobe with a second pick-up and two outputs.
        QVERIFY(!test::Named<QWidget>(*w, "RadioGroupPickup2Polarita")->isHidden());
        QVERIFY(!test::Named<QWidget>(*w, "LabelAdvance2")->isHidden());
        QVERIFY(!test::Named<QWidget>(*w, "LabelMonSnimac2")->isHidden());
        w.image().setByte(Adrb::OutputCount, 1);
        w.image().setByte(Adrb::PickupSystem, 3);
        w->session().ImageToPages();
        QVERIFY(test::Named<QWidget>(*w, "LabelAdvance2")->isHidden());
        QVERIFY(test::Named<QWidget>(*w, "LabelMonSnimac2")->isHidden());
        QVERIFY(test::Named<QWidget>(*w, "RadioGroupPickup2Polarita")->isHidden());
        QVERIFY(test::Named<QWidget>(*w, "EditPocKanalu")->isHidden()); // stays hidden
    }

    // The two channels' lobe edits and flags stand in the same columns whatever the method shows, and a
    // column head stands only over a column that is there.
    void theChannelGridsStayAligned() {
        test::Window w{test::Scripted({}, {}, true)};
        w.page(Page::Bike);
        w.image().setByte(Adrb::BikeType, 1); // special
        w.image().setByte(Adrb::OutputCount, 2);
        const auto control = [&](const QByteArray &name) {
            return test::Named<QWidget>(*w, name.constData());
        };
        const auto x = [&](const QByteArray &name) {
            return control(name)->mapTo(w.form.get(), QPoint()).x();
        };
        for (const int method : {0, 4, 9, 12, 4}) {
            w.image().setByte(Adrb::PickupSystem, method);
            w->session().ImageToPages();
            QApplication::processEvents();
            const QByteArray what = "method " + QByteArray::number(method);
            for (const char *edge : {"Zac", "End"}) {
                const QByteArray one = QByteArray("Palec1") + edge, two = QByteArray("Palec2") + edge;
                QVERIFY2(x("Edit" + one) == x("Edit" + two), what);
                QVERIFY2(control("Edit" + one)->width() == control("Edit" + two)->width(), what);
                QVERIFY2(x("CheckBox" + one + "H2") == x("CheckBox" + two + "H2"), what);
                QVERIFY2(x("CheckBox" + one + "P2") == x("CheckBox" + two + "P2"), what);
            }
            QVERIFY2(test::Named<QWidget>(*w, "LabelSnimac2")->isVisible() ==
                         test::Named<QWidget>(*w, "CheckBoxPalec1ZacP2")->isVisible(),
                     what);
        }
    }

    // With ZARVEX1_SCREENSHOTS set to a folder, the two pages in three languages go there as PNG files.
    void screenshots() {
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("ZARVEX1_SCREENSHOTS not set");
        // ZARVEX1_SCREENSHOT_FONT=8 takes the pictures with an 8-point sans-serif font.
        if (const int points = qEnvironmentVariableIntValue("ZARVEX1_SCREENSHOT_FONT"); points > 0)
            QApplication::setFont(QFont(QStringLiteral("Sans Serif"), points));
        test::Window w{test::Scripted({}, {}, true)};
        // The set of a first start: the synchronisation greyed, for the classic motorbike type.
        QVERIFY(w.form->grab().save(folder + QStringLiteral("/bike-classic-en.png")));
        w.image().setByte(Adrb::BikeType, 1); // special: every control of the synchronisation is in use
        w.image().setByte(Adrb::PickupSystem, 4);
        w->session().ImageToPages();
        for (const auto &[language, suffix] :
             {std::pair{Language::English, "en"}, std::pair{Language::German, "de"},
              std::pair{Language::Czech, "cs"}}) {
            w->SetLanguage(language);
            for (const int page : {int(Page::Bike), int(Page::Inputs)}) {
                w.page(page);
                QTest::qWait(20);
                const QString name = QStringLiteral("%1/%2-%3.png")
                                         .arg(folder, page == Page::Bike ? "bike" : "inputs", suffix);
                QVERIFY(w.form->grab().save(name));
                qInfo("%s: window %dx%d", qPrintable(name), w.form->width(), w.form->height());
            }
            // Method 9, (48-2): no second pick-up, both channels from the second edge.
            w.image().setByte(Adrb::PickupSystem, 9);
            w->session().ImageToPages();
            w.page(Page::Bike);
            QTest::qWait(20);
            QVERIFY(w.form->grab().save(QStringLiteral("%1/bike-method9-%2.png").arg(folder, suffix)));
            w.image().setByte(Adrb::PickupSystem, 4);
            w->session().ImageToPages();
        }
    }

private:
    QStringList questions_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(PagesTest)
#include "pages_test.moc"
