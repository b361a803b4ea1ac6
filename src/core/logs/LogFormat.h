#pragma once

#include "core/link/LiveRecord.h"
#include "core/link/MonitorFields.h"
#include "core/params/ParameterImage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// The live-value log: CSV that a spreadsheet opens as it is. A header row of the columns' names with
// their units, then one row per monitor frame: the time in seconds from the start with milliseconds,
// every logged monitor field (decimal point, flags as 0/1) and two columns naming the parameter set the
// unit was known to hold (a short hash of its image and its file name). A row with the time and nothing
// else is a gap: the connection was lost there.

// The parameter set a row names.
using LogSetName = SetName;

// Milliseconds as the log writes them: seconds with three decimals.
std::string LogSeconds(long long ms);

// The header row, with its line break (and the byte-order mark that tells spreadsheets it is UTF-8).
std::string LogHeader();
// Appends one row, with its line break: the record's values at `ms` from the start.
void AppendLogRow(std::string &out, long long ms, const LiveRecord &record, const LogSetName &set);
void AppendGapRow(std::string &out, long long ms);

// A log read back: its rows, and for each column it has the values over the rows.
class MonitorLog {
public:
    int rowCount() const { return static_cast<int>(timeMs_.size()); }
    long long timeMs(int row) const { return timeMs_[row]; }
    bool isGap(int row) const { return gap_[row] != 0; }
    const LogSetName &set(int row) const { return sets_[setIndex_[row]]; }
    // The sets the rows name, each once (the first names none), and which of them a row names.
    const std::vector<LogSetName> &sets() const { return sets_; }
    int setIndex(int row) const { return setIndex_[row]; }
    // The fields of the log's columns, in order.
    const std::vector<const MonitorField *> &fields() const { return fields_; }
    // The values of a field over all rows (0 in gap rows), empty when the log has no such column.
    std::span<const int> values(std::string_view id) const;

private:
    friend class LogReader;
    std::vector<const MonitorField *> fields_;
    std::vector<std::vector<int>> values_; // by column
    std::vector<long long> timeMs_;
    std::vector<std::uint8_t> gap_;
    std::vector<int> setIndex_;
    std::vector<LogSetName> sets_;
};

struct LogReadResult {
    std::optional<MonitorLog> log;
    std::string error; // why there is no log: the line and what is wrong with it
};

// Reads a log. Columns it does not know are passed over; a last row cut short (the recording was
// ended by a crash) is dropped.
LogReadResult ReadMonitorLog(std::string_view text);
LogReadResult ReadMonitorLogFile(const std::filesystem::path &path);

} // namespace zarvex1
