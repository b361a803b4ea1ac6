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

    // arguments without the program name.
    static StartOptions Parse(const QStringList &arguments, const QString &portFromEnvironment);
};

} // namespace zarvex1
