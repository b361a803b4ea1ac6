#include "session/session_fixture.h"

#include "core/files/DefaultIni.h"
#include "core/files/ParameterFile.h"
#include "core/files/SettingsFolder.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zarvex1 {
namespace {

using test::SessionFixture;

void WriteText(const std::filesystem::path &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Session : public ::testing::Test, public SessionFixture {};

TEST_F(Session, commitStoresLimitsAndReloadsThePageWithOneUndoEntry) {
    const int storesBefore = front.stores, loadsBefore = front.loads;
    Edit(30000); // above the range of the unit: the limits keep the image as it is, the page shows it
    EXPECT_EQ(front.stores - storesBefore, 1);
    EXPECT_EQ(front.loads - loadsBefore, 1) << "the page takes its states before its values: one load";
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 30000);
    EXPECT_TRUE(session.undo().CanUndo());
    session.image().setByte(Adrb::Advance1, 99);
    session.Commit();
    EXPECT_EQ(session.image().byte(Adrb::Advance1), 60) << "map cells are limited to 60";

    // A commit that changes nothing makes no undo entry: one Undo goes back to the first edit.
    session.Commit();
    session.Undo();
    EXPECT_EQ(session.image().byte(Adrb::Advance1), FirstStartSet().byte(Adrb::Advance1));
    EXPECT_EQ(front.control, 30000);
}

TEST_F(Session, fillingThePagesForcesTheInputThatGearDetectionTakes) {
    struct Case {
        int gearMode, input2, input3;
    };
    for (const Case c : {Case{0, 3, 5}, Case{1, 7, 5}, Case{2, 3, 7}, Case{3, 3, 7}}) {
        SCOPED_TRACE(c.gearMode);
        session.image().setByte(Adrb::InputFunction + 1, 3);
        session.image().setByte(Adrb::InputFunction + 2, 5);
        session.image().setByte(Adrb::GearMode, static_cast<unsigned>(c.gearMode));
        session.ImageToPages();
        EXPECT_EQ(session.image().byte(Adrb::InputFunction + 1), c.input2);
        EXPECT_EQ(session.image().byte(Adrb::InputFunction + 2), c.input3);
    }
}

TEST_F(Session, programmingAfterChangeSkipsOnlyTheFirstUnchangedCommit) {
    struct Step {
        bool change;
        bool ticked;
        bool programs;
    };
    const Step steps[] = {
        {false, true, false}, {false, true, true}, {true, true, true},    {true, false, false},
        {false, true, false}, {false, true, true}, {false, false, false}, {true, true, true},
    };
    int value = session.image().word(Adrw::SoftLimiter);
    int i = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE(i++);
        session.SetProgramAfterChange(step.ticked);
        const int before = link.autoPrograms;
        Edit(step.change ? (value += 50) : value);
        EXPECT_EQ(link.autoPrograms - before, step.programs ? 1 : 0);
    }
}

TEST_F(Session, undoAndRedoRestoreImageAndPageAndProgramWhenTicked) {
    Edit(9000);
    session.PageChanged(Page::Gear);
    Edit(9100);
    session.PageChanged(Page::Inputs);
    front.shownPages.clear();

    session.SetProgramAfterChange(true);
    session.Undo();
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9000);
    EXPECT_EQ(front.control, 9000);
    EXPECT_EQ(session.activePage(), Page::Bike);
    EXPECT_EQ(front.shownPages, std::vector<int>{Page::Bike});
    EXPECT_EQ(link.autoPrograms, 1) << "undo programs the restored image even if the unit has it";
    session.Redo();
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9100);
    EXPECT_EQ(session.activePage(), Page::Gear);
    EXPECT_FALSE(session.undo().CanRedo());
    EXPECT_EQ(link.autoPrograms, 2);

    // Snapshots go back without the limits, and the end of the history does nothing.
    session.Redo();
    EXPECT_EQ(link.autoPrograms, 2);
}

TEST_F(Session, newAsksAndOnYesSetsTheDefaultsAndForgetsTheFile) {
    test::TempFolder folder;
    ASSERT_TRUE(session.Save(folder / "a.ign"));
    Edit(9000);
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        front.answer = answer;
        EXPECT_FALSE(session.New(true));
        EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9000);
    }
    EXPECT_EQ(front.questions.back(), "Do you want default setting?");
    front.answer = Answer::Yes;
    session.PageChanged(Page::Gear);
    EXPECT_TRUE(session.New(true));
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 10800);
    EXPECT_EQ(session.currentFile(), "");
    EXPECT_EQ(session.Caption(), "  ZARVEX1       ");
    EXPECT_EQ(front.hides, 1);
    session.Undo();
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9000) << "New is one undo step";
}

TEST_F(Session, saveThenOpenGivesTheSameImageAndRecordsTheFile) {
    test::TempFolder folder;
    Edit(9650);
    session.image().setByte(Adrb::Advance1 + 17, 41);
    session.Commit();
    const ParameterImage saved = session.image();
    const auto path = folder / "race 1.ign";
    ASSERT_TRUE(session.Save(path));
    EXPECT_EQ(session.currentFile(), PathText(path));
    EXPECT_EQ(session.lastPath(), PathText(path));
    EXPECT_EQ(session.recentFiles().count(), 0) << "saving does not add a recent file";

    Edit(7000);
    const int storesBefore = front.stores, loadsBefore = front.loads;
    const auto opened = session.Open(path, false);
    EXPECT_TRUE(opened.loaded);
    EXPECT_EQ(front.stores, storesBefore) << "the file's values are not stored over by the page";
    EXPECT_EQ(front.loads - loadsBefore, 1) << "the page is filled once";
    EXPECT_EQ(session.image(), saved);
    EXPECT_EQ(front.control, 9650);
    EXPECT_EQ(session.recentFiles().count(), 1);
    EXPECT_EQ(session.recentFiles().entry(0), PathText(path));
    EXPECT_TRUE(front.messages.empty());
    session.Undo();
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 7000) << "Open is one undo step";
}

