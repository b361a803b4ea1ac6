#include "sim/SimulatedUnit.h"

#include "core/params/MapLookup.h"
#include "sim/EngineModel.h"

#include "Version.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zarvex1 {

namespace {

constexpr long long LoaderMs = 3000;
constexpr long long OutputTestMs = 1000;
constexpr int SavingStart = 1800;

// "Dec 10 2026" and "14:05:59" as the compiler spells this build (or SOURCE_DATE_EPOCH, see Version.h).
void BuildStamp(int &day, int &month, int &year, int &hour, int &minute) {
    static constexpr const char *Months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const char *date = ZARVEX1_BUILD_DATE;
    month = static_cast<int>((std::strstr(Months, std::string(date, 3).c_str()) - Months) / 3) + 1;
    std::sscanf(date + 4, "%d %d", &day, &year);
    std::sscanf(ZARVEX1_BUILD_TIME, "%d:%d", &hour, &minute);
}

bool UsesSecondPickup(const ParameterImage &image) {
    const int system = image.byte(Adrb::PickupSystem);
    return system == 0 || system == 4 || system == 6 || system == 10;
}

// Output i (0..2) by its switching table: speed zone from the three thresholds, load zone from the two.
bool PowerOutputOn(const ParameterImage &image, int i, const EngineState &engine, int loadPercentOrKpa) {
    if (image.byte(Adrb::PowerOutMode + i) == 0)
        return false;
    int column = 0;
    for (int k = 0; k < 3; ++k)
        column += engine.rpm >= 100 * image.byte(Adrb::PowerOutRpm + 3 * i + k);
    const int factor = image.byte(Adrb::LoadSensor) == 2 ? 5 : 1;
    int row = 0;
    for (int k = 0; k < 2; ++k)
        row += loadPercentOrKpa >= factor * image.byte(Adrb::PowerOutLoad + 2 * i + k);
    return ((image.byte(Adrb::PowerOutTable + 3 * i + row) >> column) & 1) != 0;
}

int ClampMv(long long mv) {
    return static_cast<int>(std::clamp<long long>(mv, 0, 5000));
}

} // namespace

DeviceInfo MakeDeviceInfo(const SimOptions &o) {
    int day = o.buildDay, month = o.buildMonth, year = o.buildYear;
    int hour = o.buildHour, minute = o.buildMinute;
    int bDay = 1, bMonth = 1, bYear = 2000, bHour = 0, bMinute = 0;
    BuildStamp(bDay, bMonth, bYear, bHour, bMinute);
    if (day == 0) {
        day = bDay;
        month = bMonth;
        year = bYear;
    }
    if (hour < 0) {
        hour = bHour;
        minute = bMinute;
    }

    DeviceInfo info;
    auto &b = info.bytes;
    for (int i = 0; i < DeviceInfoByte::NameLength && i < int(o.name.size()); ++i)
        b[DeviceInfoByte::Name + i] = static_cast<std::uint8_t>(o.name[i]);
    b[DeviceInfoByte::ProgramNumber] = static_cast<std::uint8_t>(o.programNumber);
    b[DeviceInfoByte::BuildDay] = static_cast<std::uint8_t>(day);
    b[DeviceInfoByte::BuildMonth] = MonthCode(month);
    b[DeviceInfoByte::BuildYear] = static_cast<std::uint8_t>(year - 2000);
    b[DeviceInfoByte::BuildHour] = static_cast<std::uint8_t>(hour);
    b[DeviceInfoByte::BuildMinute] = static_cast<std::uint8_t>(minute);
    b[DeviceInfoByte::Version] = static_cast<std::uint8_t>(o.protocolVersion);
    if (o.acceptHandover)
        b[DeviceInfoByte::HandoverAccept] = HandoverAccepted;
    for (int i = 0; i < DeviceInfoByte::LongNameLength && i < int(o.longName.size()); ++i)
        b[DeviceInfoByte::LongName + i] = static_cast<std::uint8_t>(o.longName[i]);
    return info;
}

SimulatedUnit::SimulatedUnit(const SimOptions &options, const ParameterImage &memory)
    : options_(options), memory_(memory), info_(MakeDeviceInfo(options)) {}

