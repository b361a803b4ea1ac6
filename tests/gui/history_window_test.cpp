#include "named_controls.h"

#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "core/texts/MessageTexts.h"
#include "gui/app/MainForm.h"
#include "gui/safety/HistoryWindow.h"
#include "gui/widgets/Dialogs.h"
#include "link/mock_port.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Newest first: time, event, unit, programming count (blank when no live values came), file name and
    // the values changed against the point before; the chosen point goes to the compare or to Open.
    void listsThePointsNewestFirstAndHandsTheChosenOne() {
        QTemporaryDir dir;
        RestorePointStore store(dir.filePath(QStringLiteral("history")).toStdString(), true);
        const auto start = RestoreClock::now();
        ParameterImage set = FirstStartSet();
        store.Write(set, {start, RestoreEvent::Read, "ZRX07", 41});
        set.setByte(Adrb::Retard, set.byte(Adrb::Retard) + 1);
        set.setByte(Adrb::Advance1, set.byte(Adrb::Advance1) + 1);
        store.Write(set, {start + std::chrono::seconds(5), RestoreEvent::Program, "", std::nullopt});

        HistoryWindow window;
        window.ShowPoints(store.List());
        QAbstractItemModel *model = window.Table()->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, RestorePointModel::Event).data().toString(), QStringLiteral("Programmed"));
        QCOMPARE(model->index(0, RestorePointModel::Unit).data().toString(), QString());
        QCOMPARE(model->index(0, RestorePointModel::Count).data().toString(), QString());
        QCOMPARE(model->index(0, RestorePointModel::Changed).data().toString(), QStringLiteral("2"));
        QCOMPARE(model->index(1, RestorePointModel::Unit).data().toString(), QStringLiteral("ZRX07"));
        QCOMPARE(model->index(1, RestorePointModel::Count).data().toString(), QStringLiteral("41"));
        QCOMPARE(model->index(1, RestorePointModel::Changed).data().toString(), QString());
        QVERIFY(model->index(1, RestorePointModel::File).data().toString().endsWith(QStringLiteral(".ign")));

        window.Table()->selectRow(1);
        QSignalSpy compare(&window, &HistoryWindow::compareRequested);
        QSignalSpy open(&window, &HistoryWindow::openRequested);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("ButtonCompareWithScreen")),
                          Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("ButtonOpenRestorePoint")),
                          Qt::LeftButton);
        QCOMPARE(compare.count(), 1);
        QCOMPARE(open.count(), 1);
        QCOMPARE(compare.first().first().value<RestorePoint>().details.event, RestoreEvent::Read);

        window.SetLanguage(Language::German);
        QCOMPARE(model->headerData(RestorePointModel::Event, Qt::Horizontal).toString(),
                 QStringLiteral("Ereignis"));
        QCOMPARE(model->index(1, RestorePointModel::Event).data().toString(), QStringLiteral("Gelesen"));
        auto *openButton = window.findChild<QPushButton *>(QStringLiteral("ButtonOpenRestorePoint"));
        QCOMPARE(openButton->text(), QString::fromUtf8("Öffnen"));
        QCOMPARE(openButton->accessibleName(), openButton->text());
    }

    // Every header shows whole in every language at the window's first size (the file name column takes
    // the room that is left).
    void headersAreNotCutInAnyLanguage() {
        HistoryWindow window;
        window.ShowPoints({});
        QHeaderView *header = window.Table()->horizontalHeader();
        for (int language : {Language::English, Language::German, Language::Czech}) {
            window.SetLanguage(language);
            for (int c = 0; c < RestorePointModel::ColumnCount; ++c)
                QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                         qPrintable(QStringLiteral("language %1: %2")
                                        .arg(language)
                                        .arg(header->model()->headerData(c, Qt::Horizontal).toString())));
        }
    }

    // Open takes the point's set as Open takes a file (one undo step), but the point's file does not
    // become the window's: the caption does not name it, and Save asks for a name starting at the user's
    // last file, so that nothing is written into the history folder.
    void openingAPointLeavesTheSetWithoutAFileOfItsOwn() {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("settings"));
        qputenv("ZARVEX1_SETTINGS_DIR", settings.toUtf8());
        QStringList messages;
        QString chosen, saveStart;
        Dialogs::messageHook = [&](const QString &text) { messages << text; };
        Dialogs::saveHook = [&](const QString &start) {
            saveStart = start;
            return chosen;
        };
        TMainForm form(StartOptions{}, std::make_unique<test::MockPort>());
        ParameterSession &session = form.session();
        ParameterImage pointSet = session.image();
        pointSet.setWord(Adrw::SoftLimiter, 9300);
        RestorePointStore store(RestorePointStore::FolderBeside(settings.toStdString()), false);
        const auto point = store.Write(pointSet, {RestoreClock::now(), RestoreEvent::Read, "ZRX07", 41});
        QVERIFY(point.written);
        QFile pointFile(QString::fromStdString(point.path.string()));
        QVERIFY(pointFile.open(QIODevice::ReadOnly));
        const QByteArray pointBytes = pointFile.readAll();
        pointFile.close();

        chosen = dir.filePath(QStringLiteral("race.ign"));
        session.image().setWord(Adrw::SoftLimiter, 9500);
        session.Commit();
        test::Named<QAction>(form, "MenuSave")->trigger();
        const ParameterImage race = session.image();

        test::Named<QAction>(form, "MenuShowHistory")->trigger();
        auto *history = test::Named<HistoryWindow>(form, "HistoryWindow");
        history->Table()->selectRow(0);
        QTest::mouseClick(history->findChild<QPushButton *>(QStringLiteral("ButtonOpenRestorePoint")),
                          Qt::LeftButton);
        QCOMPARE(session.image(), pointSet);
        QVERIFY(messages.isEmpty());
        QCOMPARE(session.currentFile(), std::string());
        QCOMPARE(form.windowTitle(), QString::fromStdString(session.Caption()));
        QVERIFY(!form.windowTitle().contains(QStringLiteral(".ign")));
        test::Named<QAction>(form, "MenuZpet")->trigger();
        QCOMPARE(session.image(), race);
        test::Named<QAction>(form, "MenuZnovu")->trigger();

        chosen = dir.filePath(QStringLiteral("tuned.ign"));
        test::Named<QAction>(form, "MenuSave")->trigger();
        QCOMPARE(saveStart, dir.filePath(QStringLiteral("race.ign")));
        QVERIFY(QFile::exists(chosen));
        QVERIFY(form.windowTitle().endsWith(chosen));
        QVERIFY(pointFile.open(QIODevice::ReadOnly));
        QCOMPARE(pointFile.readAll(), pointBytes);
        Dialogs::messageHook = nullptr;
        Dialogs::saveHook = nullptr;
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
