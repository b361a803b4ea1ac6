#include "core/link/MonitorDisplay.h"

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

struct FlagRow {
    LabelView MonitorDisplay::*label;
    int slot;
    int byte;
    std::uint32_t colour;
};

constexpr FlagRow flagRows[] = {
    {&MonitorDisplay::LabelMonStartLimiterAkt, 15, Monb::StartLimiterActive, Colour::Yellow},
    {&MonitorDisplay::LabelMonStartSoftLimiter, 16, Monb::StartSoftLimiter, Colour::Fuchsia},
    {&MonitorDisplay::LabelMonStartHardLimiter, 17, Monb::StartHardLimiter, Colour::Red},
    {&MonitorDisplay::LabelMonSoftLimiter, 18, Monb::SoftLimiter, Colour::Fuchsia},
    {&MonitorDisplay::LabelMonHardLimiter, 19, Monb::HardLimiter, Colour::Red},
    {&MonitorDisplay::LabelMonBlock, 14, Monb::EngineBlocked, Colour::Red},
    {&MonitorDisplay::LabelMonClutch, 46, Monb::Clutch, Colour::Olive},
    {&MonitorDisplay::LabelMonRetard, 51, Monb::Retard, Colour::Aqua},
    {&MonitorDisplay::LabelMonMapa2, 53, Monb::Map2, Colour::Lime},
};

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

LabelView AdvanceLabel(const Frame &frame, int channel, const RowFormat &row, const MessageTexts &texts) {
    const std::string &name = texts[22 + channel];
    if (!row.connected())
        return {name + " = ---"};
    if (frame.byte(Monb::BaseAdvance) != 0)
        return {texts[62 + channel]};
    const int advance = frame.byte(Monb::Advance1 + channel - 1) - 100;
    const int maximum = frame.word(Monw::MaxAdvance1 + channel - 1);
    char text[64];
    if (maximum != 0)
        std::snprintf(text, sizeof text, " = %d [°] /max %d [°]", advance, maximum);
    else
        std::snprintf(text, sizeof text, " = %d [°]", advance);
    return {name + text, maximum > 0 && advance >= maximum ? Colour::Yellow : Colour::ButtonFace};
}

LabelView PickupLabel(const Frame &frame, int pickup, const RowFormat &row, const MessageTexts &texts) {
    LabelView label{texts[38 + pickup] + " - "};
    if (!row.connected()) {
        label.text += "---";
        return label;
    }
    const bool signal = frame.byte(Monb::Pickup1Signal + pickup - 1) != 0;
    const int errors = frame.byte(Monb::PickupErrors);
    label.text += texts[signal ? 41 : 42];
    label.colour = signal ? Colour::Lime : Colour::ButtonFace;
    if (errors & (1 << (pickup - 1))) {
        label.text += texts[72];
        label.colour = Colour::Red;
        return label;
    }
    label.text += texts[frame.byte(Monb::Pickup1Negative + pickup - 1) != 0 ? 30 : 29];
    if (errors & (1 << (pickup + 1))) {
        label.text += ", " + texts[38];
        label.colour = Colour::Red;
    }
    return label;
}

} // namespace

std::string VersionMismatchText(const MessageTexts &texts, int unitVersion) {
    char text[48];
    std::snprintf(text, sizeof text, "  PC-%d, IGN-%d", ProtocolVersion, unitVersion);
    return texts[11] + text;
}

