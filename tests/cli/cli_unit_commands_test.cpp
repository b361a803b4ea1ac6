// The unit commands against the unit in process: the tool's own session and link, the ticks counted.

#include "cli/CliArguments.h"
#include "cli/ExitCodes.h"
#include "cli/UnitCommands.h"
#include "cli/UnitConnection.h"

#include "core/files/ParameterFile.h"
#include "core/link/LinkEngine.h"
#include "core/logs/LogFormat.h"
#include "core/logs/LogRecorder.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"
#include "core/safety/RestorePoints.h"
#include "files/temp_folder.h"
#include "sim/SimulatedPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace zarvex1::test {
namespace {

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Legal and different from the first-start set in every block.
ParameterImage TunedSet() {
    ParameterImage image = FirstStartSet();
    image.setWord(Adrw::HardLimiter, 11500);
    image.setByte(Adrb::Advance1 + 40, 31);
    image.setByte(Adrb::Advance2 + 40, 32);
    image.setByte(Adrb::Servo + 100, 77);
    image.setByte(Adrb::ClutchAdvance, 12);
    image.setByte(Adrb::TestRpm, 60);
    LimitParameters(image);
    return image;
}

// The unit commands on a unit in process: its line runs 55 ms between two of the tool's ticks.
class CliUnitTest : public ::testing::Test {
protected:
    void Connect(const SimOptions &options = SimOptions(), const ParameterImage &memory = FactoryMemory()) {
        port = std::make_unique<SimulatedPort>(options, LineModel::Serial(), memory);
        connection = std::make_unique<UnitConnection>(
            UnitConnection{*port, [this](const std::function<bool()> &tick, int budget) {
                               for (int n = 0; n < budget; ++n) {
                                   port->Advance(std::chrono::milliseconds(55));
                                   ++ticks;
                                   if (tick())
                                       return;
                               }
                           }});
    }

    // Runs the command line (without the program name) and returns its exit status.
    int Run(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--port", "/dev/ttyUSB0"});
        const ParsedArguments parsed = ParseCliArguments(args);
        EXPECT_TRUE(parsed.ok) << parsed.error;
        out.str("");
        err.str("");
        ticks = 0;
        switch (parsed.options.command) {
        case CliCommand::Read:
            return RunRead(parsed.options, *connection, err);
        case CliCommand::Program:
            return RunProgram(parsed.options, *connection, err);
        case CliCommand::Verify:
            return RunVerify(parsed.options, *connection, err);
        case CliCommand::Info:
            return RunInfo(parsed.options, *connection, out, err);
        case CliCommand::Monitor:
            return RunMonitor(parsed.options, *connection, out, err);
        default:
            return -1;
        }
    }

    std::string Save(const char *name, const ParameterImage &image) {
        const std::filesystem::path path = folder / name;
        WriteParameterFile(image, path);
        return path.string();
    }

    UnitEnd &unit() { return port->unit(); }

