#pragma once

#include "gui/app/LoaderServer.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zarvex1 {

// What the command line and the environment ask of the program at start.
struct StartOptions {
    std::optional<int> language; // the first argument, "ENGLISH", "DEUTSCH" or "CESKY" in exactly this case
    QString portDevice;          // --port DEVICE or ZARVEX1_PORT: one device that every open uses
    QString loaderName = LoaderServer::DefaultAddress(); // the socket a loader program talks to
    // --simulate[=cycle|running|stopped]: a unit in process instead of a serial port, its engine so
    // (default cycle: standing, then a run through the gears).
    bool simulate = false;
    QString simulatedEngine = QStringLiteral("cycle");
    bool portNamed = false; // --port was given (a window that runs already cannot take it over)
    // --new-instance: a window of its own even when one runs on the same settings (two units on two
    // ports); it owns the settings only when no other window does.
    bool newInstance = false;
    // The window owns the settings folder and keeps application.ini and default.ini; a window beside it
    // (--new-instance) writes neither.
    bool ownsSettings = true;
    // The owner steps the ticks itself (a test): the window's timer stays off.
    bool steppedTicks = false;
    // The clock that stamps the live records in milliseconds, when the owner runs time itself (a unit in
    // process whose line a test moves on); without it the window's own monotonic clock, or the stepped
    // ticks.
    std::function<long long()> clockMs;
    // A parameter file to open at start (a double-click on it in the file manager): absolute, the
    // system's bytes as given, so that a name in any encoding opens.
    std::filesystem::path parameterFile;
    // Options the program does not know, and further files beyond the first: named on standard error.
    std::vector<std::string> unknownOptions;
    std::vector<std::string> ignoredFiles;

    // The arguments without the program name, as the system's bytes. The language word counts only as
    // the first argument; "--" ends the options, every argument after it is a file.
    static StartOptions Parse(const std::vector<std::string> &arguments, const QString &portFromEnvironment);
    // The same for arguments as text (tests), in the system's encoding.
    static StartOptions Parse(const QStringList &arguments, const QString &portFromEnvironment);

    // What standard error says of the arguments: unknown options, files beyond the first.
    std::vector<std::string> Warnings() const;
};

} // namespace zarvex1
