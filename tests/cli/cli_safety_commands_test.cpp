// diff and history: two sets compared as the window compares them, the restore points as the window
// lists them.
#include "cli/CliArguments.h"
#include "cli/SafetyCommands.h"

#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/safety/RestorePoints.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zarvex1 {
namespace {

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun Diff(const std::filesystem::path &a, const std::filesystem::path &b, bool json = false) {
    CliOptions options;
    options.command = CliCommand::Diff;
    options.input = a.string();
    options.input2 = b.string();
    options.json = json;
    std::ostringstream out, err;
    const int status = RunDiff(options, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliSafetyCommands, diffSaysWhetherTwoSetsDifferAndWhere) {
    test::TempFolder folder;
    ParameterImage a = FirstStartSet();
    ParameterImage b = a;
    b.setByte(Adrb::Retard, a.byte(Adrb::Retard) + 1);
    b.setByte(Adrb::Advance2 + 16, 33);
    ASSERT_TRUE(WriteParameterFile(a, folder / "a.ign"));
    ASSERT_TRUE(WriteParameterFile(a, folder / "a2.ign"));
    ASSERT_TRUE(WriteParameterFile(b, folder / "b.ign"));

    const CommandRun same = Diff(folder / "a.ign", folder / "a2.ign");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");

    const CommandRun text = Diff(folder / "a.ign", folder / "b.ign");
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("Inputs\n  Retard: "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Advance\n  Advance 2: cells differing: 1\n    row 2, column 2: "),
              std::string::npos)
        << text.out;

    const CommandRun json = Diff(folder / "a.ign", folder / "b.ign", true);
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out.rfind(
                  "{\"same\":false,\"changed\":2,\"differences\":[{\"page\":\"Inputs\",\"id\":\"B267\"", 0),
              0u)
        << json.out;
    EXPECT_NE(json.out.find("\"cells\":[{\"row\":2,\"column\":2,\"a\":"), std::string::npos) << json.out;

    const CommandRun missing = Diff(folder / "a.ign", folder / "none.ign");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none.ign"), std::string::npos) << missing.err;
}

TEST(CliSafetyCommands, historyListsTheRestorePointsNewestFirst) {
    test::TempFolder folder;
    RestorePointStore store(folder.path(), true);
    const auto t = RestoreClock::now();
    ParameterImage set = FirstStartSet();
    ASSERT_TRUE(store.Write(set, {t, RestoreEvent::Read, "ZRX07", 12}).written);
    set.setByte(Adrb::Retard, 30);
    ASSERT_TRUE(store.Write(set, {t + std::chrono::seconds(5), RestoreEvent::Program, "ZRX07", std::nullopt})
                    .written);

    CliOptions options;
    options.command = CliCommand::History;
    std::ostringstream out, err;
    EXPECT_EQ(RunHistory(options, folder.path(), out, err), 0);
    const std::string text = out.str();
    const auto programmed = text.find("Programmed"), read = text.find("Read");
    ASSERT_NE(programmed, std::string::npos) << text;
    EXPECT_LT(programmed, read) << text;
    EXPECT_NE(text.find("_program_c1_n-_ZRX07.ign"), std::string::npos) << text;

    options.json = true;
    std::ostringstream json;
    EXPECT_EQ(RunHistory(options, folder.path(), json, err), 0);
    EXPECT_NE(
        json.str().find("\"event\":\"Read\",\"unit\":\"ZRX07\",\"programmingCount\":12,\"changed\":null"),
        std::string::npos)
        << json.str();

    std::ostringstream none, noneErr;
    EXPECT_EQ(RunHistory(CliOptions{}, folder / "nothing", none, noneErr), 0);
    EXPECT_NE(noneErr.str().find("No restore points in "), std::string::npos);
}

} // namespace
} // namespace zarvex1