void RefreshMonitorDisplay(const Frame &frame, bool connected, const ParameterImage &image,
                           const MessageTexts &texts, LiveValues &live, MonitorDisplay &d) {
    const RowFormat row(connected, texts);
    const auto word = [&frame](int n) { return static_cast<long>(frame.word(n)); };
    const auto flag = [&frame](int n) { return frame.byte(n) != 0; };

    live.iapSensor = flag(Monb::IapSensor);

    const int version = frame.byte(Monb::Version);
    if (version == ProtocolVersion) {
        // The hidden caption also ends the status-bar text: an old "Not connected" must not stay there.
        d.LabelVersion.text.clear();
        d.LabelVersionVisible = false;
        d.connectionState = 2;
    } else {
        d.LabelVersionVisible = true;
        d.connectionState = 1;
        d.LabelVersion.text =
            version == 0 ? std::string("Not connected") : VersionMismatchText(texts, version);
    }

    live.rpm = static_cast<int>(word(Monw::Rpm));
    d.LabelRpm = row.Number("RPM", word(Monw::Rpm), "");

    live.baseAdvance = flag(Monb::BaseAdvance);
    const char *loadName = live.iapSensor ? "IAP" : "TP";
    if (live.iapSensor) {
        live.pressure = static_cast<int>(word(Monw::Load));
        live.throttle = 0;
        d.LabelMonTpsPromile = row.Number(loadName, word(Monw::Load), " kPa");
    } else {
        live.throttle = static_cast<int>(word(Monw::Load));
        live.pressure = 0;
        d.LabelMonTpsPromile = row.Number(loadName, word(Monw::Load) / 10, " %");
    }
    live.loadVoltage = static_cast<int>(word(Monw::LoadVoltage));
    d.LabelMonTpsMv = row.Number(loadName, word(Monw::LoadVoltage), " mV");

    d.LabelNapeti = row.Tenths("U", word(Monw::Supply) / 100, " V");
    if (connected)
        d.LabelNapeti.colour = SupplyColour(static_cast<int>(word(Monw::Supply)));

    d.LabelMonServoMer = row.Number(texts[43], word(Monw::ServoMeasured), " mV");
    d.LabelMonServoPoz = row.Number(texts[44], word(Monw::ServoDesired), " mV");
    d.LabelMonPotencMv = row.Number("Potenciometer", word(Monw::Potentiometer) * 5000 / 1023, " mV");
    d.LabelMonAkcel = row.Number(texts[60], word(Monw::Acceleration), " rpm/s");

    d.LabelMonPotKorAdv = row.Tenths(texts[22], word(Monw::PotAdvance) - 1000, " °");
    d.LabelMonPotKorStartLimiter = row.Number(texts[17], word(Monw::PotStartLimiter) - 10000, " rpm");
    d.LabelMonPotKorPilotLight = row.Number(texts[57], word(Monw::PotPilotLight) - 10000, " rpm");
    d.LabelMonPotKorAcc = row.Number(texts[68], word(Monw::PotAcceleration) - 10000, " rpm/s");

    d.LabelMonSpeed = row.Number(texts[70], word(Monw::Speed), " km/h");

    live.gearVoltage = static_cast<int>(word(Monw::GearVoltage));
    d.LabelMonGearNapeti = row.Number(texts[71], word(Monw::GearVoltage), " mV");
    d.LabelMonGearNapeti1 = d.LabelMonGearNapeti;

    live.gearRatio = static_cast<int>(word(Monw::Ratio));
    d.LabelMonPomerRpmSpeed = row.Tenths("Rpm/Speed =", word(Monw::Ratio), "");
    for (int gear = 0; gear < 6; ++gear)
        d.LabelMonPomerRpmSpeedAuto[gear] =
            row.Tenths(gear == 0 ? " " : "", word(Monw::LearnedRatio + gear), "");

    d.LabelPocetProgramovani = row.Number(texts[13], word(Monw::ProgramCycles), "");
    live.SavingCountdown = static_cast<int>(word(Monw::SavingCountdown));
    live.programmingCount = static_cast<int>(word(Monw::ProgramCycles));
    for (int i = 0; i < 8; ++i)
        d.LabelTest[i] = row.Number("Test" + std::to_string(i + 1), word(Monw::TestValue + i), "");

    for (int channel = 1; channel <= 2; ++channel)
        d.LabelAdvance[channel - 1] = AdvanceLabel(frame, channel, row, texts);

    for (int pickup = 1; pickup <= 2; ++pickup)
        d.LabelMonSnimac[pickup - 1] = PickupLabel(frame, pickup, row, texts);
    live.pickupActive = flag(Monb::Pickup1Signal) || flag(Monb::Pickup2Signal);

    for (const FlagRow &r : flagRows)
        d.*r.label = row.Flag(texts[r.slot], flag(r.byte), r.colour);
    for (int input = 0; input < 3; ++input)
        d.LabelMonInput[input] =
            row.Flag(texts[48 + input], !flag(Monb::Input1 + input), inputColours[input]);

    live.map2 = flag(Monb::Map2);

    for (int output = 0; output < 3; ++output) {
        const OutputLook look = PowerOutputLook(image.byte(Adrb::PowerOutMode + output));
        d.LabelMonPOut[output] = row.Flag(texts[look.slot], flag(Monb::PowerOut1 + output), look.colour);
    }

    live.CurrentGear = frame.byte(Monb::Gear);
    d.LabelGear = row.Number(texts[69], frame.byte(Monb::Gear), "");

    live.loadSensorFault = flag(Monb::LoadSensorFault);
    d.LabelMonServoMer.colour =
        row.Warning(image.byte(Adrb::ServoEnabled) != 0 && frame.byte(Monb::ServoStatus) == 0, Colour::Red);
    d.LabelMonTpsMv.colour = row.Warning(live.loadSensorFault, Colour::Red);
    d.LabelMonTpsPromile.colour = row.Warning(live.loadSensorFault && image.byte(Adrb::MapsUseLoad) != 0 &&
                                                  image.byte(Adrb::LoadSensor) == 1,
                                              Colour::Red);

    d.LabelEeDataErrVisible = flag(Monb::DataFault);

    const int hardLimiter = image.word(Adrw::HardLimiter);
    d.CGaugeRpm.minimum = 0;
    d.CGaugeRpm.maximum = hardLimiter != 0 ? hardLimiter : 150000;
    d.CGaugeRpm.position = live.rpm;
    if (live.iapSensor) {
        d.CGaugeTps.minimum = image.word(Adrw::IapAxis);
        d.CGaugeTps.maximum = image.word(Adrw::IapAxis + 9);
    } else {
        d.CGaugeTps.minimum = 0;
        d.CGaugeTps.maximum = 1000;
    }
    d.CGaugeTps.position = static_cast<int>(word(Monw::Load));

    // t - 20000 is twice the effective acceleration threshold, which so lies in the middle of the gauge.
    const int threshold = image.byte(Adrb::Map2Acceleration);
    const long t = threshold * 200L + word(Monw::PotAcceleration) * 2;
    d.CGaugeAkcel.minimum = 0;
    d.CGaugeAkcel.maximum = t >= 20101 ? static_cast<int>(t - 20000) : 100;
    d.CGaugeAkcel.position = static_cast<int>(word(Monw::Acceleration));
    d.CGaugeAkcel.colour = word(Monw::Acceleration) / 100 < threshold ? Colour::Lime : Colour::Red;
}

} // namespace zarvex1
