#include "core/logs/LogChannels.h"

#include "core/texts/MessageTexts.h"

#include <algorithm>
#include <cstdlib>

namespace zarvex1 {

namespace {

constexpr std::string_view RpmFields[] = {"rpm"};
constexpr std::string_view LoadFields[] = {"throttle", "pressure"};
constexpr std::string_view Advance1Fields[] = {"advance1"};
constexpr std::string_view Advance2Fields[] = {"advance2"};
constexpr std::string_view GearFields[] = {"gear"};
constexpr std::string_view SpeedFields[] = {"speed"};
constexpr std::string_view SupplyFields[] = {"supplyVoltage"};
constexpr std::string_view GearVoltageFields[] = {"gearVoltage"};
constexpr std::string_view ServoFields[] = {"servoDesired", "servoMeasured"};
constexpr std::string_view FlagFields[] = {"startLimiterActive",
                                           "startSoftLimiter",
                                           "startHardLimiter",
                                           "softLimiter",
                                           "hardLimiter",
                                           "map2",
                                           "clutch",
                                           "retard",
                                           "engineBlocked",
                                           "loadSensorFault",
                                           "input1",
                                           "input2",
                                           "input3",
                                           "powerOut1",
                                           "powerOut2",
                                           "powerOut3"};

using K = ChartKind;

const LogChannel Channels[] = {
    {"rpm", {"Engine speed [rpm]", "Drehzahl [1/min]", "Otáčky [ot/min]"}, K::Lines, RpmFields},
    {"load", {"Load [% or kPa]", "Last [% oder kPa]", "Zatížení [% nebo kPa]"}, K::Lines, LoadFields},
    {"advance1", {"Advance 1 [°]", "Vorzündung 1 [°]", "Předstih 1 [°]"}, K::Lines, Advance1Fields},
    {"advance2", {"Advance 2 [°]", "Vorzündung 2 [°]", "Předstih 2 [°]"}, K::Lines, Advance2Fields},
    {"gear", {"Gear", "Gang", "Rychlost. stupeň"}, K::Lines, GearFields},
    {"speed", {"Speed [km/h]", "Geschwindigkeit [km/h]", "Rychlost [km/h]"}, K::Lines, SpeedFields},
    {"supply", {"Supply [V]", "Versorgung [V]", "Napájení [V]"}, K::Lines, SupplyFields},
    {"gearVoltage",
     {"Gear voltage [mV]", "GPS Spannung [mV]", "GPS napětí [mV]"},
     K::Lines,
     GearVoltageFields},
    {"servo", {"Servo [mV]", "Servo [mV]", "Servo [mV]"}, K::Lines, ServoFields},
    {"flags",
     {"Limiters and functions", "Begrenzer und Funktionen", "Omezovače a funkce"},
     K::Flags,
     FlagFields},
};

struct FieldName {
    std::string_view id;
    std::array<std::string_view, 3> caption;
};

// The names of the fields the charts draw; the rest is named by its channel.
constexpr FieldName FieldNames[] = {
    {"throttle", {"throttle [%]", "Drosselklappe [%]", "škrticí klapka [%]"}},
    {"pressure", {"intake pressure [kPa]", "Saugrohrdruck [kPa]", "tlak v sání [kPa]"}},
    {"servoDesired", {"desired", "Soll", "požadované"}},
    {"servoMeasured", {"measured", "gemessen", "měřené"}},
    {"startLimiterActive", {"start limiter", "Startbegrenzer", "startovací omezovač"}},
    {"startSoftLimiter", {"start soft limiter", "Startmildebegrenzer", "startovací měkký omezovač"}},
    {"startHardLimiter", {"start hard limiter", "Starthartbegrenzer", "startovací tvrdý omezovač"}},
    {"softLimiter", {"soft limiter", "Mildebegrenzer", "měkký omezovač"}},
    {"hardLimiter", {"hard limiter", "Hartbegrenzer", "tvrdý omezovač"}},
    {"map2", {"map 2", "Mappe 2", "mapa 2"}},
    {"clutch", {"clutch master", "Schaltautomat", "clutch master"}},
    {"retard", {"retard", "Spätzündung", "snížení předstihu"}},
    {"engineBlocked", {"motor off", "Motor off", "blokování"}},
    {"loadSensorFault", {"load sensor fault", "Lastsensorfehler", "chyba snímače zatížení"}},
    {"input1", {"input 1", "Eingang 1", "vstup 1"}},
    {"input2", {"input 2", "Eingang 2", "vstup 2"}},
    {"input3", {"input 3", "Eingang 3", "vstup 3"}},
    {"powerOut1", {"out 1", "Ausgang 1", "výstup 1"}},
    {"powerOut2", {"out 2", "Ausgang 2", "výstup 2"}},
    {"powerOut3", {"out 3", "Ausgang 3", "výstup 3"}},
};

int ColumnOf(int languageIndex) {
    return languageIndex == Language::German ? 1 : languageIndex == Language::Czech ? 2 : 0;
}

constexpr int Pow10[] = {1, 10, 100, 1000};

} // namespace

std::span<const LogChannel> LogChannels() {
    return Channels;
}

const LogChannel *FindLogChannel(std::string_view id) {
    const auto found = std::find_if(std::begin(Channels), std::end(Channels),
                                    [id](const LogChannel &channel) { return channel.id == id; });
    return found == std::end(Channels) ? nullptr : &*found;
}

std::vector<const LogChannel *> ChannelsFromText(std::string_view text) {
    std::vector<const LogChannel *> channels;
    if (text.empty()) {
        for (const LogChannel &channel : Channels)
            channels.push_back(&channel);
        return channels;
    }
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const LogChannel *channel = FindLogChannel(text.substr(0, comma));
        if (channel && std::find(channels.begin(), channels.end(), channel) == channels.end())
            channels.push_back(channel);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return channels;
}

std::string ChannelsToText(const std::vector<const LogChannel *> &channels) {
    std::string text;
    for (const LogChannel *channel : channels) {
        if (!text.empty())
            text += ',';
        text += channel->id;
    }
    return text;
}

std::string_view ChannelCaption(const LogChannel &channel, int languageIndex) {
    return channel.caption[ColumnOf(languageIndex)];
}

std::string FieldCaption(std::string_view fieldId, int languageIndex) {
    for (const FieldName &name : FieldNames)
        if (name.id == fieldId)
            return std::string(name.caption[ColumnOf(languageIndex)]);
    for (const LogChannel &channel : Channels)
        if (channel.fields.size() == 1 && channel.fields[0] == fieldId)
            return std::string(channel.caption[ColumnOf(languageIndex)]);
    return std::string(fieldId);
}

int RowAt(const MonitorLog &log, long long ms) {
    if (log.rowCount() == 0)
        return -1;
    int low = 0, high = log.rowCount(); // the first row after ms lies in low..high
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (log.timeMs(middle) <= ms)
            low = middle + 1;
        else
            high = middle;
    }
    return std::max(0, low - 1);
}

std::string FormatFieldValue(const MonitorField &field, int value) {
    const int scale = Pow10[field.decimals];
    std::string text = value < 0 ? "-" : "";
    const int magnitude = std::abs(value);
    text += std::to_string(magnitude / scale);
    if (field.decimals > 0) {
        std::string fraction = std::to_string(magnitude % scale);
        text += '.' + std::string(static_cast<std::size_t>(field.decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

double FieldUnits(const MonitorField &field, int value) {
    return static_cast<double>(value) / Pow10[field.decimals];
}

} // namespace zarvex1
