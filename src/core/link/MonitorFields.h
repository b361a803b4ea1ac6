#pragma once

#include "core/link/Frames.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace zarvex1 {

// Every live value of a monitor frame, in the order of the field table.
enum class LiveField : int {
    Rpm,
    MaxAdvance1,
    MaxAdvance2,
    Load,
    Throttle,
    Pressure,
    LoadVoltage,
    SupplyVoltage,
    ServoMeasured,
    ServoDesired,
    Potentiometer,
    PotentiometerMv,
    Acceleration,
    PotAdvance,
    PotStartLimiter,
    PotPilotLight,
    PotAcceleration,
    Speed,
    GearVoltage,
    Ratio,
    LearnedRatio1,
    LearnedRatio2,
    LearnedRatio3,
    LearnedRatio4,
    LearnedRatio5,
    LearnedRatio6,
    ProgrammingCount,
    SavingCountdown,
    Test1,
    Test2,
    Test3,
    Test4,
    Test5,
    Test6,
    Test7,
    Test8,
    Advance1,
    Advance2,
    Pickup1,
    Pickup2,
    StartLimiterActive,
    StartSoftLimiter,
    StartHardLimiter,
    SoftLimiter,
    HardLimiter,
    InputByte1,
    InputByte2,
    InputByte3,
    EngineBlocked,
    Clutch,
    Retard,
    Map2,
    ServoStatus,
    LoadSensorFault,
    PowerOut1,
    PowerOut2,
    PowerOut3,
    Input1,
    Input2,
    Input3,
    Gear,
    DataFault,
    BaseAdvance,
    Pickup1Negative,
    Pickup2Negative,
    LoadIsIap,
    Errors,
    Pickup1PolarityError,
    Pickup2PolarityError,
    Pickup1SystemError,
    Pickup2SystemError,
    Version,
};
inline constexpr std::size_t LiveFieldCount = static_cast<std::size_t>(LiveField::Version) + 1;

// How a field's value comes out of a monitor frame.
enum class FieldSource {
    Word,          // a monitor word, plus the offset
    Byte,          // a byte, plus the offset
    Flag,          // 1 when the byte is not 0
    ActiveLow,     // 1 when the byte is 0: the inputs
    Bit,           // bit `offset` of the byte
    Throttle,      // the load word while the load sensor is the throttle, else 0
    Pressure,      // the load word while the load sensor is intake pressure, else 0
    PotMillivolts, // the potentiometer reading (0..1023) in mV
};

// One live value of the unit. The one table of them feeds the log's columns, the command line's JSON
// objects and its readable line: a field without a JSON key is a log column only, one without a column
// only a JSON value; consecutive fields with the same JSON key form one JSON array.
struct MonitorField {
    LiveField field;
    std::string_view id;     // unique, for code that asks for a field
    std::string_view json;   // key of the JSON object, empty when the field is not there
    std::string_view column; // name and unit of the log column, empty when the field is not logged
    std::string_view flag;   // shown in the readable line while set, empty for values
    FieldSource source;
    int position;     // Monw:: word or Monb:: byte
    int offset = 0;   // added to a word or byte; the bit of a Bit field
    int decimals = 0; // the log shows value / 10^decimals: tenths of a degree as degrees
};

std::span<const MonitorField> MonitorFields();
const MonitorField &FieldInfo(LiveField field);
// The field with this id, or nullptr.
const MonitorField *FindMonitorField(std::string_view id);

// The field's value in the frame as an integer (in 10^-decimals of the column's unit).
int FieldValue(const MonitorField &field, const Frame &frame);

} // namespace zarvex1
