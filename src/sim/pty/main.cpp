// zarvex1-sim: a ZARVEX1 ignition unit on a pseudo-terminal, for trying ZARVEX1 Studio or the
// command-line tool without a unit and as the peer of the end-to-end tests of the real serial port.
// The unit itself is the simulator library's; this shell only carries its bytes.

#include "core/texts/ProgramInfo.h"
#include "sim/MemoryFile.h"
#include "sim/SimOptions.h"
#include "sim/UnitEnd.h"
#include "sim/pty/PtyDevice.h"
#include "sim/pty/SimLoop.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: poll() returns at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace

int main(int argc, char **argv) {
    using namespace zarvex1;
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    case ParseResult::Help:
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    case ParseResult::Version:
        std::fputs(ProgramVersionText("zarvex1-sim").c_str(), stdout);
        return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "zarvex1-sim: %s\n%s", error.c_str(), TryHelpLine("zarvex1-sim").c_str());
        return 2;
    case ParseResult::Run:
        break;
    }

    ParameterImage memory = FactoryMemory();
    if (!options.loadPath.empty() && !LoadMemory(options.loadPath, memory, error)) {
        std::fprintf(stderr, "zarvex1-sim: %s\n", error.c_str());
        return 1;
    }

    PtyDevice pty;
    if (!pty.create(error)) {
        std::fprintf(stderr, "zarvex1-sim: %s\n", error.c_str());
        return 1;
    }
    if (!options.linkPath.empty()) {
        ::unlink(options.linkPath.c_str());
        if (::symlink(pty.slavePath().c_str(), options.linkPath.c_str()) != 0) {
            std::perror(("zarvex1-sim: " + options.linkPath).c_str());
            return 1;
        }
    }
    InstallStopHandlers();
    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);

    UnitEnd unit(options, memory);
    if (options.verbose)
        unit.SetLog([](const std::string &line) { std::fprintf(stderr, "zarvex1-sim: %s\n", line.c_str()); });
    else // the handover is always told, so a user sees why the unit has gone quiet
        unit.SetLog([](const std::string &line) {
            if (line.ends_with("loader running"))
                std::fprintf(stderr, "zarvex1-sim: %s\n", line.c_str());
        });
    if (!options.savePath.empty())
        unit.SetProgrammedHandler([&options](const ParameterImage &stored) {
            std::string reason;
            if (!SaveMemory(options.savePath, stored, reason))
                std::fprintf(stderr, "zarvex1-sim: %s\n", reason.c_str());
        });
    SimLoop loop(pty.fd(), unit, options);
    loop.run(stopRequested);

    if (!options.linkPath.empty())
        ::unlink(options.linkPath.c_str());
    return 0;
}
