#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarvex1 {

// A serial port the system reports.
struct DiscoveredPort {
    std::string device;     // the device node: "/dev/ttyUSB0", "COM3"
    std::string stableName; // a name that stays with the adapter ("/dev/serial/by-id/..."), else the device
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    bool usb = false;
    friend bool operator==(const DiscoveredPort &, const DiscoveredPort &) = default;
};

// What the link asks of the system about its ports. The real one looks at the machine; tests and the
// command-line tool give their own or none.
class PortDiscovery {
public:
    virtual ~PortDiscovery() = default;
    // The ports present now.
    virtual std::vector<DiscoveredPort> AvailablePorts() = 0;
    // Another program holds the port: a live lock file or exclusive mode on the open device.
    virtual bool LockedByOther(const std::string &device) = 0;
    // The device node a name leads to (a stable name is a link); the name itself when it leads nowhere.
    virtual std::string Resolve(const std::string &device) = 0;
};

// The Com menu's caption of a port: description, maker, serial number and stable name, those known.
std::string AdapterCaption(const DiscoveredPort &port);

// The link in the folder (normally /dev/serial/by-id) that leads to the device, or the device itself.
// The first in name order wins, so the choice does not change between two looks.
std::string StableNameFor(const std::string &device, const std::filesystem::path &byIdFolder);

// What automatic mode tries, in order: the USB adapters by their stable names, then the numbered ports
// that no adapter already stands for. comNumber is the port number of the device (0 when it has none).
struct ScanCandidate {
    std::string device;
    int comNumber = 0;
    bool adapter = false;
    friend bool operator==(const ScanCandidate &, const ScanCandidate &) = default;
};
std::vector<ScanCandidate> AutoScanOrder(const std::vector<DiscoveredPort> &ports);

} // namespace zarvex1
