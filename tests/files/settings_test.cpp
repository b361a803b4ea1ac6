#include "temp_folder.h"

#include "core/files/ApplicationSettings.h"
#include "core/files/DefaultIni.h"
#include "core/files/SettingsFolder.h"
#include "core/files/TextFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <random>
#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace zarvex1 {
namespace {

// Processor time of this process, so that other work on the machine does not count. Windows' clock()
// counts the time since the start instead.
double ProcessSeconds() {
#ifdef _WIN32
    FILETIME created, ended, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user))
        return 0;
    const auto ticks = [](FILETIME t) {
        return double(std::uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7; // counted in 100 ns
#else
    return double(std::clock()) / CLOCKS_PER_SEC;
#endif
}

void ExpectSameSettings(const ApplicationSettings &a, const ApplicationSettings &b) {
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.link.portIndex, b.link.portIndex);
    EXPECT_EQ(a.link.scanIndex, b.link.scanIndex);
    EXPECT_EQ(a.link.languageIndex, b.link.languageIndex);
    EXPECT_EQ(a.comDevice, b.comDevice);
    EXPECT_EQ(a.file, b.file);
    EXPECT_EQ(a.iniDir, b.iniDir);
    EXPECT_EQ(a.activePageIndex, b.activePageIndex);
    EXPECT_EQ(a.recentFiles, b.recentFiles);
}

ApplicationSettings SomeSettings() {
    ApplicationSettings s;
    s.left = -1200;
    s.top = 40;
    s.height = 700;
    s.width = 1010;
    s.link.portIndex = 2; // COM3
    s.link.scanIndex = 30;
    s.link.languageIndex = 3;
    s.comDevice = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    s.file = "/home/jiří/mapy/závod 2.ign";
    s.iniDir = " C:\\maps\\\"quoted\" ";
    s.activePageIndex = 5;
    s.recentFiles.AddRecentFile("/maps/old.ign");
    s.recentFiles.AddRecentFile("/home/jiří/mapy/závod 2.ign");
    return s;
}

TEST(ApplicationSettings, writtenSettingsReadBackUnchanged) {
    test::TempFolder folder;
    const ApplicationSettings saved = SomeSettings();
    ASSERT_TRUE(WriteApplicationSettings(ApplicationIniPath(folder.path()), saved));
    ApplicationSettings read; // the start-up values differ from every saved one
    read.link.portIndex = 1;
    ReadApplicationSettings(ApplicationIniPath(folder.path()), read);
    ExpectSameSettings(read, saved);
}

TEST(ApplicationSettings, keysAreWrittenInTheirOrderWithThePortCountedFromOne) {
    ApplicationSettings s;
    s.left = 10;
    s.top = 20;
    s.height = 300;
    s.width = 400;
    s.link.portIndex = 2;
    s.link.scanIndex = 0;
    s.link.languageIndex = 1;
    s.file = "a.ign";
    s.iniDir = "b.ign";
    s.activePageIndex = 2;
    s.recentFiles.AddRecentFile("a.ign");
    EXPECT_EQ(FormatApplicationSettings(s), "[BASIC]\r\nLeft=10\r\nTop=20\r\nHeight=300\r\nWidth=400\r\n"
                                            "ComPort=3\r\nComPortAuto=1\r\nComPortDevice=\r\nLanguage=1\r\n"
                                            "File=a.ign\r\n"
                                            "IniDir=b.ign\r\nPageControl1->ActivePageIndex=2\r\n"
                                            "MenuHistory00=a.ign\r\n");
}

