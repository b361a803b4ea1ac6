#include "cli/MonitorFormat.h"

#include "core/link/MonitorFields.h"
#include "core/logs/LogFormat.h"

#include <span>

namespace zarvex1 {

namespace {

// value / divisor with one decimal, from integers: 12345, 1000 -> "12.3".
std::string Tenths(int value, int divisorOfTenths) {
    const int tenths = value / divisorOfTenths;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::string MonitorJson(const LiveRecord &record, long long ms) {
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
        text += std::to_string(record.raw(field.field));
        if (array && last)
            text += ']';
    }
    return text + "}";
}

std::string MonitorLine(const LiveRecord &r) {
    using F = LiveField;
    std::string line = "rpm " + std::to_string(r.raw(F::Rpm));
    if (r.flag(F::LoadIsIap))
        line += "  IAP " + std::to_string(r.raw(F::Load)) + " kPa";
    else
        line += "  TP " + Tenths(r.raw(F::Load), 1) + " %";
    if (r.flag(F::BaseAdvance))
        line += "  advance base";
    else
        line += "  advance " + std::to_string(r.raw(F::Advance1)) + "/" + std::to_string(r.raw(F::Advance2)) +
                " °";
    line += "  U " + Tenths(r.raw(F::SupplyVoltage), 100) + " V";
    line += "  gear " + std::to_string(r.raw(F::Gear));
    line += "  speed " + std::to_string(r.raw(F::Speed)) + " km/h";
    if (const int countdown = r.raw(F::SavingCountdown); countdown > 0)
        line += "  saving " + std::to_string(countdown);

    std::string flags;
    for (const MonitorField &field : MonitorFields())
        if (!field.flag.empty() && r.raw(field.field) != 0) {
            flags += flags.empty() ? "" : ", ";
            flags += field.flag;
        }
    if (!flags.empty())
        line += "  [" + flags + "]";
    if (r.raw(F::Version) != ProtocolVersion)
        line += "  version " + std::to_string(r.raw(F::Version));
    return line;
}

} // namespace zarvex1