    TempFolder folder;
    std::unique_ptr<SimulatedPort> port;
    std::unique_ptr<UnitConnection> connection;
    std::ostringstream out, err;
    int ticks = 0;
};

TEST_F(CliUnitTest, programThenVerifyAndReadReturnTheSet) {
    SimOptions options;
    options.savingMs = 600;
    Connect(options);
    const std::string tuned = Save("tuned.ign", TunedSet());

    ASSERT_EQ(Run({"program", tuned}), ExitCode::Success) << err.str();
    const std::vector<std::string> lines = Lines(err.str());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK"}));
    EXPECT_TRUE(lines[3].starts_with("Saving: ")) << err.str();
    EXPECT_EQ(lines.back(), "Program device:: OK");
    EXPECT_EQ(unit().unit().memory(), TunedSet());

    ASSERT_EQ(Run({"verify", tuned}), ExitCode::Success) << err.str();
    EXPECT_EQ(Lines(err.str()), (std::vector<std::string>{"Verify:", "Verify:: OK"}));

    const std::filesystem::path readBack = folder / "read.ign";
    ASSERT_EQ(Run({"read", "-o", readBack.string()}), ExitCode::Success) << err.str();
    EXPECT_EQ(Lines(err.str()), (std::vector<std::string>{"Read:", "Verify::", "Verify:: OK"}));
    EXPECT_EQ(ReadBytes(readBack), ReadBytes(tuned));
    EXPECT_LE(ticks, 4 + 15) << "13 exchanges at the line's pace after the first frame";
}

TEST_F(CliUnitTest, infoAsksForTheDeviceInfoOnly) {
    SimOptions options;
    options.name = "ABC";
    options.programNumber = 7;
    options.buildDay = 7;
    options.buildMonth = 4;
    options.buildYear = 2018;
    options.buildHour = 9;
    options.buildMinute = 5;
    Connect(options);
    ASSERT_EQ(Run({"info"}), ExitCode::Success) << err.str();
    EXPECT_EQ(out.str(), "ABC07\n 7. 4.2018\n09:05\n99\n");
    EXPECT_EQ(err.str(), "");
    port->Advance(std::chrono::seconds(1));
    EXPECT_EQ(unit().requestCount(), 1);
    EXPECT_EQ(unit().requestsOf(0x40), 1);
}

TEST_F(CliUnitTest, transferFailuresGiveExit1AndWriteNothing) {
    // A unit holding a value out of range: the read keeps it in range, so the unit no longer verifies.
    ParameterImage wild = TunedSet();
    wild.setByte(Adrb::Advance1 + 5, 75); // the largest advance is 60
    struct Row {
        const char *name;
        ParameterImage memory;
        std::vector<std::string> args;
        std::string blockLine; // the line after "Verify error!"
    };
    const Row rows[] = {
        {"verify of another set",
         FirstStartSet(),
         {"verify", "@tuned"},
         "Block 1 (bytes 0..149): the unit holds other values than the file (file → unit):"},
        {"read that does not verify",
         wild,
         {"read", "-o", "@out"},
         "Block 2 (bytes 150..299): the unit holds other values than the set read, kept in range (set read → "
         "unit):"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Connect(SimOptions(), row.memory);
        std::vector<std::string> args = row.args;
        for (std::string &arg : args)
            arg = arg == "@tuned" ? Save("tuned.ign", TunedSet())
                  : arg == "@out" ? (folder / "out.ign").string()
                                  : arg;
        EXPECT_EQ(Run(args), ExitCode::TransferFailed) << err.str();
        const std::vector<std::string> lines = Lines(err.str());
        const auto error = std::find(lines.begin(), lines.end(), "Verify error!");
        ASSERT_LT(error + 1, lines.end()) << err.str();
        EXPECT_EQ(error[1], row.blockLine);
        EXPECT_EQ(err.str().find("OK"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(folder / "out.ign"));
    }
}

// A failed verify names what the unit holds otherwise in the block where it stopped (the first that
// differs), both values in display units; a map that reaches over the block's edge shows its cells of
// that block only.
TEST_F(CliUnitTest, failedVerifyNamesTheDifferingValuesOfItsBlock) {
    ParameterImage file = TunedSet();
    file.setByte(Adrb::Advance1 + 22, 41); // byte 298: block 2, row 2 column 8
    file.setByte(Adrb::Advance1 + 25, 42); // byte 301: block 3
    file.setByte(Adrb::Servo + 100, 78);   // block 5
    const ParameterImage unitSet = TunedSet();
    ASSERT_NE(file.byte(Adrb::Advance1 + 22), unitSet.byte(Adrb::Advance1 + 22));
    Connect(SimOptions(), unitSet);
    const std::string tuned = Save("tuned.ign", file);

    EXPECT_EQ(Run({"verify", tuned}), ExitCode::TransferFailed);
    EXPECT_EQ(Lines(err.str()), (std::vector<std::string>{
                                    "Verify:",
                                    "Verify error!",
                                    "Block 2 (bytes 150..299): the unit holds other values than the file "
                                    "(file → unit):",
                                    "Advance",
                                    "  Advance 1: cells differing: 1",
                                    "    row 2, column 8: 41° → 33°",
                                }))
        << err.str();
    EXPECT_EQ(unit().unit().memory(), unitSet) << "a verify changes nothing";
}

TEST_F(CliUnitTest, wrongEchoStopsTheProgrammingAtItsBlock) {
    SimOptions options;
    options.badEchoBlock = 2;
    Connect(options);
    EXPECT_EQ(Run({"program", Save("t.ign", TunedSet())}), ExitCode::TransferFailed);
    EXPECT_EQ(err.str().find("OK"), std::string::npos);
    EXPECT_EQ(unit().requestsOf(0x02), 5);
    EXPECT_EQ(unit().requestsOf(0x03), 0);
}

TEST_F(CliUnitTest, readRecoversFromDroppedReplies) {
    SimOptions options;
    options.dropPercent = 30;
    options.seed = 7;
    Connect(options, TunedSet());
    const std::filesystem::path out = folder / "read.ign";
    ASSERT_EQ(Run({"read", "-o", out.string()}), ExitCode::Success) << err.str();
    EXPECT_GT(unit().requestCount(), 13) << "no reply was dropped";
    ParameterImage read = FirstStartSet();
    DefaultsState state;
    LoadParameterFile(Page::All, out, read, state);
    EXPECT_EQ(read, TunedSet());
}

TEST_F(CliUnitTest, otherProtocolVersionGivesExit3) {
    SimOptions options;
    options.protocolVersion = 98;
    const std::string tuned = Save("t.ign", TunedSet());
    const std::string out = (folder / "read.ign").string();
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"read", "-o", out}, {"program", tuned}, {"info"}}) {
        SCOPED_TRACE(args[0]);
        Connect(options);
        EXPECT_EQ(Run(args), ExitCode::VersionMismatch);
        const std::vector<std::string> lines = Lines(err.str());
        EXPECT_NE(std::find(lines.begin(), lines.end(),
                            "Unmatched version of PC and Ignition programs!  PC-99, IGN-98"),
                  lines.end())
            << err.str();
        EXPECT_EQ(unit().requestCount(), 1) << "nothing after the device info";
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

// A unit that does not answer: the link's retries end the command with exit 1 in about 1.5 s.
TEST_F(CliUnitTest, silentUnitEndsWithExit1WithinTheLinksRetries) {
    struct Row {
        std::vector<std::string> args;
        std::vector<std::string> messages;
    };
    const std::string tuned = Save("t.ign", TunedSet());
    const Row rows[] = {
        {{"read", "-o", (folder / "r.ign").string()}, {"Read:", "Read error!"}},
        {{"info"}, {"Read error!"}},
        {{"verify", tuned}, {"Verify:", "Verify error!", "The unit did not answer block 1 (bytes 0..149)."}},
        {{"program", tuned}, {"Program device:", "Program error!"}},
        {{"monitor", "--frames", "1"}, {"No connection with PC"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.args[0]);
        SimOptions options;
        options.monitorMs = 0;
        Connect(options);
        unit().SetAnswering(false);
        EXPECT_EQ(Run(row.args), ExitCode::TransferFailed);
        EXPECT_EQ(Lines(err.str()), row.messages);
        EXPECT_LE(ticks, 24 + 1) << "the first frame and four resends, 4 ticks apart";
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "r.ign"));
}

TEST_F(CliUnitTest, missingPortSaysWhy) {
    Connect();
    port->SetPresent(false);
    EXPECT_EQ(Run({"monitor"}), ExitCode::TransferFailed);
    const std::vector<std::string> opening = {
        "Com opening error!",
        "/dev/ttyUSB0 is not there: the adapter was unplugged or is not plugged in. Plug "
        "it in; the program connects again as soon as it is back."};
    EXPECT_EQ(Lines(err.str()), opening);
    EXPECT_EQ(Run({"read", "-o", (folder / "r.ign").string()}), ExitCode::TransferFailed);
    EXPECT_EQ(Lines(err.str())[1], opening[1]);
    EXPECT_EQ(Lines(err.str()).back(), "Read error!");
}

TEST_F(CliUnitTest, programIsDoneOnlyWhenTheUnitIsSeenToHaveSaved) {
    SimOptions quiet;
    quiet.monitorMs = 0;
    Connect(quiet);
    EXPECT_EQ(Run({"program", Save("t.ign", TunedSet())}), ExitCode::TransferFailed);
    EXPECT_EQ(Lines(err.str()), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK",
                                                          "No connection with PC", "Program error!"}));

