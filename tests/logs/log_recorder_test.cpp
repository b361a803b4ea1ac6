#include "log_fixture.h"

#include "core/logs/LogRecorder.h"
#include "core/texts/MessageTexts.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace zarvex1;
using namespace zarvex1::test;
namespace fs = std::filesystem;

namespace {

std::string Content(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The owner's side: a clock stepped in 55 ms ticks, one record of the run a tick while the unit speaks.
struct RecordingOwner {
    SimulatedRun run;
    LogRecorder recorder;
    int tick = 0;
    bool connected = false;
    long long nowMs() const { return 1000000 + 55LL * tick; } // a monotonic clock starts anywhere

    void Ticks(int count, bool unitSpeaks = true) {
        for (int n = 0; n < count; ++n, ++tick) {
            if (unitSpeaks != connected) {
                connected = unitSpeaks;
                recorder.ConnectionChanged(connected, nowMs());
            }
            if (unitSpeaks) {
                const LiveRecord record = LiveRecord::Decode(run.frameAt(tick), nowMs(), tick + 1);
                recorder.RecordsArrived({&record, 1});
            }
            recorder.Tick(nowMs());
        }
    }
    MonitorLog Log() {
        recorder.WaitForWriter();
        return ReadOrFail(Content(recorder.path()));
    }
};

TEST(LogRecorder, flushesOnceASecondAndKeepsAGapForALostConnection) {
    TempFolder folder;
    RecordingOwner owner;
    owner.recorder.Start(folder / "run.csv", owner.nowMs());
    owner.Ticks(18); // 0 .. 935 ms: still in memory
    EXPECT_EQ(owner.Log().rowCount(), 0);
    owner.Ticks(1); // 990 ms
    EXPECT_EQ(owner.Log().rowCount(), 0);
    owner.Ticks(1); // 1045 ms: the first second goes to the file
    EXPECT_EQ(owner.Log().rowCount(), 20);

    owner.Ticks(30, false); // the unit is away: one gap row however long
    owner.Ticks(10);        // and back
    EXPECT_EQ(owner.recorder.recordedMs(owner.nowMs()), 60 * 55);
    owner.recorder.Stop();
    EXPECT_FALSE(owner.recorder.recording());
    const MonitorLog log = ReadOrFail(Content(owner.recorder.path()));
    ASSERT_EQ(log.rowCount(), 20 + 1 + 10);
    EXPECT_TRUE(log.isGap(20));
    EXPECT_EQ(log.timeMs(20), 20 * 55);
    EXPECT_EQ(log.timeMs(21), 50 * 55);
    EXPECT_EQ(log.values("rpm")[21], owner.run.frameAt(50).word(Monw::Rpm));
    EXPECT_EQ(log.set(21).imageHash, "") << "no session: the unit's set is not known";
    EXPECT_FALSE(owner.recorder.stopReason());
}

TEST(LogRecorder, neverReplacesAFileAndSaysWhyItCannotStart) {
    TempFolder folder;
    std::ofstream(folder / "old.csv") << "keep";
    for (const fs::path &path : {folder / "old.csv", folder / "missing" / "run.csv"}) {
        RecordingOwner owner;
        owner.recorder.Start(path, owner.nowMs());
        owner.recorder.WaitForWriter();
        owner.Ticks(1);
        EXPECT_FALSE(owner.recorder.recording()) << path;
        EXPECT_EQ(owner.recorder.stopReason(), LogStop::CannotCreate) << path;
        EXPECT_FALSE(owner.recorder.stopDetail().empty());
    }
    EXPECT_EQ(Content(folder / "old.csv"), "keep");
}

TEST(LogRecorder, aVanishedFolderStopsTheRecording) {
    TempFolder folder;
    fs::create_directory(folder / "stick");
    RecordingOwner owner;
    owner.recorder.Start(folder / "stick" / "run.csv", owner.nowMs());
    owner.Ticks(40);
    owner.recorder.WaitForWriter();
    fs::remove_all(folder / "stick");
    owner.Ticks(20);
    owner.recorder.WaitForWriter();
    owner.Ticks(1);
    EXPECT_FALSE(owner.recorder.recording());
    EXPECT_EQ(owner.recorder.stopReason(), LogStop::WriteFailed);
    EXPECT_EQ(owner.recorder.stopDetail(),
              std::make_error_code(std::errc::no_such_file_or_directory).message());
}

#ifndef _WIN32
// Runs in a child process: the file-size limit holds for the whole process.
bool RecordIntoAFullDisk(const fs::path &path) {
    const rlimit limit{16384, 16384};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    RecordingOwner owner;
    owner.recorder.Start(path, owner.nowMs());
    for (int second = 0; second < 20 && owner.recorder.recording(); ++second) {
        owner.Ticks(19);
        owner.recorder.WaitForWriter();
    }
    const std::string text = Content(path);
    const LogReadResult kept = ReadMonitorLog(text);
    return !owner.recorder.recording() && owner.recorder.stopReason() == LogStop::WriteFailed &&
           owner.recorder.stopDetail() == std::make_error_code(std::errc::file_too_large).message() &&
           kept.log && kept.log->rowCount() >= 19 && text.ends_with('\n') && text.size() <= 16384;
}

// A full disk stops the recording with its reason; the rows written before stay whole.
TEST(LogRecorderDeathTest, aFullDiskStopsTheRecordingAndKeepsTheRowsWritten) {
    TempFolder folder;
    const fs::path path = folder / "run.csv";
    EXPECT_EXIT(std::_Exit(RecordIntoAFullDisk(path) ? 0 : 1), ::testing::ExitedWithCode(0), "");
}
#endif

TEST(LogRecorder, stopMessagesComeInEveryLanguageWithTheReason) {
    for (const LogStop why : {LogStop::CannotCreate, LogStop::WriteFailed}) {
        const std::string english = LogStopText(why, "No space left on device", Language::English);
        const std::string german = LogStopText(why, "No space left on device", Language::German);
        const std::string czech = LogStopText(why, "No space left on device", Language::Czech);
        EXPECT_TRUE(english.ends_with("\nNo space left on device"));
        EXPECT_TRUE(german.starts_with("Aufzeichnung"));
        EXPECT_TRUE(czech.starts_with("Záznam"));
        EXPECT_NE(english, german);
    }
    EXPECT_EQ(LogStopText(LogStop::WriteFailed, "", Language::English),
              "Recording stopped: the log file cannot be written. What was recorded until then is kept.");
}

} // namespace
