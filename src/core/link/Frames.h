#pragma once

#include "core/params/ParameterImage.h"
#include "core/texts/BuildInfo.h" // ProtocolVersion, the version this program speaks

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zarvex1 {

// What the link is doing; the numbers are the unit's and the settings' own.
enum class LinkRequest : int { None = 0, Program = 1, Verify = 2, Read = 3, Handover = 9 };

// Every frame, both directions: byte 0 the code, bytes 1..150 the payload, byte 151 the checksum.
inline constexpr int FrameSize = 152;
inline constexpr int PayloadSize = 150;
inline constexpr int ChecksumIndex = 151;

inline constexpr std::uint8_t PollCode = 0x30;
inline constexpr std::uint8_t MonitorCode = 0xB0;
inline constexpr std::uint8_t ReplyFlag = 0x80; // a reply's code is the request's code with this bit flipped
inline constexpr std::uint8_t ReadFlag = 0x40;  // the unit sends its memory; clear: the PC writes
inline constexpr std::uint8_t BlockMask = 0x3F;
inline constexpr int LastBlock = 6;

// Positions in the PC's frames, counted in frame bytes (byte 0 is the code).
inline constexpr int TestBitsIndex = 21; // bytes 21, 22, 23 of a poll frame
inline constexpr int HandoverIndex = 15; // bytes 15, 16 of a block-0 frame of the handover
inline constexpr std::uint8_t HandoverMark1 = 0xA5;
inline constexpr std::uint8_t HandoverMark2 = 0x08;

// One-shot test command bits, frame bytes 21..23 of the next poll frame.
using TestBits = std::array<std::uint8_t, 3>;

constexpr std::uint8_t ReplyCode(std::uint8_t frameCode) {
    return frameCode ^ ReplyFlag;
}
constexpr int BlockOf(std::uint8_t frameCode) {
    return frameCode & BlockMask;
}

// 0xFF XOR bytes 0..150.
std::uint8_t Checksum(std::span<const std::uint8_t, FrameSize> frame);
// The XOR of the first 152 bytes, started from 0xFF, is 0. Anything shorter than a frame is invalid.
bool ChecksumValid(std::span<const std::uint8_t> received);

// A 152-byte frame with word access for the monitor fields (word n is little-endian at bytes 2n, 2n+1).
struct Frame {
    std::array<std::uint8_t, FrameSize> bytes{};

    std::uint8_t code() const { return bytes[0]; }
    std::uint8_t byte(int n) const { return bytes[n]; }
    void setByte(int n, unsigned value) { bytes[n] = static_cast<std::uint8_t>(value & 0xFF); }
    std::uint16_t word(int n) const {
        return static_cast<std::uint16_t>(bytes[2 * n] | (bytes[2 * n + 1] << 8));
    }
    void setWord(int n, unsigned value) {
        bytes[2 * n] = static_cast<std::uint8_t>(value & 0xFF);
        bytes[2 * n + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    std::span<const std::uint8_t, PayloadSize> payload() const {
        return std::span<const std::uint8_t, PayloadSize>(bytes.data() + 1, PayloadSize);
    }
    std::span<std::uint8_t, PayloadSize> payload() {
        return std::span<std::uint8_t, PayloadSize>(bytes.data() + 1, PayloadSize);
    }
    // Writes the checksum byte.
    void seal() { bytes[ChecksumIndex] = Checksum(bytes); }
    bool valid() const { return ChecksumValid(bytes); }

    // The first 152 bytes of what was received; shorter input is zero-padded.
    static Frame From(std::span<const std::uint8_t> received);

    friend bool operator==(const Frame &, const Frame &) = default;
};

// Poll frame: code 0x30, the test bits in bytes 21..23, everything else zero.
Frame PollFrame(const TestBits &testBits);
// Data frame for the current code and request: zeros for Read and for block 0, otherwise the image's
// block (also when verifying); block 0 of the handover carries its two marks.
Frame DataFrame(std::uint8_t frameCode, LinkRequest request, const ParameterImage &image);
// The unit's answer to frameCode with the given payload (used by the unit simulator and the tests).
Frame ReplyFrame(std::uint8_t frameCode, std::span<const std::uint8_t, PayloadSize> payload);

// Why the reply decoder refused a frame, in the order it checks.
enum class ReplyCheck { Accepted, BadChecksum, BadBlock, WrongCode, NoRequest };
ReplyCheck CheckReply(std::span<const std::uint8_t> received, std::uint8_t frameCode, LinkRequest request);
// A monitor frame: code 0xB0 and a valid checksum.
bool IsValidMonitorFrame(std::span<const std::uint8_t> received);

// Positions in the unit's device information (the payload of every block-0 reply).
namespace DeviceInfoByte {
enum : int {
    Name = 0,          // three characters
    ProgramNumber = 3, // shown as two digits after the name
    BuildDay = 4,
    BuildMonth = 5, // month code, see MonthCode
    BuildYear = 6,  // year - 2000
    BuildHour = 7,
    BuildMinute = 8,
    Version = 10,
    HandoverAccept = 14, // 0x5A when the unit takes the handover
    LongName = 18,       // 30 characters, used when its first byte is not zero
};
inline constexpr int NameLength = 3;
inline constexpr int LongNameLength = 30;
} // namespace DeviceInfoByte
inline constexpr std::uint8_t HandoverAccepted = 0x5A;

// The sum modulo 256 of the letters of the English month abbreviation (Jan 25 .. Dec 12); 0 for others.
std::uint8_t MonthCode(int month);
// 1..12 for a known code, otherwise 0.
int MonthFromCode(std::uint8_t code);

// The unit's self-description from a block-0 reply.
struct DeviceInfo {
    std::array<std::uint8_t, PayloadSize> bytes{};

    int version() const { return bytes[DeviceInfoByte::Version]; }
    bool acceptsHandover() const { return bytes[DeviceInfoByte::HandoverAccept] == HandoverAccepted; }
    // Name and program number ("ZRX07"), or the long name when the unit has one.
    std::string programName() const;
    // "dd.mm.20yy", day and month padded with a blank ("12. 4.2018").
    std::string buildDate() const;
    // "hh:mm".
    std::string buildTime() const;

    friend bool operator==(const DeviceInfo &, const DeviceInfo &) = default;
};

// Word positions of the monitor frame (word 0 includes the code byte).
namespace Monw {
enum : int {
    Rpm = 2,
    MaxAdvance1 = 3,
    MaxAdvance2 = 4,
    Load = 5,        // throttle 0.1 %, or intake pressure kPa when Monb::IapSensor is set
    LoadVoltage = 6, // mV
    Supply = 7,      // mV
    ServoMeasured = 8,
    ServoDesired = 9,
    Potentiometer = 10,   // 0..1023 for 0..5000 mV
    Acceleration = 11,    // rpm/s
    PotAdvance = 12,      // 0.1 degree, offset 1000
    PotStartLimiter = 13, // rpm, offset 10000
    PotPilotLight = 14,   // rpm, offset 10000
    PotAcceleration = 15, // rpm/s, offset 10000
    Speed = 16,           // km/h
    GearVoltage = 17,     // mV
    Ratio = 18,           // engine speed / road speed, 0.1
    LearnedRatio = 19,    // gears 1..6, 0.1
    ProgramCycles = 25,
    SavingCountdown = 26, // the unit stores programmed data while above 0; starts at 1800
    TestValue = 27,       // eight raw values
    Count = 35,
};
}

// Byte positions of the monitor frame.
namespace Monb {
enum : int {
    Advance1 = 100, // degrees, offset 100
    Advance2 = 101,
    Pickup1Signal = 106,
    Pickup2Signal = 107,
    StartLimiterActive = 108,
    StartSoftLimiter = 109,
    StartHardLimiter = 110,
    SoftLimiter = 111,
    HardLimiter = 112,
    Input1 = 113, // inputs 1..3; 0 means active
    EngineBlocked = 116,
    Clutch = 117,
    Retard = 118,
    Map2 = 119,
    ServoStatus = 120,
    LoadSensorFault = 121,
    PowerOut1 = 122, // outputs 1..3
    Gear = 126,
    DataFault = 127,
    BaseAdvance = 128,
    Pickup1Negative = 129,
    Pickup2Negative = 130,
    IapSensor = 131,
    PickupErrors = 132, // bit 0/1 polarity error of pick-up 1/2, bit 2/3 system error
    Version = 150,
};
}

static_assert(2 * Monw::Count - Monb::Advance1 < 0, "Software error: Enum Monw to long - ");

} // namespace zarvex1
