#pragma once

#include <array>
#include <string>

namespace zarvex1 {

// Language index of the texts: English, German, Czech (2 was French and is never chosen).
namespace Language {
enum : int { English = 0, German = 1, Czech = 3 };
}

// Slots of the texts that the link and its tools show.
namespace MessageSlot {
enum : int {
    ProgramError = 4, // "Program error!"
    VerifyError = 5,  // "Verify error!"
    ReadError = 6,    // "Read error!"
    Program = 7,      // "Program device:"
    Verify = 8,       // "Verify:"
    Read = 9,         // "Read:"
    Saving = 10,      // "Saving:"
    ComOpeningError = 31,
};
}

// The numbered texts of the main window in the current language: messages, the message line and the
// names of the live display. Slot 1 holds the name of the current parameter file.
class MessageTexts {
public:
    static constexpr int Count = 73;

    // Slots outside 0..Count-1 throw std::out_of_range instead of touching foreign memory.
    const std::string &operator[](int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }
    std::string &operator[](int slot) { return slots_.at(static_cast<std::size_t>(slot)); }

    // Puts the texts of the language (0 English, 1 German, 3 Czech; anything else English) into their
    // slots. Slots without texts of their own (the file name in slot 1 among them) keep what they hold.
    void FillMessageTexts(int languageIndex);

private:
    std::array<std::string, Count> slots_{};
};

} // namespace zarvex1
