#include "core/link/PortNames.h"
#include "core/link/TestCommands.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(PortNames, menuCaptionsAndDevices) {
    EXPECT_EQ(ComMenuCaption(0), "Com 1");
    EXPECT_EQ(ComMenuCaption(29), "Com 30");
    EXPECT_EQ(ComMenuCaption(30), "Com Auto");
#ifdef _WIN32
    EXPECT_EQ(PortDevice(5), "\\\\.\\COM5");
    EXPECT_EQ(ShortDeviceName(PortDevice(12)), "COM12");
#else
    const std::pair<int, const char *> rows[] = {{1, "/dev/ttyUSB0"},  {10, "/dev/ttyUSB9"},
                                                 {11, "/dev/ttyACM0"}, {20, "/dev/ttyACM9"},
                                                 {21, "/dev/ttyS0"},   {31, "/dev/ttyS10"}};
    for (const auto &[number, device] : rows)
        EXPECT_EQ(PortDevice(number), device) << number;
    EXPECT_EQ(ShortDeviceName("/dev/ttyUSB0"), "ttyUSB0");
#endif
    EXPECT_EQ(ShortDeviceName("\\\\.\\COM5"), "COM5");
    EXPECT_EQ(ShortDeviceName("/dev/serial/by-id/usb-FTDI"), "serial/by-");
}

TEST(TestCommands, eachButtonSetsItsOwnBit) {
    const std::pair<TestButton, TestBits> rows[] = {
        {TestButton::Ign1, {0x01, 0, 0}},       {TestButton::Ign2, {0x02, 0, 0}},
        {TestButton::POut1, {0, 0x01, 0}},      {TestButton::POut4, {0, 0x08, 0}},
        {TestButton::Rpm, {0, 0x10, 0}},        {TestButton::ServoPlus, {0, 0, 0x01}},
        {TestButton::ServoMinus, {0, 0, 0x02}},
    };
    for (const auto &[button, expected] : rows) {
        TestBits bits{};
        SetTestBit(bits, button);
        EXPECT_EQ(bits, expected) << static_cast<int>(button);
    }
    EXPECT_FALSE(TestButtonsEnabled(true));
}

} // namespace
} // namespace zarvex1