UnitAnswer SimulatedUnit::receive(const Frame &frame, long long nowMs) {
    UnitAnswer answer;
    if (inLoader(nowMs))
        return answer;
    const std::uint8_t code = frame.code();
    if (code == PollCode) {
        runTests(frame, nowMs);
        return answer;
    }
    const int block = BlockOf(code);
    if ((code & ~(ReadFlag | BlockMask)) != 0 || block > LastBlock)
        return answer; // not a request this unit knows

    if (block == 0) {
        answer.reply = ReplyFrame(code, info_.bytes);
        const bool handover = code == 0x00 && frame.byte(HandoverIndex) == HandoverMark1 &&
                              frame.byte(HandoverIndex + 1) == HandoverMark2;
        if (handover && options_.acceptHandover) {
            loaderUntilMs_ = nowMs + LoaderMs;
            answer.handedOver = true;
        }
        return answer;
    }

    auto stored = memory_.block(block);
    if ((code & ReadFlag) == 0) {
        std::copy(frame.payload().begin(), frame.payload().end(), stored.begin());
        Frame echo = ReplyFrame(code, stored);
        if (block == options_.badEchoBlock) {
            echo.bytes[1] ^= 0x01;
            echo.seal();
        }
        answer.reply = echo;
        if (block == LastBlock) {
            answer.programmed = true;
            savingSinceMs_ = nowMs;
            ++programCycles_;
        }
        return answer;
    }
    Frame reply = ReplyFrame(code, stored);
    if (block == options_.badReadBlock) {
        reply.bytes[1] ^= 0x01;
        reply.seal();
    }
    answer.reply = reply;
    return answer;
}

void SimulatedUnit::runTests(const Frame &poll, long long nowMs) {
    const std::uint8_t ignition = poll.byte(TestBitsIndex);
    const std::uint8_t outputs = poll.byte(TestBitsIndex + 1);
    const std::uint8_t servo = poll.byte(TestBitsIndex + 2);
    for (int i = 0; i < 2; ++i)
        testCounts_[i] += (ignition >> i) & 1;
    for (int i = 0; i < 5; ++i) {
        if ((outputs >> i) & 1) {
            ++testCounts_[2 + i];
            if (i < 4)
                outputTestUntilMs_[i] = nowMs + OutputTestMs;
        }
    }
    servoTestPosition_ += (servo & 1) - ((servo >> 1) & 1);
}

