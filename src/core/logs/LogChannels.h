#pragma once

#include "core/logs/LogFormat.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// The strip charts of the log viewer. A channel is one chart: the fields it draws, as lines or, for the
// limiter and function flags, as bars (one lane a flag). The user chooses and orders the channels; the
// settings keep their ids.
enum class ChartKind { Lines, Flags };

struct LogChannel {
    std::string_view id;
    std::array<std::string_view, 3> caption; // English, German, Czech
    ChartKind kind;
    std::span<const std::string_view> fields; // ids of monitor fields
};

// Every channel, in the order a first start shows them.
std::span<const LogChannel> LogChannels();
const LogChannel *FindLogChannel(std::string_view id);

// The channels named by the settings' text ("rpm,load,flags"): unknown and repeated ids are passed over;
// no text shows every channel.
std::vector<const LogChannel *> ChannelsFromText(std::string_view text);
std::string ChannelsToText(const std::vector<const LogChannel *> &channels);

// A caption in the language (0 English, 1 German, 3 Czech).
std::string_view ChannelCaption(const LogChannel &channel, int languageIndex);
// The name of a monitor field the charts draw, in the language: "desired", "soft limiter", ...
std::string FieldCaption(std::string_view fieldId, int languageIndex);

// The row on show at a time: the last row at or before it; the first row before the log starts; -1 for
// an empty log.
int RowAt(const MonitorLog &log, long long ms);
// A field's value as the log writes it: the decimal point and the field's decimals.
std::string FormatFieldValue(const MonitorField &field, int value);
// A field's value in the column's unit.
double FieldUnits(const MonitorField &field, int value);

} // namespace zarvex1
