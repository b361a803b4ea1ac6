#include "core/files/WordScanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zarvex1 {
namespace {

// A value is a whole word: a word that is not entirely a number (with its optional sign, 0x or leading
// zero) is no number and stays in place, to be read as the next word.
TEST(WordScanner, aNumberIsAWholeWord) {
    const std::string longNumber(256, '7');
    struct Row {
        std::string text;
        std::optional<std::int64_t> number; // NextInteger
        std::string nextWord;               // what NextWord gives afterwards
    };
    const Row rows[] = {
        {"4_TAKT 1", std::nullopt, "4_TAKT"},
        {"12abc", std::nullopt, "12abc"},
        {"0x", std::nullopt, "0x"},
        {"0x1G", std::nullopt, "0x1G"},
        {"-", std::nullopt, "-"},
        {"08", std::nullopt, "08"},
        {"+5 X", 5, "X"},
        {"007 X", 7, "X"},
        {"0x1f X", 31, "X"},
        {"-0X10\tX", -16, "X"},
        {"−3", std::nullopt, "−3"}, // a Unicode minus
        {"", std::nullopt, ""},
        {"   \r\n ", std::nullopt, ""},
        // A word ends after 255 characters; the rest is the next word, as NextWord cuts it.
        {longNumber, INT64_MAX, "7"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.substr(0, 20));
        WordScanner in(row.text);
        EXPECT_EQ(in.NextInteger(), row.number);
        EXPECT_EQ(in.NextWord(), row.nextWord);
    }
}

TEST(WordScanner, decimalsTakeNoPrefixes) {
    WordScanner in("99 0x10 010");
    EXPECT_EQ(in.NextDecimal(), 99);
    EXPECT_EQ(in.NextDecimal(), std::nullopt);
    EXPECT_EQ(in.NextWord(), "0x10");
    EXPECT_EQ(in.NextDecimal(), 10);
    EXPECT_TRUE(in.AtEnd());
}

} // namespace
} // namespace zarvex1
