#include "gui/app/DisplayServer.h"
#include "gui/app/InstanceServer.h"
#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"
#include "gui/app/TerminationSignals.h"
#include "gui/app/WindowStart.h"
#include "qtport/SettingsLocation.h"
#include "qtport/SimulatedLineClock.h"

#include "core/texts/ProgramInfo.h"

#include "sim/SimOptions.h"
#include "sim/SimulatedPort.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

// The unit in process that --simulate asks for, on a 57600-baud line; null when not asked for.
std::unique_ptr<zarvex1::SimulatedPort> SimulatedUnit(const zarvex1::StartOptions &options, bool &ok) {
    ok = true;
    if (!options.simulate)
        return nullptr;
    zarvex1::SimOptions unit;
    std::string error;
    if (zarvex1::ParseSimOptions({"--engine", options.simulatedEngine.toStdString()}, unit, error) !=
        zarvex1::ParseResult::Run) {
        std::fprintf(stderr, "zarvex1: --simulate takes cycle, running or stopped\n");
        ok = false;
        return nullptr;
    }
    return std::make_unique<zarvex1::SimulatedPort>(unit, zarvex1::LineModel::Serial());
}

} // namespace

int main(int argc, char *argv[]) {
    // Answered before the window is built and before a running window could be handed anything, so
    // they work without a display too.
    switch (zarvex1::FindInfoRequest(std::vector<std::string>(argv + 1, argv + argc))) {
    case zarvex1::InfoRequest::Help:
        std::fputs(zarvex1::WindowUsage().c_str(), stdout);
        return 0;
    case zarvex1::InfoRequest::Version:
        std::fputs(zarvex1::ProgramVersionText("zarvex1").c_str(), stdout);
        return 0;
    case zarvex1::InfoRequest::None:
        break;
    }
    zarvex1::PrepareDisplayServer();
    QApplication app(argc, argv);
    zarvex1::DisplayServerConnected();
    QApplication::setApplicationName(QStringLiteral("ZARVEX1"));
    QApplication::setOrganizationName(QStringLiteral("Morvanel"));
    // The installed menu entry (zarvex1.desktop) names the program's windows and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zarvex1"));
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    try {
        // The arguments as the system's bytes (Qt has taken its own options out of argv), so that a file
        // name in any encoding opens.
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        auto options = zarvex1::StartOptions::Parse(
            arguments, QProcessEnvironment::systemEnvironment().value(QStringLiteral("ZARVEX1_PORT")));
        for (const std::string &warning : options.Warnings())
            std::fprintf(stderr, "zarvex1: %s\n", warning.c_str());
        // One window per settings folder: a second start hands its file and language to the first.
        const std::filesystem::path settingsFolder = zarvex1::SettingsFolder();
        zarvex1::WindowStart start = zarvex1::WindowStart::Decide(options, settingsFolder);
        if (start.role == zarvex1::WindowStart::Role::HandedOver)
            return 0;
        options.ownsSettings = start.role == zarvex1::WindowStart::Role::Owner;
        bool ok = true;
        std::unique_ptr<zarvex1::SimulatedPort> simulated = SimulatedUnit(options, ok);
        if (!ok)
            return 2;
        zarvex1::SimulatedPort *unit = simulated.get();
        if (unit)
            options.portDevice = QStringLiteral("simulated");
        // Logout, shutdown, a closed terminal or kill close the window as the user would; a signal that
        // comes while the window is being built waits for the event loop.
        zarvex1::TerminationSignals stopSignals;
        zarvex1::TMainForm mainForm(options, std::move(simulated));
        QObject::connect(&stopSignals, &zarvex1::TerminationSignals::received, &mainForm, [&mainForm] {
            mainForm.close();
            QApplication::quit();
        });
        // The window of the settings folder takes what later starts hand over.
        zarvex1::InstanceServer instanceServer;
        if (options.ownsSettings) {
            QObject::connect(&instanceServer, &zarvex1::InstanceServer::handedOver, &mainForm,
                             [&mainForm](int language, const QByteArray &file) {
                                 mainForm.TakeHandOver(language, file.toStdString());
                             });
            if (!instanceServer.listen(zarvex1::InstanceServer::AddressFor(settingsFolder)))
                std::fprintf(stderr, "zarvex1: later starts cannot reach this window: %s\n",
                             qPrintable(instanceServer.errorString()));
        }
        // Runs the unit in process on the wall clock; it goes before the window, which owns the port.
        std::unique_ptr<zarvex1::SimulatedLineClock> clock;
        if (unit)
            clock = std::make_unique<zarvex1::SimulatedLineClock>(*unit);
        mainForm.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        // Whatever escapes the windows ends the program after the standard error dialog.
        QMessageBox::critical(nullptr, QStringLiteral("ZARVEX1"), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("ZARVEX1"), QStringLiteral("Unknown error"));
    }
    return 0;
}
