// new and normalize are the program's first start, Open and Save: the same session, byte for byte.
#include "cli/CliArguments.h"
#include "cli/FileCommands.h"

#include "core/files/ParameterFile.h"
#include "core/files/TextFiles.h"
#include "core/session/ParameterSession.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zarvex1 {
namespace {

std::string Read(const std::filesystem::path &path) {
    return ReadWholeFile(path).value_or("<missing>");
}

TEST(CliFileCommands, normalizeIsTheProgramsOpenThenSave) {
    test::TempFolder folder;
    ParameterImage tuned = FirstStartSet();
    tuned.setByte(Adrb::GearMode, 1); // gear by voltage takes input 2
    tuned.setByte(Adrb::InputFunction + 1, 3);
    tuned.setByte(Adrb::Advance1 + 3, 90); // beyond the range of the unit
    ASSERT_TRUE(WriteParameterFile(tuned, folder / "tuned.ign"));
    std::ofstream(folder / "old.ign")
        << "MORVANEL_KEY 81\nLIMITER 5000 6000 3 9000 9500\nSERRVO_MISC 1 0 1 10\n";

    struct Case {
        const char *file;
        int page;
    };
    for (const Case c :
         {Case{"tuned.ign", Page::All}, Case{"tuned.ign", Page::Advance}, Case{"old.ign", Page::All}}) {
        SCOPED_TRACE(std::string(c.file) + " page " + std::to_string(c.page));
        CliOptions options;
        options.input = (folder / c.file).string();
        options.output = (folder / "cli.ign").string();
        options.page = c.page;
        std::ostringstream err;
        ASSERT_EQ(RunNormalize(options, err), 0) << err.str();

        SessionFrontEnd window;
        ParameterSession session(window);
        session.Start();
        if (c.page != Page::All)
            session.PageChanged(c.page);
        ASSERT_TRUE(session.Open(folder / c.file, c.page != Page::All).loaded);
        ASSERT_TRUE(session.Save(folder / "window.ign"));
        EXPECT_EQ(Read(folder / "cli.ign"), Read(folder / "window.ign"));
        if (c.page == Page::All && std::string(c.file) == "tuned.ign") {
            ParameterImage out = FirstStartSet();
            DefaultsState outState;
            ASSERT_TRUE(LoadParameterText(Read(folder / "cli.ign"), Page::All, out, outState).loaded);
            EXPECT_EQ(out.byte(Adrb::InputFunction + 1), 7) << "the input that gear detection takes";
            EXPECT_EQ(out.byte(Adrb::Advance1 + 3), 60) << "kept in range";
        }
    }
    ParameterImage normalized = FirstStartSet();
    DefaultsState state;
    ASSERT_TRUE(LoadParameterText(Read(folder / "cli.ign"), Page::All, normalized, state).loaded);
    EXPECT_EQ(normalized.byte(Adrb::StartLimiterDelay), 30) << "seconds of an older file";
}

// Values the program keeps although no page offers them: the bytes stay, each is named on the error
// stream; a file without them says nothing. A file without the key word says so.
TEST(CliFileCommands, normalizeNamesTheValuesNoPageOffers) {
    test::TempFolder folder;
    std::ofstream(folder / "odd.ign") << "MORVANEL_KEY 99\nBIKE 255\nINV_PICKUP 255 0\n";
    std::ofstream(folder / "plain.ign") << "MORVANEL_KEY 99\nBIKE 2\n";
    std::ofstream(folder / "notes.txt") << "BIKE 2\n";
    const auto normalize = [&](const char *file, std::string &err) {
        CliOptions options;
        options.input = (folder / file).string();
        options.output = (folder / "out.ign").string();
        std::ostringstream stream;
        const int code = RunNormalize(options, stream);
        err = stream.str();
        return code;
    };
    std::string err;
    ASSERT_EQ(normalize("odd.ign", err), 0) << err;
    EXPECT_NE(err.find("BIKE 255: no page offers this value"), std::string::npos) << err;
    EXPECT_NE(err.find("INV_PICKUP 255: no page offers this value"), std::string::npos) << err;
    ParameterImage out;
    DefaultsState state;
    ASSERT_TRUE(LoadParameterText(Read(folder / "out.ign"), Page::All, out, state).loaded);
    EXPECT_EQ(out.byte(Adrb::BikeType), 255) << "kept";
    EXPECT_EQ(out.byte(Adrb::InvPickup1), 255) << "kept";

    ASSERT_EQ(normalize("plain.ign", err), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(normalize("notes.txt", err), 2);
    EXPECT_EQ(err, "No parameter set (MORVANEL_KEY) in the file (" + (folder / "notes.txt").string() + ")\n");
}

TEST(CliFileCommands, newIsTheFirstStartOfTheType) {
    test::TempFolder folder;
    for (int bike = 0; bike <= 6; ++bike) {
        CliOptions options;
        options.bike = bike;
        options.output = (folder / "new.ign").string();
        std::ostringstream err;
        ASSERT_EQ(RunNew(options, err), 0);
        ParameterImage image;
        DefaultsState state;
        ASSERT_TRUE(LoadParameterText(Read(folder / "new.ign"), Page::All, image, state).loaded);
        EXPECT_EQ(WriteParameterFile(image), WriteParameterFile(FirstStartSet(bike))) << "type " << bike;
    }
}

} // namespace
} // namespace zarvex1
