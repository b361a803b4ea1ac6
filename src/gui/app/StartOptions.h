#pragma once

#include "app/LoaderServer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zarvex1 {

// What the command line and the environment ask of the program at start.
struct StartOptions {
    std::optional<int> language; // from the first argument, "ENGLISH", "DEUTSCH" or "CESKY"
    QString portDevice;          // --port DEVICE or ZARVEX1_PORT: one device that every open uses
    QString loaderName = LoaderServer::DefaultAddress(); // the socket a loader program talks to
    // --simulate[=cycle|running|stopped]: a unit in process instead of a serial port, its engine so
    // (default cycle: standing, then a run through the gears).
    bool simulate = false;
    QString simulatedEngine = QStringLiteral("cycle");
    // The owner steps the ticks itself (a test): the window's timer stays off.
    bool steppedTicks = false;
    QString parameterFile; // a parameter file to open at start (a double-click on it in the file manager)

    // arguments without the program name.
    static StartOptions Parse(const QStringList &arguments, const QString &portFromEnvironment);
};

} // namespace zarvex1
