#include "gui/app/HelpManual.h"
#include "pdf_pages.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

using namespace zarvex1;

namespace {

// The bookmarks' titles that begin with a chapter number, in the file's order.
QStringList ChapterBookmarks(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString pdf = QString::fromLatin1(file.readAll());
    if (!pdf.contains(QStringLiteral("/Type /Outlines")))
        return {};
    QStringList chapters;
    auto titles = QRegularExpression(QStringLiteral("/Title <FEFF([0-9A-F]*)>")).globalMatch(pdf);
    while (titles.hasNext()) {
        const QString hex = titles.next().captured(1);
        QString title;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            title += QChar(hex.mid(i, 4).toUShort(nullptr, 16));
        if (title.front().isDigit())
            chapters << title;
    }
    return chapters;
}

} // namespace

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

    // On a free desktop only the opener's exit status tells whether a viewer was found (xdg-open ends
    // with 3 where none is set up): any error of it, or an opener that is not there, gives the message.
    void theOpenersErrorSaysWhereTheManualIs_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("message");
        QTest::newRow("viewer found") << "true" << false;
        QTest::newRow("opener ends with an error") << "false" << true;
        QTest::newRow("no opener") << "zarvex1-no-such-opener" << true;
    }
    void theOpenersErrorSaysWhereTheManualIs() {
        QFETCH(QString, opener);
        QFETCH(bool, message);
        const auto hook = std::exchange(HelpManual::openHook, nullptr);
        const QString desktop = std::exchange(HelpManual::opener, opener);
        test::Window form(test::Scripted{StartOptions::Parse({QStringLiteral("ENGLISH")}, {})});
        QFile manual(work_.filePath(QStringLiteral("manual_ZARVEX1_en.pdf")));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        test::Named<QAction>(*form, "MenuContens")->trigger();
        QVERIFY(form.messages.isEmpty()); // the window does not wait for the opener
        if (message) {
            QTRY_COMPARE(form.messages.size(), 1);
            const QStringList lines = form.messages.front().split(QLatin1Char('\n'));
            QCOMPARE(lines.value(0), QStringLiteral("Error by opening file manual_ZARVEX1_en.pdf !"));
            QVERIFY2(lines.value(1).startsWith("The file is " + manual.fileName() + ", but the desktop"),
                     qPrintable(lines.value(1)));
        } else {
            auto *process = QCoreApplication::instance()->findChild<QProcess *>();
            QVERIFY(process);
            QVERIFY(process->waitForFinished(10000));
            QVERIFY(form.messages.isEmpty());
        }
        HelpManual::openHook = hook;
        HelpManual::opener = desktop;
        QFile::remove(manual.fileName());
    }

    // The build makes the three manuals from their texts, with a bookmark for every chapter, numbered
    // from 1 without a gap.
    void theBuildMadeTheManuals() {
        for (const char *language : {"en", "de", "cz"}) {
            const QString pdf =
                QStringLiteral(ZARVEX1_MANUAL_DIR "/manual_ZARVEX1_%1.pdf").arg(QLatin1String(language));
            QVERIFY2(test::PdfPageCount(pdf) >= 2, qPrintable(pdf));
            const QStringList chapters = ChapterBookmarks(pdf);
            QVERIFY2(chapters.size() >= 10, qPrintable(chapters.join(QLatin1Char('|'))));
            for (int i = 0; i < chapters.size(); ++i)
                QVERIFY2(chapters[i].startsWith(QString::number(i + 1) + QStringLiteral(". ")),
                         qPrintable(chapters.join(QLatin1Char('|'))));
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
