#include "core/pages/MonitorDisplay.h"

#include <cstdio>

namespace zarvex1 {

namespace {

// Builds the "name = value unit" rows; without a connection the value becomes "---".
class RowFormat {
public:
    RowFormat(bool connected, const MessageTexts &texts) : connected_(connected), texts_(texts) {}

    LabelView Number(const std::string &name, long value, const char *unit) const {
        return {name + " = " + (connected_ ? std::to_string(value) : std::string("---")) + unit};
    }

    LabelView Tenths(const std::string &name, long value, const char *unit) const {
        if (!connected_)
            return {name + " = ---" + unit};
        char text[32];
        std::snprintf(text, sizeof text, "%4.1f", static_cast<double>(value) * 0.1);
        return {name + " = " + text + unit};
    }

    // A flag row: "YES" on the row's colour while set.
    LabelView Flag(const std::string &name, bool set, std::uint32_t colour) const {
        if (!connected_)
            return {name + " = ---"};
        return {name + " = " + texts_[set ? 20 : 21], set ? colour : Colour::ButtonFace};
    }

    // Colour that follows a live value only while connected.
    std::uint32_t Warning(bool on, std::uint32_t colour) const {
        return connected_ && on ? colour : Colour::ButtonFace;
    }

    bool connected() const { return connected_; }

private:
    bool connected_;
    const MessageTexts &texts_;
};

using F = LiveField;

struct FlagRow {
    LabelView MonitorDisplay::*label;
    int slot;
    LiveField field;
    std::uint32_t colour;
};

constexpr FlagRow flagRows[] = {
    {&MonitorDisplay::LabelMonStartLimiterAkt, 15, F::StartLimiterActive, Colour::Yellow},
    {&MonitorDisplay::LabelMonStartSoftLimiter, 16, F::StartSoftLimiter, Colour::Fuchsia},
    {&MonitorDisplay::LabelMonStartHardLimiter, 17, F::StartHardLimiter, Colour::Red},
    {&MonitorDisplay::LabelMonSoftLimiter, 18, F::SoftLimiter, Colour::Fuchsia},
    {&MonitorDisplay::LabelMonHardLimiter, 19, F::HardLimiter, Colour::Red},
    {&MonitorDisplay::LabelMonBlock, 14, F::EngineBlocked, Colour::Red},
    {&MonitorDisplay::LabelMonClutch, 46, F::Clutch, Colour::Olive},
    {&MonitorDisplay::LabelMonRetard, 51, F::Retard, Colour::Aqua},
    {&MonitorDisplay::LabelMonMapa2, 53, F::Map2, Colour::Lime},
};

constexpr F Advances[] = {F::Advance1, F::Advance2};
constexpr F MaxAdvances[] = {F::MaxAdvance1, F::MaxAdvance2};
constexpr F PickupSignals[] = {F::Pickup1, F::Pickup2};
constexpr F PickupNegative[] = {F::Pickup1Negative, F::Pickup2Negative};
constexpr F Inputs[] = {F::Input1, F::Input2, F::Input3};
constexpr F PowerOuts[] = {F::PowerOut1, F::PowerOut2, F::PowerOut3};
constexpr F LearnedRatios[] = {F::LearnedRatio1, F::LearnedRatio2, F::LearnedRatio3,
                               F::LearnedRatio4, F::LearnedRatio5, F::LearnedRatio6};
constexpr F TestValues[] = {F::Test1, F::Test2, F::Test3, F::Test4, F::Test5, F::Test6, F::Test7, F::Test8};
constexpr int PotRpmOffset = 10000; // the unit's word for a correction of 0

constexpr std::uint32_t inputColours[] = {Colour::Aqua, Colour::Lime, Colour::Olive};

// Name slot and colour of a power output by its mode.
struct OutputLook {
    int slot;
    std::uint32_t colour;
};
OutputLook PowerOutputLook(int mode) {
    switch (mode) {
    case 1:
        return {56, Colour::Teal};
    case 2:
        return {57, Colour::Fuchsia};
    case 3:
        return {58, Colour::Lime};
    case 4:
        return {59, Colour::Yellow};
    default:
        return {59, Colour::White};
    }
}

std::uint32_t SupplyColour(int millivolts) {
    if (millivolts <= 7000 || millivolts >= 17999)
        return Colour::Red;
    if (millivolts > 11000 && millivolts < 14999)
        return Colour::ButtonFace;
    return Colour::Yellow;
}

LabelView AdvanceLabel(const LiveRecord &record, int channel, const RowFormat &row,
                       const MessageTexts &texts) {
    const std::string &name = texts[22 + channel];
    if (!row.connected())
        return {name + " = ---"};
    if (record.flag(F::BaseAdvance))
        return {texts[62 + channel]};
    const int advance = record.raw(Advances[channel - 1]);
    const int maximum = record.raw(MaxAdvances[channel - 1]);
    char text[64];
    if (maximum != 0)
        std::snprintf(text, sizeof text, " = %d [°] /max %d [°]", advance, maximum);
    else
        std::snprintf(text, sizeof text, " = %d [°]", advance);
    return {name + text, maximum > 0 && advance >= maximum ? Colour::Yellow : Colour::ButtonFace};
}

LabelView PickupLabel(const LiveRecord &record, int pickup, const RowFormat &row, const MessageTexts &texts) {
    LabelView label{texts[38 + pickup] + " - "};
    if (!row.connected()) {
        label.text += "---";
        return label;
    }
    const bool signal = record.flag(PickupSignals[pickup - 1]);
    const int errors = record.raw(F::Errors);
    label.text += texts[signal ? 41 : 42];
    label.colour = signal ? Colour::Lime : Colour::ButtonFace;
    if (errors & (1 << (pickup - 1))) {
        label.text += texts[72];
        label.colour = Colour::Red;
        return label;
    }
    label.text += texts[record.flag(PickupNegative[pickup - 1]) ? 30 : 29];
    if (errors & (1 << (pickup + 1))) {
        label.text += ", " + texts[38];
        label.colour = Colour::Red;
    }
    return label;
}

} // namespace

MonitorDisplay BuildMonitorDisplay(const LiveRecord *latest, bool connected, const ParameterImage &image,
                                   const MessageTexts &texts) {
    static const LiveRecord NoFrame;
    const LiveRecord &r = latest ? *latest : NoFrame;
    MonitorDisplay d;
    const RowFormat row(connected, texts);
    const auto value = [&r](LiveField field) { return static_cast<long>(r.raw(field)); };

    const bool iap = r.flag(F::LoadIsIap);
    d.LabelRpm = row.Number("RPM", value(F::Rpm), "");
    const char *loadName = iap ? "IAP" : "TP";
    if (iap)
        d.LabelMonTpsPromile = row.Number(loadName, value(F::Pressure), " kPa");
    else
        d.LabelMonTpsPromile = row.Number(loadName, value(F::Throttle) / 10, " %");
    d.LabelMonTpsMv = row.Number(loadName, value(F::LoadVoltage), " mV");

    d.LabelNapeti = row.Tenths("U", value(F::SupplyVoltage) / 100, " V");
    if (connected)
        d.LabelNapeti.colour = SupplyColour(r.raw(F::SupplyVoltage));

    d.LabelMonServoMer = row.Number(texts[43], value(F::ServoMeasured), " mV");
    d.LabelMonServoPoz = row.Number(texts[44], value(F::ServoDesired), " mV");
    d.LabelMonPotencMv = row.Number("Potenciometer", value(F::PotentiometerMv), " mV");
    d.LabelMonAkcel = row.Number(texts[60], value(F::Acceleration), " rpm/s");

    d.LabelMonPotKorAdv = row.Tenths(texts[22], value(F::PotAdvance), " °");
    d.LabelMonPotKorStartLimiter = row.Number(texts[17], value(F::PotStartLimiter), " rpm");
    d.LabelMonPotKorPilotLight = row.Number(texts[57], value(F::PotPilotLight), " rpm");
    d.LabelMonPotKorAcc = row.Number(texts[68], value(F::PotAcceleration), " rpm/s");

    d.LabelMonSpeed = row.Number(texts[70], value(F::Speed), " km/h");
    d.LabelMonGearNapeti = row.Number(texts[71], value(F::GearVoltage), " mV");
    d.LabelMonGearNapeti1 = d.LabelMonGearNapeti;

    d.LabelMonPomerRpmSpeed = row.Tenths("Rpm/Speed =", value(F::Ratio), "");
    for (int gear = 0; gear < 6; ++gear)
        d.LabelMonPomerRpmSpeedAuto[gear] = row.Tenths(gear == 0 ? " " : "", value(LearnedRatios[gear]), "");

    d.LabelPocetProgramovani = row.Number(texts[13], value(F::ProgrammingCount), "");
    for (int i = 0; i < 8; ++i)
        d.LabelTest[i] = row.Number("Test" + std::to_string(i + 1), value(TestValues[i]), "");

    for (int channel = 1; channel <= 2; ++channel)
        d.LabelAdvance[channel - 1] = AdvanceLabel(r, channel, row, texts);
    for (int pickup = 1; pickup <= 2; ++pickup)
        d.LabelMonSnimac[pickup - 1] = PickupLabel(r, pickup, row, texts);

    for (const FlagRow &f : flagRows)
        d.*f.label = row.Flag(texts[f.slot], r.flag(f.field), f.colour);
    for (int input = 0; input < 3; ++input)
        d.LabelMonInput[input] = row.Flag(texts[48 + input], r.flag(Inputs[input]), inputColours[input]);
    for (int output = 0; output < 3; ++output) {
        const OutputLook look = PowerOutputLook(image.byte(Adrb::PowerOutMode + output));
        d.LabelMonPOut[output] = row.Flag(texts[look.slot], r.flag(PowerOuts[output]), look.colour);
    }
    d.LabelGear = row.Number(texts[69], value(F::Gear), "");

    const bool loadSensorFault = r.flag(F::LoadSensorFault);
    d.LabelMonServoMer.colour =
        row.Warning(image.byte(Adrb::ServoEnabled) != 0 && !r.flag(F::ServoStatus), Colour::Red);
    d.LabelMonTpsMv.colour = row.Warning(loadSensorFault, Colour::Red);
    d.LabelMonTpsPromile.colour = row.Warning(loadSensorFault && image.byte(Adrb::MapsUseLoad) != 0 &&
                                                  image.byte(Adrb::LoadSensor) == 1,
                                              Colour::Red);

    d.LabelEeDataErrVisible = r.flag(F::DataFault);

    const int hardLimiter = image.word(Adrw::HardLimiter);
    d.CGaugeRpm.minimum = 0;
    d.CGaugeRpm.maximum = hardLimiter != 0 ? hardLimiter : 150000;
    d.CGaugeRpm.position = r.raw(F::Rpm);
    if (iap) {
        d.CGaugeTps.minimum = image.word(Adrw::IapAxis);
        d.CGaugeTps.maximum = image.word(Adrw::IapAxis + 9);
    } else {
        d.CGaugeTps.minimum = 0;
        d.CGaugeTps.maximum = 1000;
    }
    d.CGaugeTps.position = r.raw(F::Load);

    // t - 20000 is twice the effective acceleration threshold, which so lies in the middle of the gauge.
    const int threshold = image.byte(Adrb::Map2Acceleration);
    const long t = threshold * 200L + (value(F::PotAcceleration) + PotRpmOffset) * 2;
    d.CGaugeAkcel.minimum = 0;
    d.CGaugeAkcel.maximum = t >= 20101 ? static_cast<int>(t - 20000) : 100;
    d.CGaugeAkcel.position = r.raw(F::Acceleration);
    d.CGaugeAkcel.colour = value(F::Acceleration) / 100 < threshold ? Colour::Lime : Colour::Red;
    return d;
}

} // namespace zarvex1
