#include "gui/app/HelpManual.h"
#include "pdf_pages.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

class HelpManualTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // No desktop data folder of this machine may hold a manual for these tests.
        qputenv("XDG_DATA_HOME", dataDir_.path().toUtf8());
        qputenv("XDG_DATA_DIRS", dataDir_.path().toUtf8());
        HelpManual::openHook = [this](const QUrl &url) {
            opened_ << url;
            return viewerWorks_;
        };
    }
    void init() {
        opened_.clear();
        viewerWorks_ = true;
        QVERIFY(work_.isValid());
        QDir::setCurrent(work_.path());
        QFile::remove(work_.filePath(QStringLiteral("manual_ZARVEX1_de.pdf")));
    }

    void contentsOpensTheManualOfTheLanguage() {
        test::Window form(test::Scripted{StartOptions::Parse({QStringLiteral("DEUTSCH")}, {})});
        QFile manual(work_.filePath(QStringLiteral("manual_ZARVEX1_de.pdf")));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.write("%PDF-1.4\n");
        manual.close();
        test::Named<QAction>(*form, "MenuContens")->trigger();
        QCOMPARE(opened_,
                 QList<QUrl>{QUrl::fromLocalFile(work_.filePath(QStringLiteral("manual_ZARVEX1_de.pdf")))});
        QVERIFY(form.messages.isEmpty());
    }

    // The message says why and lists the folders looked in, the current one first.
    void aMissingManualSaysWhyAndWhereInTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("why");
        QTest::newRow("en") << "ENGLISH"
                            << "Error by opening file manual_ZARVEX1_en.pdf !"
                            << "The file is in none of the folders the program looks in:";
        QTest::newRow("de") << "DEUTSCH"
                            << QString::fromUtf8("Fehler beim öffnen der Datei manual_ZARVEX1_de.pdf !")
                            << "Die Datei ist in keinem der Ordner, in denen das Programm sucht:";
        QTest::newRow("cz") << "CESKY"
                            << QString::fromUtf8("Chyba při otevírání souboru manual_ZARVEX1_cz.pdf !")
                            << QString::fromUtf8(
                                   "Soubor není v žádné ze složek, ve kterých jej program hledá:");
    }
    void aMissingManualSaysWhyAndWhereInTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        QFETCH(QString, why);
        test::Window form(test::Scripted{StartOptions::Parse({language}, {})});
        test::Named<QAction>(*form, "MenuContens")->trigger();
        QVERIFY(opened_.isEmpty());
        QCOMPARE(form.messages.size(), 1);
        const QStringList lines = form.messages.front().split(QLatin1Char('\n'));
        QVERIFY2(lines.size() >= 5, qPrintable(form.messages.front()));
        QCOMPARE(lines.mid(0, 3), QStringList({message, why, QDir::currentPath()}));
        QCOMPARE(lines[3], QCoreApplication::applicationDirPath());
        QVERIFY(lines.contains(QDir(dataDir_.path()).filePath(QStringLiteral("zarvex1"))));
    }

    void aViewerThatFailsSaysWhereTheManualIs() {
        test::Window form(test::Scripted{StartOptions::Parse({QStringLiteral("DEUTSCH")}, {})});
        QFile manual(work_.filePath(QStringLiteral("manual_ZARVEX1_de.pdf")));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        viewerWorks_ = false;
        test::Named<QAction>(*form, "MenuContens")->trigger();
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(form.messages.size(), 1);
        const QStringList lines = form.messages.front().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString::fromUtf8("Fehler beim öffnen der Datei manual_ZARVEX1_de.pdf !"));
        QVERIFY2(lines[1].startsWith("Die Datei liegt in " + manual.fileName() + ", doch der Desktop"),
                 qPrintable(lines[1]));
        QVERIFY(lines[1].contains(QStringLiteral("xdg-utils")));
    }

    // The build makes the three manuals from their texts.
    void theBuildMadeTheManuals() {
        for (const char *language : {"en", "de", "cz"}) {
            const QString pdf =
                QStringLiteral(ZARVEX1_MANUAL_DIR "/manual_ZARVEX1_%1.pdf").arg(QLatin1String(language));
            QVERIFY2(test::PdfPageCount(pdf) >= 2, qPrintable(pdf));
        }
    }

private:
    QTemporaryDir dataDir_;
    QTemporaryDir work_;
    QList<QUrl> opened_;
    bool viewerWorks_ = true;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(HelpManualTest)
#include "help_manual_test.moc"
