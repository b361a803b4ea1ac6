// zarvex1-cli: the link, the parameter files and the live values of ZARVEX1 Studio from a shell.

#include "cli/CliArguments.h"
#include "cli/ExitCodes.h"
#include "cli/FileCommands.h"
#include "cli/QtConnection.h"
#include "cli/SafetyCommands.h"
#include "cli/UnitCommands.h"
#include "core/texts/ProgramInfo.h"

#include "core/safety/RestorePoints.h"
#include "qtport/SettingsLocation.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    using namespace zarvex1;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedArguments parsed = ParseCliArguments(args);
    if (!parsed.ok) {
        std::cerr << "zarvex1-cli: " << parsed.error << "\n" << TryHelpLine("zarvex1-cli");
        return ExitCode::UsageOrFile;
    }
    const CliOptions &options = parsed.options;
    switch (options.command) {
    case CliCommand::Help:
        std::cout << CliUsage();
        return ExitCode::Success;
    case CliCommand::Version:
        std::cout << ProgramVersionText("zarvex1-cli");
        return ExitCode::Success;
    case CliCommand::New:
        return RunNew(options, std::cerr);
    case CliCommand::Normalize:
        return RunNormalize(options, std::cerr);
    case CliCommand::Diff:
        return RunDiff(options, std::cout, std::cerr);
    default:
        break;
    }

    // Qt finds the settings folder, and the serial port collects the unit's bytes in Qt's event loop.
    QCoreApplication app(argc, argv);
    if (options.command == CliCommand::History)
        return RunHistory(options, RestorePointStore::FolderBeside(SettingsFolder()), std::cout, std::cerr);
    QtConnection port;
    UnitConnection &unit = port.connection();
    // Read and Program keep their restore points where the window keeps its own.
    const std::filesystem::path history = RestorePointStore::FolderBeside(SettingsFolder());
    switch (options.command) {
    case CliCommand::Read:
        return RunRead(options, unit, std::cerr, history);
    case CliCommand::Program:
        return RunProgram(options, unit, std::cerr, history);
    case CliCommand::Verify:
        return RunVerify(options, unit, std::cerr, history);
    case CliCommand::Info:
        return RunInfo(options, unit, std::cout, std::cerr);
    case CliCommand::Monitor:
        return RunMonitor(options, unit, std::cout, std::cerr);
    default:
        return ExitCode::UsageOrFile;
    }
}
