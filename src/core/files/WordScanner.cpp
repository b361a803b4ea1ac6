#include "core/files/WordScanner.h"

#include <charconv>
#include <limits>

namespace zarvex1 {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c, int base) {
    if (base == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return c >= '0' && c < '0' + base;
}

} // namespace

void WordScanner::SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_]))
        ++pos_;
}

bool WordScanner::AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
}

std::size_t WordScanner::WordEnd() const {
    std::size_t end = pos_;
    while (end < text_.size() && !IsSpace(text_[end]) && end - pos_ < MaxWordLength)
        ++end;
    return end;
}

std::string_view WordScanner::NextWord() {
    SkipSpace();
    const std::size_t start = pos_;
    pos_ = WordEnd();
    return text_.substr(start, pos_ - start);
}

std::optional<std::int64_t> WordScanner::NextInteger() {
    return Number(true);
}

std::optional<std::int64_t> WordScanner::NextDecimal() {
    return Number(false);
}

std::optional<std::int64_t> WordScanner::Number(bool prefixes) {
    SkipSpace();
    // A number is a whole word: "4_TAKT" or "12abc" is no number, and stays to be read as a word.
    const std::size_t wordEnd = WordEnd();
    std::size_t at = pos_;
    bool negative = false;
    if (at < wordEnd && (text_[at] == '+' || text_[at] == '-'))
        negative = text_[at++] == '-';
    int base = 10;
    if (prefixes && at < wordEnd && text_[at] == '0') {
        base = 8;
        // "0x" makes a hexadecimal number only when a hex digit follows.
        if (at + 2 < wordEnd && (text_[at + 1] == 'x' || text_[at + 1] == 'X') &&
            IsDigit(text_[at + 2], 16)) {
            base = 16;
            at += 2;
        }
    }
    std::size_t end = at;
    while (end < wordEnd && IsDigit(text_[end], base))
        ++end;
    if (end == at || end != wordEnd)
        return std::nullopt;

    std::uint64_t magnitude = 0;
    const auto result = std::from_chars(text_.data() + at, text_.data() + end, magnitude, base);
    constexpr auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (result.ec == std::errc::result_out_of_range || magnitude > limit)
        magnitude = limit;
    pos_ = end;
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

} // namespace zarvex1
