#pragma once

#include "core/link/PortDiscovery.h"
#include "core/link/PortNames.h"

#include <set>
#include <string>
#include <vector>

namespace zarvex1::test {

inline const std::string FtdiById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
inline const std::string CdcById = "/dev/serial/by-id/usb-Morvanel_ZARVEX1_0042-if00";

// The system's ports as a test lays them out.
struct FakeDiscovery : PortDiscovery {
    std::vector<DiscoveredPort> ports;
    std::set<std::string> locked;
    int looks = 0; // calls of AvailablePorts

    std::vector<DiscoveredPort> AvailablePorts() override {
        ++looks;
        return ports;
    }
    bool LockedByOther(const std::string &device) override { return locked.count(device) > 0; }
    std::string Resolve(const std::string &device) override {
        for (const DiscoveredPort &port : ports)
            if (port.stableName == device)
                return port.device;
        return device;
    }
};

// The devices are the system's own port names: on Linux an adapter on ttyUSB3 stands for Com 4, on
// Windows the one on COM4.
inline DiscoveredPort Ftdi(const std::string &device = PortDevice(4)) {
    return {device, FtdiById, "FT232R USB UART", "FTDI", "A50285BI", true};
}
inline DiscoveredPort Cdc() {
    return {PortDevice(11), CdcById, "ZARVEX1", "Morvanel", "0042", true};
}
inline DiscoveredPort Uart() {
    return {PortDevice(21), PortDevice(21), "", "", "", false};
}

} // namespace zarvex1::test
