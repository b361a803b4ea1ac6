#include "cli/CliArguments.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace zarvex1;

namespace {

std::vector<std::string> Split(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

TEST(CliArguments, commandLinesGiveTheirOptions) {
    struct Row {
        const char *line;
        CliCommand command;
        std::string port, input, output;
        int bike, page, frames;
        bool json;
    };
    const Row rows[] = {
        {"new -o a.ign", CliCommand::New, "", "", "a.ign", 0, Page::All, 0, false},
        {"new --bike 5 --output=a.ign", CliCommand::New, "", "", "a.ign", 5, Page::All, 0, false},
        {"normalize in.ign --page 2 -o out.ign", CliCommand::Normalize, "", "in.ign", "out.ign", 0, 2, 0,
         false},
        {"normalize -o out.ign -- -odd.ign", CliCommand::Normalize, "", "-odd.ign", "out.ign", 0, -1, 0,
         false},
        {"read --port /dev/pts/3 -o r.ign", CliCommand::Read, "/dev/pts/3", "", "r.ign", 0, -1, 0, false},
        {"program in.ign --port=COM3", CliCommand::Program, "COM3", "in.ign", "", 0, -1, 0, false},
        {"verify --port /dev/ttyUSB0 in.ign", CliCommand::Verify, "/dev/ttyUSB0", "in.ign", "", 0, -1, 0,
         false},
        {"info --port /dev/ttyUSB0", CliCommand::Info, "/dev/ttyUSB0", "", "", 0, -1, 0, false},
        {"monitor --json --port p --frames 3", CliCommand::Monitor, "p", "", "", 0, -1, 3, true},
        {"monitor --port p", CliCommand::Monitor, "p", "", "", 0, -1, 0, false},
        {"diff a.ign b.ign --json", CliCommand::Diff, "", "a.ign", "", 0, -1, 0, true},
        {"history", CliCommand::History, "", "", "", 0, -1, 0, false},
        {"read --help", CliCommand::Help, "", "", "", 0, -1, 0, false},
        {"--help", CliCommand::Help, "", "", "", 0, -1, 0, false},
        {"info --port p --version", CliCommand::Version, "", "", "", 0, -1, 0, false},
        {"fly --version", CliCommand::Version, "", "", "", 0, -1, 0, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const ParsedArguments parsed = ParseCliArguments(Split(row.line));
        ASSERT_TRUE(parsed.ok) << parsed.error;
        const CliOptions &o = parsed.options;
        EXPECT_EQ(o.command, row.command);
        EXPECT_EQ(o.port, row.port);
        EXPECT_EQ(o.input, row.input);
        EXPECT_EQ(o.output, row.output);
        EXPECT_EQ(o.bike, row.bike);
        EXPECT_EQ(o.page, row.page);
        EXPECT_EQ(o.frames, row.frames);
        EXPECT_EQ(o.json, row.json);
    }
}

TEST(CliArguments, monitorWritesTheLogFormatWithCsv) {
    const ParsedArguments parsed = ParseCliArguments(Split("monitor --csv --port p"));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_TRUE(parsed.options.csv);
    EXPECT_FALSE(parsed.options.json);
}

TEST(CliArguments, badCommandLinesSayWhatIsWrong) {
    struct Row {
        const char *line;
        const char *reason;
    };
    const Row rows[] = {
        {"", "no command given"},
        {"fly --port p", "unknown command fly"},
        {"read -o r.ign", "read: --port DEVICE is missing"},
        {"read --port p", "read: -o OUT.ign is missing"},
        {"program --port p", "program: the input file is missing"},
        {"program --port p a.ign b.ign", "program: unexpected argument b.ign"},
        {"info --port p extra", "info: unexpected argument extra"},
        {"info --port p --json", "info: unknown option --json"},
        {"monitor --port p --speed 3", "monitor: unknown option --speed"},
        {"monitor --port", "monitor: --port needs a value"},
        {"monitor --port p --frames 0", "monitor: --frames takes a number of frames of at least 1, not 0"},
        {"monitor --port p --frames 2x", "monitor: --frames takes a number of frames of at least 1, not 2x"},
        {"monitor --port p --json=1", "monitor: --json takes no value"},
        {"monitor --port p --csv --json", "monitor: --json and --csv exclude each other"},
        {"info --port p --csv", "info: unknown option --csv"},
        {"read --port p --port q -o r.ign", "read: --port given twice"},
        {"new --bike 7 -o a.ign", "new: --bike takes a motorbike type 0..6, not 7"},
        {"normalize a.ign --page 9 -o b.ign", "normalize: --page takes a page 0..8, not 9"},
        {"normalize a.ign --page -1 -o b.ign", "normalize: --page takes a page 0..8, not -1"},
        {"new --output= ", "new: --output needs a value"},
        {"diff a.ign", "diff: the second file is missing"},
        {"diff a.ign b.ign c.ign", "diff: unexpected argument c.ign"},
        {"history extra", "history: unexpected argument extra"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const ParsedArguments parsed = ParseCliArguments(Split(row.line));
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.error, row.reason);
    }
}

} // namespace
