#include "fake_discovery.h"
#include "link_fixture.h"

#include "core/link/PortDiscovery.h"
#include "files/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zarvex1::test {
namespace {

class PortSelectionTest : public MockLinkTest {
protected:
    PortSelectionTest() { engine.SetPortDiscovery(&discovery); }
    FakeDiscovery discovery;
};

TEST(AutoScanOrder, usbAdaptersFirstThenTheNumbersNoAdapterStandsFor) {
    const auto order = AutoScanOrder({Uart(), Ftdi(), Cdc()});
    ASSERT_EQ(order.size(), 2u + 29u);
    EXPECT_EQ(order[0], (ScanCandidate{FtdiById, 4, true}));
    EXPECT_EQ(order[1], (ScanCandidate{CdcById, 11, true}));
    EXPECT_EQ(order[2], (ScanCandidate{PortDevice(1), 1, false}));
    EXPECT_EQ(std::count_if(order.begin(), order.end(), [](auto &c) { return c.comNumber == 4; }), 1);
    EXPECT_EQ(std::count_if(order.begin(), order.end(), [](auto &c) { return c.device == PortDevice(21); }),
              1)
        << "a built-in port is no adapter: it keeps its number";
}

TEST(AutoScanOrder, machineWithoutPortsScansTheNumbersOnly) {
    const auto order = AutoScanOrder({});
    ASSERT_EQ(order.size(), 31u);
    for (int n = 1; n <= 31; ++n)
        EXPECT_EQ(order[n - 1], (ScanCandidate{PortDevice(n), n, false}));
}

TEST(AdapterCaption, showsWhatIsKnownAndTheStableName) {
    EXPECT_EQ(AdapterCaption(Ftdi()), "FT232R USB UART, FTDI, A50285BI \u2014 " + FtdiById);
    EXPECT_EQ(AdapterCaption({"/dev/ttyS0", "", "", "", "", false}), "/dev/ttyS0");
}

TEST(StableName, theByIdLinkThatLeadsToTheDevice) {
#ifdef _WIN32
    GTEST_SKIP() << "Linux names its adapters by links in /dev/serial/by-id";
#endif
    namespace fs = std::filesystem;
    TempFolder folder;
    fs::create_directories(folder / "by-id");
    std::ofstream(folder / "ttyUSB0").put('x');
    std::ofstream(folder / "ttyUSB1").put('x');
    fs::create_symlink(folder / "ttyUSB1", folder / "by-id/usb-B");
    fs::create_symlink("../ttyUSB0", folder / "by-id/usb-A-port0");
    fs::create_symlink(folder / "ttyUSB0", folder / "by-id/usb-A-port0-alias");
    EXPECT_EQ(StableNameFor((folder / "ttyUSB0").string(), folder / "by-id"),
              (folder / "by-id/usb-A-port0").string());
    EXPECT_EQ(StableNameFor((folder / "ttyUSB1").string(), folder / "by-id"),
              (folder / "by-id/usb-B").string());
    EXPECT_EQ(StableNameFor("/dev/ttyS0", folder / "missing"), "/dev/ttyS0");
}

TEST_F(PortSelectionTest, automaticModeTriesAdaptersFirstAndPassesOverLockedPorts) {
    discovery.ports = {Ftdi(), Cdc()};
    discovery.locked = {CdcById, PortDevice(2)};
    settings.portIndex = AutoPortIndex;
    settings.scanIndex = 7;
    port.failAll = true;
    engine.Start();
    tick(3);
    EXPECT_EQ(port.opened, (std::vector<std::string>{FtdiById, PortDevice(1), PortDevice(3), PortDevice(5)}))
        << "the adapter on Com 4's device stands for Com 4";
    EXPECT_EQ(settings.scanIndex, 4);
    EXPECT_EQ(engine.PortNumberInUse(), 5);
    EXPECT_TRUE(owner.comErrors.empty());
}

TEST_F(PortSelectionTest, adapterPluggedInDuringTheScanIsTriedNext) {
    settings.portIndex = AutoPortIndex;
    settings.scanIndex = 0;
    port.failAll = true;
    engine.Start();
    tick(4);
    ASSERT_EQ(port.opened.back(), PortDevice(5));
    discovery.ports = {Ftdi(PortDevice(1))};
    tick();
    EXPECT_EQ(port.opened.back(), FtdiById);
    EXPECT_EQ(engine.PortNumberInUse(), 1) << "the loader finds it as Com 1";
    tick();
    EXPECT_EQ(port.opened.back(), PortDevice(6)) << "then the scan goes on where it was";
}

TEST_F(PortSelectionTest, chosenAdapterTakesTheNumberOfItsDeviceAndReopensByItsStableName) {
    discovery.ports = {Ftdi(PortDevice(3))};
    engine.Start();
    engine.ChooseAdapter(FtdiById);
    EXPECT_EQ(port.opened.back(), FtdiById);
    EXPECT_EQ(engine.labelCom(), "COM= " + ShortDeviceName(PortDevice(3)));
    EXPECT_EQ(settings.portIndex, 2);
    EXPECT_EQ(engine.PortNumberInUse(), 3);
    EXPECT_EQ(engine.portSelection().adapter(), FtdiById);

    // Unplugged and back on another device node: the next reopen finds it by its name.
    discovery.ports = {Ftdi(PortDevice(1))};
    tick(30);
    EXPECT_EQ(port.opened.back(), FtdiById);
    EXPECT_EQ(settings.portIndex, 0);
    EXPECT_EQ(engine.labelCom(), "COM= " + ShortDeviceName(PortDevice(1)));

    engine.ChoosePort(4);
    EXPECT_EQ(port.opened.back(), PortDevice(5));
    EXPECT_EQ(engine.portSelection().adapter(), "");
}

TEST_F(PortSelectionTest, openingErrorOfAChosenPortCarriesTheReason) {
    PortOpenFailure failure;
    failure.device = FtdiById;
    failure.errorNumber = EACCES;
    failure.group = "dialout";
    failure.user = "jana";
    port.failure = failure;
    port.failAll = true;
    discovery.ports = {Ftdi()};
    engine.Start();
    engine.ChooseAdapter(FtdiById);
    ASSERT_EQ(owner.comErrors.size(), 2u);
    EXPECT_EQ(owner.comErrors.back().substr(0, owner.comErrors.back().find('\n')), "Com opening error!");
    EXPECT_NE(owner.comErrors.back().find("sudo usermod -aG dialout jana"), std::string::npos);
    settings.languageIndex = 3;
    texts.FillMessageTexts(3);
    engine.ChoosePort(0);
    EXPECT_EQ(owner.comErrors.back().substr(0, owner.comErrors.back().find('\n')),
              "Chyba při otevírání portu Com!");
    EXPECT_NE(owner.comErrors.back().find("Přístup odepřen"), std::string::npos);
}

} // namespace
} // namespace zarvex1::test
