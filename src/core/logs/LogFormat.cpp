#include "core/logs/LogFormat.h"

#include <charconv>
#include <deque>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zarvex1 {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view TimeColumn = "time [s]";
constexpr std::string_view HashColumn = "image";
constexpr std::string_view FileColumn = "parameter file";

constexpr int Pow10[] = {1, 10, 100, 1000};

// value / 10^decimals with a decimal point, from integers so that no locale and no rounding enter.
void AppendDecimal(std::string &out, long long value, int decimals) {
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value / Pow10[decimals]).ptr;
    out.append(digits, end);
    if (decimals == 0)
        return;
    out += '.';
    long long fraction = value % Pow10[decimals];
    for (int d = decimals - 1; d >= 0; --d) {
        out += static_cast<char>('0' + fraction / Pow10[d]);
        fraction %= Pow10[d];
    }
}

// A name as one CSV field: quoted when it holds a separator or a quote; a line break becomes a blank,
// since a row is one line.
void AppendText(std::string &out, std::string_view text) {
    const bool quote = text.find_first_of(",\"") != std::string_view::npos;
    if (quote)
        out += '"';
    for (const char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\n' || c == '\r')
            out += ' ';
        else
            out += c;
    }
    if (quote)
        out += '"';
}

bool Logged(const MonitorField &field) {
    return !field.column.empty();
}

// Splits one line into its fields; false when a quote is left open.
bool SplitFields(std::string_view line, std::vector<std::string_view> &fields,
                 std::deque<std::string> &unquoted) {
    fields.clear();
    unquoted.clear();
    std::size_t i = 0;
    for (;;) {
        if (i < line.size() && line[i] == '"') {
            // A quoted field's text is kept in `unquoted`, which never moves what it holds.
            std::string &text = unquoted.emplace_back();
            ++i;
            for (;;) {
                if (i >= line.size())
                    return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += line[i++];
            }
            fields.emplace_back(text);
            if (i >= line.size())
                return true;
            if (line[i] != ',')
                return false;
            ++i;
            continue;
        }
        const std::size_t comma = line.find(',', i);
        fields.push_back(
            line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
        if (comma == std::string_view::npos)
            return true;
        i = comma + 1;
    }
}

// "-12.3" as an integer in 10^-decimals: -123 for one decimal; further digits are cut off.
bool ParseDecimal(std::string_view text, int decimals, long long &value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return false;
    long long result = 0;
    if (!whole.empty()) {
        const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), result);
        if (error != std::errc() || end != whole.data() + whole.size() || result > 1'000'000'000'000LL)
            return false;
    }
    result *= Pow10[decimals];
    for (std::size_t d = 0; d < fraction.size(); ++d) {
        const char c = fraction[d];
        if (c < '0' || c > '9')
            return false;
        if (static_cast<int>(d) < decimals)
            result += (c - '0') * Pow10[decimals - 1 - static_cast<int>(d)];
    }
    value = negative ? -result : result;
    return true;
}

} // namespace

std::string LogSeconds(long long ms) {
    std::string text;
    AppendDecimal(text, ms, 3);
    return text;
}

std::string LogHeader() {
    std::string out(ByteOrderMark);
    out += TimeColumn;
    for (const MonitorField &field : MonitorFields())
        if (Logged(field)) {
            out += ',';
            out += field.column;
        }
    out += ',';
    out += HashColumn;
    out += ',';
    out += FileColumn;
    out += '\n';
    return out;
}

void AppendLogRow(std::string &out, long long ms, const LiveRecord &record, const LogSetName &set) {
    AppendDecimal(out, ms, 3);
    for (const MonitorField &field : MonitorFields())
        if (Logged(field)) {
            out += ',';
            AppendDecimal(out, record.raw(field.field), field.decimals);
        }
    out += ',';
    AppendText(out, set.imageHash);
    out += ',';
    AppendText(out, set.fileName);
    out += '\n';
}

void AppendGapRow(std::string &out, long long ms) {
    AppendDecimal(out, ms, 3);
    for (const MonitorField &field : MonitorFields())
        if (Logged(field))
            out += ',';
    out += ",,\n";
}

std::span<const int> MonitorLog::values(std::string_view id) const {
    for (std::size_t c = 0; c < fields_.size(); ++c)
        if (fields_[c]->id == id)
            return values_[c];
    return {};
}