TEST_F(Session, openForTheActivePageTakesOnlyItsKeyWords) {
    test::TempFolder folder;
    const auto path = folder / "limits.ign";
    WriteText(path, "MORVANEL_KEY 99\r\nLIMITER 1000 2000 300 3000 4000\r\nRETARD 12 3\r\nBIKE 2\r\n");
    Edit(9000);
    session.PageChanged(Page::Inputs);
    EXPECT_TRUE(session.Open(path, true).loaded);
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 3000);
    EXPECT_EQ(session.image().byte(Adrb::Retard), 12);
    EXPECT_EQ(session.image().byte(Adrb::BikeType), 0) << "BIKE belongs to the Bike page";
}

TEST_F(Session, rejectedOrMissingFileChangesNothing) {
    test::TempFolder folder;
    WriteText(folder / "other.ign", "MORVANEL_KEY 98\r\nLIMITER 1000 2000 0 3000 4000\r\n");
    WriteText(folder / "notes.ign", "LIMITER 1000 2000 0 3000 4000\r\n");
    struct Case {
        const char *file;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"other.ign", {"Unmatched version of *.ign file!"}},
        {"notes.ign", {"No parameter set (MORVANEL_KEY) in the file"}},
        {"missing.ign", {"Open file error!\nNo such file or directory"}},
    };
    Edit(9000);
    const ParameterImage before = session.image();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        front.messages.clear();
        EXPECT_FALSE(session.Open(folder / c.file, false).loaded);
        EXPECT_EQ(session.image(), before);
        EXPECT_EQ(front.messages, c.messages);
        EXPECT_EQ(session.currentFile(), "");
        EXPECT_EQ(session.recentFiles().count(), 0);
    }
    session.Undo();
    EXPECT_FALSE(session.undo().CanUndo()) << "only the edit made an undo entry";
}

TEST_F(Session, saveThatCannotWriteSaysOpenFileError) {
    test::TempFolder folder;
    EXPECT_FALSE(session.Save(folder / "no such folder" / "a.ign"));
#ifdef _WIN32
    const std::string missingFolder = "Path not found"; // the system's own words
#else
    const std::string missingFolder = "No such file or directory";
#endif
    EXPECT_EQ(front.messages, std::vector<std::string>{"Open file error!\n" + missingFolder});
    EXPECT_EQ(session.currentFile(), "");
}

TEST_F(Session, recentEntriesReopenAndMoveToTheFront) {
    test::TempFolder folder;
    std::vector<std::filesystem::path> files;
    for (int i = 0; i < 3; ++i) {
        files.push_back(folder.path() / ("set " + std::to_string(i) + ".ign"));
        Edit(9000 + 100 * i);
        ASSERT_TRUE(session.Save(files.back()));
        ASSERT_TRUE(session.Open(files.back(), false).loaded);
    }
    EXPECT_EQ(session.recentFiles().caption(2), "2 set 0");
    EXPECT_TRUE(session.OpenRecent(2).loaded);
    EXPECT_EQ(session.image().word(Adrw::SoftLimiter), 9000);
    EXPECT_EQ(session.recentFiles().entry(0), PathText(files[0]));
    EXPECT_FALSE(session.OpenRecent(0).loaded) << "entry 0 is the open file and has no menu item";
    EXPECT_FALSE(session.OpenRecent(3).loaded);
}

TEST(SessionSettings, closeAndStartAgainKeepsSettingsFileAndImage) {
    test::TempFolder folder;
    ApplicationSettings window;
    window.left = 40;
    window.width = 1000;
    {
        SessionFixture first;
        first.session.LoadSettings(folder.path(), window);
        first.session.Start();
        EXPECT_EQ(first.session.settings().portIndex, 0) << "a missing ComPort ends one lower";
        first.session.settings().portIndex = 2;
        first.session.SetLanguage(3);
        first.session.PageChanged(Page::Gear);
        ASSERT_TRUE(first.session.Save(folder / "race.ign"));
        ASSERT_TRUE(first.session.Open(folder / "race.ign", false).loaded);
        first.front.control = 9100; // typed, not yet committed: closing stores the page
        first.session.Close(folder.path(), window);
    }
    SessionFixture second;
    ApplicationSettings stored;
    second.session.LoadSettings(folder.path(), stored);
    second.session.Start();
    EXPECT_EQ(stored.left, 40);
    EXPECT_EQ(stored.width, 1000);
    EXPECT_EQ(second.session.settings().portIndex, 2);
    EXPECT_EQ(second.session.settings().languageIndex, 3);
    EXPECT_EQ(second.session.texts()[6], "Chyba čtení!") << "the message texts follow the language";
    EXPECT_EQ(second.session.activePage(), Page::Gear);
    EXPECT_EQ(second.front.shownPages, std::vector<int>{Page::Gear});
    EXPECT_EQ(second.session.currentFile(), PathText(folder / "race.ign"));
    EXPECT_EQ(second.session.recentFiles().count(), 1);
    EXPECT_EQ(second.session.image().word(Adrw::SoftLimiter), 9100);
    EXPECT_FALSE(second.session.undo().CanUndo()) << "the history starts with the stored image";
}

} // namespace
} // namespace zarvex1
