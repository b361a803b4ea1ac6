#pragma once

#include "core/link/PortDiscovery.h"
#include "core/params/Limits.h"

#include <string>
#include <vector>

namespace zarvex1 {

// Which device the link opens: one named on the command line, an adapter chosen by its stable name, a
// numbered Com port, or in automatic mode the next candidate of the scan. Port numbers stay in the
// settings (PortIndex, ScanIndex), so files, settings and the loader's messages keep working with them:
// an adapter takes the number of the device it resolves to.
class PortSelection {
public:
    explicit PortSelection(LimitedSettings &settings) : settings_(settings) {}

    // Without a discovery there are no adapters and nothing counts as locked.
    void SetDiscovery(PortDiscovery *discovery) { discovery_ = discovery; }
    PortDiscovery *discovery() const { return discovery_; }

    // --port DEVICE: every open uses it. Empty: the Com menu's choice.
    void SetOverride(std::string device) { override_ = std::move(device); }
    // A Com menu item: 0..29 a numbered port, 30 automatic mode. Forgets a chosen adapter.
    void ChooseNumbered(int index);
    // An adapter of the Com menu by its stable name; empty forgets it.
    void ChooseAdapter(std::string stableName);
    const std::string &adapter() const { return adapter_; }

    bool Automatic() const;
    // The device of the next open. An adapter's port number follows the device it resolves to now;
    // automatic mode passes over ports that another program holds.
    std::string DeviceToOpen();
    // Automatic mode moves on to the next candidate; a newly plugged USB adapter comes first.
    void AdvanceScan();
    // The device node behind the name (for the caption "COM= ttyUSB0").
    std::string Resolve(const std::string &device) const;

private:
    std::vector<ScanCandidate> ScanOrder();
    void TakeCandidate(const ScanCandidate &candidate);
    void StartScan();

    LimitedSettings &settings_;
    PortDiscovery *discovery_ = nullptr;
    std::string override_;
    std::string adapter_;
    std::vector<ScanCandidate> order_;       // automatic mode: the candidates at the last look
    std::size_t position_ = 0;               // the candidate tried last
    bool scanning_ = false;                  // order_ and position_ are set
    std::vector<std::string> knownAdapters_; // adapters seen at the last look
    std::string resumeAfter_;                // where the scan was before it turned to a new adapter
};

} // namespace zarvex1
