#pragma once

#include "core/link/PortDiscovery.h"

namespace zarvex1 {

// The serial ports of this machine as Qt finds them, each with the name under /dev/serial/by-id that
// stays with the adapter wherever it is plugged in.
class SystemPortDiscovery : public PortDiscovery {
public:
    std::vector<DiscoveredPort> AvailablePorts() override;
    bool LockedByOther(const std::string &device) override;
    std::string Resolve(const std::string &device) override;
};

} // namespace zarvex1
