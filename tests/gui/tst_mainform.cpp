#include "app/MainForm.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir_->path().toUtf8());
    }

    void pagesComeInTheirFixedOrder() {
        TMainForm form(StartOptions{});
        const QStringList names = {"TabSheet_Bike",  "TabSheet_Inputs",   "TabSheet_Advance",
                                   "TabSheet_Servo", "TabSheet_PowerOut", "TabSheet_Gear",
                                   "TabSheet_Race",  "TabSheet_Test",     "TabSheet_Monitor"};
        QCOMPARE(form.PageControl1->count(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(form.PageControl1->widget(i)->objectName(), names[i]);
        QCOMPARE(form.PageControl1->tabText(4), QStringLiteral("Power out"));
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
        TMainForm form(StartOptions::Parse(arguments, {}));
        QCOMPARE(form.PageControl1->tabText(0), bikeCaption);
        QCOMPARE(form.LabelSpojeni->text(), banner);
    }

    void statusBarShowsVersionAndFixedTexts() {
        TMainForm form(StartOptions{});
        QVERIFY(form.statusPanels[2]->text().startsWith(QStringLiteral("ZARVEX1   RSKEY=99   COMPILE=")));
        QCOMPARE(form.statusPanels[2]->text(), form.versionText);
        QCOMPARE(form.statusPanels[1]->text(), QStringLiteral("EXE"));
        QCOMPARE(form.statusPanels[3]->text(), QStringLiteral("HEX"));
        form.Timer1Timer();
        QCOMPARE(form.statusPanels[4]->text(), QStringLiteral("not connected"));
    }

    void messageLineStaysFor200Ticks() {
        TMainForm form(StartOptions{});
        form.show();
        form.ShowMessageLine(QStringLiteral("Read error!"), FromBgr(MessageColourError));
        QCOMPARE(form.LabelMessage->text(), QStringLiteral("Read error!"));
        QCOMPARE(form.LabelMessage->palette().color(QPalette::Window), QColor(255, 0, 0));
        for (int i = 0; i < 200; ++i)
            form.Timer1Timer();
        QVERIFY(form.LabelMessage->isVisible());
        form.Timer1Timer();
        QVERIFY(!form.LabelMessage->isVisible());
        QVERIFY(!form.CGaugeProgram->isVisible());
    }

    void printingHidesMessageLineAndBannerButCountersGoOn() {
        TMainForm form(StartOptions{});
        form.show();
        form.Timer1Timer();
        QVERIFY(form.LabelSpojeni->isVisible());
        form.Printing = true;
        form.ShowMessageLine(QStringLiteral("x"), Qt::white);
        form.Timer1Timer();
        QVERIFY(!form.LabelMessage->isVisible());
        QVERIFY(!form.LabelSpojeni->isVisible());
        QCOMPARE(form.MessageTicks, 199);
    }

    void undoAndRedoFollowTheCommits() {
        TMainForm form(StartOptions{});
        auto *undo = form.findChild<QAction *>(QStringLiteral("MenuZpet"));
        auto *redo = form.findChild<QAction *>(QStringLiteral("MenuZnovu"));
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());

        const ParameterImage start = form.image;
        form.Commit(); // nothing changed: no entry
        QVERIFY(!undo->isEnabled());

        form.PageControl1->setCurrentIndex(Page::Gear);
        form.image.setByte(Adrb::GearCount, 4);
        form.Commit();
        QVERIFY(undo->isEnabled());
        form.PageControl1->setCurrentIndex(Page::Bike);

        undo->trigger();
        QCOMPARE(form.image, start);
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(form.image.byte(Adrb::GearCount), 4);
        QCOMPARE(form.ActivePageIndex(), int(Page::Gear)); // the page of the entry comes back
    }

    void languageMenuTicksTheLanguageAndRelabels() {
        TMainForm form(StartOptions{});
        auto *german = form.findChild<QAction *>(QStringLiteral("MenuGerman"));
        german->trigger();
        QVERIFY(german->isChecked());
        QCOMPARE(form.settings.languageIndex, 1);
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("MenuRead"))->text(), QStringLiteral("&Lesen"));
        QCOMPARE(form.messageTexts[6], std::string("Lesefehler"));
    }

private:
    std::unique_ptr<QTemporaryDir> settingsDir_;
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
