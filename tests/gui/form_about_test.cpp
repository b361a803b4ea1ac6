#include "gui/about/FormAbout.h"
#include "window_fixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

using namespace zarvex1;

class FormAboutTest : public QObject {
    Q_OBJECT
private slots:
    void showsVersionBuildDateAndTimeOnWhite() {
        TFormAbout about;
        QCOMPARE(about.size(), QSize(240, 267));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(about.labelRsKey()->text(), QStringLiteral("Version - 99"));
        QCOMPARE(about.labelRsKey()->pos(), QPoint(24, 186));
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [1-9][0-9]? [0-9]{4}$"))
                    .match(about.labelDate()->text())
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2}$"))
                    .match(about.labelTime()->text())
                    .hasMatch());
        QCOMPARE(about.image1()->geometry(), QRect(38, 32, 159, 81));
        QVERIFY(!about.image1()->pixmap().isNull());
        QCOMPARE(about.labelExit()->text(), QStringLiteral("OK"));
        QCOMPARE(about.labelExit()->font().pixelSize(), 23);
    }

    void captionFollowsTheLanguageAtEachShowingAndOkCloses() {
        TFormAbout about;
        const std::pair<int, QString> rows[] = {
            {1, QString::fromUtf8("Über Programm ZARVEX1")},
            {3, QStringLiteral("O programu ZARVEX1")},
            {0, QStringLiteral("About ZARVEX1")},
        };
        for (const auto &[language, caption] : rows) {
            about.ShowAbout(language);
            QVERIFY(about.isVisible());
            QVERIFY(about.isModal());
            QCOMPARE(about.windowTitle(), caption);
            QVERIFY(about.image1()->isVisible());
            QVERIFY(!about.image2()->isVisible());
            QTest::mouseClick(about.labelExit(), Qt::LeftButton);
            QVERIFY(!about.isVisible());
        }
        // The keyboard closes it too.
        about.ShowAbout(0);
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void centredOnTheScreen() {
        TFormAbout about;
        about.ShowAbout(0);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(about.x(), screen.x() + screen.width() / 2 - about.width() / 2);
        QCOMPARE(about.y(), screen.y() + screen.height() / 2 - about.height() / 2);
        about.close();
    }

    void helpAboutShowsItInTheWindowsLanguage() {
        test::Window form{test::Scripted{}};
        form->SetLanguage(1);
        test::Named<QAction>(*form, "MenuAbout")->trigger();
        QVERIFY(test::Named<TFormAbout>(*form, "FormAbout")->isVisible());
        QCOMPARE(test::Named<TFormAbout>(*form, "FormAbout")->windowTitle(),
                 QString::fromUtf8("Über Programm ZARVEX1"));
        // The build date is the one the status bar shows.
        const QStringList date =
            test::Named<TFormAbout>(*form, "FormAbout")->labelDate()->text().split(QLatin1Char(' '));
        QVERIFY(test::Named<QLabel>(*form, "StatusPanel2")
                    ->text()
                    .contains(QStringLiteral("COMPILE=") + date.last()));
        test::Named<TFormAbout>(*form, "FormAbout")->close();
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(FormAboutTest)
#include "form_about_test.moc"
