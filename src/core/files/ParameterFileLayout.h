#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zarvex1 {

// How one value of a parameter file maps onto the image.
enum class FieldKind : std::uint8_t {
    Byte,            // written scale x (byte + offset)
    Word,            // written scale x (word + offset)
    LimiterDelay,    // byte 266: written in ms; older files hold seconds
    ServoHysteresis, // byte 579: scale 5, but 1 in version-81 files
    LoadThreshold,   // power-out load threshold: scale 5 with the IAP sensor, else 1
    GridBit,         // one bit of a power-out grid row, written as 0 or 1
};

struct FileField {
    FieldKind kind;
    int address; // word index for Word, byte address otherwise
    int scale = 1;
    int offset = 0;
    int bit = 0; // GridBit only
};

// Flags of the load selection that make a key word store its values.
namespace FileSectionFlag {
enum : std::uint16_t {
    Basic = 1 << 0,
    Inputs = 1 << 1,
    Advance1 = 1 << 2,
    Advance2 = 1 << 3,
    PowerOut = 1 << 4,
    Servo = 1 << 5,
    Gear = 1 << 6,
    Race = 1 << 7,
    Test = 1 << 8,
};
}

// A key word with its values, laid out line by line: line 0 follows the key word, every further line is
// a continuation line (an empty one is a line of 15 spaces).
struct KeyWordLayout {
    std::string_view keyWord;
    std::uint16_t flags; // stores when any of these load-selection flags is set
    std::vector<std::vector<FileField>> lines;
    bool written = true;  // the writer writes it
    bool read = true;     // the reader knows it
    int powerOutput = -1; // power-out block of this output (0..3)
};

inline constexpr std::string_view FileKeyWord = "MORVANEL_KEY";
inline constexpr int ParameterFileVersion = 99;
inline constexpr int OlderParameterFileVersion = 81;

// Every key word in writing order, with the reader's extra names at the end.
const std::vector<KeyWordLayout> &ParameterFileLayout();
// The reader's entry for a word, or nothing when the word is no key word ("TPS" names SENSOR_TPS).
const KeyWordLayout *FindKeyWord(std::string_view word);

} // namespace zarvex1
