#include "core/link/PortDiscovery.h"

#include "core/link/PortNames.h"

#include <algorithm>
#include <system_error>

namespace zarvex1 {

std::string AdapterCaption(const DiscoveredPort &port) {
    std::string caption;
    for (const std::string *part : {&port.description, &port.manufacturer, &port.serialNumber}) {
        if (part->empty())
            continue;
        if (!caption.empty())
            caption += ", ";
        caption += *part;
    }
    const std::string &name = port.stableName.empty() ? port.device : port.stableName;
    return caption.empty() ? name : caption + " \u2014 " + name;
}

std::string StableNameFor(const std::string &device, const std::filesystem::path &byIdFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::weakly_canonical(device, error);
    if (error)
        return device;
    std::vector<fs::path> links;
    for (fs::directory_iterator it(byIdFolder, error), end; !error && it != end; it.increment(error)) {
        std::error_code linkError;
        if (fs::is_symlink(it->symlink_status(linkError)) && fs::canonical(it->path(), linkError) == target &&
            !linkError)
            links.push_back(it->path());
    }
    if (links.empty())
        return device;
    return std::min_element(links.begin(), links.end())->string();
}

std::vector<ScanCandidate> AutoScanOrder(const std::vector<DiscoveredPort> &ports) {
    std::vector<ScanCandidate> order;
    std::vector<int> covered;
    for (const DiscoveredPort &port : ports) {
        if (!port.usb)
            continue;
        const int number = ComNumberOfDevice(port.device);
        order.push_back({port.stableName.empty() ? port.device : port.stableName, number, true});
        if (number > 0)
            covered.push_back(number);
    }
    for (int number = 1; number <= LastScanIndex + 1; ++number)
        if (std::find(covered.begin(), covered.end(), number) == covered.end())
            order.push_back({PortDevice(number), number, false});
    return order;
}

} // namespace zarvex1
