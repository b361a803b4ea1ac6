#include "core/logs/MonitorFields.h"

#include <algorithm>

namespace zarvex1 {

namespace {

using S = FieldSource;

constexpr int AdvanceOffset = -100;
constexpr int PotAdvanceOffset = -1000;
constexpr int PotRpmOffset = -10000;

constexpr MonitorField Fields[] = {
    {"rpm", "rpm", "engine speed [rpm]", "", S::Word, Monw::Rpm},
    {"maxAdvance1", "maxAdvance1", "max advance 1 [°]", "", S::Word, Monw::MaxAdvance1},
    {"maxAdvance2", "maxAdvance2", "max advance 2 [°]", "", S::Word, Monw::MaxAdvance2},
    {"load", "load", "", "", S::Word, Monw::Load},
    {"throttle", "", "throttle [%]", "", S::Throttle, Monw::Load, 0, 1},
    {"pressure", "", "intake pressure [kPa]", "", S::Pressure, Monw::Load},
    {"loadVoltage", "loadVoltage", "load sensor [mV]", "", S::Word, Monw::LoadVoltage},
    {"supplyVoltage", "supplyVoltage", "supply [V]", "", S::Word, Monw::Supply, 0, 3},
    {"servoMeasured", "servoMeasured", "servo measured [mV]", "", S::Word, Monw::ServoMeasured},
    {"servoDesired", "servoDesired", "servo desired [mV]", "", S::Word, Monw::ServoDesired},
    {"potentiometer", "potentiometer", "", "", S::Word, Monw::Potentiometer},
    {"potentiometerMv", "", "potentiometer [mV]", "", S::PotMillivolts, Monw::Potentiometer},
    {"acceleration", "acceleration", "acceleration [rpm/s]", "", S::Word, Monw::Acceleration},
    {"potAdvance", "potAdvance", "pot. advance correction [°]", "", S::Word, Monw::PotAdvance,
     PotAdvanceOffset, 1},
    {"potStartLimiter", "potStartLimiter", "pot. start limiter correction [rpm]", "", S::Word,
     Monw::PotStartLimiter, PotRpmOffset},
    {"potPilotLight", "potPilotLight", "pot. pilot light correction [rpm]", "", S::Word, Monw::PotPilotLight,
     PotRpmOffset},
    {"potAcceleration", "potAcceleration", "pot. acceleration correction [rpm/s]", "", S::Word,
     Monw::PotAcceleration, PotRpmOffset},
    {"speed", "speed", "speed [km/h]", "", S::Word, Monw::Speed},
    {"gearVoltage", "gearVoltage", "gear sensor [mV]", "", S::Word, Monw::GearVoltage},
    {"ratio", "ratio", "rpm/speed", "", S::Word, Monw::Ratio, 0, 1},
    {"learnedRatio1", "learnedRatios", "learned ratio 1", "", S::Word, Monw::LearnedRatio, 0, 1},
    {"learnedRatio2", "learnedRatios", "learned ratio 2", "", S::Word, Monw::LearnedRatio + 1, 0, 1},
    {"learnedRatio3", "learnedRatios", "learned ratio 3", "", S::Word, Monw::LearnedRatio + 2, 0, 1},
    {"learnedRatio4", "learnedRatios", "learned ratio 4", "", S::Word, Monw::LearnedRatio + 3, 0, 1},
    {"learnedRatio5", "learnedRatios", "learned ratio 5", "", S::Word, Monw::LearnedRatio + 4, 0, 1},
    {"learnedRatio6", "learnedRatios", "learned ratio 6", "", S::Word, Monw::LearnedRatio + 5, 0, 1},
    {"programmingCount", "programmingCount", "programming cycles", "", S::Word, Monw::ProgramCycles},
    {"savingCountdown", "savingCountdown", "saving countdown", "", S::Word, Monw::SavingCountdown},
    {"test1", "testValues", "test 1", "", S::Word, Monw::TestValue},
    {"test2", "testValues", "test 2", "", S::Word, Monw::TestValue + 1},
    {"test3", "testValues", "test 3", "", S::Word, Monw::TestValue + 2},
    {"test4", "testValues", "test 4", "", S::Word, Monw::TestValue + 3},
    {"test5", "testValues", "test 5", "", S::Word, Monw::TestValue + 4},
    {"test6", "testValues", "test 6", "", S::Word, Monw::TestValue + 5},
    {"test7", "testValues", "test 7", "", S::Word, Monw::TestValue + 6},
    {"test8", "testValues", "test 8", "", S::Word, Monw::TestValue + 7},
    {"advance1", "advance1", "advance 1 [°]", "", S::Byte, Monb::Advance1, AdvanceOffset},
    {"advance2", "advance2", "advance 2 [°]", "", S::Byte, Monb::Advance2, AdvanceOffset},
    {"pickup1", "pickup1", "pick-up 1 signal", "", S::Flag, Monb::Pickup1Signal},
    {"pickup2", "pickup2", "pick-up 2 signal", "", S::Flag, Monb::Pickup2Signal},
    {"startLimiterActive", "startLimiterActive", "start limiter", "start limiter", S::Flag,
     Monb::StartLimiterActive},
    {"startSoftLimiter", "startSoftLimiter", "start soft limiter", "start soft limiter", S::Flag,
     Monb::StartSoftLimiter},
    {"startHardLimiter", "startHardLimiter", "start hard limiter", "start hard limiter", S::Flag,
     Monb::StartHardLimiter},
    {"softLimiter", "softLimiter", "soft limiter", "soft limiter", S::Flag, Monb::SoftLimiter},
    {"hardLimiter", "hardLimiter", "hard limiter", "hard limiter", S::Flag, Monb::HardLimiter},
    // The JSON keeps the inputs' bytes as the unit sends them (0 active); the log says "active" as 1.
    {"inputByte1", "inputs", "", "", S::Flag, Monb::Input1},
    {"inputByte2", "inputs", "", "", S::Flag, Monb::Input1 + 1},
    {"inputByte3", "inputs", "", "", S::Flag, Monb::Input1 + 2},
    {"engineBlocked", "engineBlocked", "engine blocked", "motor off", S::Flag, Monb::EngineBlocked},
    {"clutch", "clutch", "clutch master", "clutch master", S::Flag, Monb::Clutch},
    {"retard", "retard", "retard", "retard", S::Flag, Monb::Retard},
    {"map2", "map2", "map 2", "map 2", S::Flag, Monb::Map2},
    {"servoStatus", "servoStatus", "servo status", "", S::Flag, Monb::ServoStatus},
    {"loadSensorFault", "loadSensorFault", "load sensor fault", "load sensor fault", S::Flag,
     Monb::LoadSensorFault},
    {"powerOut1", "powerOutputs", "power out 1", "out 1", S::Flag, Monb::PowerOut1},
    {"powerOut2", "powerOutputs", "power out 2", "out 2", S::Flag, Monb::PowerOut1 + 1},
    {"powerOut3", "powerOutputs", "power out 3", "out 3", S::Flag, Monb::PowerOut1 + 2},
    {"input1", "", "input 1 active", "input 1", S::ActiveLow, Monb::Input1},
    {"input2", "", "input 2 active", "input 2", S::ActiveLow, Monb::Input1 + 1},
    {"input3", "", "input 3 active", "input 3", S::ActiveLow, Monb::Input1 + 2},
    {"gear", "gear", "gear", "", S::Byte, Monb::Gear},
    {"dataFault", "dataFault", "programmed data error", "programmed data error", S::Flag, Monb::DataFault},
    {"baseAdvance", "baseAdvance", "base advance", "", S::Flag, Monb::BaseAdvance},
    {"pickup1Negative", "pickup1Negative", "pick-up 1 negative", "", S::Flag, Monb::Pickup1Negative},
    {"pickup2Negative", "pickup2Negative", "pick-up 2 negative", "", S::Flag, Monb::Pickup2Negative},
    {"loadIsIap", "loadIsIap", "intake pressure sensor", "", S::Flag, Monb::IapSensor},
    {"errors", "errors", "", "", S::Byte, Monb::PickupErrors},
    {"pickup1PolarityError", "", "pick-up 1 polarity error", "", S::Bit, Monb::PickupErrors, 0},
    {"pickup2PolarityError", "", "pick-up 2 polarity error", "", S::Bit, Monb::PickupErrors, 1},
    {"pickup1SystemError", "", "pick-up 1 system error", "", S::Bit, Monb::PickupErrors, 2},
    {"pickup2SystemError", "", "pick-up 2 system error", "", S::Bit, Monb::PickupErrors, 3},
    {"version", "version", "protocol version", "", S::Byte, Monb::Version},
};

} // namespace

std::span<const MonitorField> MonitorFields() {
    return Fields;
}

const MonitorField *FindMonitorField(std::string_view id) {
    const auto found = std::find_if(std::begin(Fields), std::end(Fields),
                                    [id](const MonitorField &field) { return field.id == id; });
    return found == std::end(Fields) ? nullptr : &*found;
}

int FieldValue(const MonitorField &field, const Frame &frame) {
    switch (field.source) {
    case FieldSource::Word:
        return frame.word(field.position) + field.offset;
    case FieldSource::Byte:
        return frame.byte(field.position) + field.offset;
    case FieldSource::Flag:
        return frame.byte(field.position) != 0;
    case FieldSource::ActiveLow:
        return frame.byte(field.position) == 0;
    case FieldSource::Bit:
        return (frame.byte(field.position) >> field.offset) & 1;
    case FieldSource::Throttle:
        return frame.byte(Monb::IapSensor) != 0 ? 0 : frame.word(field.position);
    case FieldSource::Pressure:
        return frame.byte(Monb::IapSensor) != 0 ? frame.word(field.position) : 0;
    case FieldSource::PotMillivolts:
        return frame.word(field.position) * 5000 / 1023;
    }
    return 0;
}

} // namespace zarvex1
