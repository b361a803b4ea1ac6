#include "cli/MonitorFormat.h"

#include "core/logs/LogFormat.h"
#include "core/logs/MonitorFields.h"

#include <span>

namespace zarvex1 {

namespace {

constexpr int AdvanceOffset = 100;

// value / divisor with one decimal, from integers: 12345, 1000 -> "12.3".
std::string Tenths(int value, int divisorOfTenths) {
    const int tenths = value / divisorOfTenths;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::string MonitorJson(const Frame &f, long long ms) {
    std::string text = "{\"time\":" + LogSeconds(ms);
    // Fields that share a key in a row form an array.
    const std::span<const MonitorField> fields = MonitorFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const MonitorField &field = fields[i];
        if (field.json.empty())
            continue;
        const bool first = i == 0 || fields[i - 1].json != field.json;
        const bool last = i + 1 == fields.size() || fields[i + 1].json != field.json;
        const bool array = !(first && last);
        if (first) {
            text += ",\"";
            text += field.json;
            text += array ? "\":[" : "\":";
        } else {
            text += ',';
        }
        text += std::to_string(FieldValue(field, f));
        if (array && last)
            text += ']';
    }
    return text + "}";
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

    std::string flags;
    for (const MonitorField &field : MonitorFields())
        if (!field.flag.empty() && FieldValue(field, f) != 0) {
            flags += flags.empty() ? "" : ", ";
            flags += field.flag;
        }
    if (!flags.empty())
        line += "  [" + flags + "]";
    if (f.byte(Monb::Version) != ProtocolVersion)
        line += "  version " + std::to_string(f.byte(Monb::Version));
    return line;
}

} // namespace zarvex1
