#include "core/texts/ProgramInfo.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(ProgramInfo, findsHelpOrVersionBeforeTheFileNames) {
    using Args = std::vector<std::string>;
    const std::pair<Args, InfoRequest> rows[] = {
        {{}, InfoRequest::None},
        {{"DEUTSCH", "tune.ign"}, InfoRequest::None},
        {{"--help"}, InfoRequest::Help},
        {{"-h"}, InfoRequest::Help},
        {{"DEUTSCH", "--port", "/dev/ttyUSB0", "--version"}, InfoRequest::Version},
        {{"--version", "--help"}, InfoRequest::Version}, // the first one asked for
        {{"--", "--help"}, InfoRequest::None},           // a file named --help
        {{"tune.ign", "--", "--version"}, InfoRequest::None},
        {{"--helpme", "--versions"}, InfoRequest::None},
    };
    for (const auto &[args, request] : rows) {
        std::string shown;
        for (const std::string &arg : args)
            shown += arg + " ";
        EXPECT_EQ(FindInfoRequest(args), request) << shown;
    }
}

} // namespace
} // namespace zarvex1
