#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "core/texts/MessageTexts.h"
#include "gui/safety/HistoryWindow.h"

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
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
