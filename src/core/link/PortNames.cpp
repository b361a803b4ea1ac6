#include "core/link/PortNames.h"

namespace zarvex1 {

std::string ComMenuCaption(int index) {
    return index == AutoPortIndex ? std::string("Com Auto") : "Com " + std::to_string(index + 1);
}

std::string PortDevice(int number) {
#ifdef _WIN32
    // The \\.\ form also reaches ports above COM9.
    return "\\\\.\\COM" + std::to_string(number);
#else
    if (number >= 1 && number <= 10)
        return "/dev/ttyUSB" + std::to_string(number - 1);
    if (number >= 11 && number <= 20)
        return "/dev/ttyACM" + std::to_string(number - 11);
    return "/dev/ttyS" + std::to_string(number - 21);
#endif
}

int ComNumberOfDevice(const std::string &device) {
    for (int number = 1; number <= LastScanIndex + 1; ++number)
        if (PortDevice(number) == device)
            return number;
#ifdef _WIN32
    // "COM5" as well as "\\.\COM5".
    if (device.rfind("COM", 0) == 0)
        for (int number = 1; number <= LastScanIndex + 1; ++number)
            if (device == "COM" + std::to_string(number))
                return number;
#endif
    return 0;
}

std::string ShortDeviceName(const std::string &device) {
    std::string name = device;
    for (const char *prefix : {"\\\\.\\", "/dev/"})
        if (name.rfind(prefix, 0) == 0) {
            name.erase(0, std::string(prefix).size());
            break;
        }
    return name.substr(0, 10);
}

} // namespace zarvex1
