#include "core/files/ParameterFileLayout.h"

#include "core/params/ParameterImage.h"

#include <algorithm>
#include <initializer_list>

namespace zarvex1 {

namespace {

using Line = std::vector<FileField>;

FileField B(int address, int scale = 1, int offset = 0) {
    return {FieldKind::Byte, address, scale, offset};
}
FileField W(int word) {
    return {FieldKind::Word, word};
}

Line Bytes(std::initializer_list<int> addresses) {
    Line line;
    for (int a : addresses)
        line.push_back(B(a));
    return line;
}

// count consecutive fields from `first`, perLine values on a line.
std::vector<Line> Run(FieldKind kind, int first, int count, int perLine, int scale = 1, int offset = 0) {
    std::vector<Line> lines;
    for (int i = 0; i < count; ++i) {
        if (i % perLine == 0)
            lines.emplace_back();
        lines.back().push_back({kind, first + i, scale, offset});
    }
    return lines;
}

Line RunLine(FieldKind kind, int first, int count, int scale = 1, int offset = 0) {
    return Run(kind, first, count, count, scale, offset).front();
}

KeyWordLayout PowerOut(std::string_view keyWord, int n, bool written) {
    KeyWordLayout k{keyWord, FileSectionFlag::PowerOut, {}, written, true, n};
    const int rpm = Adrb::PowerOutRpm + 3 * n;
    k.lines.push_back({B(Adrb::PowerOutMode + n)});
    k.lines.push_back({B(rpm, 100), B(rpm + 1, 100), B(rpm + 2, 100), B(Adrb::PowerOutHysteresis + n, 10)});
    k.lines.push_back({{FieldKind::LoadThreshold, Adrb::PowerOutLoad + 2 * n},
                       {FieldKind::LoadThreshold, Adrb::PowerOutLoad + 2 * n + 1}});
    for (int r = 0; r < 3; ++r) {
        Line row;
        for (int bit = 0; bit < 4; ++bit)
            row.push_back({FieldKind::GridBit, Adrb::PowerOutTable + 3 * n + r, 1, 0, bit});
        k.lines.push_back(row);
    }
    return k;
}

std::vector<KeyWordLayout> BuildLayout() {
    using namespace FileSectionFlag;
    const Line none;
    std::vector<KeyWordLayout> t;
    t.push_back({"BIKE", Basic, {{B(Adrb::BikeType)}}});
    t.push_back({"INV_PICKUP", Basic, {Bytes({Adrb::InvPickup1, Adrb::InvPickup2})}});
    t.push_back({"PICKUPS_INTERCHANGE", Basic, {{B(Adrb::PickupsInterchange)}}});
    t.push_back({"NO_LOBE_CHECK", Basic, {{B(Adrb::NoLobeCheck)}}});
    t.push_back({"SPARK_BEFORE_LOBE", Basic, {{B(Adrb::SparkBeforeLobe)}}});
    t.push_back({"SPEC_START", Basic, {{B(Adrb::SpecStart)}}});
    t.push_back({"INTERLOCK_INPUT", Basic, {{B(Adrb::InterlockInputs)}}});
    t.push_back({"SPECDWELL_START", 0, {none}, true, false});
    t.push_back({"4_TAKT", Basic, {{B(Adrb::FourStroke)}}});
    t.push_back({"COMPENSATION", Basic, {Bytes({Adrb::Compensation1, Adrb::Compensation2})}});
    t.push_back({"PICKUP_SYSTEM",
                 Basic,
                 {Bytes({240, 242, 243, 241}), Bytes({244, 248, 252}), Bytes({246, 250, 254}),
                  Bytes({245, 249, 253}), Bytes({247, 251, 255}), Bytes({256})}});
    t.push_back({"RPM", Basic, {{B(Adrb::TachoPulses), B(Adrb::TachoCorrection, 1, -100)}}});
    t.push_back({"INPUT",
                 Inputs,
                 {RunLine(FieldKind::Byte, Adrb::InputFunction, 3),
                  RunLine(FieldKind::Byte, Adrb::InputInverted, 3)}});
    t.push_back({"SENSOR_TPS_IAP", Inputs, {{B(Adrb::LoadSensor)}}});
    t.push_back({"SENSOR_TPS", Inputs, {{W(Adrw::TpsVoltage0), W(Adrw::TpsVoltage100)}}});
    t.push_back({"SENSOR_IAP", Inputs, {RunLine(FieldKind::Word, Adrw::IapPressure1, 4)}});
    t.push_back({"LIMITER",
                 Inputs,
                 {{W(Adrw::StartSoftLimiter),
                   W(Adrw::StartHardLimiter),
                   {FieldKind::LimiterDelay, Adrb::StartLimiterDelay, 100},
                   W(Adrw::SoftLimiter),
                   W(Adrw::HardLimiter)}}});
    t.push_back({"RETARD", Inputs, {Bytes({Adrb::Retard, Adrb::RetardClutchActions})}});
    t.push_back({"MAPA2_ACCEL", Inputs, {{B(Adrb::Map2Acceleration, 100)}}});
    t.push_back({"POTENTIOMETER", Inputs, {{B(Adrb::PotentiometerUse), W(Adrw::PotentiometerRange)}}});
    t.push_back({"ADVANCE_MISC",
                 Advance1 | Advance2,
                 {{B(Adrb::MapsUseLoad), B(Adrb::BaseAdvance), B(Adrb::CylinderCorrection, 1, -100),
                   B(Adrb::CylinderCorrection + 1, 1, -100)}}});
    t.push_back({"IAP", Advance1, {RunLine(FieldKind::Word, Adrw::IapAxis, 10)}});
    t.push_back({"ADVANCE_RPM1", Advance1, {RunLine(FieldKind::Word, Adrw::AdvanceRpm1, 15)}});
    t.push_back({"ADVANCE1", Advance1, Run(FieldKind::Byte, Adrb::Advance1, 150, 15)});
    t.push_back({"ADVANCE_RPM2", Advance2, {RunLine(FieldKind::Word, Adrw::AdvanceRpm2, 15)}});
    t.push_back({"ADVANCE2", Advance2, Run(FieldKind::Byte, Adrb::Advance2, 150, 15)});
    t.push_back({"SERRVO_MISC",
                 Servo,
                 {{B(Adrb::ServoEnabled),
                   B(Adrb::ServoPercent),
                   B(Adrb::ServoAxes),
                   {FieldKind::ServoHysteresis, Adrb::ServoHysteresis, 5}}}});
    t.push_back({"SERRVO_MISC_HO", Servo, {{B(Adrb::ServoOffZone, 5)}}});
    t.push_back({"SERVO_RPM", Servo, {RunLine(FieldKind::Word, Adrw::ServoRpm, 15)}});
    t.push_back({"SERVO", Servo, Run(FieldKind::Byte, Adrb::Servo, 150, 15)});
    t.push_back(PowerOut("POWER_OUT1", 0, true));
    t.push_back(PowerOut("POWER_OUT2", 1, true));
    t.push_back(PowerOut("POWER_OUT3", 2, true));
    t.back().lines.push_back(none);
    t.push_back({"GEAR",
                 Gear,
                 {Bytes({Adrb::GearMode, Adrb::GearCount}), RunLine(FieldKind::Word, Adrw::GearVoltage, 7),
                  RunLine(FieldKind::Word, Adrw::GearRatio, 6)}});
    t.push_back({"GEAR_AUTO",
                 Gear,
                 {{B(Adrb::GearAutoTime), B(Adrb::GearAutoRpm, 100), B(Adrb::GearAutoThrottle),
                   B(Adrb::GearAutoZone)}}});
    t.push_back({"SPEED_PULSES", Gear, {{B(Adrb::SpeedPulsesMeaning), W(Adrw::SpeedPulses)}, none}});
    t.push_back({"CLUTCH",
                 Race,
                 {{B(Adrb::ClutchMode), B(Adrb::ClutchDelay1, 10), B(Adrb::ClutchDelay2, 10),
                   B(Adrb::ClutchMinRpm, 100), B(Adrb::ClutchAdvance)}}});
    t.push_back({"CLUTCH_TIME", Race, {RunLine(FieldKind::Byte, Adrb::ClutchTime, 6, 5)}});
    t.push_back({"GEAR_CORR_ADV", Race, {RunLine(FieldKind::Byte, Adrb::GearCorrAdvance, 6, 1, -100)}});
    t.push_back({"GEAR_CORR_LIMITER", Race, {RunLine(FieldKind::Byte, Adrb::GearCorrLimiter, 6, 50, -100)}});
    t.push_back({"GEAR_CORR_SERVO", Race, {RunLine(FieldKind::Byte, Adrb::GearCorrServo, 6, 50, -100)}});
    KeyWordLayout corrections{"GEAR_CORR_POUT", Race, {none}};
    for (const Line &line : Run(FieldKind::Byte, Adrb::GearCorrPowerOut, 24, 6, 50, -100))
        corrections.lines.push_back(line);
    t.push_back(corrections);
    t.push_back({"TEST", Test, {{B(Adrb::TestRpm, 100), B(Adrb::TestServoTime, 10)}, none}});
    // Read only: a fourth power output the pages do not offer.
    t.push_back(PowerOut("POWER_OUT4", 3, false));
    return t;
}

} // namespace

const std::vector<KeyWordLayout> &ParameterFileLayout() {
    static const std::vector<KeyWordLayout> layout = BuildLayout();
    return layout;
}

const KeyWordLayout *FindKeyWord(std::string_view word) {
    if (word == "TPS")
        word = "SENSOR_TPS";
    const auto &layout = ParameterFileLayout();
    const auto it = std::find_if(layout.begin(), layout.end(),
                                 [word](const KeyWordLayout &k) { return k.read && k.keyWord == word; });
    return it == layout.end() ? nullptr : &*it;
}

} // namespace zarvex1
