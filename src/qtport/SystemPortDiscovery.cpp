#include "qtport/SystemPortDiscovery.h"

#include "qtport/PortProbe.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zarvex1 {

std::vector<DiscoveredPort> SystemPortDiscovery::AvailablePorts() {
    std::vector<DiscoveredPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        DiscoveredPort port;
        port.device = info.systemLocation().toStdString();
#ifdef _WIN32
        port.stableName = port.device;
#else
        port.stableName = StableNameFor(port.device, "/dev/serial/by-id");
#endif
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
        port.usb = info.hasVendorIdentifier();
        ports.push_back(std::move(port));
    }
    // The same order at every look, whatever order the system lists them in.
    std::sort(ports.begin(), ports.end(),
              [](const DiscoveredPort &a, const DiscoveredPort &b) { return a.device < b.device; });
    return ports;
}

bool SystemPortDiscovery::LockedByOther(const std::string &device) {
    return ProbeLock(device).held();
}

std::string SystemPortDiscovery::Resolve(const std::string &device) {
#ifdef _WIN32
    return device;
#else
    std::error_code error;
    const auto path = std::filesystem::canonical(device, error);
    return error ? device : path.string();
#endif
}

} // namespace zarvex1
