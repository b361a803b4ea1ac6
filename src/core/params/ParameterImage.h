#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarvex1 {

// Word positions of the parameter image: word n is the little-endian value at bytes 2n, 2n+1.
namespace Adrw {
enum : int {
    StartSoftLimiter = 0,
    StartHardLimiter = 1,
    SoftLimiter = 2,
    HardLimiter = 3,
    TpsVoltage0 = 4,   // throttle sensor at 0 %, mV
    TpsVoltage100 = 5, // throttle sensor at 100 %, mV
    IapPressure1 = 6,  // kPa
    IapPressure2 = 7,
    IapVoltage1 = 8, // mV at the two calibration pressures
    IapVoltage2 = 9,
    PotentiometerRange = 10,
    IapAxis = 11,     // 10 points, kPa
    AdvanceRpm1 = 21, // 15 points
    AdvanceRpm2 = 36, // 15 points
    ServoRpm = 51,    // 15 points
    SpeedPulses = 66, // pulses per second at 100 km/h, or mm per pulse
    GearRatio = 67,   // gears 1..6
    GearVoltage = 73, // gears 0..6, mV
    Count = 80,
};
}

// Byte positions of the parameter image.
namespace Adrb {
enum : int {
    BikeType = 230,
    InvPickup1 = 231,
    InvPickup2 = 232,
    SpecStart = 233,
    PickupsInterchange = 234,
    SparkBeforeLobe = 235,
    NoLobeCheck = 236,
    FourStroke = 237,
    Compensation1 = 238,
    Compensation2 = 239,
    PickupSystem = 240,
    StartRevolutions = 241,
    LobeCount = 242,
    OutputCount = 243,
    MaxAdvanceLobe = 244,       // channel 1, 2
    StartAdvanceLobe = 246,     // channel 1, 2
    MaxAdvanceSecondEdge = 248, // channel 1, 2
    StartAdvanceSecondEdge = 250,
    MaxAdvanceSecondPickup = 252,
    StartAdvanceSecondPickup = 254,
    IgnitionsPerRevolution = 256,
    TachoPulses = 257,
    TachoCorrection = 258,
    InputFunction = 260,     // inputs 1..3
    InputInverted = 263,     // inputs 1..3
    StartLimiterDelay = 266, // ms, scale 100
    Retard = 267,
    RetardClutchActions = 268,
    Map2Acceleration = 269, // rpm/s, scale 100
    PotentiometerUse = 270,
    LoadSensor = 271, // 0 none, 1 TPS, 2 IAP
    BaseAdvance = 272,
    MapsUseLoad = 273,
    CylinderCorrection = 274, // cylinder 1, 2, offset -100
    Advance1 = 276,           // 10 rows of 15 cells
    Advance2 = 426,
    ServoEnabled = 576,
    ServoPercent = 577,
    ServoAxes = 578,
    ServoHysteresis = 579, // mV, scale 5
    Servo = 580,           // 10 rows of 15 cells
    PowerOutMode = 730,    // outputs 1..4
    PowerOutRpm = 734,     // 3 per output, rpm scale 100
    PowerOutHysteresis = 746,
    PowerOutLoad = 750,  // 2 per output
    PowerOutTable = 758, // 3 rows per output, bits 0..3 are the speed zones
    GearMode = 770,
    GearCount = 771,
    SpeedPulsesMeaning = 772,
    GearAutoTime = 773,
    GearAutoRpm = 774,
    GearAutoThrottle = 775,
    GearAutoZone = 776,
    ClutchMode = 777,
    ClutchTime = 778, // gears 1..6, ms scale 5
    ClutchDelay1 = 784,
    ClutchDelay2 = 785,
    ClutchMinRpm = 786,
    ClutchAdvance = 787,
    GearCorrAdvance = 788, // gears 1..6, offset -100
    GearCorrLimiter = 794,
    GearCorrServo = 800,
    GearCorrPowerOut = 806, // output j, gear g at 806 + 6j + g
    TestRpm = 830,
    TestServoTime = 831,
    ServoOffZone = 832,
    InterlockInputs = 833,
    End = 834,
};
}

// The unit's whole parameter memory, mirrored byte for byte.
class ParameterImage {
public:
    static constexpr int Size = 900;
    static constexpr int BlockSize = 150;
    static constexpr int BlockCount = 6;
    static constexpr int FirstByteParameter = 230;

    std::uint16_t word(int n) const {
        return static_cast<std::uint16_t>(bytes_[2 * n] | (bytes_[2 * n + 1] << 8));
    }
    void setWord(int n, unsigned value) {
        bytes_[2 * n] = static_cast<std::uint8_t>(value & 0xFF);
        bytes_[2 * n + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    std::uint8_t byte(int n) const { return bytes_[n]; }
    void setByte(int n, unsigned value) { bytes_[n] = static_cast<std::uint8_t>(value & 0xFF); }

    // Block b (1..6) of the transfer: bytes 150 (b - 1) .. 150 b - 1.
    std::span<const std::uint8_t, BlockSize> block(int b) const {
        return std::span<const std::uint8_t, BlockSize>(bytes_.data() + BlockSize * (b - 1), BlockSize);
    }
    std::span<std::uint8_t, BlockSize> block(int b) {
        return std::span<std::uint8_t, BlockSize>(bytes_.data() + BlockSize * (b - 1), BlockSize);
    }

    const std::array<std::uint8_t, Size> &bytes() const { return bytes_; }
    std::array<std::uint8_t, Size> &bytes() { return bytes_; }
    void clear() { bytes_.fill(0); }

    friend bool operator==(const ParameterImage &, const ParameterImage &) = default;

private:
    std::array<std::uint8_t, Size> bytes_{};
};

// The layout checks that the program once made at start, now made by the compiler.
static_assert(2 * Adrw::Count - ParameterImage::FirstByteParameter < 0,
              "Software error: Enum Adrw to long - ");
static_assert(Adrb::End - ParameterImage::Size < 0, "Software error: Enum Adrb to long - ");

// Displayed value = scale x (raw + offset); stored = displayed / scale - offset, truncated toward zero.
constexpr int DisplayedValue(int raw, int scale, int offset) {
    return scale * (raw + offset);
}
constexpr int StoredValue(int displayed, int scale, int offset) {
    return displayed / scale - offset;
}

// Eight hex digits that tell two images apart (FNV-1a of the bytes): a log names the set a row was
// recorded under by it.
std::string ImageHash(const ParameterImage &image);

// How a log names a parameter set: the hash of its image (empty while the set is unknown) and the file
// it came from (empty when no file holds it).
struct SetName {
    std::string imageHash;
    std::string fileName;
    friend bool operator==(const SetName &, const SetName &) = default;
};

} // namespace zarvex1
