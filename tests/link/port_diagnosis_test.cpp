#include "core/link/PortDiagnosis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace zarvex1 {
namespace {

PortOpenFailure Failure(int errorNumber, PortLock lock = {}, std::string device = "/dev/ttyUSB0") {
    PortOpenFailure failure;
    failure.device = std::move(device);
    failure.resolvedDevice = failure.device;
    failure.errorNumber = errorNumber;
    failure.lock = std::move(lock);
    failure.group = "dialout";
    failure.user = "jana";
    failure.systemText = "Input/output error";
    return failure;
}

const PortLock ByModemManager{PortLock::Kind::Exclusive, 812, "ModemManager"};
const PortLock ByMinicom{PortLock::Kind::LockFile, 4711, "minicom"};

TEST(PortDiagnosis, faultFollowsTheErrorNumberUnlessAnotherProgramHoldsThePort) {
    struct Row {
        int errorNumber;
        PortLock lock;
        PortFault fault;
    };
    const Row rows[] = {
        {EACCES, {}, PortFault::PermissionDenied},
        {EPERM, {}, PortFault::PermissionDenied},
        {EBUSY, {}, PortFault::Busy},
        {EAGAIN, {}, PortFault::Busy},
        {ENOENT, {}, PortFault::Vanished},
        {ENODEV, {}, PortFault::Vanished},
        {ENXIO, {}, PortFault::Vanished},
        {EIO, {}, PortFault::Other},
        {0, {}, PortFault::Unknown},
        // Qt refuses a port with a live lock file before it opens anything.
        {EACCES, ByMinicom, PortFault::Busy},
        {0, ByModemManager, PortFault::Busy},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ClassifyOpenFailure(row.errorNumber, row.lock), row.fault) << row.errorNumber;
}

TEST(PortDiagnosis, reasonNamesTheFixInEveryLanguage) {
    struct Row {
        PortOpenFailure failure;
        int language;
        std::vector<std::string> parts; // each must appear in the reason
        std::vector<std::string> absent;
    };
    PortOpenFailure rootOnly = Failure(EACCES);
    rootOnly.group = "root";
    const std::string acm = "/dev/ttyACM0";
    const Row rows[] = {
        {Failure(EACCES),
         0,
         {"Permission denied", "\"dialout\"", "jana", "sudo usermod -aG dialout jana", "log out"},
         {}},
        {Failure(EACCES),
         1,
         {"Zugriff verweigert", "„dialout“", "sudo usermod -aG dialout jana", "wieder an"},
         {}},
        {Failure(EACCES),
         3,
         {"Přístup odepřen", "„dialout“", "sudo usermod -aG dialout jana", "odhlaste"},
         {}},
        {rootOnly, 0, {"only the administrator"}, {"usermod"}},
        {Failure(EBUSY), 0, {"in use by another program"}, {"ModemManager", "process"}},
        {Failure(0, ByMinicom), 0, {"minicom (process 4711)"}, {"ModemManager"}},
        {Failure(0, ByMinicom), 1, {"minicom (Prozess 4711)", "Schließen Sie"}, {}},
        {Failure(0, ByMinicom), 3, {"minicom (proces 4711)", "Ukončete"}, {}},
        // A new ACM device is often taken by the modem manager for a while.
        {Failure(EBUSY, {}, acm), 0, {"in use", "ModemManager", "systemctl disable --now ModemManager"}, {}},
        {Failure(0, ByModemManager), 1, {"ModemManager (Prozess 812)", "dauerhaft abschalten"}, {}},
        {Failure(EBUSY, {}, acm), 3, {"používá jiný program", "natrvalo"}, {}},
        {Failure(ENOENT), 0, {"/dev/ttyUSB0 is not there", "unplugged"}, {}},
        {Failure(ENODEV), 1, {"abgezogen"}, {}},
        {Failure(ENOENT), 3, {"odpojen"}, {}},
        {Failure(EIO), 0, {"/dev/ttyUSB0: Input/output error"}, {}},
    };
    for (const Row &row : rows) {
        const std::string reason = ComOpeningReason(row.failure, row.language);
        for (const std::string &part : row.parts)
            EXPECT_NE(reason.find(part), std::string::npos) << "'" << part << "' missing in: " << reason;
        for (const std::string &part : row.absent)
            EXPECT_EQ(reason.find(part), std::string::npos) << "'" << part << "' in: " << reason;
    }
}

TEST(PortDiagnosis, messageKeepsComOpeningErrorAsItsFirstLine) {
    EXPECT_EQ(
        ComOpeningMessage("Com opening error!", Failure(ENOENT), 0),
        "Com opening error!\n/dev/ttyUSB0 is not there: the adapter was unplugged or is not plugged in. "
        "Plug it in; the program connects again as soon as it is back.");
    // Nothing known (a port that cannot tell): the message alone.
    EXPECT_EQ(ComOpeningMessage("Falscher COM-Anschlußes!", PortOpenFailure{}, 1),
              "Falscher COM-Anschlußes!");
}

TEST(PortDiagnosis, lockFilesOfTheUsualFormats) {
    struct Row {
        std::string content;
        int pid;
        std::string program;
    };
    const Row rows[] = {
        {"      4711\n", 4711, ""},                          // UUCP, minicom
        {"812\nModemManager\nbench\n", 812, "ModemManager"}, // Qt
        {"99\r\nzarvex1\r\n", 99, "zarvex1"},
        {std::string("\x67\x12\x00\x00", 4), 0x1267, ""}, // binary
    };
    for (const Row &row : rows) {
        const auto owner = ParseLockFile(row.content);
        ASSERT_TRUE(owner) << row.content;
        EXPECT_EQ(owner->pid, row.pid);
        EXPECT_EQ(owner->program, row.program);
    }
    for (const char *broken : {"", "\n", "abc \n", "0\n", "-5\n", "99999999999999\n"})
        EXPECT_FALSE(ParseLockFile(broken)) << broken;
}

} // namespace
} // namespace zarvex1
