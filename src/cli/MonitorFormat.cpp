#include "MonitorFormat.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace zarvex1 {

namespace {

constexpr int AdvanceOffset = 100;
constexpr int PotAdvanceOffset = 1000;
constexpr int PotRpmOffset = 10000;

class JsonObject {
public:
    void add(std::string_view key, int value) { text_ += Key(key) + std::to_string(value); }
    void addWords(std::string_view key, const Frame &f, int first, int count) {
        std::string list;
        for (int i = 0; i < count; ++i)
            list += (i ? "," : "") + std::to_string(f.word(first + i));
        text_ += Key(key) + "[" + list + "]";
    }
    void addBytes(std::string_view key, const Frame &f, int first, int count) {
        std::string list;
        for (int i = 0; i < count; ++i)
            list += (i ? "," : "") + std::to_string(f.byte(first + i));
        text_ += Key(key) + "[" + list + "]";
    }
    std::string text() const { return "{" + text_ + "}"; }

private:
    std::string Key(std::string_view key) {
        std::string k = text_.empty() ? "\"" : ",\"";
        k += key;
        k += "\":";
        return k;
    }
    std::string text_;
};

// value / divisor with one decimal, from integers: 12345, 1000 -> "12.3".
std::string Tenths(int value, int divisorOfTenths) {
    const int tenths = value / divisorOfTenths;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::string MonitorJson(const Frame &f) {
    JsonObject o;
    const auto word = [&](int n) { return static_cast<int>(f.word(n)); };
    const auto byte = [&](int n) { return static_cast<int>(f.byte(n)); };
    o.add("rpm", word(Monw::Rpm));
    o.add("maxAdvance1", word(Monw::MaxAdvance1));
    o.add("maxAdvance2", word(Monw::MaxAdvance2));
    o.add("load", word(Monw::Load));
    o.add("loadVoltage", word(Monw::LoadVoltage));
    o.add("supplyVoltage", word(Monw::Supply));
    o.add("servoMeasured", word(Monw::ServoMeasured));
    o.add("servoDesired", word(Monw::ServoDesired));
    o.add("potentiometer", word(Monw::Potentiometer));
    o.add("acceleration", word(Monw::Acceleration));
    o.add("potAdvance", word(Monw::PotAdvance) - PotAdvanceOffset);
    o.add("potStartLimiter", word(Monw::PotStartLimiter) - PotRpmOffset);
    o.add("potPilotLight", word(Monw::PotPilotLight) - PotRpmOffset);
    o.add("potAcceleration", word(Monw::PotAcceleration) - PotRpmOffset);
    o.add("speed", word(Monw::Speed));
    o.add("gearVoltage", word(Monw::GearVoltage));
    o.add("ratio", word(Monw::Ratio));
    o.addWords("learnedRatios", f, Monw::LearnedRatio, 6);
    o.add("programmingCount", word(Monw::ProgramCycles));
    o.add("savingCountdown", word(Monw::SavingCountdown));
    o.addWords("testValues", f, Monw::TestValue, 8);
    o.add("advance1", byte(Monb::Advance1) - AdvanceOffset);
    o.add("advance2", byte(Monb::Advance2) - AdvanceOffset);
    o.add("pickup1", byte(Monb::Pickup1Signal));
    o.add("pickup2", byte(Monb::Pickup2Signal));
    o.add("startLimiterActive", byte(Monb::StartLimiterActive));
    o.add("startSoftLimiter", byte(Monb::StartSoftLimiter));
    o.add("startHardLimiter", byte(Monb::StartHardLimiter));
    o.add("softLimiter", byte(Monb::SoftLimiter));
    o.add("hardLimiter", byte(Monb::HardLimiter));
    o.addBytes("inputs", f, Monb::Input1, 3);
    o.add("engineBlocked", byte(Monb::EngineBlocked));
    o.add("clutch", byte(Monb::Clutch));
    o.add("retard", byte(Monb::Retard));
    o.add("map2", byte(Monb::Map2));
    o.add("servoStatus", byte(Monb::ServoStatus));
    o.add("loadSensorFault", byte(Monb::LoadSensorFault));
    o.addBytes("powerOutputs", f, Monb::PowerOut1, 3);
    o.add("gear", byte(Monb::Gear));
    o.add("dataFault", byte(Monb::DataFault));
    o.add("baseAdvance", byte(Monb::BaseAdvance));
    o.add("pickup1Negative", byte(Monb::Pickup1Negative));
    o.add("pickup2Negative", byte(Monb::Pickup2Negative));
    o.add("loadIsIap", byte(Monb::IapSensor));
    o.add("errors", byte(Monb::PickupErrors));
    o.add("version", byte(Monb::Version));
    return o.text();
}

std::string MonitorLine(const Frame &f) {
    std::string line = "rpm " + std::to_string(f.word(Monw::Rpm));
    if (f.byte(Monb::IapSensor))
        line += "  IAP " + std::to_string(f.word(Monw::Load)) + " kPa";
    else
        line += "  TP " + Tenths(f.word(Monw::Load), 1) + " %";
    if (f.byte(Monb::BaseAdvance))
        line += "  advance base";
    else
        line += "  advance " + std::to_string(f.byte(Monb::Advance1) - AdvanceOffset) + "/" +
                std::to_string(f.byte(Monb::Advance2) - AdvanceOffset) + " °";
    line += "  U " + Tenths(f.word(Monw::Supply), 100) + " V";
    line += "  gear " + std::to_string(f.byte(Monb::Gear));
    line += "  speed " + std::to_string(f.word(Monw::Speed)) + " km/h";
    if (const int countdown = f.word(Monw::SavingCountdown); countdown > 0)
        line += "  saving " + std::to_string(countdown);

    static constexpr std::pair<int, std::string_view> Flags[] = {
        {Monb::StartLimiterActive, "start limiter"},
        {Monb::StartSoftLimiter, "start soft limiter"},
        {Monb::StartHardLimiter, "start hard limiter"},
        {Monb::SoftLimiter, "soft limiter"},
        {Monb::HardLimiter, "hard limiter"},
        {Monb::EngineBlocked, "motor off"},
        {Monb::Clutch, "clutch master"},
        {Monb::Retard, "retard"},
        {Monb::Map2, "map 2"},
        {Monb::LoadSensorFault, "load sensor fault"},
        {Monb::DataFault, "programmed data error"},
        {Monb::PowerOut1, "out 1"},
        {Monb::PowerOut1 + 1, "out 2"},
        {Monb::PowerOut1 + 2, "out 3"},
    };
    std::string flags;
    for (const auto &[position, name] : Flags)
        if (f.byte(position)) {
            flags += flags.empty() ? "" : ", ";
            flags += name;
        }
    // Inputs are active while their byte is 0.
    for (int i = 0; i < 3; ++i)
        if (f.byte(Monb::Input1 + i) == 0) {
            flags += flags.empty() ? "" : ", ";
            flags += "input " + std::to_string(i + 1);
        }
    if (!flags.empty())
        line += "  [" + flags + "]";
    if (f.byte(Monb::Version) != ProtocolVersion)
        line += "  version " + std::to_string(f.byte(Monb::Version));
    return line;
}

} // namespace zarvex1