TEST(ApplicationSettings, missingKeysFollowTheirRules) {
    ApplicationSettings s = SomeSettings();
    s.link.portIndex = 1; // the start-up port
    s.link.scanIndex = 0;
    for (const char *text :
         {"", "[BASIC]\r\nLeft=x\r\nComPort=\r\n", "[OTHER]\r\nComPort=5\r\nFile=x.ign\r\n"}) {
        SCOPED_TRACE(text);
        ApplicationSettings read = s;
        ParseApplicationSettings(text, read);
        EXPECT_EQ(read.left, s.left);
        EXPECT_EQ(read.top, s.top);
        EXPECT_EQ(read.height, s.height);
        EXPECT_EQ(read.width, s.width);
        EXPECT_EQ(read.link.portIndex, 0); // COM1
        EXPECT_EQ(read.link.scanIndex, -1);
        EXPECT_EQ(read.comDevice, "") << "an older file keeps the numbered port";
        EXPECT_EQ(read.link.languageIndex, s.link.languageIndex);
        EXPECT_EQ(read.file, "");
        EXPECT_EQ(read.iniDir, "");
        EXPECT_EQ(read.activePageIndex, s.activePageIndex);
        EXPECT_EQ(read.recentFiles.count(), 0);
        ParameterImage image;
        LimitParameters(image, read.link);
        EXPECT_EQ(read.link.scanIndex, 0);
    }
}

TEST(ApplicationSettings, olderFileWithoutTheAdapterKeyKeepsItsNumberedPort) {
    ApplicationSettings read = SomeSettings();
    ParseApplicationSettings("[BASIC]\r\nComPort=5\r\nComPortAuto=2\r\nLanguage=1\r\n", read);
    EXPECT_EQ(read.link.portIndex, 4);
    EXPECT_EQ(read.link.scanIndex, 1);
    EXPECT_EQ(read.comDevice, "");
}

TEST(ApplicationSettings, missingFileGivesTheDefaultsOfAFirstStart) {
    test::TempFolder folder;
    ApplicationSettings read;
    ReadApplicationSettings(folder / "application.ini", read);
    EXPECT_EQ(read.link.portIndex, 0);
    EXPECT_EQ(read.link.languageIndex, 0);
    EXPECT_EQ(read.recentFiles.count(), 0);
}

