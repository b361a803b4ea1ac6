#pragma once

#include <string>

namespace zarvex1 {

// The Com menu has 30 numbered ports and "Com Auto"; automatic scanning walks port numbers 1..31.
inline constexpr int ComMenuItemCount = 31;
inline constexpr int AutoPortIndex = 30;
inline constexpr int LastScanIndex = 30;

// Caption of Com menu item index (0..30): "Com 1" .. "Com 30", "Com Auto".
std::string ComMenuCaption(int index);
// Device of port number (1-based). Linux: 1..10 /dev/ttyUSB0..9, 11..20 /dev/ttyACM0..9,
// 21..31 /dev/ttyS0..10. Windows: \\.\COMn.
std::string PortDevice(int number);
// The port number of a device by the numbering above (its inverse); 0 for a device outside it.
int ComNumberOfDevice(const std::string &device);
// The device without its directory prefix, at most 10 characters: "ttyUSB0", "COM5".
std::string ShortDeviceName(const std::string &device);

} // namespace zarvex1