Frame SimulatedUnit::monitorFrame(long long nowMs) const {
    const ParameterImage &p = memory_;
    const EngineState e = EngineAt(nowMs, options_.engine, p);
    const int sensor = p.byte(Adrb::LoadSensor);
    const bool iap = sensor == 2;
    const int kpa = e.running ? 30 + e.throttle * 70 / 1000 : 100;
    const int load = iap ? kpa : e.throttle;

    Frame f;
    f.bytes[0] = MonitorCode;
    f.setWord(Monw::Rpm, e.rpm);
    f.setWord(Monw::MaxAdvance1, 45);
    f.setWord(Monw::MaxAdvance2, p.byte(Adrb::OutputCount) >= 2 ? 45 : 0);
    f.setWord(Monw::Load, load);
    if (iap) {
        const int p1 = p.word(Adrw::IapPressure1), p2 = p.word(Adrw::IapPressure2);
        const int v1 = p.word(Adrw::IapVoltage1), v2 = p.word(Adrw::IapVoltage2);
        f.setWord(Monw::LoadVoltage,
                  p2 > p1 ? ClampMv(v1 + (long long)(v2 - v1) * (kpa - p1) / (p2 - p1)) : 2500);
    } else {
        const int v0 = p.word(Adrw::TpsVoltage0), v100 = p.word(Adrw::TpsVoltage100);
        f.setWord(Monw::LoadVoltage, ClampMv(v0 + (long long)(v100 - v0) * e.throttle / 1000));
    }
    // A charging system with a little ripple while the engine runs; the battery alone when it stands.
    f.setWord(Monw::Supply, e.running ? 13800 + static_cast<int>((nowMs / 100) % 7) * 50 - 150 : 12600);
    const OperatingPoint point{e.rpm, load, e.acceleration, e.running};
    if (p.byte(Adrb::ServoEnabled) != 0) {
        const int desired = UnitServoMv(p, point);
        f.setWord(Monw::ServoDesired, desired);
        f.setWord(Monw::ServoMeasured, desired - desired / 50);
    }
    f.setWord(Monw::Potentiometer, 512);
    f.setWord(Monw::Acceleration, e.acceleration);
    f.setWord(Monw::PotAdvance, 1000);
    f.setWord(Monw::PotStartLimiter, 10000);
    f.setWord(Monw::PotPilotLight, 10000);
    f.setWord(Monw::PotAcceleration, 10000);
    const int speed = e.running && e.gear > 0 ? e.rpm * 10 / GearRatio10(e.gear) : 0;
    f.setWord(Monw::Speed, speed);
    const int gearVoltage = p.word(Adrw::GearVoltage + e.gear);
    f.setWord(Monw::GearVoltage, gearVoltage != 0 ? gearVoltage : 400 + 600 * e.gear);
    f.setWord(Monw::Ratio, speed > 0 ? e.rpm * 10 / speed : 0);
    for (int g = 1; g <= 6; ++g)
        f.setWord(Monw::LearnedRatio + g - 1, GearRatio10(g));
    f.setWord(Monw::ProgramCycles, programCycles_);
    int countdown = 0;
    if (savingSinceMs_ >= 0 && options_.savingMs > 0) {
        const long long elapsed = nowMs - savingSinceMs_;
        countdown =
            static_cast<int>(std::max<long long>(0, SavingStart - elapsed * SavingStart / options_.savingMs));
    }
    f.setWord(Monw::SavingCountdown, countdown);
    for (int i = 0; i < 7; ++i)
        f.setWord(Monw::TestValue + i, testCounts_[i]);
    f.setWord(Monw::TestValue + 7, servoTestPosition_);

    // Advance from the unit's own map; map 2 takes over while the engine accelerates hard.
    const bool map2 = UsesMap2(p, point);
    for (int c = 0; c < 2; ++c)
        f.setByte(Monb::Advance1 + c, 100 + UnitAdvance(p, c, point));
    f.setByte(Monb::Pickup1Signal, e.running);
    f.setByte(Monb::Pickup2Signal, e.running && UsesSecondPickup(p));
    f.setByte(Monb::StartLimiterActive, e.starting);
    f.setByte(Monb::StartSoftLimiter, e.starting && e.rpm >= p.word(Adrw::StartSoftLimiter));
    f.setByte(Monb::StartHardLimiter, e.starting && e.rpm >= p.word(Adrw::StartHardLimiter));
    f.setByte(Monb::SoftLimiter, !e.starting && e.running && e.rpm >= p.word(Adrw::SoftLimiter));
    f.setByte(Monb::HardLimiter, !e.starting && e.running && e.rpm >= p.word(Adrw::HardLimiter));
    // Inputs read 0 when active: the clutch switch closes while shifting.
    for (int i = 0; i < 3; ++i)
        f.setByte(Monb::Input1 + i, !(e.shifting && p.byte(Adrb::InputFunction + i) == 3));
    f.setByte(Monb::Clutch, e.shifting);
    f.setByte(Monb::Map2, map2);
    f.setByte(Monb::ServoStatus, 1);
    for (int i = 0; i < 3; ++i)
        f.setByte(Monb::PowerOut1 + i,
                  PowerOutputOn(p, i, e, iap ? kpa : e.throttle / 10) || nowMs < outputTestUntilMs_[i]);
    f.setByte(Monb::Gear, e.gear);
    f.setByte(Monb::Pickup1Negative, p.byte(Adrb::InvPickup1) == 1);
    f.setByte(Monb::Pickup2Negative, p.byte(Adrb::InvPickup2) == 1);
    f.setByte(Monb::IapSensor, iap);
    f.setByte(Monb::Version, options_.protocolVersion);
    f.seal();
    return f;
}

} // namespace zarvex1
