#include "core/link/PortSelection.h"

#include "core/link/PortNames.h"

#include <algorithm>
#include <utility>

namespace zarvex1 {

namespace {

std::vector<std::string> AdaptersOf(const std::vector<ScanCandidate> &order) {
    std::vector<std::string> adapters;
    for (const ScanCandidate &candidate : order)
        if (candidate.adapter)
            adapters.push_back(candidate.device);
    return adapters;
}

} // namespace

void PortSelection::ChooseNumbered(int index) {
    settings_.portIndex = std::clamp(index, 0, AutoPortIndex);
    adapter_.clear();
    scanning_ = false;
    resumeAfter_.clear();
}

void PortSelection::ChooseAdapter(std::string stableName) {
    adapter_ = std::move(stableName);
    scanning_ = false;
    resumeAfter_.clear();
}

bool PortSelection::Automatic() const {
    return override_.empty() && adapter_.empty() && settings_.portIndex == AutoPortIndex;
}

std::string PortSelection::Resolve(const std::string &device) const {
    return discovery_ ? discovery_->Resolve(device) : device;
}

std::string PortSelection::DeviceToOpen() {
    if (!override_.empty())
        return override_;
    if (!adapter_.empty()) {
        // The adapter answers to the number of the device it is now, so a loader finds it.
        const int number = ComNumberOfDevice(Resolve(adapter_));
        if (number > 0 && number <= AutoPortIndex)
            settings_.portIndex = number - 1;
        return adapter_;
    }
    if (!Automatic())
        return PortDevice(settings_.portIndex + 1);
    if (!scanning_)
        StartScan();
    if (discovery_)
        for (std::size_t tries = 1;
             tries < order_.size() && discovery_->LockedByOther(order_[position_].device); ++tries) {
            position_ = (position_ + 1) % order_.size();
            TakeCandidate(order_[position_]);
        }
    return order_[position_].device;
}

void PortSelection::AdvanceScan() {
    if (!Automatic() || !scanning_) {
        // Outside a running scan the number just moves on, as it always did.
        if (++settings_.scanIndex > LastScanIndex)
            settings_.scanIndex = 0;
        return;
    }
    std::string last = order_[position_].device;
    std::vector<ScanCandidate> order = ScanOrder();
    std::size_t next = order.size();
    for (std::size_t i = 0; i < order.size() && next == order.size(); ++i)
        if (order[i].adapter &&
            std::find(knownAdapters_.begin(), knownAdapters_.end(), order[i].device) == knownAdapters_.end())
            next = i; // plugged in since the last look: try it at once
    if (next != order.size()) {
        if (resumeAfter_.empty())
            resumeAfter_ = last;
    } else {
        // After a newly plugged adapter the scan goes on where it was.
        if (!resumeAfter_.empty())
            last = std::exchange(resumeAfter_, std::string());
        const auto found = std::find_if(order.begin(), order.end(), [&](const ScanCandidate &candidate) {
            return candidate.device == last;
        });
        // An adapter that went away leaves its place to the one behind it.
        next = found != order.end() ? static_cast<std::size_t>(found - order.begin() + 1) % order.size()
                                    : std::min(position_, order.size() - 1);
    }
    knownAdapters_ = AdaptersOf(order);
    order_ = std::move(order);
    position_ = next;
    TakeCandidate(order_[position_]);
}

std::vector<ScanCandidate> PortSelection::ScanOrder() {
    return AutoScanOrder(discovery_ ? discovery_->AvailablePorts() : std::vector<DiscoveredPort>{});
}

void PortSelection::TakeCandidate(const ScanCandidate &candidate) {
    if (candidate.comNumber > 0)
        settings_.scanIndex = candidate.comNumber - 1;
}

void PortSelection::StartScan() {
    order_ = ScanOrder();
    knownAdapters_ = AdaptersOf(order_);
    // Where the unit was found last time, if that is an adapter or no adapter is there; else the first
    // adapter.
    const auto stored = std::find_if(order_.begin(), order_.end(), [&](const ScanCandidate &candidate) {
        return candidate.comNumber == settings_.scanIndex + 1;
    });
    if (stored != order_.end() && (stored->adapter || knownAdapters_.empty()))
        position_ = static_cast<std::size_t>(stored - order_.begin());
    else
        position_ = 0;
    scanning_ = true;
    TakeCandidate(order_[position_]);
}

} // namespace zarvex1
