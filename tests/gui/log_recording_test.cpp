// Recording live values from the window: the Record button with the unit in process, the log read back,
// the gap while the unit is silent and the message when the folder is gone.

#include "window_fixture.h"

#include "core/logs/LogFormat.h"
#include "gui/logs/LogCommands.h"
#include "gui/logs/LogRecording.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

using namespace zarvex1;
using namespace zarvex1::test;

class LogRecordingTest : public QObject {
    Q_OBJECT
private slots:
    void RecordsFramesWithGapAndReadsBack();
    void VanishedFolderStopsWithMessage();
    void FileNameHasTimeAndSet();
};

namespace {

SimOptions RunningEngine() {
    SimOptions options;
    options.engine = EngineMode::Running;
    return options;
}

} // namespace

void LogRecordingTest::RecordsFramesWithGapAndReadsBack() {
    Window window(RunningEngine());
    QTemporaryDir folder;
    LogRecording &recording = window->logs().recording();
    recording.SetFolder(folder.path().toStdString());
    QVERIFY(window.tickUntil([&] { return window->link().state().Connected; }) >= 0);
    // A Read makes the unit's set known: the rows name it.
    window->session().Read();
    QVERIFY(window.tickUntil([&] { return window->link().state().LinkRequest == LinkRequest::None; }) >= 0);
    QVERIFY(window->session().unitSet());

    QToolButton *button = recording.button();
    QCOMPARE(button->accessibleName(), QStringLiteral("Record log"));
    QVERIFY(Named<QMenu>(*window.form, "MenuFile")->actions().contains(recording.action()));
    // Every record the link hands its watchers while recording.
    struct Seen : LiveWatcher {
        std::vector<LiveRecord> records;
        void RecordsArrived(std::span<const LiveRecord> arrived) override {
            records.insert(records.end(), arrived.begin(), arrived.end());
        }
    } seen;
    window->link().AddLiveWatcher(seen);
    recording.action()->trigger();
    QVERIFY(recording.recording());
    for (int n = 0; n < 60; ++n)
        window.tick();
    const std::vector<LiveRecord> beforeGap = seen.records;
    QCOMPARE(button->text(), QStringLiteral("0:03")); // 60 ticks of 55 ms
    QCOMPARE(button->accessibleName(), QStringLiteral("Recording 0:03"));
    QVERIFY(button->isChecked());

    // The unit falls silent until the link gives up, then speaks again.
    window.unit().SetSilent(true);
    QVERIFY(window.tickUntil([&] { return !window->link().state().Connected; }) >= 0);
    window.tick(10);
    window.unit().SetSilent(false);
    QVERIFY(window.tickUntil([&] { return window->link().state().Connected; }) >= 0);
    window.tick(20);
    const LiveRecord last = seen.records.back();
    button->click();
    window->link().RemoveLiveWatcher(seen);
    QVERIFY(!recording.recording());
    QCOMPARE(button->accessibleName(), QStringLiteral("Record log"));
    QVERIFY(button->text().isEmpty());
    QVERIFY(window.messages.isEmpty());

    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    LogReadResult read = ReadMonitorLogFile((folder.path() + QLatin1Char('/') + files[0]).toStdString());
    QVERIFY2(read.log, read.error.c_str());
    const MonitorLog &log = *read.log;
    int gaps = 0;
    for (int row = 0; row < log.rowCount(); ++row) {
        gaps += log.isGap(row) ? 1 : 0;
        // The unit's pace: a frame every 100 ms, each row at its own frame's time, not the ticks'.
        if (row > 0 && !log.isGap(row) && !log.isGap(row - 1))
            QCOMPARE(log.timeMs(row) - log.timeMs(row - 1), 100LL);
    }
    QCOMPARE(gaps, 1);
    // The rows before the gap are the records the link made, in order, value for value: none lost.
    // 60 ticks of 55 ms, a frame every 100 ms: 32 or 33 by where the first falls.
    QVERIFY(beforeGap.size() == 32u || beforeGap.size() == 33u);
    QVERIFY(log.rowCount() > int(beforeGap.size()));
    for (int row = 0; row < int(beforeGap.size()); ++row)
        for (const MonitorField *field : log.fields())
            QCOMPARE(log.values(field->id)[row], beforeGap[row].raw(field->field));
    for (const MonitorField *field : log.fields())
        QCOMPARE(log.values(field->id).back(), last.raw(field->field));
    QCOMPARE(log.set(0).imageHash, ImageHash(window->session().image()));
}

void LogRecordingTest::VanishedFolderStopsWithMessage() {
    Window window(RunningEngine());
    window->SetLanguage(1);
    LogRecording &recording = window->logs().recording();
    recording.SetFolder("/nonexistent-zarvex1-folder/logs");
    recording.button()->click();
    recording.WaitForWriter(); // the writer thread has tried to create the file
    window.tick(3);
    QVERIFY(!recording.recording());
    QCOMPARE(recording.button()->accessibleName(), QStringLiteral("Protokoll aufzeichnen"));
    QVERIFY(!recording.button()->isChecked() && !recording.action()->isChecked());
    QCOMPARE(window.messages.size(), 1);
    QVERIFY(window.messages[0].startsWith(QStringLiteral("Aufzeichnung nicht gestartet")));

    // A folder that vanishes while recording stops it at the next write, with the message.
    window->SetLanguage(0);
    QTemporaryDir folder;
    const QString logs = folder.path() + QStringLiteral("/logs");
    QVERIFY(QDir().mkpath(logs));
    recording.SetFolder(logs.toStdString());
    recording.action()->trigger();
    window.tick(5);
    recording.WaitForWriter(); // the file is there
    QVERIFY(recording.recording());
    QVERIFY(QDir(logs).removeRecursively());
    window.tick(20); // past the next flush
    recording.WaitForWriter();
    window.tick();
    QVERIFY(!recording.recording());
    QCOMPARE(recording.button()->accessibleName(), QStringLiteral("Record log"));
    QCOMPARE(window.messages.size(), 2);
    QVERIFY(window.messages[1].startsWith(QStringLiteral("Recording stopped")));
}

void LogRecordingTest::FileNameHasTimeAndSet() {
    const QDateTime start(QDate(2026, 5, 1), QTime(14, 3, 9));
    QCOMPARE(LogRecording::LogFileName(start, QStringLiteral("/home/r/maps/Brno wet.ign")),
             QStringLiteral("zarvex1-log-2026-05-01_14-03-09-Brno wet.csv"));
    QCOMPARE(LogRecording::LogFileName(start, QString()),
             QStringLiteral("zarvex1-log-2026-05-01_14-03-09.csv"));
}

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(LogRecordingTest)
#include "log_recording_test.moc"