TEST(ApplicationSettings, recentFilesWithAGapAndOverlongPaths) {
    const std::string longPath = "/" + std::string(300, 'p') + ".ign";
    ApplicationSettings read;
    ParseApplicationSettings(
        "[basic]\nmenuhistory00 = /a/first.ign\nMenuHistory02=\"" + longPath + "\"\nMenuHistory01=\n", read);
    const RecentFiles &recent = read.recentFiles;
    EXPECT_EQ(recent.count(), 3);
    EXPECT_EQ(recent.entry(0), "/a/first.ign");
    EXPECT_EQ(recent.entry(1), "");
    EXPECT_EQ(recent.caption(1), "1 ");
    EXPECT_EQ(recent.entry(2), longPath.substr(0, 255));
    EXPECT_EQ(recent.MenuItemVisible(1), true);
    EXPECT_EQ(recent.MenuItemVisible(2), true);
    EXPECT_EQ(recent.MenuItemVisible(3), false);
    EXPECT_EQ(recent.MenuSeparatorVisible(), true);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SanitizedBuild = true;
#else
constexpr bool SanitizedBuild = false;
#endif
#else
constexpr bool SanitizedBuild = false;
#endif

// A settings file swollen by another program (or on purpose) must not hold up the start: reading takes
// time in proportion to the file, whatever the number of keys or sections.
// File names with a line break or bytes that are not UTF-8 are kept behind a marker, percent-encoded, so
// that they come back byte for byte; every other name is written as it always was.
TEST(ApplicationSettings, oddFileNamesComeBackByteForByte) {
    const struct {
        std::string path;
        std::string written; // what stands behind "File=" ("" for: encoded)
    } cases[] = {
        {"/home/rider/race 2.ign", "/home/rider/race 2.ign"},
        {"/home/rider/Zündung.ign", "/home/rider/Zündung.ign"},
        {"/home/rider/caf\xe9.ign", "%url:/home/rider/caf%E9.ign"},
        {"/home/rider/two\nlines.ign", "%url:/home/rider/two%0Alines.ign"},
        {"/home/rider/cr\r.ign", ""},
        {"%url:/looks/encoded.ign", "%url:%25url:/looks/encoded.ign"},
        {"/home/rider/100%\n.ign", "%url:/home/rider/100%25%0A.ign"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        ApplicationSettings written;
        written.file = c.path;
        written.iniDir = c.path;
        written.recentFiles.AddRecentFile("/home/rider/other.ign");
        written.recentFiles.AddRecentFile(c.path);
        const std::string text = FormatApplicationSettings(written);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14) << "one line a key:\n" << text;
        if (!c.written.empty()) {
            EXPECT_NE(text.find("File=" + c.written + "\r\n"), std::string::npos) << text;
        }
        ApplicationSettings read;
        ParseApplicationSettings(text, read);
        EXPECT_EQ(read.file, c.path);
        EXPECT_EQ(read.iniDir, c.path);
        ASSERT_EQ(read.recentFiles.count(), 2);
        EXPECT_EQ(read.recentFiles.entry(0), c.path);
        EXPECT_EQ(read.recentFiles.entry(1), "/home/rider/other.ign");
    }
}

TEST(ApplicationSettings, hundredThousandKeysAreReadInUnderHalfASecond) {
    test::TempFolder folder;
    std::string text = "[BASIC]\r\n";
    for (int i = 0; i < 100000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    text += "Left=77\r\nleft=99\r\n";
    for (int i = 0; i < 20000; ++i)
        text += "[Section" + std::to_string(i) + "]\r\nLeft=1\r\n";
    text += "[basic]\r\nTop=55\r\nWidth=66\r\n";
    std::ofstream(ApplicationIniPath(folder.path()), std::ios::binary) << text;

    ApplicationSettings read;
    const double start = ProcessSeconds();
    ReadApplicationSettings(ApplicationIniPath(folder.path()), read);
    const double seconds = ProcessSeconds() - start;
    // The sanitizers slow every step several times over; a quadratic read still takes far longer.
    EXPECT_LT(seconds, SanitizedBuild ? 5.0 : 0.5);
    EXPECT_EQ(read.left, 77); // the first of two equal keys
    EXPECT_EQ(read.top, 55);  // a section named twice is one section
    EXPECT_EQ(read.width, 66);
}

TEST(DefaultIni, imageIsWrittenTenValuesALineWithAnEmptyLineAfterEveryTenth) {
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.setByte(i, i);
    const std::string text = FormatDefaultIni(image);
    EXPECT_EQ(text.substr(0, 62), "    0     1     2     3     4     5     6     7     8     9 \r\n");
    EXPECT_EQ(text.substr(9 * 62, 62 + 2 + 62),
              "   90    91    92    93    94    95    96    97    98    99 \r\n\r\n"
              "  100   101   102   103   104   105   106   107   108   109 \r\n");
    EXPECT_EQ(text.size(), 90u * 62 + 9 * 2);
    EXPECT_EQ(text.substr(text.size() - 8), "131 \r\n\r\n");
}

TEST(DefaultIni, imageReadsBackFromItsFile) {
    test::TempFolder folder;
    std::mt19937 random(11);
    ParameterImage saved;
    for (auto &b : saved.bytes())
        b = static_cast<std::uint8_t>(random());
    ASSERT_TRUE(WriteDefaultIni(DefaultIniPath(folder.path()), saved));
    ParameterImage read;
    ASSERT_EQ(ReadDefaultIni(DefaultIniPath(folder.path()), read), true);
    EXPECT_EQ(read, saved);
    EXPECT_EQ(ReadDefaultIni(folder / "missing.ini", read), false);
    EXPECT_EQ(read, saved);
}

TEST(DefaultIni, shortLongAndDamagedFilesFillOnlyWhatTheyHold) {
    ParameterImage filled;
    filled.bytes().fill(7);
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += std::to_string(i % 200) + (i % 10 == 9 ? "\n" : " ");
    const struct {
        const char *name;
        std::string text;
        int count;
        std::vector<int> first; // the bytes from byte 0 on
    } cases[] = {
        {"empty", "", 0, {7}},
        {"short", "1 2\t3\r\n", 3, {1, 2, 3, 7}},
        {"modulo256", "256 257 -1 4294967296", 4, {0, 1, 255, 0, 7}},
        {"wordStopsReading", "1 2 x 4 5", 2, {1, 2, 7, 7}},
        {"numberRunIntoWordIsNoNumber", "1 2x 4", 1, {1, 7}},
        {"hexIsNoDecimal", "9 0x10 4", 1, {9, 7}},
        {"long", thousand, 900, {0, 1, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ParameterImage image = filled;
        EXPECT_EQ(ParseDefaultIni(c.text, image), c.count);
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(image.byte(static_cast<int>(i)), c.first[i]) << "byte " << i;
        EXPECT_EQ(image.byte(899), c.count == 900 ? 99 : 7);
    }
}

TEST(SettingsFolder, createdLevelByLevelUnderTheBase) {
    test::TempFolder folder;
    const auto settings = CreateSettingsFolder(folder.path());
    EXPECT_EQ(settings, folder.path() / "Morvanel" / "ZARVEX1" / "99");
    EXPECT_EQ(std::filesystem::is_directory(settings), true);
    EXPECT_EQ(CreateSettingsFolder(folder.path()), settings); // an existing folder is fine
    EXPECT_EQ(ApplicationIniPath(settings), settings / "application.ini");
    // Without a base the files are taken from the current directory.
    EXPECT_EQ(CreateSettingsFolder({}), std::filesystem::path());
    EXPECT_EQ(DefaultIniPath({}), std::filesystem::path("default.ini"));
}

TEST(SettingsFolder, exeDirFilesGoToTheSettingsFolderWhereTheProgramsFolderCannotBeWritten) {
    test::TempFolder folder;
    const auto program = folder.path() / "bin";
    const auto settings = folder.path() / "settings";
    std::filesystem::create_directories(program);
    EXPECT_EQ(ExeDirParameterPath(program, settings), program / "data.ign");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program), {}), 0); // the probe is gone
    // A folder that is not there, or a file where the folder should be, cannot take a file; folders
    // without write permission are the same to the program but not to a test that may run as root.
    EXPECT_EQ(ExeDirParameterPath(folder.path() / "gone", settings), settings / "data.ign");
    { std::ofstream(folder.path() / "plain") << "x"; }
    EXPECT_EQ(ExeDirParameterPath(folder.path() / "plain", settings), settings / "data.ign");
}

TEST(TestMode, markerWordTurnsTestModeOnOnlyWhenSpelledExactly) {
    const struct {
        const char *text;
        bool on;
    } cases[] = {
        {"DIAG_SWITCH", true},
        {"bench PC\r\nDIAG_SWITCH\r\n", true},
        {"diag_switch", false},
        {"DIAG_SWITCHES", false},
        {"", false},
        {"xDIAG_SWITCH", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTestModeMarker(c.text), c.on) << c.text;

    test::TempFolder folder;
    EXPECT_EQ(ReadTestMode(folder / "test_qurvel.txt"), false);
    std::ofstream(folder / "test_qurvel.txt") << "bench DIAG_SWITCH";
    EXPECT_EQ(ReadTestMode(folder / "test_qurvel.txt"), true);
}

TEST(DroppedFiles, parameterFileIsKnownByItsLastFourCharacters) {
    const struct {
        const char *path;
        bool taken;
    } cases[] = {
        {"/maps/a.ign", true}, {"C:\\MAPS\\A.IGN", true}, {"x.IgN", true}, {".ign", true},
        {"ign", false},        {"a.ign.txt", false},      {"a.ig", false}, {"a_ign", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsParameterFileName(c.path), c.taken) << c.path;
}

TEST(TextFiles, cuttingCountsCharactersNotBytes) {
    EXPECT_EQ(CutToCharacters("abcdef", 3), "abc");
    EXPECT_EQ(CutToCharacters("žluť", 3), "žlu");
    EXPECT_EQ(CutToCharacters("žluť", 4), "žluť");
    EXPECT_EQ(CutToCharacters("ab", 0), "");
}

} // namespace
} // namespace zarvex1