    SimOptions slow;
    slow.savingMs = 20000;
    Connect(slow);
    const std::string set = Save("t.ign", TunedSet());
    // The unit falls silent while it saves, as if its power went.
    int seen = 0;
    const auto run = connection->run;
    connection->run = [&](const std::function<bool()> &tick, int budget) {
        run(
            [&] {
                if (err.str().find("Saving:") != std::string::npos && ++seen == 3)
                    unit().SetSilent(true);
                return tick();
            },
            budget);
    };
    EXPECT_EQ(Run({"program", set}), ExitCode::TransferFailed);
    const std::vector<std::string> lines = Lines(err.str());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"No connection with PC", "Program error!"}));
    EXPECT_EQ(err.str().find("Program device:: OK"), std::string::npos);
}

// Unplugged right after the verify, before the unit tells of its saving: whether it kept the set is
// unknown, so 18 silent ticks later the command fails instead of reporting success.
TEST_F(CliUnitTest, unitSilentRightAfterTheVerifyFailsAfter18Ticks) {
    Connect();
    const std::string set = Save("t.ign", TunedSet());
    int silentFrom = -1;
    const auto run = connection->run;
    connection->run = [&](const std::function<bool()> &tick, int budget) {
        run(
            [&] {
                const bool done = tick();
                if (silentFrom < 0 && err.str().find("Verify:: OK") != std::string::npos) {
                    unit().SetSilent(true);
                    silentFrom = ticks;
                }
                return done;
            },
            budget);
    };
    EXPECT_EQ(Run({"program", set}), ExitCode::TransferFailed);
    EXPECT_EQ(Lines(err.str()), (std::vector<std::string>{"Program device:", "Verify::", "Verify:: OK",
                                                          "No connection with PC", "Program error!"}));
    ASSERT_GE(silentFrom, 0);
    EXPECT_EQ(ticks - silentFrom, LinkEngine::NoConnectionLimit);
}

