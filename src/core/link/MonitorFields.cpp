#include "core/link/MonitorFields.h"

#include <algorithm>

namespace zarvex1 {

namespace {

using S = FieldSource;
using F = LiveField;

constexpr int AdvanceOffset = -100;
constexpr int PotAdvanceOffset = -1000;
constexpr int PotRpmOffset = -10000;

constexpr MonitorField Fields[] = {
    {F::Rpm, "rpm", "rpm", "engine speed [rpm]", "", S::Word, Monw::Rpm},
    {F::MaxAdvance1, "maxAdvance1", "maxAdvance1", "max advance 1 [°]", "", S::Word, Monw::MaxAdvance1},
    {F::MaxAdvance2, "maxAdvance2", "maxAdvance2", "max advance 2 [°]", "", S::Word, Monw::MaxAdvance2},
    {F::Load, "load", "load", "", "", S::Word, Monw::Load},
    {F::Throttle, "throttle", "", "throttle [%]", "", S::Throttle, Monw::Load, 0, 1},
    {F::Pressure, "pressure", "", "intake pressure [kPa]", "", S::Pressure, Monw::Load},
    {F::LoadVoltage, "loadVoltage", "loadVoltage", "load sensor [mV]", "", S::Word, Monw::LoadVoltage},
    {F::SupplyVoltage, "supplyVoltage", "supplyVoltage", "supply [V]", "", S::Word, Monw::Supply, 0, 3},
    {F::ServoMeasured, "servoMeasured", "servoMeasured", "servo measured [mV]", "", S::Word,
     Monw::ServoMeasured},
    {F::ServoDesired, "servoDesired", "servoDesired", "servo desired [mV]", "", S::Word, Monw::ServoDesired},
    {F::Potentiometer, "potentiometer", "potentiometer", "", "", S::Word, Monw::Potentiometer},
    {F::PotentiometerMv, "potentiometerMv", "", "potentiometer [mV]", "", S::PotMillivolts,
     Monw::Potentiometer},
    {F::Acceleration, "acceleration", "acceleration", "acceleration [rpm/s]", "", S::Word,
     Monw::Acceleration},
    {F::PotAdvance, "potAdvance", "potAdvance", "pot. advance correction [°]", "", S::Word, Monw::PotAdvance,
     PotAdvanceOffset, 1},
    {F::PotStartLimiter, "potStartLimiter", "potStartLimiter", "pot. start limiter correction [rpm]", "",
     S::Word, Monw::PotStartLimiter, PotRpmOffset},
    {F::PotPilotLight, "potPilotLight", "potPilotLight", "pot. pilot light correction [rpm]", "", S::Word,
     Monw::PotPilotLight, PotRpmOffset},
    {F::PotAcceleration, "potAcceleration", "potAcceleration", "pot. acceleration correction [rpm/s]", "",
     S::Word, Monw::PotAcceleration, PotRpmOffset},
    {F::Speed, "speed", "speed", "speed [km/h]", "", S::Word, Monw::Speed},
    {F::GearVoltage, "gearVoltage", "gearVoltage", "gear sensor [mV]", "", S::Word, Monw::GearVoltage},
    {F::Ratio, "ratio", "ratio", "rpm/speed", "", S::Word, Monw::Ratio, 0, 1},
    {F::LearnedRatio1, "learnedRatio1", "learnedRatios", "learned ratio 1", "", S::Word, Monw::LearnedRatio,
     0, 1},
    {F::LearnedRatio2, "learnedRatio2", "learnedRatios", "learned ratio 2", "", S::Word,
     Monw::LearnedRatio + 1, 0, 1},
    {F::LearnedRatio3, "learnedRatio3", "learnedRatios", "learned ratio 3", "", S::Word,
     Monw::LearnedRatio + 2, 0, 1},
    {F::LearnedRatio4, "learnedRatio4", "learnedRatios", "learned ratio 4", "", S::Word,
     Monw::LearnedRatio + 3, 0, 1},
    {F::LearnedRatio5, "learnedRatio5", "learnedRatios", "learned ratio 5", "", S::Word,
     Monw::LearnedRatio + 4, 0, 1},
    {F::LearnedRatio6, "learnedRatio6", "learnedRatios", "learned ratio 6", "", S::Word,
     Monw::LearnedRatio + 5, 0, 1},
    {F::ProgrammingCount, "programmingCount", "programmingCount", "programming cycles", "", S::Word,
     Monw::ProgramCycles},
    {F::SavingCountdown, "savingCountdown", "savingCountdown", "saving countdown", "", S::Word,
     Monw::SavingCountdown},
    {F::Test1, "test1", "testValues", "test 1", "", S::Word, Monw::TestValue},
    {F::Test2, "test2", "testValues", "test 2", "", S::Word, Monw::TestValue + 1},
    {F::Test3, "test3", "testValues", "test 3", "", S::Word, Monw::TestValue + 2},
    {F::Test4, "test4", "testValues", "test 4", "", S::Word, Monw::TestValue + 3},
    {F::Test5, "test5", "testValues", "test 5", "", S::Word, Monw::TestValue + 4},
    {F::Test6, "test6", "testValues", "test 6", "", S::Word, Monw::TestValue + 5},
    {F::Test7, "test7", "testValues", "test 7", "", S::Word, Monw::TestValue + 6},
    {F::Test8, "test8", "testValues", "test 8", "", S::Word, Monw::TestValue + 7},
    {F::Advance1, "advance1", "advance1", "advance 1 [°]", "", S::Byte, Monb::Advance1, AdvanceOffset},
    {F::Advance2, "advance2", "advance2", "advance 2 [°]", "", S::Byte, Monb::Advance2, AdvanceOffset},
    {F::Pickup1, "pickup1", "pickup1", "pick-up 1 signal", "", S::Flag, Monb::Pickup1Signal},
    {F::Pickup2, "pickup2", "pickup2", "pick-up 2 signal", "", S::Flag, Monb::Pickup2Signal},
    {F::StartLimiterActive, "startLimiterActive", "startLimiterActive", "start limiter", "start limiter",
     S::Flag, Monb::StartLimiterActive},
    {F::StartSoftLimiter, "startSoftLimiter", "startSoftLimiter", "start soft limiter", "start soft limiter",
     S::Flag, Monb::StartSoftLimiter},
    {F::StartHardLimiter, "startHardLimiter", "startHardLimiter", "start hard limiter", "start hard limiter",
     S::Flag, Monb::StartHardLimiter},
    {F::SoftLimiter, "softLimiter", "softLimiter", "soft limiter", "soft limiter", S::Flag,
     Monb::SoftLimiter},
    {F::HardLimiter, "hardLimiter", "hardLimiter", "hard limiter", "hard limiter", S::Flag,
     Monb::HardLimiter},
    // The JSON keeps the inputs' bytes as the unit sends them (0 active); the log says "active" as 1.
    {F::InputByte1, "inputByte1", "inputs", "", "", S::Flag, Monb::Input1},
    {F::InputByte2, "inputByte2", "inputs", "", "", S::Flag, Monb::Input1 + 1},
    {F::InputByte3, "inputByte3", "inputs", "", "", S::Flag, Monb::Input1 + 2},
    {F::EngineBlocked, "engineBlocked", "engineBlocked", "engine blocked", "motor off", S::Flag,
     Monb::EngineBlocked},
    {F::Clutch, "clutch", "clutch", "clutch master", "clutch master", S::Flag, Monb::Clutch},
    {F::Retard, "retard", "retard", "retard", "retard", S::Flag, Monb::Retard},
    {F::Map2, "map2", "map2", "map 2", "map 2", S::Flag, Monb::Map2},
    {F::ServoStatus, "servoStatus", "servoStatus", "servo status", "", S::Flag, Monb::ServoStatus},
    {F::LoadSensorFault, "loadSensorFault", "loadSensorFault", "load sensor fault", "load sensor fault",
     S::Flag, Monb::LoadSensorFault},
    {F::PowerOut1, "powerOut1", "powerOutputs", "power out 1", "out 1", S::Flag, Monb::PowerOut1},
    {F::PowerOut2, "powerOut2", "powerOutputs", "power out 2", "out 2", S::Flag, Monb::PowerOut1 + 1},
    {F::PowerOut3, "powerOut3", "powerOutputs", "power out 3", "out 3", S::Flag, Monb::PowerOut1 + 2},
    {F::Input1, "input1", "", "input 1 active", "input 1", S::ActiveLow, Monb::Input1},
    {F::Input2, "input2", "", "input 2 active", "input 2", S::ActiveLow, Monb::Input1 + 1},
    {F::Input3, "input3", "", "input 3 active", "input 3", S::ActiveLow, Monb::Input1 + 2},
    {F::Gear, "gear", "gear", "gear", "", S::Byte, Monb::Gear},
    {F::DataFault, "dataFault", "dataFault", "programmed data error", "programmed data error", S::Flag,
     Monb::DataFault},
    {F::BaseAdvance, "baseAdvance", "baseAdvance", "base advance", "", S::Flag, Monb::BaseAdvance},
    {F::Pickup1Negative, "pickup1Negative", "pickup1Negative", "pick-up 1 negative", "", S::Flag,
     Monb::Pickup1Negative},
    {F::Pickup2Negative, "pickup2Negative", "pickup2Negative", "pick-up 2 negative", "", S::Flag,
     Monb::Pickup2Negative},
    {F::LoadIsIap, "loadIsIap", "loadIsIap", "intake pressure sensor", "", S::Flag, Monb::IapSensor},
    {F::Errors, "errors", "errors", "", "", S::Byte, Monb::PickupErrors},
    {F::Pickup1PolarityError, "pickup1PolarityError", "", "pick-up 1 polarity error", "", S::Bit,
     Monb::PickupErrors, 0},
    {F::Pickup2PolarityError, "pickup2PolarityError", "", "pick-up 2 polarity error", "", S::Bit,
     Monb::PickupErrors, 1},
    {F::Pickup1SystemError, "pickup1SystemError", "", "pick-up 1 system error", "", S::Bit,
     Monb::PickupErrors, 2},
    {F::Pickup2SystemError, "pickup2SystemError", "", "pick-up 2 system error", "", S::Bit,
     Monb::PickupErrors, 3},
    {F::Version, "version", "version", "protocol version", "", S::Byte, Monb::Version},
};

// The table is indexed by its field: each row stands at its enumerator.
constexpr bool InFieldOrder() {
    for (int i = 0; i < static_cast<int>(std::size(Fields)); ++i)
        if (static_cast<int>(Fields[i].field) != i)
            return false;
    return std::size(Fields) == LiveFieldCount;
}
static_assert(InFieldOrder(), "the field table follows LiveField");

} // namespace

const MonitorField &FieldInfo(LiveField field) {
    return Fields[static_cast<std::size_t>(field)];
}

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
