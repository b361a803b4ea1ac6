#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvex1 {

// Reads a text as white-space separated words and numbers, the way the program's text files are read.
// A number is a whole word; a word that is not one leaves the scanner where it was, so it comes next.
class WordScanner {
public:
    static constexpr std::size_t MaxWordLength = 255;

    explicit WordScanner(std::string_view text) : text_(text) {}

    // The next word of at most 255 characters (a longer run goes on as the next word); empty at the end.
    std::string_view NextWord();
    // A word that is an integer with optional sign; "0x" starts a hexadecimal, a leading "0" an octal
    // number.
    // Values beyond 63 bits saturate; the caller narrows them as the field needs.
    std::optional<std::int64_t> NextInteger();
    // An integer with optional sign in decimal only.
    std::optional<std::int64_t> NextDecimal();
    bool AtEnd();

private:
    std::optional<std::int64_t> Number(bool prefixes);
    void SkipSpace();
    // Where the word at the scanner ends: the next white space, or 255 characters on.
    std::size_t WordEnd() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace zarvex1