TEST_F(CliUnitTest, monitorPrintsOneLinePerFrame) {
    SimOptions options;
    options.engine = EngineMode::Running;
    Connect(options);
    ASSERT_EQ(Run({"monitor", "--frames", "3"}), ExitCode::Success) << err.str();
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string &line : lines)
        EXPECT_TRUE(line.starts_with("rpm ")) << line;
    ASSERT_EQ(Run({"monitor", "--frames", "1", "--json"}), ExitCode::Success);
    EXPECT_TRUE(out.str().starts_with("{\"time\":0.")) << out.str();
    EXPECT_NE(out.str().find(",\"rpm\":"), std::string::npos) << out.str();
}

// The same log the window records: the unit sends a frame every 100 ms and each row keeps its frame's
// time on the connection's clock; the window's recorder, fed the same frames, writes the same rows.
TEST_F(CliUnitTest, monitorWritesTheRowsTheWindowsRecorderWrites) {
    SimOptions options;
    options.engine = EngineMode::Running;
    Connect(options);
    const auto simMs = [this] {
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(port->now()).count());
    };
    connection->clockMs = simMs;
    ASSERT_EQ(Run({"monitor", "--frames", "25", "--csv"}), ExitCode::Success) << err.str();
    const LogReadResult read = ReadMonitorLog(out.str());
    ASSERT_TRUE(read.log) << read.error;
    const MonitorLog &log = *read.log;
    ASSERT_EQ(log.rowCount(), 25);
    for (int row = 1; row < 25; ++row)
        EXPECT_EQ(log.timeMs(row) - log.timeMs(row - 1), 100) << "the unit's pace, not the ticks'";
    EXPECT_GT(log.values("rpm")[24], 0);

    // The window's recorder on the same unit, started as the tool started: the same rows.
    Connect(options);
    LimitedSettings settings;
    LinkOwner quiet;
    LinkEngine engine(*port, settings, quiet);
    engine.SetDeviceOverride("/dev/ttyUSB0");
    engine.SetClock(simMs);
    LogRecorder recorder;
    engine.AddLiveWatcher(recorder);
    engine.Start();
    recorder.Start(folder / "window.csv", simMs());
    while (recorder.rowCount() < 25) {
        port->Advance(std::chrono::milliseconds(55));
        engine.Tick();
    }
    recorder.Stop();
    const std::string windowLog = ReadBytes(folder / "window.csv");
    std::string firstRows;
    std::istringstream lines(windowLog);
    for (std::string line; firstRows.size() < out.str().size() && std::getline(lines, line);)
        firstRows += line + "\n";
    EXPECT_EQ(firstRows, out.str());
}

// Read and Program keep restore points where the window keeps its own, named by the unit and its
// programming count, as the window's History lists them.
TEST_F(CliUnitTest, readAndProgramWriteTheWindowsRestorePoints) {
    SimOptions options;
    options.savingMs = 600;
    options.name = "ZRX";
    options.programNumber = 7;
    Connect(options);
    const std::filesystem::path history = folder / "history";
    const std::filesystem::path readTo = folder / "read.ign";
    const CliOptions read =
        ParseCliArguments({"read", "--port", "/dev/ttyUSB0", "-o", readTo.string()}).options;
    ASSERT_EQ(RunRead(read, *connection, err, history), ExitCode::Success) << err.str();
    const std::string tuned = Save("tuned.ign", TunedSet());
    const CliOptions program = ParseCliArguments({"program", "--port", "/dev/ttyUSB0", tuned}).options;
    ASSERT_EQ(RunProgram(program, *connection, err, history), ExitCode::Success) << err.str();

    const std::vector<RestorePoint> points = RestorePointStore(history, false).List();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].details.event, RestoreEvent::Read);
    EXPECT_EQ(points[0].details.event, RestoreEvent::Program);
    for (const RestorePoint &point : points) {
        EXPECT_EQ(point.details.unitName, "ZRX07");
        EXPECT_TRUE(point.details.programmingCount.has_value());
    }
    EXPECT_EQ(RestorePointStore::ReadBack(points[0].path), TunedSet());
    EXPECT_EQ(RestorePointStore::ReadBack(points[1].path), FactoryMemory());
}

} // namespace
} // namespace zarvex1::test