// Fills a MonitorLog line by line.
class LogReader {
public:
    LogReadResult Read(std::string_view text) {
        if (text.starts_with(ByteOrderMark))
            text.remove_prefix(ByteOrderMark.size());
        int lineNumber = 0;
        while (!text.empty()) {
            std::size_t end = text.find('\n');
            const bool complete = end != std::string_view::npos;
            std::string_view line = text.substr(0, end);
            text.remove_prefix(complete ? end + 1 : text.size());
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++lineNumber;
            if (lineNumber == 1) {
                if (!Header(line))
                    return Fail(1, "not a live-value log (its first line names no time column)");
                continue;
            }
            if (line.empty())
                continue;
            if (!Row(line)) {
                // A recording ended by a crash may leave its last row cut short.
                if (!complete || text.empty())
                    break;
                return Fail(lineNumber, "a row that does not fit the header");
            }
        }
        if (lineNumber == 0)
            return Fail(1, "the file is empty");
        return {std::move(log_), {}};
    }

private:
    bool Header(std::string_view line) {
        if (!SplitFields(line, fields_, unquoted_) || fields_.empty() || fields_.front() != TimeColumn)
            return false;
        columnField_.assign(fields_.size(), -1);
        for (std::size_t c = 1; c < fields_.size(); ++c) {
            if (fields_[c] == HashColumn)
                hashColumn_ = static_cast<int>(c);
            else if (fields_[c] == FileColumn)
                fileColumn_ = static_cast<int>(c);
            else
                for (const MonitorField &field : MonitorFields())
                    if (Logged(field) && field.column == fields_[c]) {
                        columnField_[c] = static_cast<int>(log_.fields_.size());
                        log_.fields_.push_back(&field);
                        break;
                    }
        }
        columnCount_ = fields_.size();
        log_.values_.resize(log_.fields_.size());
        log_.sets_.push_back({});
        return true;
    }

    bool Row(std::string_view line) {
        if (!SplitFields(line, fields_, unquoted_) || fields_.size() != columnCount_)
            return false;
        long long ms = 0;
        if (!ParseDecimal(fields_[0], 3, ms))
            return false;
        bool gap = true;
        for (std::size_t c = 1; c < fields_.size(); ++c)
            gap = gap && fields_[c].empty();
        std::size_t filled = 0;
        for (std::size_t c = 1; c < fields_.size(); ++c) {
            const int index = columnField_[c];
            if (index < 0)
                continue;
            long long value = 0;
            if (!gap && !ParseDecimal(fields_[c], log_.fields_[index]->decimals, value))
                break;
            log_.values_[index].push_back(static_cast<int>(value));
            ++filled;
        }
        if (filled != log_.fields_.size()) {
            for (std::size_t i = 0; i < filled; ++i)
                log_.values_[i].pop_back();
            return false;
        }
        log_.timeMs_.push_back(ms);
        log_.gap_.push_back(gap);
        log_.setIndex_.push_back(gap ? lastSet_ : SetIndex());
        return true;
    }

    int SetIndex() {
        const std::string_view hash = hashColumn_ > 0 ? fields_[hashColumn_] : std::string_view();
        const std::string_view file = fileColumn_ > 0 ? fields_[fileColumn_] : std::string_view();
        // The set changes seldom: most rows name the one before.
        if (log_.sets_[lastSet_].imageHash == hash && log_.sets_[lastSet_].fileName == file)
            return lastSet_;
        LogSetName set{std::string(hash), std::string(file)};
        lastSet_ = -1;
        for (std::size_t i = 0; i < log_.sets_.size() && lastSet_ < 0; ++i)
            if (log_.sets_[i] == set)
                lastSet_ = static_cast<int>(i);
        if (lastSet_ < 0) {
            lastSet_ = static_cast<int>(log_.sets_.size());
            log_.sets_.push_back(std::move(set));
        }
        return lastSet_;
    }

    LogReadResult Fail(int line, const std::string &what) {
        return {std::nullopt, "line " + std::to_string(line) + ": " + what};
    }

    MonitorLog log_;
    std::vector<std::string_view> fields_;
    std::deque<std::string> unquoted_;
    std::vector<int> columnField_; // index into the log's fields, -1 for others
    std::size_t columnCount_ = 0;
    int hashColumn_ = -1;
    int fileColumn_ = -1;
    int lastSet_ = 0;
};

LogReadResult ReadMonitorLog(std::string_view text) {
    return LogReader().Read(text);
}

LogReadResult ReadMonitorLogFile(const std::filesystem::path &path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {std::nullopt, error ? error.message() : std::string("not a regular file")};
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return {std::nullopt, "cannot be read"};
    return ReadMonitorLog(text);
}

} // namespace zarvex1
